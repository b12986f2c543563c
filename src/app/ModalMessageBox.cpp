#include "ModalMessageBox.h"

#include <QMessageBox>

void ShowModalMessage(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok);
    box.exec();
}
