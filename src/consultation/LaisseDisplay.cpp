#include "ui/MainWindow.h"

void MainWindow::GetLaisseText(const QString&, qint64, bool) {}
void MainWindow::CorrespondanceLB_Change(QTableWidget*) {}
void MainWindow::PrevNextLaisse_Action(BevelButton*) {}
