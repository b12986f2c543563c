#include "ui/ControlTable.h"

#include "data/ManuscriptSigla.h"
#include "ui/BevelButton.h"
#include "ui/Canvas.h"
#include "ui/ControlArrays.h"
#include "ui/ControlEvents.h"
#include "ui/CopyingList.h"
#include "ui/DesignApplying.h"
#include "ui/WindowControls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtGlobal>

#include <type_traits>
#include <utility>

namespace MainWindowControls {

namespace {

const QColor DarkBlue(0x02, 0x00, 0x80);
const QColor Brown(0x78, 0x3B, 0x06);
const QColor Grey(0xE6, 0xE6, 0xE6);

constexpr int TopLeft = LockLeft | LockTop;
constexpr int TopRight = LockTop | LockRight;
constexpr int BottomRight = LockRight | LockBottom;

// The attachments of the events of a control of class Control. A binding for a class that
// Control is not does not build.
template <typename Control, typename... Handled>
QList<EventAttachment> Attachments(Binding<Handled>... events)
{
    static_assert((std::is_base_of_v<Handled, Control> && ...),
                  "a binding for an event that the control's class does not raise");
    return {events.attach...};
}

// The row of a control of class Control that create makes and keeps.
template <typename Control, typename Create, typename... Handled>
ControlRow Row(ControlProperties design, Create create, Binding<Handled>... events)
{
    ControlRow row{std::move(design), {}, Attachments<Control>(events...)};
    row.make = [create](const ControlProperties& properties, QWidget* parent,
                        WindowControls& controls) -> QWidget* {
        Control* control = create(properties, parent, controls);
        ApplyDesign(control, properties);
        return control;
    };
    return row;
}

// A control on its own, kept in member.
template <typename Control, typename... Handled>
ControlRow Single(Control* WindowControls::*member, ControlProperties design,
                  Binding<Handled>... events)
{
    return Row<Control>(
        std::move(design),
        [member](const ControlProperties&, QWidget* parent, WindowControls& controls) {
            return controls.*member = new Control(parent);
        },
        events...);
}

// A member of a control array, kept in array under its index.
template <typename Control, typename... Handled>
ControlRow Member(QMap<int, Control*> WindowControls::*array, ControlProperties design,
                  Binding<Handled>... events)
{
    return Row<Control>(
        std::move(design),
        [array](const ControlProperties& properties, QWidget* parent, WindowControls& controls) {
            const int index = properties.index;
            return *(controls.*array).insert(index, new Control(index, parent));
        },
        events...);
}

ControlProperties Design(const QString& name, int index, QRect geometry, int locks,
                         const QString& text = QString())
{
    ControlProperties design;
    design.name = name;
    design.index = index;
    design.geometry = geometry;
    design.locks = locks;
    design.text = text;
    return design;
}

ControlProperties Popup(const QString& name, QRect geometry, int locks, const QStringList& items)
{
    ControlProperties design = Design(name, NoIndex, geometry, locks);
    design.items = items;
    design.listIndex = items.isEmpty() ? -1 : 0;
    return design;
}

ControlRow Label(int index, QRect geometry, int locks, const QString& text, int align = 0,
                 QColor color = Qt::black, bool multiline = false)
{
    ControlProperties design = Design("ST", index, geometry, locks, text);
    design.textAlign = align;
    design.textColor = color;
    design.multiline = multiline;
    return Member(&WindowControls::ST, design);
}

ControlRow CorrespondanceList(int index, int top)
{
    ControlProperties design =
        Design("CorrespondanceLB", index, QRect(1080, top, 300, 200), TopRight);
    design.items = QStringList{"Ms.", "Brunquel", "Ed. Electronic"};
    design.columnPercents = {20, 40, 40};
    return Member(&WindowControls::CorrespondanceLB, design,
                  OnChange(&MainWindow::CorrespondanceLB_Change));
}

ControlRow TableLabel(int index, int top)
{
    return Member(&WindowControls::MsST, Design("MsST", index, QRect(1076, top, 100, 20), TopRight,
                                                QString::fromUtf8("名称未設定")));
}

ControlRow StepButton(int index, int left, const QString& caption)
{
    return Member(&WindowControls::PrevNextLaisse,
                  Design("PrevNextLaisse", index, QRect(left, 58, 120, 20), TopLeft, caption),
                  OnAction(&MainWindow::PrevNextLaisse_Action));
}

QVector<ControlRow> MakeTable()
{
    QVector<ControlRow> rows;

    ControlProperties mainList = Design("MainLB", NoIndex, QRect(28, 107, 1037, 869),
                                        LockLeft | LockTop | LockRight | LockBottom);
    mainList.items = QStringList{"Folio", "Laisse", "Verse", "Text"};
    mainList.columnPercents = {10, 10, 10};
    mainList.multipleSelection = true;
    rows << Single(&WindowControls::MainLB, mainList, OnSortColumn(&MainWindow::MainLB_SortColumn),
                   OnCopy(&MainWindow::MainLB_Copy));

    // The loaded manuscripts in their order: P, T, L, C, V7, V4, O. C, V7 and V4, items 3 to 5,
    // show their description but do not stay selected.
    rows << Single(&WindowControls::ManuscriptPU,
                   Popup("ManuscriptPU", QRect(28, 26, 140, 20), TopLeft, ManuscriptSigla()),
                   OnChange(&MainWindow::ManuscriptPU_Change));
    rows << Single(&WindowControls::EditionPU,
                   Popup("EditionPU", QRect(169, 26, 140, 20), TopLeft,
                         {"Electronic Edition", "Brunquel"}),
                   OnChange(&MainWindow::EditionPU_Change));
    rows << Single(&WindowControls::LaisseVersePU,
                   Popup("LaisseVersePU", QRect(310, 26, 140, 20), TopLeft, {"Laisse", "Verse"}));

    ControlProperties search = Design("SearchTF", NoIndex, QRect(453, 26, 80, 22), TopLeft);
    search.backColor = Qt::white;
    rows << Single(&WindowControls::SearchTF, search, OnKeyDown(&MainWindow::SearchTF_KeyDown));

    ControlProperties ok = Design("SearchBT", NoIndex, QRect(538, 27, 40, 20), TopLeft, "OK");
    ok.isDefault = true;
    rows << Single(&WindowControls::SearchBT, ok, OnAction(&MainWindow::SearchBT_Action));

    rows << Label(0, QRect(30, 5, 140, 20), TopLeft, "Manuscript", 1);
    rows << Label(1, QRect(172, 5, 140, 20), TopLeft, "Edition", 1);
    rows << Label(2, QRect(310, 5, 140, 20), TopLeft, "Laisse/Verse", 1);
    rows << Label(3, QRect(169, 981, 749, 40), LockLeft | LockRight | LockBottom,
                  "Vestrel database is supported by KRB Sotenka:  'Electronic edition of Vtl "
                  "(ms. PTL) and construction of Vestrel database (ms. OPTL) (No: 41852097). "
                  "Ravik TENNMOOR (Graduate school of humanity, Kasuren universtiy)",
                  0, Brown, true);

    ControlProperties status =
        Design("StatusST", NoIndex, QRect(28, 82, 1037, 22), LockLeft | LockTop | LockRight,
               "You can get the laisse text from laisse of verse number.");
    status.textColor = DarkBlue;
    status.backColor = Grey;
    rows << Single(&WindowControls::StatusST, status);

    rows << CorrespondanceList(0, 107) << CorrespondanceList(1, 327) << CorrespondanceList(2, 550)
         << CorrespondanceList(3, 779);
    rows << TableLabel(0, 83) << TableLabel(1, 305) << TableLabel(2, 528) << TableLabel(3, 756);

    rows << Single(&WindowControls::Canvas1,
                   Design("Canvas1", NoIndex, QRect(29, 981, 100, 33), LockLeft | LockBottom),
                   OnPaint(&MainWindow::Canvas1_Paint), OnMouseUp(&MainWindow::Canvas1_MouseUp),
                   OnMouseDown(&MainWindow::Canvas1_MouseDown),
                   OnMouseEnter(&MainWindow::Canvas1_MouseEnter));

    rows << Label(5, QRect(1076, 5, 302, 71), TopRight,
                  "You can get the laisse text of each manuscript by clicking an item of the "
                  "lists (which are made from the laisses' correpondence data of Odrien "
                  "Brunquel's edition).",
                  0, DarkBlue, true);

    rows << Single(&WindowControls::FontPU,
                   Popup("FontPU", QRect(1188, 990, 118, 20), BottomRight, {}),
                   OnOpen(&MainWindow::FontPU_Open), OnChange(&MainWindow::FontPU_Change));

    ControlProperties size =
        Popup("SizePU", QRect(1321, 989, 58, 20), BottomRight,
              {"10", "12", "14", "16", "18", "20", "22", "24", "26", "28", "30", "32"});
    size.editable = true;
    size.listIndex = 1;
    rows << Single(&WindowControls::SizePU, size, OnTextChanged(&MainWindow::SizePU_TextChanged));

    rows << Label(6, QRect(1077, 991, 89, 20), BottomRight, "Font: ", 2);

    ControlProperties copy =
        Design("CopyBT", NoIndex, QRect(310, 57, 140, 22), TopLeft, "Copy the selection");
    copy.hasMenu = true;
    rows << Single(&WindowControls::CopyBT, copy, OnAction(&MainWindow::CopyBT_Action),
                   OnOpen(&MainWindow::CopyBT_Open));

    rows << StepButton(0, 28, "Prevous Laisse") << StepButton(1, 150, "Next Laisse");

    rows << Label(7, QRect(590, 5, 447, 70), TopRight,
                  "Select an item in the menus \"manuscript\",  \"edition\" and \"laisse/verse\" "
                  "and input a verse number or laisse number and push the OK button or push the "
                  "return of your keyboard. Then you can get the text of a laisse, and at the same "
                  "time the list of laisse correspondances. ",
                  0, DarkBlue, true);

    rows << Single(&WindowControls::Canvas2,
                   Design("Canvas2", NoIndex, QRect(965, 981, 100, 33), BottomRight),
                   OnPaint(&MainWindow::Canvas2_Paint), OnMouseUp(&MainWindow::Canvas2_MouseUp),
                   OnMouseDown(&MainWindow::Canvas2_MouseDown),
                   OnMouseEnter(&MainWindow::Canvas2_MouseEnter));
    return rows;
}

} // namespace

const QVector<ControlRow>& ControlTable()
{
    static const QVector<ControlRow> rows = MakeTable();
    return rows;
}

const ControlRow* RowOf(const QString& name, int index)
{
    for (const ControlRow& row : ControlTable()) {
        if (row.design.name == name && row.design.index == index)
            return &row;
    }
    return nullptr;
}

QRect AnchoredGeometry(const QRect& design, int locks, const QSize& area)
{
    auto place = [](int start, int length, int designSpan, int span, bool lockStart, bool lockEnd) {
        const int endMargin = designSpan - start - length;
        if (lockStart && lockEnd)
            return qMakePair(start, qMax(0, span - start - endMargin));
        if (lockEnd)
            return qMakePair(span - endMargin - length, length);
        return qMakePair(start, length);
    };
    const auto [x, width] = place(design.x(), design.width(), DesignArea.width(), area.width(),
                                  locks & LockLeft, locks & LockRight);
    const auto [y, height] = place(design.y(), design.height(), DesignArea.height(), area.height(),
                                   locks & LockTop, locks & LockBottom);
    return QRect(x, y, width, height);
}

} // namespace MainWindowControls
