#include "ui/DesignApplying.h"

#include "ui/BevelButton.h"
#include "ui/Canvas.h"
#include "ui/CutCellTips.h"
#include "ui/ListSizing.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace MainWindowControls {

namespace {

Qt::Alignment HorizontalAlignment(TextAlign textAlign)
{
    if (textAlign == TextAlign::Centre)
        return Qt::AlignHCenter;
    return textAlign == TextAlign::Right ? Qt::AlignRight : Qt::AlignLeft;
}

void ApplyPlace(QWidget* control, const ControlProperties& design)
{
    control->setObjectName(design.name);
    control->setGeometry(design.geometry);
}

} // namespace

void ApplyDesign(QTableWidget* list, const ControlProperties& design)
{
    ApplyPlace(list, design);
    list->setColumnCount(static_cast<int>(design.items.size()));
    list->setHorizontalHeaderLabels(design.items);
    list->setRowCount(0);
    list->verticalHeader()->hide();
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setShowGrid(true);
    list->setWordWrap(false);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(design.multipleSelection ? QAbstractItemView::ExtendedSelection
                                                    : QAbstractItemView::SingleSelection);
    list->setSortingEnabled(false);
    list->setDragEnabled(false);
    // Tab leaves the list for the next control instead of walking its cells.
    list->setTabKeyNavigation(false);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QHeaderView* header = list->horizontalHeader();
    header->setSectionsClickable(true);
    header->setSectionsMovable(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setStretchLastSection(true);
    // Headings keep their weight while rows are selected.
    header->setHighlightSections(false);
    KeepListSized(list, design.columnPercents);
    ShowCutCellsOnHover(list);
}

void ApplyDesign(QComboBox* popup, const ControlProperties& design)
{
    ApplyPlace(popup, design);
    popup->setEditable(design.editable);
    if (popup->isEditable()) {
        popup->setCompleter(nullptr);
        popup->setInsertPolicy(QComboBox::NoInsert);
    }
    popup->clear();
    popup->addItems(design.items);
    popup->setCurrentIndex(design.listIndex);
}

void ApplyDesign(QLineEdit* field, const ControlProperties& design)
{
    ApplyPlace(field, design);
    field->setText(design.text);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Text, design.textColor);
    if (design.backColor.isValid())
        palette.setColor(QPalette::Base, design.backColor);
    field->setPalette(palette);
}

void ApplyDesign(QLabel* label, const ControlProperties& design)
{
    ApplyPlace(label, design);
    label->setText(design.text);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(design.multiline);
    label->setAlignment(HorizontalAlignment(design.textAlign)
                        | (design.multiline ? Qt::AlignTop : Qt::AlignVCenter));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, design.textColor);
    label->setPalette(palette);
}

void ApplyDesign(QPushButton* button, const ControlProperties& design)
{
    ApplyPlace(button, design);
    button->setText(design.text);
    button->setDefault(design.isDefault);
}

void ApplyDesign(BevelButton* button, const ControlProperties& design)
{
    ApplyPlace(button, design);
    button->setText(design.text);
    button->setHasMenu(design.hasMenu);
    button->setFocusPolicy(Qt::StrongFocus);
}

void ApplyDesign(Canvas* canvas, const ControlProperties& design)
{
    ApplyPlace(canvas, design);
}

} // namespace MainWindowControls
