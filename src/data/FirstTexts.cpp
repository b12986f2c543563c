#include "data/FirstTexts.h"

#include "data/TextIndex.h"
#include "data/TextPool.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

quint32 FirstTexts::add(QStringView text, quint32 row)
{
    if (!m_rows.empty() && row < m_rows.back())
        throw std::logic_error("rows must not decrease");
    if (m_pool.size() + TextPool::WorstSize(text) > TextIndex::MaxHandle
        || m_rows.size() >= TextIndex::MaxHandle)
        throw std::length_error("table too large");
    m_offsets.push_back(quint32(m_pool.size()));
    TextPool::Append(m_pool, text);
    m_rows.push_back(row);
    return quint32(m_rows.size() - 1);
}

QString FirstTexts::text(quint32 number) const
{
    return TextPool::TextAt(m_pool, m_offsets[number]).toString();
}

bool FirstTexts::equals(quint32 number, QStringView text) const
{
    return TextPool::TextAt(m_pool, m_offsets[number]).equals(text);
}

std::pair<quint32, quint32> FirstTexts::numbersIn(qint64 row) const
{
    if (row < 0 || row > qint64(std::numeric_limits<quint32>::max()))
        return {0, 0};
    const auto [first, last] = std::equal_range(m_rows.begin(), m_rows.end(), quint32(row));
    return {quint32(first - m_rows.begin()), quint32(last - m_rows.begin())};
}

bool FirstTexts::contains(qint64 row) const
{
    const auto [first, last] = numbersIn(row);
    return first != last;
}

QString FirstTexts::value(qint64 row) const
{
    const auto [first, last] = numbersIn(row);
    QString joined;
    for (quint32 number = first; number < last; ++number) {
        if (number != first)
            joined += QStringLiteral(", ");
        joined += text(number);
    }
    return joined;
}

void FirstTexts::squeeze()
{
    m_pool.shrink_to_fit();
    m_offsets.shrink_to_fit();
    m_rows.shrink_to_fit();
}
