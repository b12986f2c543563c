#include "ui/ControlTable.h"

#include "data/ManuscriptSigla.h"
#include "ui/BevelButton.h"
#include "ui/Canvas.h"
#include "ui/ControlArrays.h"
#include "ui/ControlEvents.h"
#include "ui/CopyingList.h"
#include "ui/RowMaking.h"
#include "ui/WindowControls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace MainWindowControls {

namespace {

const QColor DarkBlue(0x02, 0x00, 0x80);
const QColor Brown(0x78, 0x3B, 0x06);
const QColor Grey(0xE6, 0xE6, 0xE6);

// The rows of the arrays' members: what the members of an array share is given here, what
// tells them apart is passed by the table.

ControlRow Label(int index, QRect geometry, int locks, LabelStyle style, const QString& text)
{
    return Member(&WindowControls::ST, LabelDesign("ST", index, geometry, locks, style, text));
}

ControlRow CorrespondanceList(int index, QRect geometry)
{
    ControlProperties design = Design("CorrespondanceLB", index, geometry, TopRight);
    design.items = QStringList{"Ms.", "Brunquel", "Ed. Electronic"};
    design.columnPercents = {20, 40, 40};
    return Member(&WindowControls::CorrespondanceLB, design,
                  OnChange(&MainWindow::CorrespondanceLB_Change),
                  OnCopy(&MainWindow::CorrespondanceLB_Copy));
}

ControlRow TableLabel(int index, QRect geometry)
{
    return Member(&WindowControls::MsST,
                  Design("MsST", index, geometry, TopRight, QString::fromUtf8("名称未設定")));
}

ControlRow StepButton(int index, QRect geometry, const QString& caption)
{
    return Member(&WindowControls::PrevNextLaisse,
                  Design("PrevNextLaisse", index, geometry, TopLeft, caption),
                  OnAction(&MainWindow::PrevNextLaisse_Action));
}

QList<ControlRow> MakeTable()
{
    QList<ControlRow> rows;

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

    rows << Label(0, QRect(30, 5, 140, 20), TopLeft, CentredCaption(), "Manuscript");
    rows << Label(1, QRect(172, 5, 140, 20), TopLeft, CentredCaption(), "Edition");
    rows << Label(2, QRect(310, 5, 140, 20), TopLeft, CentredCaption(), "Laisse/Verse");
    rows << Label(3, QRect(169, 981, 749, 40), LockLeft | LockRight | LockBottom, Note(Brown),
                  "Vestrel database is supported by KRB Sotenka:  'Electronic edition of Vtl "
                  "(ms. PTL) and construction of Vestrel database (ms. OPTL) (No: 41852097). "
                  "Ravik TENNMOOR (Graduate school of humanity, Kasuren universtiy)");

    ControlProperties status =
        Design("StatusST", NoIndex, QRect(28, 82, 1037, 22), LockLeft | LockTop | LockRight,
               "You can get the laisse text from laisse of verse number.");
    status.textColor = DarkBlue;
    status.backColor = Grey;
    rows << Single(&WindowControls::StatusST, status);

    rows << CorrespondanceList(0, QRect(1080, 107, 300, 200))
         << CorrespondanceList(1, QRect(1080, 327, 300, 200))
         << CorrespondanceList(2, QRect(1080, 550, 300, 200))
         << CorrespondanceList(3, QRect(1080, 779, 300, 200));
    rows << TableLabel(0, QRect(1076, 83, 100, 20)) << TableLabel(1, QRect(1076, 305, 100, 20))
         << TableLabel(2, QRect(1076, 528, 100, 20)) << TableLabel(3, QRect(1076, 756, 100, 20));

    rows << Single(&WindowControls::Canvas1,
                   Design("Canvas1", NoIndex, QRect(29, 981, 100, 33), LockLeft | LockBottom),
                   OnPaint(&MainWindow::Canvas1_Paint), OnMouseUp(&MainWindow::Canvas1_MouseUp),
                   OnMouseDown(&MainWindow::Canvas1_MouseDown),
                   OnMouseEnter(&MainWindow::Canvas1_MouseEnter));

    rows << Label(5, QRect(1076, 5, 302, 71), TopRight, Note(DarkBlue),
                  "You can get the laisse text of each manuscript by clicking an item of the "
                  "lists (which are made from the laisses' correpondence data of Odrien "
                  "Brunquel's edition).");

    rows << Single(&WindowControls::FontPU,
                   Popup("FontPU", QRect(1188, 990, 118, 20), BottomRight, {}),
                   OnOpen(&MainWindow::FontPU_Open), OnChange(&MainWindow::FontPU_Change));

    ControlProperties size =
        Popup("SizePU", QRect(1321, 989, 58, 20), BottomRight,
              {"10", "12", "14", "16", "18", "20", "22", "24", "26", "28", "30", "32"});
    size.editable = true;
    size.listIndex = 1;
    rows << Single(&WindowControls::SizePU, size, OnTextChanged(&MainWindow::SizePU_TextChanged));

    rows << Label(6, QRect(1077, 991, 89, 20), BottomRight, RightAlignedCaption(), "Font: ");

    ControlProperties copy =
        Design("CopyBT", NoIndex, QRect(310, 57, 140, 22), TopLeft, "Copy the selection");
    copy.hasMenu = true;
    rows << Single(&WindowControls::CopyBT, copy, OnAction(&MainWindow::CopyBT_Action),
                   OnOpen(&MainWindow::CopyBT_Open));

    rows << StepButton(0, QRect(28, 58, 120, 20), "Prevous Laisse")
         << StepButton(1, QRect(150, 58, 120, 20), "Next Laisse");

    rows << Label(7, QRect(590, 5, 447, 70), TopRight, Note(DarkBlue),
                  "Select an item in the menus \"manuscript\",  \"edition\" and \"laisse/verse\" "
                  "and input a verse number or laisse number and push the OK button or push the "
                  "return of your keyboard. Then you can get the text of a laisse, and at the same "
                  "time the list of laisse correspondances. ");

    rows << Single(&WindowControls::Canvas2,
                   Design("Canvas2", NoIndex, QRect(965, 981, 100, 33), BottomRight),
                   OnPaint(&MainWindow::Canvas2_Paint), OnMouseUp(&MainWindow::Canvas2_MouseUp),
                   OnMouseDown(&MainWindow::Canvas2_MouseDown),
                   OnMouseEnter(&MainWindow::Canvas2_MouseEnter));
    return rows;
}

} // namespace

const QList<ControlRow>& ControlTable()
{
    static const QList<ControlRow> rows = MakeTable();
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

} // namespace MainWindowControls
