#include "platform/TerminationSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int WatchedSignals[] = {SIGTERM, SIGHUP, SIGINT};

int pipeWriteEnd = -1;
std::atomic<bool> received{false};
static_assert(std::atomic<bool>::is_always_lock_free, "used in a signal handler");

extern "C" void OnTerminationSignal(int signal)
{
    if (received.exchange(true)) {
        // Delivered with the default action once this handler returns, as the signal stays
        // blocked until then.
        std::signal(signal, SIG_DFL);
        std::raise(signal);
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
    for (const int signal : WatchedSignals)
        ::sigaction(signal, &action, nullptr);
}
