#pragma once

#include <QTableWidget>

class QKeyEvent;

// A list that leaves its Copy command to the window: Ctrl+C, and Edit ▸ Copy, which sends that key
// to the focused control, raise Copy in place of the list's own copy of its current cell.
class CopyingList : public QTableWidget
{
    Q_OBJECT

public:
    using QTableWidget::QTableWidget;

signals:
    void Copy(QTableWidget* sender);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
