#include "ui/MainWindow.h"

void MainWindow::Event_Open() {}
void MainWindow::Event_Close() {}
void MainWindow::FontPU_Open(QComboBox*) {}
void MainWindow::FontPU_Change(QComboBox*) {}
void MainWindow::SizePU_TextChanged(QComboBox*) {}
