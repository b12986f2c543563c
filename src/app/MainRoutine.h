#pragma once

// The run of the application once its object exists: the start-up, then the event loop until a
// quit, by the File menu, the window's close button or a termination signal alike. Returns the
// process's exit status.
int MainRoutine();
