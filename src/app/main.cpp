#include "App.h"
#include "ModalMessageBox.h"
#include "StartUp.h"
#include "platform/MessageBoxes.h"
#include "platform/Quitting.h"

int main(int argc, char** argv)
{
    App app(argc, argv);
    SetMessagePresenter(ShowModalMessage);
    ClearQuitRequest();
    if (!StartUp())
        return QuitExitCode();
    return app.exec();
}
