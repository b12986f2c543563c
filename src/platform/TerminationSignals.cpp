#include "platform/TerminationSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int WatchedSignals[] = {SIGTERM, SIGHUP, SIGINT};

// Signals come in bursts that mean one request: a closing terminal sends SIGHUP from the shell
// and again from the kernel's hang-up, a session ends with SIGTERM and then SIGHUP, a user
// presses Ctrl+C twice. Only a signal this long after the first is taken as the quit hanging.
constexpr long long ForcedEndAfterNanoseconds = 5'000'000'000LL;

int pipeWriteEnd = -1;
// When the first signal arrived, on the monotonic clock; 0 until one has.
std::atomic<long long> firstArrival{0};
static_assert(std::atomic<long long>::is_always_lock_free, "used in a signal handler");

long long MonotonicNanoseconds()
{
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    // Never 0, which stands for no signal yet.
    return (now.tv_sec * 1'000'000'000LL + now.tv_nsec) | 1;
}

extern "C" void OnTerminationSignal(int signal)
{
    const long long now = MonotonicNanoseconds();
    long long first = 0;
    if (!firstArrival.compare_exchange_strong(first, now)) {
        if (now - first < ForcedEndAfterNanoseconds)
            return;
        // Delivered with the default action once this handler returns, as the signal stays
        // blocked until then.
        struct sigaction defaultAction = {};
        defaultAction.sa_handler = SIG_DFL;
        ::sigaction(signal, &defaultAction, nullptr);
        ::raise(signal);
        return;
    }
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(pipeWriteEnd, &byte, 1);
    errno = savedErrno;
}

} // namespace

void WatchTerminationSignals(std::function<void()> onSignal)
{
    int ends[2];
    // Close-on-exec, so a program started from the application does not hold them.
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    pipeWriteEnd = ends[1];
    auto* notifier =
        new QSocketNotifier(ends[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier,
                     [notifier, onSignal = std::move(onSignal)] {
                         char byte;
                         while (::read(int(notifier->socket()), &byte, 1) > 0) {
                         }
                         notifier->setEnabled(false);
                         onSignal();
                     });

    struct sigaction action = {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    // A system call that the signal interrupts goes on; the quit comes through the loop.
    action.sa_flags = SA_RESTART;
    for (const int signal : WatchedSignals) {
        // One ignored when the process started (nohup, a shell's background job) stays ignored,
        // as whoever started it asked.
        struct sigaction inherited = {};
        if (::sigaction(signal, nullptr, &inherited) == 0 && inherited.sa_handler == SIG_IGN)
            continue;
        ::sigaction(signal, &action, nullptr);
    }
}
