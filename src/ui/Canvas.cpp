#include "ui/Canvas.h"

#include <QMouseEvent>
#include <QPainter>

#include <utility>

Canvas::Canvas(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void Canvas::setPaintHandler(std::function<void(Canvas*, QPainter&)> handler)
{
    m_paint = std::move(handler);
}

void Canvas::setMouseDownHandler(std::function<bool(Canvas*, int, int)> handler)
{
    m_mouseDown = std::move(handler);
}

void Canvas::setMouseUpHandler(std::function<void(Canvas*, int, int)> handler)
{
    m_mouseUp = std::move(handler);
}

void Canvas::setMouseEnterHandler(std::function<void(Canvas*)> handler)
{
    m_mouseEnter = std::move(handler);
}

void Canvas::paintEvent(QPaintEvent*)
{
    if (!m_paint)
        return;
    QPainter painter(this);
    m_paint(this, painter);
}

void Canvas::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    m_pressTaken = m_mouseDown && m_mouseDown(this, at.x(), at.y());
    event->setAccepted(m_pressTaken);
}

void Canvas::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_pressTaken)
        return;
    m_pressTaken = false;
    const QPoint at = event->position().toPoint();
    if (m_mouseUp)
        m_mouseUp(this, at.x(), at.y());
}

void Canvas::enterEvent(QEnterEvent*)
{
    if (m_mouseEnter)
        m_mouseEnter(this);
}
