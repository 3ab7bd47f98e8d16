#include "history/HistoryExport.h"

#include "history/HistorySql.h"

#include <QDateTime>

namespace varnholt {

namespace {

std::string localTime(std::int64_t ms)
{
    if (ms <= 0)
        return {};
    return QDateTime::fromMSecsSinceEpoch(ms).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")).toStdString();
}

} // namespace

std::string csvField(const std::string &text)
{
    std::string field = text;
    if (!field.empty() && std::string_view("=+-@\t\r").find(field[0]) != std::string_view::npos)
        field.insert(0, 1, '\'');
    if (field.find_first_of(",\"\r\n") == std::string::npos)
        return field;
    std::string quoted = "\"";
    for (const char c : field) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string historyCsv(const QSqlDatabase &db)
{
    std::string csv = "time,record,game,game began,coins,stops,line win,nudge win,nudges used,"
                      "nudges earned,vault,vault prize,amount,credits,borrowed\r\n";
    QSqlQuery query = prepare(
        db,
        "SELECT time, 3 AS what, id, game, time, kind, '', 0, 0, 0, 0, 0, 0, 0, credits, borrowed FROM games"
        " UNION ALL SELECT time, 1, id, game, game_start, coins, stop1 || ' ' || stop2 || ' ' || stop3,"
        " line_win, nudge_win, nudges_used, nudges_earned, vault_opened, vault_prize, 0, credits, borrowed"
        " FROM spins UNION ALL SELECT time, 2, id, game, game_start, kind, '', 0, 0, 0, 0, 0, 0, amount,"
        " credits, borrowed FROM money ORDER BY time, what, id");
    run(query);
    const auto number = [&](int column) { return std::to_string(query.value(column).toLongLong()); };
    while (query.next()) {
        const int what = query.value(1).toInt();
        const int kind = query.value(5).toInt();
        std::string record, coins, vault;
        if (what == 3)
            record = kind == 0 ? "new game" : "game opened";
        else if (what == 2)
            record = kind == 0 ? "borrow" : "pay-back";
        else {
            record = "spin";
            coins = number(5);
            const int opened = query.value(11).toInt();
            vault = opened == 0 ? "" : opened == 2 ? "by a nudge" : "by the spin";
        }
        const bool spin = what == 1;
        csv += localTime(query.value(0).toLongLong()) + ',' + record + ',' + csvField(text(query.value(3))) +
               ',' + localTime(query.value(4).toLongLong()) + ',' + coins + ',' +
               (spin ? text(query.value(6)) : "") + ',' + (spin ? number(7) : "") + ',' +
               (spin ? number(8) : "") + ',' + (spin ? number(9) : "") + ',' + (spin ? number(10) : "") +
               ',' + vault + ',' + (spin ? number(12) : "") + ',' + (what == 2 ? number(13) : "") + ',' +
               number(14) + ',' + number(15) + "\r\n";
    }
    return csv;
}

} // namespace varnholt
