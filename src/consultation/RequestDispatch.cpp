#include "ui/MainWindow.h"

bool MainWindow::SearchTF_KeyDown(QLineEdit*, const QString&) { return false; }
void MainWindow::SearchBT_Action(QPushButton*) {}
void MainWindow::OKpressed() {}
