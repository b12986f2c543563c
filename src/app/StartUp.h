#pragma once

class MainWindow;

// What runs between the application object and its event loop: the menu bar, the data set-up,
// then the window, shown. Returns the window, or nullptr when the set-up asked to quit, in
// which case no window is made.
MainWindow* StartUp();
