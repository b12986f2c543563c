#include "ui/ListSizing.h"

#include <QEvent>
#include <QHeaderView>
#include <QTableWidget>

namespace MainWindowControls {

namespace {

// Room above and below a line, the grid line included: enough that accents over capitals and
// descenders are never cut, little enough that a 200 px side list shows seven rows at 12 points.
constexpr int RowMargin = 4;

// Watches the list for a new font and its viewport, whose width drops when the vertical scroll
// bar appears.
class ListSizing : public QObject
{
public:
    ListSizing(QTableWidget* list, QVector<int> percents)
        : QObject(list), m_list(list), m_viewport(list->viewport()), m_percents(std::move(percents))
    {
        list->installEventFilter(this);
        m_viewport->installEventFilter(this);
        fitRows();
        shareColumns();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Compares pointers only: the viewport also reports to us while the list is destroyed.
        if (event->type() == QEvent::FontChange && watched == m_list)
            fitRows();
        else if (event->type() == QEvent::Resize && watched == m_viewport)
            shareColumns();
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
    }

    QTableWidget* m_list;
    QWidget* m_viewport;
    QVector<int> m_percents;
};

} // namespace

void KeepListSized(QTableWidget* list, const QVector<int>& columnPercents)
{
    new ListSizing(list, columnPercents);
}

} // namespace MainWindowControls
