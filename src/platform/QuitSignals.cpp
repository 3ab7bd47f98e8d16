#include "platform/QuitSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <pthread.h>
#include <semaphore.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace varnholt {

namespace {

int signalPipe[2] = {-1, -1};
std::function<void()> quitHandler;

// The deadline's state, shared with the signal handler: lock-free atomics and a semaphore,
// both safe to touch there.
sem_t deadlineStarts;
std::atomic<bool> deadlineArmed{false};
std::atomic<int> firstSignal{0};
std::atomic<bool> kept{false};
std::chrono::milliseconds deadlineLength{0};

// Only async-signal-safe work here: one byte into the pipe, and the deadline started.
void onSignal(int signalNumber)
{
    const int savedErrno = errno;
    const char byte = char(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    int none = 0;
    if (deadlineArmed.load() && firstSignal.compare_exchange_strong(none, signalNumber))
        ::sem_post(&deadlineStarts);
    errno = savedErrno;
}

void writeLine(const char *text)
{
    const std::size_t length = std::strlen(text);
    [[maybe_unused]] ssize_t written = ::write(STDERR_FILENO, text, length);
    written = ::write(STDERR_FILENO, "\n", 1);
}

// Runs on its own thread, which no work of the user interface can hold up.
void watchDeadline()
{
    sigset_t all;
    sigfillset(&all);
    ::pthread_sigmask(SIG_BLOCK, &all, nullptr); // the signals go to the other threads
    while (::sem_wait(&deadlineStarts) != 0 && errno == EINTR) {}
    std::this_thread::sleep_for(deadlineLength);
    // Still here: the user-interface thread did not end the program in time.
    if (kept.load())
        ::_exit(0);
    writeLine(kGameNotKeptLine);
    ::_exit(128 + firstSignal.load());
}

} // namespace

bool routeQuitSignals(std::function<void()> onQuit)
{
    quitHandler = std::move(onQuit);
    if (signalPipe[0] >= 0)
        return true;
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return false;
    ::fcntl(signalPipe[1], F_SETFL, ::fcntl(signalPipe[1], F_GETFL) | O_NONBLOCK);

    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char byte = 0;
        if (::read(signalPipe[0], &byte, 1) == 1 && quitHandler)
            quitHandler();
    });

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signalNumber, &action, nullptr);
    return true;
}

bool armQuitDeadline(std::chrono::milliseconds deadline)
{
    if (deadlineArmed.load())
        return true;
    if (::sem_init(&deadlineStarts, 0, 0) != 0)
        return false;
    deadlineLength = deadline;
    try {
        std::thread(watchDeadline).detach();
    } catch (const std::system_error &) {
        return false;
    }
    deadlineArmed.store(true);
    return true;
}

void gameInProgressKept() { kept.store(true); }

} // namespace varnholt
