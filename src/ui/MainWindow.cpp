#include "ui/MainWindow.h"

#include "ui/BevelButton.h"
#include "ui/Canvas.h"
#include "ui/ControlArrays.h"
#include "ui/ControlTable.h"
#include "ui/DesignApplying.h"
#include "ui/EdgeAnchoring.h"
#include "ui/MainMenuBar.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>

using namespace MainWindowControls;

namespace {

const char* const Title =
    "CORVANE: base de donnée du Vestrel en hommage à Odrin Brunquel (1863-1937) by Tennmoora";

template <typename T>
T* ControlNamed(const QWidget* content, const QString& name)
{
    return content->findChild<T*>(name, Qt::FindDirectChildrenOnly);
}

// The first member registered under that name and index; a copy of member 0 made later comes
// after the original.
template <typename T>
T* Member(const QWidget* content, const QString& name, int index)
{
    const QList<T*> members = content->findChildren<T*>(name, Qt::FindDirectChildrenOnly);
    for (T* member : members) {
        if (member->Index() == index)
            return member;
    }
    return nullptr;
}

}  // namespace

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
    _CreateControls0();
}

void MainWindow::_CreateControls0()
{
    for (const ControlProperties& row : DesignedControls()) {
        QWidget* control = createControl(row);
        ApplyDesign(control, row);
        m_anchoring->anchor(control, row.geometry, row.locks);
        attachHandlers(control, row.name);
    }
}

QWidget* MainWindow::createControl(const ControlProperties& row)
{
    if (row.name == "ST")
        return new MainWindowControls::ST(row.index, m_content);
    if (row.name == "MsST")
        return new MainWindowControls::MsST(row.index, m_content);
    if (row.name == "CorrespondanceLB")
        return new MainWindowControls::CorrespondanceLB(row.index, m_content);
    if (row.name == "PrevNextLaisse")
        return new MainWindowControls::PrevNextLaisse(row.index, m_content);
    switch (row.kind) {
    case Kind::Listbox:
        return new QTableWidget(m_content);
    case Kind::PopupMenu:
    case Kind::ComboBox:
        return new QComboBox(m_content);
    case Kind::TextField:
        return new QLineEdit(m_content);
    case Kind::PushButton:
        return new QPushButton(m_content);
    case Kind::Label:
        return new QLabel(m_content);
    case Kind::BevelButton:
        return new BevelButton(m_content);
    case Kind::Canvas:
        return new Canvas(m_content);
    }
    return new QWidget(m_content);
}

void MainWindow::attachHandlers(QWidget* control, const QString& name)
{
    if (name == "MainLB") {
        auto* list = static_cast<QTableWidget*>(control);
        connect(list->horizontalHeader(), &QHeaderView::sectionClicked, this,
                [this, list](int column) { MainLB_SortColumn(list, column); });
    } else if (name == "ManuscriptPU" || name == "EditionPU" || name == "FontPU") {
        auto* popup = static_cast<QComboBox*>(control);
        auto handler = name == "ManuscriptPU" ? &MainWindow::ManuscriptPU_Change
                       : name == "EditionPU"  ? &MainWindow::EditionPU_Change
                                              : &MainWindow::FontPU_Change;
        connect(popup, &QComboBox::currentIndexChanged, this,
                [this, popup, handler] { (this->*handler)(popup); });
    } else if (name == "SizePU") {
        auto* box = static_cast<QComboBox*>(control);
        connect(box, &QComboBox::editTextChanged, this, [this, box] { SizePU_TextChanged(box); });
    } else if (name == "SearchTF") {
        control->installEventFilter(this);
    } else if (name == "SearchBT") {
        auto* button = static_cast<QPushButton*>(control);
        connect(button, &QPushButton::clicked, this, [this, button] { SearchBT_Action(button); });
    } else if (name == "CorrespondanceLB") {
        static_cast<MainWindowControls::CorrespondanceLB*>(control)->attachTo(this);
    } else if (name == "PrevNextLaisse") {
        static_cast<MainWindowControls::PrevNextLaisse*>(control)->attachTo(this);
    } else if (name == "CopyBT") {
        connect(static_cast<BevelButton*>(control), &BevelButton::Action, this,
                &MainWindow::CopyBT_Action);
    } else if (name == "Canvas1") {
        attachCanvas(static_cast<Canvas*>(control), &MainWindow::Canvas1_Paint,
                     &MainWindow::Canvas1_MouseDown, &MainWindow::Canvas1_MouseUp,
                     &MainWindow::Canvas1_MouseEnter);
    } else if (name == "Canvas2") {
        attachCanvas(static_cast<Canvas*>(control), &MainWindow::Canvas2_Paint,
                     &MainWindow::Canvas2_MouseDown, &MainWindow::Canvas2_MouseUp,
                     &MainWindow::Canvas2_MouseEnter);
    }
}

void MainWindow::attachCanvas(Canvas* canvas, void (MainWindow::*paint)(Canvas*, QPainter&),
                              bool (MainWindow::*mouseDown)(Canvas*, int, int),
                              void (MainWindow::*mouseUp)(Canvas*, int, int),
                              void (MainWindow::*mouseEnter)(Canvas*))
{
    canvas->setPaintHandler([this, paint](Canvas* sender, QPainter& g) { (this->*paint)(sender, g); });
    canvas->setMouseDownHandler(
        [this, mouseDown](Canvas* sender, int x, int y) { return (this->*mouseDown)(sender, x, y); });
    canvas->setMouseUpHandler(
        [this, mouseUp](Canvas* sender, int x, int y) { (this->*mouseUp)(sender, x, y); });
    canvas->setMouseEnterHandler([this, mouseEnter](Canvas* sender) { (this->*mouseEnter)(sender); });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched == SearchTF()) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool isReturn = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        return SearchTF_KeyDown(SearchTF(), isReturn ? QStringLiteral("\r") : key->text());
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::Open()
{
    FontPU_Open(FontPU());
    CopyBT_Open(CopyBT());
    Event_Open();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    Event_Close();
    event->accept();
}

QTableWidget* MainWindow::MainLB() const
{
    return ControlNamed<QTableWidget>(m_content, "MainLB");
}

QComboBox* MainWindow::ManuscriptPU() const
{
    return ControlNamed<QComboBox>(m_content, "ManuscriptPU");
}

QComboBox* MainWindow::EditionPU() const
{
    return ControlNamed<QComboBox>(m_content, "EditionPU");
}

QComboBox* MainWindow::LaisseVersePU() const
{
    return ControlNamed<QComboBox>(m_content, "LaisseVersePU");
}

QLineEdit* MainWindow::SearchTF() const
{
    return ControlNamed<QLineEdit>(m_content, "SearchTF");
}

QPushButton* MainWindow::SearchBT() const
{
    return ControlNamed<QPushButton>(m_content, "SearchBT");
}

QLabel* MainWindow::ST(int index) const
{
    return Member<MainWindowControls::ST>(m_content, "ST", index);
}

QLineEdit* MainWindow::StatusST() const
{
    return ControlNamed<QLineEdit>(m_content, "StatusST");
}

QTableWidget* MainWindow::CorrespondanceLB(int index) const
{
    return Member<MainWindowControls::CorrespondanceLB>(m_content, "CorrespondanceLB", index);
}

QLabel* MainWindow::MsST(int index) const
{
    return Member<MainWindowControls::MsST>(m_content, "MsST", index);
}

Canvas* MainWindow::Canvas1() const
{
    return ControlNamed<Canvas>(m_content, "Canvas1");
}

QComboBox* MainWindow::FontPU() const
{
    return ControlNamed<QComboBox>(m_content, "FontPU");
}

QComboBox* MainWindow::SizePU() const
{
    return ControlNamed<QComboBox>(m_content, "SizePU");
}

BevelButton* MainWindow::CopyBT() const
{
    return ControlNamed<BevelButton>(m_content, "CopyBT");
}

BevelButton* MainWindow::PrevNextLaisse(int index) const
{
    return Member<MainWindowControls::PrevNextLaisse>(m_content, "PrevNextLaisse", index);
}

Canvas* MainWindow::Canvas2() const
{
    return ControlNamed<Canvas>(m_content, "Canvas2");
}

QAction* MainWindow::menuItem(const char* name) const
{
    QMenuBar* bar = qobject_cast<QMenuBar*>(menuWidget());
    return bar ? bar->findChild<QAction*>(QLatin1String(name)) : nullptr;
}

QAction* MainWindow::EditMenu() const
{
    return menuItem("EditMenu");
}

QAction* MainWindow::EditSelectAll() const
{
    return menuItem("EditSelectAll");
}

QAction* MainWindow::EditSeparator2() const
{
    return menuItem("EditSeparator2");
}

QAction* MainWindow::EditClear() const
{
    return menuItem("EditClear");
}

QAction* MainWindow::EditPaste() const
{
    return menuItem("EditPaste");
}

QAction* MainWindow::EditCopy() const
{
    return menuItem("EditCopy");
}

QAction* MainWindow::EditCut() const
{
    return menuItem("EditCut");
}

QAction* MainWindow::EditSeparator1() const
{
    return menuItem("EditSeparator1");
}

QAction* MainWindow::EditUndo() const
{
    return menuItem("EditUndo");
}

QAction* MainWindow::FileMenu() const
{
    return menuItem("FileMenu");
}

QAction* MainWindow::FileQuit() const
{
    return menuItem("FileQuit");
}
