#include "ui/ListSizing.h"

#include <QEvent>
#include <QHeaderView>
#include <QTableWidget>

namespace MainWindowControls {

namespace {

// Room above and below a line, the grid line included: enough that accents over capitals and
// descenders are never cut, little enough that a 200 px side list shows seven rows at 12 points.
constexpr int RowMargin = 4;

// Watches the list's viewport, whose width drops when the vertical scroll bar appears.
class ColumnShares : public QObject
{
public:
    ColumnShares(QTableWidget* list, QVector<int> percents)
        : QObject(list), m_list(list), m_percents(std::move(percents))
    {
        list->viewport()->installEventFilter(this);
        apply();
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            apply();
        return false;
    }

private:
    void apply()
    {
        const int width = m_list->viewport()->width();
        const int count = qMin(static_cast<int>(m_percents.size()), m_list->columnCount() - 1);
        for (int column = 0; column < count; ++column)
            m_list->setColumnWidth(column, width * m_percents.at(column) / 100);
    }

    QTableWidget* m_list;
    QVector<int> m_percents;
};

class RowsFittingTheFont : public QObject
{
public:
    explicit RowsFittingTheFont(QTableWidget* list) : QObject(list), m_list(list)
    {
        list->installEventFilter(this);
        apply();
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::FontChange)
            apply();
        return false;
    }

private:
    void apply()
    {
        const int height = m_list->fontMetrics().lineSpacing() + RowMargin;
        // The header's own minimum follows its font with a wider margin; ours is the one that
        // counts, also when the font gets smaller.
        QHeaderView* rows = m_list->verticalHeader();
        rows->setMinimumSectionSize(height);
        rows->setDefaultSectionSize(height);
    }

    QTableWidget* m_list;
};

}  // namespace

void KeepColumnShares(QTableWidget* list, const QVector<int>& percents)
{
    new ColumnShares(list, percents);
}

void KeepRowsFittingTheFont(QTableWidget* list)
{
    new RowsFittingTheFont(list);
}

}  // namespace MainWindowControls
