#include "ui/CopyingList.h"

#include <QKeyEvent>
#include <QKeySequence>

void CopyingList::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        event->accept();
        emit Copy(this);
        return;
    }
    QTableWidget::keyPressEvent(event);
}
