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

// The cell's text as rich text in the cell's font, so that it reads as the list shows it: the
// tooltip's own font is one for the whole application, and small. Markings such as "<" or "&"
// in a verse, and runs of spaces, show as they are.
QString InCellFont(const QStyleOptionViewItem& cell)
{
    const QFont& font = cell.font;
    const QString size = font.pointSizeF() > 0 ? QString::number(font.pointSizeF()) + "pt"
                                               : QString::number(font.pixelSize()) + "px";
    const QString style = QString("font-family:'%1'; font-size:%2; white-space:pre")
                              .arg(font.family(), size)
                              .toHtmlEscaped();
    return QString("<p style=\"%1\">%2</p>").arg(style, cell.text.toHtmlEscaped());
}

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
                QToolTip::showText(event->globalPos(), InCellFont(cell), view->viewport(),
                                   cell.rect);
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
