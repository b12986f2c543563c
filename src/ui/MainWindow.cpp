#include "ui/MainWindow.h"

#include "ui/BevelButton.h"
#include "ui/Canvas.h"
#include "ui/ControlArrays.h"
#include "ui/ControlTable.h"
#include "ui/CopyingList.h"
#include "ui/EdgeAnchoring.h"
#include "ui/MainMenuBar.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>

using namespace MainWindowControls;

namespace {

const char* const Title =
    "CORVANE: base de donnée du Vestrel en hommage à Odrin Brunquel (1863-1937) by Tennmoora";

// Return, or the keypad's Enter, without other modifiers.
bool IsReturn(const QKeyEvent& key)
{
    if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter)
        return false;
    return key.modifiers() == Qt::NoModifier
           || (key.key() == Qt::Key_Enter && key.modifiers() == Qt::KeypadModifier);
}

// A combo box the user types into takes Return as the end of the typed text, then leaves it.
bool EndsTypingWithReturn(const QWidget* focused)
{
    const auto* box = qobject_cast<const QComboBox*>(focused);
    return box && box->isEditable();
}

} // namespace

MainWindow::MainWindow() : m_content(new QWidget(this)), m_anchoring(new EdgeAnchoring(m_content))
{
    Layout();
    CreateControls();
}

MainWindow::~MainWindow() = default;

MainWindow& MainWindow::instance()
{
    static QPointer<MainWindow> window;
    if (!window) {
        window = new MainWindow;
        window->Open();
    }
    return *window;
}

void MainWindow::Layout()
{
    setMenuBar(MainMenuBar::instance());
    setWindowTitle(QString::fromUtf8(Title));
    setMinimumSize(64, 64);
    setMaximumSize(32000, 32000);
    setCentralWidget(m_content);
    resize(DesignArea.width(), DesignArea.height() + menuBar()->sizeHint().height());
}

void MainWindow::CreateControls()
{
    createControlsInOrder();
}

void MainWindow::createControlsInOrder()
{
    for (const ControlRow& row : ControlTable()) {
        QWidget* control = row.make(row.design, m_content, m_controls);
        m_anchoring->anchor(control, row.design.geometry, row.design.locks);
        row.attachEvents(*this, control);
    }
}

void MainWindow::Open()
{
    emit opening();
    Event_Open();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    Event_Close();
    event->accept();
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (IsReturn(*event) && !EndsTypingWithReturn(focusWidget())) {
        for (QPushButton* button : m_content->findChildren<QPushButton*>()) {
            if (button->isDefault() && button->isEnabled()) {
                button->click();
                return;
            }
        }
    }
    QMainWindow::keyPressEvent(event);
}

QTableWidget* MainWindow::MainLB() const
{
    return m_controls.MainLB;
}

QTableWidget* MainWindow::CorrespondanceLB(int index) const
{
    return m_controls.CorrespondanceLB.value(index);
}

BevelButton* MainWindow::PrevNextLaisse(int index) const
{
    return m_controls.PrevNextLaisse.value(index);
}

QLabel* MainWindow::ST(int index) const
{
    return m_controls.ST.value(index);
}

QLabel* MainWindow::MsST(int index) const
{
    return m_controls.MsST.value(index);
}

QAction* MainWindow::menuItem(QAction* MainMenuBar::Items::*item) const
{
    const auto* bar = qobject_cast<const MainMenuBar*>(menuWidget());
    return bar ? bar->items().*item : nullptr;
}
