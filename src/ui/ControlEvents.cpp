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

using KeyDownHandler = bool (MainWindow::*)(QLineEdit*, const QString&);

// Hands a field's key presses to a handler of the window, which takes a key by returning true.
class KeyDownFilter : public QObject
{
public:
    KeyDownFilter(QLineEdit* field, MainWindow& window, KeyDownHandler handler)
        : QObject(field), m_field(field), m_window(window), m_handler(handler)
    {
        field->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const bool isReturn = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        return (m_window.*m_handler)(m_field, isReturn ? QStringLiteral("\r") : key->text());
    }

private:
    QLineEdit* m_field;
    MainWindow& m_window;
    KeyDownHandler m_handler;
};

// Makes signal of a control call handler of window, with the control as its sender.
template <typename Control, typename Signal>
Binding<Control> SignalBinding(Signal signal, void (MainWindow::*handler)(Control*))
{
    return Bind<Control>([signal, handler](MainWindow& window, Control* control) {
        QObject::connect(control, signal, &window,
                         [&window, handler, control] { (window.*handler)(control); });
    });
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
    return Bind<QTableWidget>([handler](MainWindow& window, QTableWidget* list) {
        QObject::connect(list->horizontalHeader(), &QHeaderView::sectionClicked, &window,
                         [&window, handler, list](int column) { (window.*handler)(list, column); });
    });
}

Binding<QComboBox> OnChange(void (MainWindow::*handler)(QComboBox*))
{
    return SignalBinding(&QComboBox::currentIndexChanged, handler);
}

Binding<CorrespondanceLB> OnChange(void (MainWindow::*handler)(QTableWidget*))
{
    return Bind<CorrespondanceLB>([handler](MainWindow& window, CorrespondanceLB* list) {
        QObject::connect(list, &CorrespondanceLB::Change, &window, handler);
    });
}

Binding<CopyingList> OnCopy(void (MainWindow::*handler)(QTableWidget*))
{
    return Bind<CopyingList>([handler](MainWindow& window, CopyingList* list) {
        QObject::connect(list, &CopyingList::Copy, &window, handler);
    });
}

Binding<QComboBox> OnTextChanged(void (MainWindow::*handler)(QComboBox*))
{
    return SignalBinding(&QComboBox::editTextChanged, handler);
}

Binding<QLineEdit> OnKeyDown(bool (MainWindow::*handler)(QLineEdit*, const QString&))
{
    return Bind<QLineEdit>([handler](MainWindow& window, QLineEdit* field) {
        new KeyDownFilter(field, window, handler);
    });
}

Binding<QPushButton> OnAction(void (MainWindow::*handler)(QPushButton*))
{
    return SignalBinding(&QPushButton::clicked, handler);
}

Binding<BevelButton> OnAction(void (MainWindow::*handler)(BevelButton*))
{
    return Bind<BevelButton>([handler](MainWindow& window, BevelButton* button) {
        QObject::connect(button, &BevelButton::Action, &window, handler);
    });
}

Binding<Canvas> OnPaint(void (MainWindow::*handler)(Canvas*, QPainter&))
{
    return Bind<Canvas>([handler](MainWindow& window, Canvas* canvas) {
        canvas->setPaintHandler(CalledOn(window, handler));
    });
}

Binding<Canvas> OnMouseDown(bool (MainWindow::*handler)(Canvas*, int, int))
{
    return Bind<Canvas>([handler](MainWindow& window, Canvas* canvas) {
        canvas->setMouseDownHandler(CalledOn(window, handler));
    });
}

Binding<Canvas> OnMouseUp(void (MainWindow::*handler)(Canvas*, int, int))
{
    return Bind<Canvas>([handler](MainWindow& window, Canvas* canvas) {
        canvas->setMouseUpHandler(CalledOn(window, handler));
    });
}

Binding<Canvas> OnMouseEnter(void (MainWindow::*handler)(Canvas*))
{
    return Bind<Canvas>([handler](MainWindow& window, Canvas* canvas) {
        canvas->setMouseEnterHandler(CalledOn(window, handler));
    });
}

} // namespace MainWindowControls
