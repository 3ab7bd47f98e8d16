#include "history/HistorySchema.h"

#include "history/HistorySql.h"

namespace varnholt {

namespace {

// Times are milliseconds since the epoch, UTC; credits are whole credits.
constexpr const char *kTables[] = {
    "CREATE TABLE IF NOT EXISTS spins(id INTEGER PRIMARY KEY, time INTEGER NOT NULL, game TEXT NOT NULL,"
    " coins INTEGER NOT NULL, stop1 INTEGER NOT NULL, stop2 INTEGER NOT NULL, stop3 INTEGER NOT NULL,"
    " line_win INTEGER NOT NULL, nudge_win INTEGER NOT NULL, nudges_used INTEGER NOT NULL,"
    " nudges_earned INTEGER NOT NULL, vault_prize INTEGER NOT NULL, vault_opened INTEGER NOT NULL,"
    " credits INTEGER NOT NULL, borrowed INTEGER NOT NULL)",
    "CREATE INDEX IF NOT EXISTS spins_by_time ON spins(time)",
    "CREATE INDEX IF NOT EXISTS spins_by_game ON spins(game, time)",
    // kind: 0 borrow, 1 pay-back
    "CREATE TABLE IF NOT EXISTS money(id INTEGER PRIMARY KEY, time INTEGER NOT NULL, game TEXT NOT NULL,"
    " kind INTEGER NOT NULL, amount INTEGER NOT NULL, credits INTEGER NOT NULL, borrowed INTEGER NOT NULL)",
    "CREATE INDEX IF NOT EXISTS money_by_time ON money(time)",
    // kind: 0 New Game, 1 Open Game
    "CREATE TABLE IF NOT EXISTS games(id INTEGER PRIMARY KEY, time INTEGER NOT NULL, game TEXT NOT NULL,"
    " kind INTEGER NOT NULL, credits INTEGER NOT NULL, borrowed INTEGER NOT NULL)",
    "CREATE INDEX IF NOT EXISTS games_by_time ON games(time)",
    // Folded records, per local calendar day and game. returned = lines + nudges + vault credits;
    // fairN = lines + vault credits of N-coin spins, allN the same with nudge wins.
    "CREATE TABLE IF NOT EXISTS days(day TEXT NOT NULL, game TEXT NOT NULL, spins INTEGER NOT NULL,"
    " bet INTEGER NOT NULL, returned INTEGER NOT NULL, best_win INTEGER NOT NULL,"
    " spins1 INTEGER NOT NULL, spins2 INTEGER NOT NULL, spins3 INTEGER NOT NULL,"
    " fair1 INTEGER NOT NULL, fair2 INTEGER NOT NULL, fair3 INTEGER NOT NULL,"
    " all1 INTEGER NOT NULL, all2 INTEGER NOT NULL, all3 INTEGER NOT NULL, played_ms INTEGER NOT NULL,"
    " borrows INTEGER NOT NULL, borrowed INTEGER NOT NULL, paybacks INTEGER NOT NULL,"
    " paid_back INTEGER NOT NULL, games INTEGER NOT NULL, PRIMARY KEY(day, game))",
    // What folding must carry over per game: the losing runs, the last one maybe still going on.
    "CREATE TABLE IF NOT EXISTS folded_games(game TEXT PRIMARY KEY, longest_losing_run INTEGER NOT NULL,"
    " trailing_losing_run INTEGER NOT NULL)",
    // The best folded spins, five per game at most.
    "CREATE TABLE IF NOT EXISTS best_spins(time INTEGER NOT NULL, game TEXT NOT NULL,"
    " coins INTEGER NOT NULL, won INTEGER NOT NULL)",
    // The time of the newest folded record: the time played counts on from it.
    "CREATE TABLE IF NOT EXISTS folded(id INTEGER PRIMARY KEY CHECK (id = 1), last_time INTEGER NOT NULL)",
};

void checkOurs(const QSqlDatabase &db)
{
    // Reading the header is the first touch of the file: garbage fails here, before any write.
    const int id = single(db, "PRAGMA application_id").toInt();
    const int objects = single(db, "SELECT count(*) FROM sqlite_master").toInt();
    if (id != kHistoryApplicationId && !(id == 0 && objects == 0))
        throw HistoryError{"it is another program's database"};
    if (single(db, "PRAGMA quick_check").toString() != QStringLiteral("ok"))
        throw HistoryError{"it is damaged"};
}

} // namespace

void prepareSchema(const QSqlDatabase &db)
{
    checkOurs(db);
    if (single(db, "PRAGMA journal_mode = WAL").toString() != QStringLiteral("wal"))
        throw HistoryError{"its write-ahead log cannot be used"};
    // In a write-ahead log, NORMAL loses no committed record to a killed process; only a power
    // cut may take the last few, and it cannot damage the file either.
    run(db, "PRAGMA synchronous = NORMAL");
    run(db, "BEGIN IMMEDIATE");
    try {
        for (const char *sql : kTables)
            run(db, sql);
        run(db, ("PRAGMA application_id = " + std::to_string(kHistoryApplicationId)).c_str());
        run(db, "COMMIT");
    } catch (const HistoryError &) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

} // namespace varnholt
