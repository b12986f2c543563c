#pragma once

#include <QApplication>

// The application object: version 1.0.0, the data set-up before the window exists, and the
// removal of the unpacked data when the last running instance quits.
class App : public QApplication
{
public:
    App(int& argc, char** argv);

    // The handlers keep no state of the object, so the start-up and tests call them directly.
    static void Event_Open();
    static void Event_Close();
};
