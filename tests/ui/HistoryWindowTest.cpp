#include "ui/HistoryWindow.h"

#include "ui/SidePlacement.h"

#include "TestApp.h"
#include "TestWindows.h"

#include <gtest/gtest.h>

#include <QChartView>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QValueAxis>

#include <cmath>

using namespace varnholt;

namespace {

// A history that sinks, borrows, then climbs past where it began.
HistoryView valley()
{
    HistoryView view;
    view.gameName = "<b>Evening</b>";
    for (long long spin = 0; spin <= 200; ++spin)
        view.report.balance.push_back(
            {spin, 0, spin < 100 ? -5 * spin : -500 + 8 * (spin - 100), spin == 60, false, spin == 150});
    view.report.bestWins.push_back({1'765'000'000'000, 3, 250});
    view.report.longestLosingRun = 17;
    view.report.spinsAll = 200;
    view.report.playedAllMs = 3'900'000;
    view.fairness =
        FairnessLines{112.5, 39.9, 148.0,
                      20.0,  95.0, "What you have seen is unusually lucky: about 1 player in 40 sees this."};
    return view;
}

// Where the balance line's colour lies in the chart, by columns: the topmost row in each.
std::vector<int> lineTops(const QImage &image)
{
    std::vector<int> tops(std::size_t(image.width()), -1);
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height() && tops[std::size_t(x)] < 0; ++y) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 140 && c.green() > 90 && c.green() < 150 && c.blue() < 60)
                tops[std::size_t(x)] = y;
        }
    return tops;
}

} // namespace

TEST(HistoryWindow, ChartFollowsTheBalanceAtEverySize)
{
    test::testApp();
    for (const QSize size : {QSize(640, 480), QSize(1400, 1000)}) {
        TestHistoryWindow window;
        window.showHistory(valley());
        window.resize(size);
        const QImage chart = window.chartView()->grab().toImage();
        const std::vector<int> tops = lineTops(chart);
        // The line's lowest point (largest y) lies near the middle of its run; its end is higher
        // than its start, since the history ends above where it began.
        int first = -1, last = -1, deepest = -1;
        for (int x = 0; x < int(tops.size()); ++x) {
            if (tops[std::size_t(x)] < 0)
                continue;
            if (first < 0)
                first = x;
            last = x;
            if (deepest < 0 || tops[std::size_t(x)] > tops[std::size_t(deepest)])
                deepest = x;
        }
        ASSERT_GE(first, 0) << "no balance line drawn at " << size.width();
        EXPECT_GT(last - first, chart.width() / 2) << size.width();
        EXPECT_NEAR(deepest, (first + last) / 2, (last - first) / 8) << size.width();
        EXPECT_LT(tops[std::size_t(last)], tops[std::size_t(first)]) << size.width();
    }
}

TEST(HistoryWindow, OutsideTextStaysTextAndAnEmptyHistorySaysSo)
{
    test::testApp();
    TestHistoryWindow window;
    EXPECT_FALSE(window.isModal());
    EXPECT_TRUE(window.verdict()->text().isEmpty());
    window.showHistory(valley());
    EXPECT_EQ(window.windowTitle(), "Play History: <b>Evening</b>");
    EXPECT_EQ(window.verdict()->textFormat(), Qt::PlainText);
    EXPECT_EQ(window.verdict()->text(),
              "What you have seen is unusually lucky: about 1 player in 40 sees this.");
    EXPECT_EQ(playTimeText(59'999), "under a minute");

    // One spin is a spin, not "1 spins".
    HistoryView single = valley();
    single.report.longestLosingRun = 1;
    single.report.spinsAll = 1;
    window.showHistory(single);
    QStringList texts;
    for (const QLabel *label : window.findChildren<QLabel *>())
        texts << label->text();
    EXPECT_TRUE(texts.contains("1 spin")) << texts.join(" | ").toStdString();
    EXPECT_TRUE(texts.contains("1 spin in 1 h 05 min")) << texts.join(" | ").toStdString();
    // The game in progress has no name of the player's: its file section's name is not shown.
    single.gameName = "CurrentGame";
    window.showHistory(single);
    EXPECT_EQ(window.windowTitle(), "Play History");
    EXPECT_EQ(playTimeText(3'900'000), "1 h 05 min");
}

TEST(HistoryWindow, AxesStepByWholeSpinsAndCredits)
{
    test::testApp();
    // -1: nothing played yet, an empty chart.
    for (const long long spins : {-1LL, 1LL, 3LL, 7LL, 200LL}) {
        HistoryView view;
        for (long long spin = 0; spin <= spins; ++spin)
            view.report.balance.push_back({spin, 0, -spin, false, false, false});
        TestHistoryWindow window;
        window.showHistory(view);
        for (const Qt::Orientation side : {Qt::Horizontal, Qt::Vertical}) {
            const auto *axis = qobject_cast<QValueAxis *>(window.chartView()->chart()->axes(side).value(0));
            ASSERT_NE(axis, nullptr);
            const double step = (axis->max() - axis->min()) / (axis->tickCount() - 1);
            EXPECT_GE(step, 1.0) << spins << " spins, side " << side;
            EXPECT_DOUBLE_EQ(step, std::round(step)) << spins << " spins, side " << side;
        }
    }
}

TEST(HistoryWindow, FewSpinsSayHowManyMoreAndTheNudgeFigureIsNoPromise)
{
    test::testApp();
    TestHistoryWindow window;
    HistoryView view = valley();
    window.showHistory(view);
    EXPECT_TRUE(window.returns()->text().contains("95 in 100 players"));
    EXPECT_TRUE(window.returns()->text().contains(
        "A player who nudges whenever a nudge can win is paid back about 148.0 % over a very long run; "
        "that is an average, not a promise."));

    view.fairness->spinsToTell = 120;
    window.showHistory(view);
    EXPECT_EQ(window.verdict()->text(), "Too few spins to tell yet: about 120 more.");
    EXPECT_FALSE(window.returns()->text().contains("95 in 100")) << "a band that says nothing is not shown";
    EXPECT_EQ(spinsUntilTelling(5, 233.3), 71) << "five spins, a band 233 points wide: about 76 in all";
    EXPECT_EQ(spinsUntilTelling(500, 40.0), 0);
}

TEST(HistoryWindow, ExportWritesTheCsvAndClearAsksFirst)
{
    test::testApp();
    TestHistoryWindow window;
    int cleared = 0;
    window.actions.csv = [] { return std::string("time,record\r\n2026-01-02T03:04:05,spin\r\n"); };
    window.actions.clear = [&] { ++cleared; };
    QTemporaryDir folder;
    const QString path = folder.filePath("history.csv");
    EXPECT_EQ(window.exportTo(path), QString());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("time,record\r\n2026-01-02T03:04:05,spin\r\n"));
    EXPECT_FALSE(window.exportTo(folder.filePath("no/such/folder/history.csv")).isEmpty());

    bool answer = false;
    window.confirmClear = [&](QWidget *) { return answer; };
    window.showHistory(valley());
    ASSERT_TRUE(window.clearButton()->isEnabled());
    window.clearButton()->click();
    EXPECT_EQ(cleared, 0) << "the player said no";
    answer = true;
    window.clearButton()->click();
    EXPECT_EQ(cleared, 1);
}

TEST(HistoryWindow, BesideAFullHdMachineItHidesNoneOfTheReels)
{
    const QRect screen(0, 0, 1920, 1080), machine(244, 0, 1432, 1080), reels(686, 500, 540, 430);
    const QRect place = sideWindowPlace(screen, machine, reels, QSize(776, 600), QSize(600, 500));
    EXPECT_TRUE(screen.contains(place));
    EXPECT_FALSE(place.intersects(reels));
    EXPECT_GE(place.width(), 600);
    EXPECT_EQ(place.height(), 600) << "narrower beside the reels rather than shorter";
    // With room beside the machine it goes there whole.
    EXPECT_EQ(sideWindowPlace(QRect(0, 0, 2560, 1440), machine, reels, QSize(776, 600), QSize(600, 500)),
              QRect(1676, 0, 776, 600));
}

TEST(HistoryWindow, ScreenReadersHearTheChartAsOneSentence)
{
    test::testApp();
    TestHistoryWindow window;
    window.showHistory({});
    EXPECT_EQ(window.chartView()->accessibleDescription(), "No spins yet.");
    HistoryView view;
    for (const auto &[spin, balance] : {std::pair{1LL, 0LL}, {2LL, -5LL}, {3LL, 10LL}})
        view.report.balance.push_back({spin, 0, balance, false, false, false});
    window.showHistory(view);
    EXPECT_EQ(window.chartView()->accessibleDescription(),
              "The balance over 3 spins: 0 at the start, 10 now, lowest -5, highest 10.");
}
