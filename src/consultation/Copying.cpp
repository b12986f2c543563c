#include "ui/MainWindow.h"

void MainWindow::CopyBT_Open(BevelButton*) {}
void MainWindow::CopyBT_Action(BevelButton*) {}
void MainWindow::CopyList(QTableWidget*, QStringList&) {}
void MainWindow::Copy_RemoveMarking(QStringList&) {}
void MainWindow::Copy_ArrangeVerseNum(QStringList&) {}
