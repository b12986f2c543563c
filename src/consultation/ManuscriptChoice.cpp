#include "ui/MainWindow.h"

void MainWindow::ManuscriptPU_Change(QComboBox*) {}
void MainWindow::EditionPU_Change(QComboBox*) {}
bool MainWindow::MainLB_SortColumn(QTableWidget*, int) { return true; }
void MainWindow::SetManuscriptObj() {}
