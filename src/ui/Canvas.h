#pragma once

#include <QWidget>

#include <functional>

class QPainter;

// A small area that its window draws and that reports the mouse to its window: a press, the
// release that follows a press the window took, and the pointer entering it.
class Canvas : public QWidget
{
    Q_OBJECT

public:
    explicit Canvas(QWidget* parent = nullptr);

    void setPaintHandler(std::function<void(Canvas*, QPainter&)> handler);
    // Returns true when the window takes the press; only then is the release reported.
    void setMouseDownHandler(std::function<bool(Canvas*, int, int)> handler);
    void setMouseUpHandler(std::function<void(Canvas*, int, int)> handler);
    void setMouseEnterHandler(std::function<void(Canvas*)> handler);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    std::function<void(Canvas*, QPainter&)> m_paint;
    std::function<bool(Canvas*, int, int)> m_mouseDown;
    std::function<void(Canvas*, int, int)> m_mouseUp;
    std::function<void(Canvas*)> m_mouseEnter;
    bool m_pressTaken = false;
};
