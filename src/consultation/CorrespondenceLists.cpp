#include "ui/MainWindow.h"

void MainWindow::Search(const QString&, qint64) {}
