#include "app/ModalMessageBox.h"

#include "platform/Quitting.h"

#include <QMessageBox>

void ShowModalMessage(const QString& text)
{
    // Once a quit is asked for (a signal during the start-up), no box waits for an answer.
    if (QuitRequested())
        return;
    QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok);
    box.exec();
}
