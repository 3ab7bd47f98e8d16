// Writes spins into a history until it is killed, printing the number of spins the file holds
// after each commit: first the number found, then one line per spin.
//   history_spin_writer PATH ROW_LIMIT

#include "history/PlayHistory.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

using namespace varnholt;

namespace {

void report(long long count)
{
    const std::string line = std::to_string(count) + "\n";
    // Unbuffered, so every number the parent reads was written after its commit.
    if (::write(STDOUT_FILENO, line.data(), line.size()) < 0)
        std::_Exit(1);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    QCoreApplication app(argc, argv);
    const long long limit = std::atoll(argv[2]);
    PlayHistory history(argv[1],
                        [](const std::string &notice) { std::fprintf(stderr, "%s\n", notice.c_str()); },
                        {limit, limit / 5});
    long long count = history.report("Kill", currentTimeMs(), 4).spinsAll;
    if (!history.available())
        return 1;
    report(count);
    for (int i = 0;; ++i) {
        SpinRecord spin;
        spin.timeMs = currentTimeMs();
        spin.game = "Kill";
        spin.coins = 1 + i % 3;
        spin.stops = {i % 20, (i * 7) % 20, (i * 13) % 20};
        spin.lineWin = i % 4 == 0 ? 2 * spin.coins : 0;
        spin.credits = 1000 + i;
        history.recordSpin(spin);
        if (!history.available())
            return 1;
        report(++count);
    }
}
