#include "app/StartUp.h"

#include "app/App.h"
#include "platform/Quitting.h"
#include "ui/MainMenuBar.h"
#include "ui/MainWindow.h"

MainWindow* StartUp()
{
    MainMenuBar::instance();
    // The window's Open event reads the preference folder and descriptions the set-up provides.
    App::Event_Open();
    if (QuitRequested())
        return nullptr;
    MainWindow& window = MainWindow::instance();
    window.show();
    return &window;
}
