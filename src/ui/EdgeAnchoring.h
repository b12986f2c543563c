#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>

class QWidget;

// Keeps the controls of a content area at their designed distances to the edges they are locked
// to whenever the area is resized.
class EdgeAnchoring : public QObject
{
public:
    explicit EdgeAnchoring(QWidget* area);

    void anchor(QWidget* control, const QRect& design, int locks);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Anchored
    {
        QPointer<QWidget> control;
        QRect design;
        int locks;
    };

    QWidget* m_area;
    QList<Anchored> m_controls;
};
