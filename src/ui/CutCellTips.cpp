#include "ui/CutCellTips.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QToolTip>

namespace MainWindowControls {

namespace {

class CutCellTips : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override
    {
        if (event->type() != QEvent::ToolTip)
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        if (index.isValid()) {
            QStyleOptionViewItem cell = option;
            initStyleOption(&cell, index);
            if (isCut(cell)) {
                QToolTip::showText(event->globalPos(), cell.text, view->viewport(), cell.rect);
                return true;
            }
        }
        QToolTip::hideText();
        return true;
    }

private:
    // Elides as the style does: within the cell's text rectangle, less the margin it keeps on
    // either side.
    static bool isCut(const QStyleOptionViewItem& cell)
    {
        const QWidget* widget = cell.widget;
        const QStyle* style = widget ? widget->style() : QApplication::style();
        const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, widget);
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        const QFontMetrics metrics(cell.font);
        return metrics.elidedText(cell.text, cell.textElideMode, text.width() - 2 * margin)
               != cell.text;
    }
};

} // namespace

void ShowCutCellsOnHover(QAbstractItemView* list)
{
    list->setItemDelegate(new CutCellTips(list));
}

} // namespace MainWindowControls
