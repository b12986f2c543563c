#pragma once

#include <functional>

// Turns SIGTERM, SIGHUP and SIGINT (a session ending, kill, a closed terminal, Ctrl+C) into a
// call of onSignal on the thread of the event loop, the first time one arrives. The handler only
// writes a byte to a pipe that a socket notifier watches, which is safe in a signal handler. A
// second signal, once the first has arrived, ends the process at once, as the signal would
// without a handler. Call once, after the application object exists; onSignal runs when the
// event loop, or a modal dialog's, next runs.
void WatchTerminationSignals(std::function<void()> onSignal);
