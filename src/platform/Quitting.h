#pragma once

// Ending the application from anywhere, the way the menu's Quit does. Before the event loop
// runs, a request is remembered so that the start-up ends with its exit code and makes no window.
void Quit(int exitCode);
bool QuitRequested();
int QuitExitCode();
// Forgets an earlier request; the start-up calls it once, tests between cases.
void ClearQuitRequest();
