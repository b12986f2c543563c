#include "ui/MainWindow.h"

void MainWindow::Canvas1_Paint(Canvas*, QPainter&) {}
void MainWindow::Canvas1_MouseUp(Canvas*, int, int) {}
bool MainWindow::Canvas1_MouseDown(Canvas*, int, int) { return true; }
void MainWindow::Canvas1_MouseEnter(Canvas*) {}
void MainWindow::Canvas2_Paint(Canvas*, QPainter&) {}
void MainWindow::Canvas2_MouseUp(Canvas*, int, int) {}
bool MainWindow::Canvas2_MouseDown(Canvas*, int, int) { return true; }
void MainWindow::Canvas2_MouseEnter(Canvas*) {}
