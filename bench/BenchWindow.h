#pragma once

class MainWindow;

// The one window of the benchmarks that drive a window in this process, made and opened on first
// use: the window takes the application's one menu bar, so two would fight over it.
MainWindow& BenchWindow();
// Closes it; it must go while the application still exists.
void CloseBenchWindow();
