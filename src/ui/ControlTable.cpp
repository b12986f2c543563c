#include "ui/ControlTable.h"

#include <QtGlobal>

namespace MainWindowControls {

namespace {

const QColor DarkBlue(0x02, 0x00, 0x80);
const QColor Brown(0x78, 0x3B, 0x06);
const QColor Grey(0xE6, 0xE6, 0xE6);

constexpr int TopLeft = LockLeft | LockTop;
constexpr int TopRight = LockTop | LockRight;
constexpr int BottomRight = LockRight | LockBottom;

ControlProperties Row(const QString& name, int index, Kind kind, QRect geometry, int locks,
                      const QString& text = QString())
{
    ControlProperties row;
    row.name = name;
    row.index = index;
    row.kind = kind;
    row.geometry = geometry;
    row.locks = locks;
    row.text = text;
    return row;
}

ControlProperties Popup(const QString& name, QRect geometry, int locks, const QStringList& items)
{
    ControlProperties row = Row(name, NoIndex, Kind::PopupMenu, geometry, locks);
    row.items = items;
    row.listIndex = items.isEmpty() ? -1 : 0;
    return row;
}

ControlProperties Label(int index, QRect geometry, int locks, const QString& text, int align = 0,
                        QColor color = Qt::black, bool multiline = false)
{
    ControlProperties row = Row("ST", index, Kind::Label, geometry, locks, text);
    row.textAlign = align;
    row.textColor = color;
    row.multiline = multiline;
    return row;
}

ControlProperties CorrespondanceList(int index, int top)
{
    ControlProperties row =
        Row("CorrespondanceLB", index, Kind::Listbox, QRect(1080, top, 300, 200), TopRight);
    row.items = QStringList{"Ms.", "Brunquel", "Ed. Electronic"};
    row.columnPercents = {20, 40, 40};
    return row;
}

ControlProperties TableLabel(int index, int top)
{
    return Row("MsST", index, Kind::Label, QRect(1076, top, 100, 20), TopRight,
               QString::fromUtf8("名称未設定"));
}

ControlProperties StepButton(int index, int left, const QString& caption)
{
    return Row("PrevNextLaisse", index, Kind::BevelButton, QRect(left, 58, 120, 20), TopLeft,
               caption);
}

QVector<ControlProperties> MakeControls()
{
    QVector<ControlProperties> rows;

    ControlProperties mainList = Row("MainLB", NoIndex, Kind::Listbox, QRect(28, 107, 1037, 869),
                                     LockLeft | LockTop | LockRight | LockBottom);
    mainList.items = QStringList{"Folio", "Laisse", "Verse", "Text"};
    mainList.columnPercents = {10, 10, 10};
    mainList.multipleSelection = true;
    rows << mainList;

    rows << Popup("ManuscriptPU", QRect(28, 26, 140, 20), TopLeft,
                  {"P", "T", "L", "C", "V7", "V4", "O"});
    rows << Popup("EditionPU", QRect(169, 26, 140, 20), TopLeft,
                  {"Electronic Edition", "Brunquel"});
    rows << Popup("LaisseVersePU", QRect(310, 26, 140, 20), TopLeft, {"Laisse", "Verse"});

    ControlProperties search = Row("SearchTF", NoIndex, Kind::TextField, QRect(453, 26, 80, 22),
                                   TopLeft);
    search.backColor = Qt::white;
    rows << search;

    ControlProperties ok = Row("SearchBT", NoIndex, Kind::PushButton, QRect(538, 27, 40, 20),
                               TopLeft, "OK");
    ok.isDefault = true;
    rows << ok;

    rows << Label(0, QRect(30, 5, 140, 20), TopLeft, "Manuscript", 1);
    rows << Label(1, QRect(172, 5, 140, 20), TopLeft, "Edition", 1);
    rows << Label(2, QRect(310, 5, 140, 20), TopLeft, "Laisse/Verse", 1);
    rows << Label(3, QRect(169, 981, 749, 40), LockLeft | LockRight | LockBottom,
                  "Vestrel database is supported by KRB Sotenka:  'Electronic edition of Vtl "
                  "(ms. PTL) and construction of Vestrel database (ms. OPTL) (No: 41852097). "
                  "Ravik TENNMOOR (Graduate school of humanity, Kasuren universtiy)",
                  0, Brown, true);

    ControlProperties status = Row("StatusST", NoIndex, Kind::TextField, QRect(28, 82, 1037, 22),
                                   LockLeft | LockTop | LockRight,
                                   "You can get the laisse text from laisse of verse number.");
    status.textColor = DarkBlue;
    status.backColor = Grey;
    rows << status;

    rows << CorrespondanceList(0, 107) << CorrespondanceList(1, 327)
         << CorrespondanceList(2, 550) << CorrespondanceList(3, 779);
    rows << TableLabel(0, 83) << TableLabel(1, 305) << TableLabel(2, 528) << TableLabel(3, 756);

    rows << Row("Canvas1", NoIndex, Kind::Canvas, QRect(29, 981, 100, 33), LockLeft | LockBottom);

    rows << Label(5, QRect(1076, 5, 302, 71), TopRight,
                  "You can get the laisse text of each manuscript by clicking an item of the "
                  "lists (which are made from the laisses' correpondence data of Odrien "
                  "Brunquel's edition).",
                  0, DarkBlue, true);

    rows << Popup("FontPU", QRect(1188, 990, 118, 20), BottomRight, {});

    ControlProperties size = Row("SizePU", NoIndex, Kind::ComboBox, QRect(1321, 989, 58, 20),
                                 BottomRight);
    size.items = QStringList{"10", "12", "14", "16", "18", "20",
                             "22", "24", "26", "28", "30", "32"};
    size.listIndex = 1;
    rows << size;

    rows << Label(6, QRect(1077, 991, 89, 20), BottomRight, "Font: ", 2);

    ControlProperties copy = Row("CopyBT", NoIndex, Kind::BevelButton, QRect(310, 57, 140, 22),
                                 TopLeft, "Copy the selection");
    copy.hasMenu = true;
    rows << copy;

    rows << StepButton(0, 28, "Prevous Laisse") << StepButton(1, 150, "Next Laisse");

    rows << Label(7, QRect(590, 5, 447, 70), TopRight,
                  "Select an item in the menus \"manuscript\",  \"edition\" and \"laisse/verse\" "
                  "and input a verse number or laisse number and push the OK button or push the "
                  "return of your keyboard. Then you can get the text of a laisse, and at the same "
                  "time the list of laisse correspondances. ",
                  0, DarkBlue, true);

    rows << Row("Canvas2", NoIndex, Kind::Canvas, QRect(965, 981, 100, 33), BottomRight);
    return rows;
}

}  // namespace

const QVector<ControlProperties>& DesignedControls()
{
    static const QVector<ControlProperties> rows = MakeControls();
    return rows;
}

const ControlProperties* DesignOf(const QString& name, int index)
{
    for (const ControlProperties& row : DesignedControls()) {
        if (row.name == name && row.index == index)
            return &row;
    }
    return nullptr;
}

QRect AnchoredGeometry(const QRect& design, int locks, const QSize& area)
{
    auto place = [](int start, int length, int designSpan, int span, bool lockStart,
                    bool lockEnd) {
        const int endMargin = designSpan - start - length;
        if (lockStart && lockEnd)
            return qMakePair(start, qMax(0, span - start - endMargin));
        if (lockEnd)
            return qMakePair(span - endMargin - length, length);
        return qMakePair(start, length);
    };
    const auto [x, width] = place(design.x(), design.width(), DesignArea.width(), area.width(),
                                  locks & LockLeft, locks & LockRight);
    const auto [y, height] = place(design.y(), design.height(), DesignArea.height(),
                                   area.height(), locks & LockTop, locks & LockBottom);
    return QRect(x, y, width, height);
}

}  // namespace MainWindowControls
