#pragma once

#include <functional>

// Turns SIGTERM, SIGHUP and SIGINT (a session ending, kill, a closed terminal, Ctrl+C) into one
// call of onSignal on the thread of the event loop. The handler only writes a byte to a pipe that
// a socket notifier watches, which is safe in a signal handler. More signals within a few seconds
// of the first are the same request and change nothing, so the quit it started finishes; one that
// comes later ends the process at once, as the signal would without a handler, in case the quit
// hangs. A signal that the process inherited as ignored (nohup) stays ignored. Call once, after
// the application object exists; onSignal runs when the event loop, or a modal dialog's, next
// runs.
void WatchTerminationSignals(std::function<void()> onSignal);
