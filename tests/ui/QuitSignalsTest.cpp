#include "platform/QuitSignals.h"

#include "TestApp.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>

#include <csignal>

using namespace varnholt;

TEST(QuitSignals, EachSignalArrivesOnTheEventLoop)
{
    test::testApp();
    std::vector<int> calls, replaced;
    ASSERT_TRUE(routeQuitSignals([&] { replaced.push_back(0); }));
    int seen = 0;
    ASSERT_TRUE(routeQuitSignals([&] { calls.push_back(++seen); })) << "a later route replaces the first";

    for (int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        const std::size_t before = calls.size();
        ASSERT_EQ(std::raise(signalNumber), 0);
        EXPECT_EQ(calls.size(), before) << "nothing runs inside the signal handler";
        QEventLoop loop;
        QTimer guard;
        QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
        guard.start(10);
        for (int round = 0; round < 200 && calls.size() == before; ++round)
            loop.exec();
        EXPECT_EQ(calls.size(), before + 1) << "signal " << signalNumber;
    }
    EXPECT_TRUE(replaced.empty());
    routeQuitSignals({});
}
