#include "ui/DesignApplying.h"

#include "ui/BevelButton.h"
#include "ui/ListSizing.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace MainWindowControls {

namespace {

Qt::Alignment HorizontalAlignment(int textAlign)
{
    switch (textAlign) {
    case 1:
        return Qt::AlignHCenter;
    case 2:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

void ApplyList(QTableWidget* list, const ControlProperties& row)
{
    list->setColumnCount(static_cast<int>(row.items.size()));
    list->setHorizontalHeaderLabels(row.items);
    list->setRowCount(0);
    list->verticalHeader()->hide();
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setShowGrid(true);
    list->setWordWrap(false);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(row.multipleSelection ? QAbstractItemView::ExtendedSelection
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
    KeepListSized(list, row.columnPercents);
}

void ApplyPopup(QComboBox* popup, const ControlProperties& row)
{
    popup->setEditable(row.kind == Kind::ComboBox);
    if (popup->isEditable()) {
        popup->setCompleter(nullptr);
        popup->setInsertPolicy(QComboBox::NoInsert);
    }
    popup->clear();
    popup->addItems(row.items);
    popup->setCurrentIndex(row.listIndex);
}

void ApplyTextField(QLineEdit* field, const ControlProperties& row)
{
    field->setText(row.text);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Text, row.textColor);
    if (row.backColor.isValid())
        palette.setColor(QPalette::Base, row.backColor);
    field->setPalette(palette);
}

void ApplyLabel(QLabel* label, const ControlProperties& row)
{
    label->setText(row.text);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(row.multiline);
    label->setAlignment(HorizontalAlignment(row.textAlign) |
                        (row.multiline ? Qt::AlignTop : Qt::AlignVCenter));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, row.textColor);
    label->setPalette(palette);
}

void ApplyBevelButton(BevelButton* button, const ControlProperties& row)
{
    button->setText(row.text);
    button->setHasMenu(row.hasMenu);
    button->setFocusPolicy(Qt::StrongFocus);
}

}  // namespace

void ApplyDesign(QWidget* control, const ControlProperties& row)
{
    control->setObjectName(row.name);
    control->setGeometry(row.geometry);
    switch (row.kind) {
    case Kind::Listbox:
        if (auto* list = qobject_cast<QTableWidget*>(control))
            ApplyList(list, row);
        break;
    case Kind::PopupMenu:
    case Kind::ComboBox:
        if (auto* popup = qobject_cast<QComboBox*>(control))
            ApplyPopup(popup, row);
        break;
    case Kind::TextField:
        if (auto* field = qobject_cast<QLineEdit*>(control))
            ApplyTextField(field, row);
        break;
    case Kind::PushButton:
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            button->setText(row.text);
            button->setDefault(row.isDefault);
        }
        break;
    case Kind::Label:
        if (auto* label = qobject_cast<QLabel*>(control))
            ApplyLabel(label, row);
        break;
    case Kind::BevelButton:
        if (auto* button = qobject_cast<BevelButton*>(control))
            ApplyBevelButton(button, row);
        break;
    case Kind::Canvas:
        break;
    }
}

}  // namespace MainWindowControls
