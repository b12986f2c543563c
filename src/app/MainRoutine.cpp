#include "app/MainRoutine.h"

#include "app/App.h"
#include "app/ModalMessageBox.h"
#include "app/StartUp.h"
#include "platform/MessageBoxes.h"
#include "platform/Quitting.h"
#include "platform/TerminationSignals.h"

#include <QApplication>

namespace {

// As the File menu's Quit: the window closes, writing its settings, then the loop ends and the
// application's Close runs. Before the loop (a start-up message open), closing the message ends
// it, and the remembered request ends the start-up.
void QuitOnSignal()
{
    Quit(0);
    QApplication::closeAllWindows();
}

} // namespace

int MainRoutine()
{
    SetMessagePresenter(ShowModalMessage);
    ClearQuitRequest();
    WatchTerminationSignals(QuitOnSignal);
    if (!StartUp()) {
        // No loop ran, so no end of one runs the application's Close.
        App::Event_Close();
        return QuitExitCode();
    }
    return QApplication::exec();
}
