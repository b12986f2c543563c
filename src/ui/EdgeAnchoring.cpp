#include "ui/EdgeAnchoring.h"

#include "ui/ControlDesign.h"

#include <QEvent>
#include <QWidget>

EdgeAnchoring::EdgeAnchoring(QWidget* area) : QObject(area), m_area(area)
{
    area->installEventFilter(this);
}

void EdgeAnchoring::anchor(QWidget* control, const QRect& design, int locks)
{
    m_controls.append({control, design, locks});
}

bool EdgeAnchoring::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_area && event->type() == QEvent::Resize) {
        for (const Anchored& anchored : m_controls) {
            if (anchored.control)
                anchored.control->setGeometry(MainWindowControls::AnchoredGeometry(
                    anchored.design, anchored.locks, m_area->size()));
        }
    }
    return false;
}
