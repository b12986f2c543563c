#include "ui/ListSizing.h"

#include "consultation/logic/ListFont.h"

#include <QApplication>
#include <QEvent>
#include <QFontInfo>
#include <QHeaderView>
#include <QStyle>
#include <QTableWidget>

namespace MainWindowControls {

namespace {

// Room above and below a line, the grid line included: enough that accents over capitals and
// descenders are never cut, little enough that a 200 px side list shows seven rows at 12 points.
constexpr int RowMargin = 4;

// A font's size in points, also when it was given in pixels.
qreal PointSize(const QFont& font)
{
    return font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
}

// Watches the list for a new font and its viewport, whose width drops when the vertical scroll
// bar appears.
class ListSizing : public QObject
{
public:
    ListSizing(QTableWidget* list, QList<int> percents)
        : QObject(list), m_list(list), m_viewport(list->viewport()), m_percents(std::move(percents))
    {
        for (int column = 0; column < list->columnCount(); ++column) {
            const QTableWidgetItem* heading = list->horizontalHeaderItem(column);
            m_headings.append(heading ? heading->text() : QString());
        }
        // The header's own minimum grows with its font: at large sizes it would widen the
        // first columns past their share and push the last one under the scroll bar.
        list->horizontalHeader()->setMinimumSectionSize(0);
        list->installEventFilter(this);
        m_viewport->installEventFilter(this);
        fitRows();
        shareColumns();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Compares pointers only: the viewport also reports to us while the list is destroyed.
        if (event->type() == QEvent::FontChange && watched == m_list) {
            fitRows();
            fitHeadings();
        } else if (event->type() == QEvent::Resize && watched == m_viewport) {
            shareColumns();
        }
        return false;
    }

private:
    void fitRows()
    {
        const int height = m_list->fontMetrics().lineSpacing() + RowMargin;
        // The header's own minimum follows its font with a wider margin; ours is the one that
        // counts, also when the font gets smaller.
        QHeaderView* rows = m_list->verticalHeader();
        rows->setMinimumSectionSize(height);
        rows->setDefaultSectionSize(height);
    }

    void shareColumns()
    {
        const int width = m_viewport->width();
        const int count = qMin(static_cast<int>(m_percents.size()), m_list->columnCount() - 1);
        for (int column = 0; column < count; ++column)
            m_list->setColumnWidth(column, width * m_percents.at(column) / 100);
        // The viewport also changes height, with the window and with the header's font.
        if (columnWidths() != m_fittedWidths)
            fitHeadings();
    }

    // The width a column gets; the last one stretches over what the others leave.
    int columnWidth(int column) const
    {
        if (column < m_list->columnCount() - 1)
            return m_list->columnWidth(column);
        int rest = m_viewport->width();
        for (int other = 0; other < column; ++other)
            rest -= m_list->columnWidth(other);
        return rest;
    }

    QList<int> columnWidths() const
    {
        QList<int> widths;
        for (int column = 0; column < m_list->columnCount(); ++column)
            widths.append(columnWidth(column));
        return widths;
    }

    // Each heading is drawn whole at the rows' size or at the largest below it that its column
    // holds. Where even the window's own size is too large, it ends in "…": the header itself
    // would cut it in the middle of a letter.
    void fitHeadings()
    {
        m_fittedWidths = columnWidths();
        const QHeaderView* header = m_list->horizontalHeader();
        const int margins =
            2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        const QFont rowFont = m_list->font();
        const qreal chosen = PointSize(rowFont);
        const qreal ownSize = PointSize(QApplication::font(m_list));
        for (int column = 0; column < m_headings.size(); ++column) {
            QTableWidgetItem* heading = m_list->horizontalHeaderItem(column);
            if (!heading)
                continue;
            const QString& whole = m_headings.at(column);
            const int room = columnWidth(column) - margins;
            QFont font = rowFont;
            const auto shortened = [&](qreal points) {
                font.setPointSizeF(points);
                return QFontMetrics(font).elidedText(whole, Qt::ElideRight, room);
            };
            const qreal size = HeadingTextSize(chosen, ownSize, [&](qreal points) {
                return shortened(points) == whole;
            });
            heading->setText(shortened(size));
            heading->setFont(font);
        }
    }

    QTableWidget* m_list;
    QWidget* m_viewport;
    QList<int> m_percents;
    // The headings as the list was given them, before any was cut short.
    QStringList m_headings;
    // The columns' widths when the headings were last fitted to them.
    QList<int> m_fittedWidths;
};

} // namespace

void KeepListSized(QTableWidget* list, const QList<int>& columnPercents)
{
    new ListSizing(list, columnPercents);
}

} // namespace MainWindowControls
