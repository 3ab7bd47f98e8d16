#include "history/HistorySchema.h"

#include "history/HistorySql.h"

#include <QSqlQuery>

#include <set>
#include <string>
#include <utility>

namespace varnholt {

namespace {

// Times are milliseconds since the epoch, UTC; credits are whole credits. game_start names a
// game: the time of the New Game or Open Game that began it (0 before the first one recorded).
// vault_opened: 0 not opened, 1 by the spin, 2 by a nudge. Money kind: 0 borrow, 1 pay-back.
// Game kind: 0 New Game, 1 Open Game.
constexpr const char *kTables[] = {
    "CREATE TABLE IF NOT EXISTS spins(id INTEGER PRIMARY KEY, time INTEGER NOT NULL, game TEXT NOT NULL,"
    " coins INTEGER NOT NULL, stop1 INTEGER NOT NULL, stop2 INTEGER NOT NULL, stop3 INTEGER NOT NULL,"
    " line_win INTEGER NOT NULL, nudge_win INTEGER NOT NULL, nudges_used INTEGER NOT NULL,"
    " nudges_earned INTEGER NOT NULL, vault_prize INTEGER NOT NULL, vault_opened INTEGER NOT NULL,"
    " credits INTEGER NOT NULL, borrowed INTEGER NOT NULL, game_start INTEGER NOT NULL DEFAULT 0)",
    "CREATE TABLE IF NOT EXISTS money(id INTEGER PRIMARY KEY, time INTEGER NOT NULL, game TEXT NOT NULL,"
    " kind INTEGER NOT NULL, amount INTEGER NOT NULL, credits INTEGER NOT NULL, borrowed INTEGER NOT NULL,"
    " game_start INTEGER NOT NULL DEFAULT 0)",
    "CREATE TABLE IF NOT EXISTS games(id INTEGER PRIMARY KEY, time INTEGER NOT NULL, game TEXT NOT NULL,"
    " kind INTEGER NOT NULL, credits INTEGER NOT NULL, borrowed INTEGER NOT NULL)",
    // Folded records, per local calendar day and game. returned = lines + nudges + vault credits;
    // fairN = lines + vault credits at the stop of N-coin spins, allN the same with nudge wins.
    "CREATE TABLE IF NOT EXISTS days(day TEXT NOT NULL, game TEXT NOT NULL, game_start INTEGER NOT NULL,"
    " spins INTEGER NOT NULL, bet INTEGER NOT NULL, returned INTEGER NOT NULL, best_win INTEGER NOT NULL,"
    " spins1 INTEGER NOT NULL, spins2 INTEGER NOT NULL, spins3 INTEGER NOT NULL,"
    " fair1 INTEGER NOT NULL, fair2 INTEGER NOT NULL, fair3 INTEGER NOT NULL,"
    " all1 INTEGER NOT NULL, all2 INTEGER NOT NULL, all3 INTEGER NOT NULL, played_ms INTEGER NOT NULL,"
    " borrows INTEGER NOT NULL, borrowed INTEGER NOT NULL, paybacks INTEGER NOT NULL,"
    " paid_back INTEGER NOT NULL, games INTEGER NOT NULL, PRIMARY KEY(day, game, game_start))",
    // What folding must carry over per game: the losing runs, the last one maybe still going on.
    "CREATE TABLE IF NOT EXISTS folded_games(game TEXT NOT NULL, game_start INTEGER NOT NULL,"
    " longest_losing_run INTEGER NOT NULL, trailing_losing_run INTEGER NOT NULL,"
    " PRIMARY KEY(game, game_start))",
    // The best folded spins, five per game at most.
    "CREATE TABLE IF NOT EXISTS best_spins(time INTEGER NOT NULL, game TEXT NOT NULL,"
    " coins INTEGER NOT NULL, won INTEGER NOT NULL, game_start INTEGER NOT NULL DEFAULT 0)",
    // The time of the newest folded record: the time played counts on from it.
    "CREATE TABLE IF NOT EXISTS folded(id INTEGER PRIMARY KEY CHECK (id = 1), last_time INTEGER NOT NULL)",
};

constexpr const char *kIndexes[] = {
    "CREATE INDEX IF NOT EXISTS spins_by_time ON spins(time)",
    "CREATE INDEX IF NOT EXISTS spins_by_game ON spins(game, time)",
    "CREATE INDEX IF NOT EXISTS money_by_time ON money(time)",
    "CREATE INDEX IF NOT EXISTS games_by_time ON games(time)",
    "CREATE INDEX IF NOT EXISTS games_by_game ON games(game, time)",
};
// The first files had no game identities and no index of games by name.
constexpr const char *kLaterIndex = "games_by_game";

// Files written before the version was kept: the same tables without game_start.
constexpr int kFirstVersion = 0;

using Object = std::pair<std::string, std::string>; // type, name

std::string nameAfter(const std::string &sql, const std::string &word)
{
    const std::size_t at = sql.find(word) + word.size();
    return sql.substr(at, sql.find_first_of(" (", at) - at);
}

// What SQLite keeps of our CREATE INDEX: the text without "IF NOT EXISTS ".
std::string storedIndexSql(std::string sql)
{
    const std::string ifNot = "IF NOT EXISTS ";
    sql.erase(sql.find(ifNot), ifNot.size());
    return sql;
}

// Anything in the file that is not the game's own (a trigger, a view, another table or index, an
// index of ours redefined) could run whatever it holds whenever the game touches the file.
void checkObjects(const QSqlDatabase &db, int version)
{
    std::set<Object> expected;
    for (const char *sql : kTables)
        expected.insert({"table", nameAfter(sql, "IF NOT EXISTS ")});
    std::set<std::string> indexSql;
    for (const char *sql : kIndexes) {
        const std::string name = nameAfter(sql, "IF NOT EXISTS ");
        if (version == kFirstVersion && name == kLaterIndex)
            continue;
        expected.insert({"index", name});
        indexSql.insert(storedIndexSql(sql));
    }
    QSqlQuery query = prepare(db, "SELECT type, name, sql FROM sqlite_master");
    run(query);
    std::set<Object> found;
    while (query.next()) {
        const std::string type = text(query.value(0)), name = text(query.value(1));
        // The indexes SQLite makes for a table's keys have no text of their own.
        if (type == "index" && name.starts_with("sqlite_autoindex_") && query.value(2).isNull())
            continue;
        if (type == "index" && !indexSql.contains(text(query.value(2))))
            throw HistoryError{"it holds things the game did not put there"};
        found.insert({type, name});
    }
    if (found != expected)
        throw HistoryError{"it holds things the game did not put there"};
}

int checkOurs(const QSqlDatabase &db)
{
    // Reading the header is the first touch of the file: garbage fails here, before any write.
    const int id = single(db, "PRAGMA application_id").toInt();
    const int objects = single(db, "SELECT count(*) FROM sqlite_master").toInt();
    if (id == 0 && objects == 0)
        return -1; // new
    if (id != kHistoryApplicationId)
        throw HistoryError{"it is another program's database"};
    const int version = single(db, "PRAGMA user_version").toInt();
    if (version > kHistoryVersion || version < kFirstVersion)
        throw HistoryError{"a newer version of the game wrote it"};
    checkObjects(db, version);
    if (single(db, "PRAGMA quick_check").toString() != QStringLiteral("ok"))
        throw HistoryError{"it is damaged"};
    return version;
}

void create(const QSqlDatabase &db)
{
    run(db, "BEGIN IMMEDIATE");
    for (const char *sql : kTables)
        run(db, sql);
    for (const char *sql : kIndexes)
        run(db, sql);
    run(db, ("PRAGMA application_id = " + std::to_string(kHistoryApplicationId)).c_str());
    run(db, ("PRAGMA user_version = " + std::to_string(kHistoryVersion)).c_str());
    run(db, "COMMIT");
}

// From the first files: every record is given the game it belongs to, the latest game of its
// name begun at or before it; records from before any game recorded keep game 0.
void migrateFromFirst(const QSqlDatabase &db)
{
    run(db, "BEGIN IMMEDIATE");
    for (const char *sql : {
             "CREATE INDEX IF NOT EXISTS games_by_game ON games(game, time)",
             "ALTER TABLE spins ADD COLUMN game_start INTEGER NOT NULL DEFAULT 0",
             "ALTER TABLE money ADD COLUMN game_start INTEGER NOT NULL DEFAULT 0",
             "ALTER TABLE best_spins ADD COLUMN game_start INTEGER NOT NULL DEFAULT 0",
             "UPDATE spins SET game_start = coalesce((SELECT max(g.time) FROM games g"
             " WHERE g.game = spins.game AND g.time <= spins.time), 0)",
             "UPDATE money SET game_start = coalesce((SELECT max(g.time) FROM games g"
             " WHERE g.game = money.game AND g.time <= money.time), 0)",
             "ALTER TABLE days RENAME TO days_first",
             "ALTER TABLE folded_games RENAME TO folded_games_first",
         })
        run(db, sql);
    for (const char *sql : kTables)
        run(db, sql); // the new days and folded_games
    for (const char *sql : {
             "INSERT INTO days SELECT day, game, 0, spins, bet, returned, best_win, spins1, spins2, spins3,"
             " fair1, fair2, fair3, all1, all2, all3, played_ms, borrows, borrowed, paybacks, paid_back,"
             " games FROM days_first",
             "INSERT INTO folded_games SELECT game, 0, longest_losing_run, trailing_losing_run"
             " FROM folded_games_first",
             "DROP TABLE days_first",
             "DROP TABLE folded_games_first",
         })
        run(db, sql);
    run(db, ("PRAGMA user_version = " + std::to_string(kHistoryVersion)).c_str());
    run(db, "COMMIT");
}

} // namespace

void prepareSchema(const QSqlDatabase &db)
{
    // Functions in a file's schema run only where the game asks for them.
    run(db, "PRAGMA trusted_schema = OFF");
    const int version = checkOurs(db);
    // Before the log is switched on, or a new file cannot take it: folding then hands the freed
    // pages back to the disk.
    if (version < 0)
        run(db, "PRAGMA auto_vacuum = INCREMENTAL");
    if (single(db, "PRAGMA journal_mode = WAL").toString() != QStringLiteral("wal"))
        throw HistoryError{"its write-ahead log cannot be used"};
    // In a write-ahead log, NORMAL loses no committed record to a killed process; only a power
    // cut may take the last few, and it cannot damage the file either.
    run(db, "PRAGMA synchronous = NORMAL");
    try {
        if (version < 0)
            create(db);
        else if (version == kFirstVersion)
            migrateFromFirst(db);
    } catch (const HistoryError &) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

void giveSpaceBack(const QSqlDatabase &db, bool mayRebuild)
{
    // Outside the record's transaction, so a failure here loses nothing: the space waits.
    try {
        if (single(db, "PRAGMA auto_vacuum").toInt() == 2)
            runToEnd(db, "PRAGMA incremental_vacuum");
        else if (mayRebuild) {
            // A file from before: rebuilt once, it gives space back by itself from then on.
            run(db, "PRAGMA auto_vacuum = INCREMENTAL");
            run(db, "VACUUM");
        }
        single(db, "PRAGMA wal_checkpoint(TRUNCATE)");
    } catch (const HistoryError &) {}
}

} // namespace varnholt
