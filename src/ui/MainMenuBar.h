#pragma once

#include <QMenuBar>

// The File and Edit menus. One shared bar serves the application and the window.
class MainMenuBar : public QMenuBar
{
    Q_OBJECT

public:
    // The shared bar, made on the first call (and again if its window has deleted it).
    static MainMenuBar* instance();

private:
    MainMenuBar();
    void Untitled0();
    void Untitled1();
};
