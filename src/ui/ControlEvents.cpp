#include "ui/ControlEvents.h"

#include "ui/BevelButton.h"
#include "ui/Canvas.h"
#include "ui/ControlArrays.h"
#include "ui/CopyingList.h"

#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <utility>

namespace MainWindowControls {

namespace {

// Hands a field's key presses to a handler, which takes a key by returning true.
class KeyDownFilter : public QObject
{
public:
    KeyDownFilter(QLineEdit* field, std::function<bool(QLineEdit*, const QString&)> handler)
        : QObject(field), m_field(field), m_handler(std::move(handler))
    {
        field->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const bool isReturn = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        return m_handler(m_field, isReturn ? QStringLiteral("\r") : key->text());
    }

private:
    QLineEdit* m_field;
    std::function<bool(QLineEdit*, const QString&)> m_handler;
};

// Makes signal of a control call handler of window, with the control as its sender.
template <typename Control, typename Signal>
Binding<Control> SignalBinding(Signal signal, void (MainWindow::*handler)(Control*))
{
    return [signal, handler](MainWindow& window, Control* control) {
        QObject::connect(control, signal, &window,
                         [&window, handler, control] { (window.*handler)(control); });
    };
}

// handler as a call on window, for a Canvas to make.
template <typename Result, typename... Arguments>
std::function<Result(Canvas*, Arguments...)>
CalledOn(MainWindow& window, Result (MainWindow::*handler)(Canvas*, Arguments...))
{
    return [&window, handler](Canvas* sender, Arguments... arguments) {
        return (window.*handler)(sender, std::forward<Arguments>(arguments)...);
    };
}

} // namespace

Binding<QTableWidget> OnSortColumn(bool (MainWindow::*handler)(QTableWidget*, int))
{
    return [handler](MainWindow& window, QTableWidget* list) {
        QObject::connect(list->horizontalHeader(), &QHeaderView::sectionClicked, &window,
                         [&window, handler, list](int column) { (window.*handler)(list, column); });
    };
}

Binding<QComboBox> OnChange(void (MainWindow::*handler)(QComboBox*))
{
    return SignalBinding(&QComboBox::currentIndexChanged, handler);
}

Binding<CorrespondanceLB> OnChange(void (MainWindow::*handler)(QTableWidget*))
{
    return [handler](MainWindow& window, CorrespondanceLB* list) {
        QObject::connect(list, &CorrespondanceLB::Change, &window, handler);
    };
}

Binding<CopyingList> OnCopy(void (MainWindow::*handler)(QTableWidget*))
{
    return [handler](MainWindow& window, CopyingList* list) {
        QObject::connect(list, &CopyingList::Copy, &window, handler);
    };
}

Binding<QComboBox> OnTextChanged(void (MainWindow::*handler)(QComboBox*))
{
    return SignalBinding(&QComboBox::editTextChanged, handler);
}

Binding<QLineEdit> OnKeyDown(bool (MainWindow::*handler)(QLineEdit*, const QString&))
{
    return [handler](MainWindow& window, QLineEdit* field) {
        new KeyDownFilter(field, [&window, handler](QLineEdit* sender, const QString& key) {
            return (window.*handler)(sender, key);
        });
    };
}

Binding<QPushButton> OnAction(void (MainWindow::*handler)(QPushButton*))
{
    return SignalBinding(&QPushButton::clicked, handler);
}

Binding<BevelButton> OnAction(void (MainWindow::*handler)(BevelButton*))
{
    return [handler](MainWindow& window, BevelButton* button) {
        QObject::connect(button, &BevelButton::Action, &window, handler);
    };
}

Binding<Canvas> OnPaint(void (MainWindow::*handler)(Canvas*, QPainter&))
{
    return [handler](MainWindow& window, Canvas* canvas) {
        canvas->setPaintHandler(CalledOn(window, handler));
    };
}

Binding<Canvas> OnMouseDown(bool (MainWindow::*handler)(Canvas*, int, int))
{
    return [handler](MainWindow& window, Canvas* canvas) {
        canvas->setMouseDownHandler(CalledOn(window, handler));
    };
}

Binding<Canvas> OnMouseUp(void (MainWindow::*handler)(Canvas*, int, int))
{
    return [handler](MainWindow& window, Canvas* canvas) {
        canvas->setMouseUpHandler(CalledOn(window, handler));
    };
}

Binding<Canvas> OnMouseEnter(void (MainWindow::*handler)(Canvas*))
{
    return [handler](MainWindow& window, Canvas* canvas) {
        canvas->setMouseEnterHandler(CalledOn(window, handler));
    };
}

} // namespace MainWindowControls
