// A quit signal ends the program even when its user-interface thread never answers.

#include "platform/QuitSignals.h"

#include <gtest/gtest.h>

#include <QProcess>

#include <csignal>

namespace {

struct Case {
    int signalNumber;
    bool busy;
};
void PrintTo(const Case &c, std::ostream *out)
{
    *out << "signal " << c.signalNumber << (c.busy ? ", busy" : "");
}

class QuitDeadline : public ::testing::TestWithParam<Case> {};

} // namespace

TEST_P(QuitDeadline, EndsTheProgramAndSaysWhetherTheGameWasKept)
{
    const Case c = GetParam();
    QProcess probe;
    probe.start(VARNHOLT_QUIT_PROBE, {c.busy ? "busy" : "answering"});
    ASSERT_TRUE(probe.waitForReadyRead(30000));
    ASSERT_EQ(probe.readAllStandardOutput(), "ready\n");
    ::kill(static_cast<pid_t>(probe.processId()), c.signalNumber);
    // A bound only a hang reaches; the deadline itself is far shorter.
    const bool ended = probe.waitForFinished(60000);
    if (!ended)
        probe.kill();
    ASSERT_TRUE(ended) << "the signal did not end the program";
    EXPECT_EQ(probe.exitStatus(), QProcess::NormalExit) << "ended by the deadline, not by the signal itself";
    const QString errors = QString::fromUtf8(probe.readAllStandardError());
    if (c.busy) {
        EXPECT_EQ(probe.exitCode(), 128 + c.signalNumber);
        EXPECT_EQ(errors.trimmed(), varnholt::kGameNotKeptLine);
    } else {
        EXPECT_EQ(probe.exitCode(), 0);
        EXPECT_TRUE(errors.isEmpty()) << errors.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Signals, QuitDeadline,
                         ::testing::Values(Case{SIGTERM, true}, Case{SIGINT, true}, Case{SIGHUP, true},
                                           Case{SIGTERM, false}));
