#include "data/CorrespItem.h"

#include "data/TextPool.h"
#include "platform/TextFunctions.h"

#include <algorithm>
#include <stdexcept>

namespace {

const QString JoinSeparator = QStringLiteral(", ");

// "0" and the empty text show as "-", anything else as its number with at least three digits.
QString DisplayForm(const QString& laisse)
{
    if (laisse.isEmpty() || laisse == QLatin1String("0"))
        return QStringLiteral("-");
    return Format(WholeNumber(laisse), QStringLiteral("000"));
}

// A row's first occurrences come joined by ", "; each text keeps its own display form, so
// "010, 011" stays "010, 011" and "0, 7" gives "-, 007".
QString DisplayFormOfEach(const QString& element)
{
    if (!element.contains(JoinSeparator))
        return DisplayForm(element);
    QStringList parts = element.split(JoinSeparator);
    for (QString& part : parts)
        part = DisplayForm(part);
    return parts.join(JoinSeparator);
}

} // namespace

CorrespItem::CorrespItem(const QString& name) : Name(name) {}

void CorrespItem::append(QStringView laisse, qint64 row)
{
    if (row < 0 || row > qint64(TextIndex::MaxHandle))
        throw std::length_error("table too large");
    if (!Supp_Ref.empty() && quint32(row) < Supp_Ref.back())
        throw std::logic_error("rows must not decrease");
    quint32& slot = LaisseNumDic.place(TextPool::HashOf(laisse), [&](quint32 number) {
        return RefNumDic.equals(number, laisse);
    });
    if (slot == 0) {
        LaisseNumDic.set(slot, RefNumDic.add(laisse, quint32(row)));
        m_lastFurther.push_back(NoFurther);
        return;
    }
    const quint32 number = slot - 1;
    const quint32 further = quint32(Supp_LN.size());
    Supp_LN.push_back(number);
    Supp_Ref.push_back(quint32(row));
    m_previousFurther.push_back(m_lastFurther[number]);
    m_lastFurther[number] = further;
}

void CorrespItem::getRefNum(const QString& laisse, QList<qint64>& rows) const
{
    const qint64 number = LaisseNumDic.find(TextPool::HashOf(laisse), [&](quint32 stored) {
        return RefNumDic.equals(stored, laisse);
    });
    if (number < 0)
        return;
    rows.append(RefNumDic.row(quint32(number)));
    const qsizetype first = rows.size();
    for (quint32 k = m_lastFurther[size_t(number)]; k != NoFurther; k = m_previousFurther[k])
        rows.append(Supp_Ref[k]);
    std::reverse(rows.begin() + first, rows.end());
}

void CorrespItem::getLaisseNum(qint64 row, QStringList& texts) const
{
    if (RefNumDic.contains(row))
        texts.append(RefNumDic.value(row));
    if (row >= 0 && row <= qint64(TextIndex::MaxHandle)) {
        const auto [first, last] = std::equal_range(Supp_Ref.begin(), Supp_Ref.end(), quint32(row));
        for (auto k = first; k != last; ++k)
            texts.append(RefNumDic.text(Supp_LN[size_t(k - Supp_Ref.begin())]));
    }
    for (QString& text : texts)
        text = DisplayFormOfEach(text);
}

void CorrespItem::squeeze()
{
    RefNumDic.squeeze();
    for (std::vector<quint32>* numbers : {&Supp_LN, &Supp_Ref, &m_lastFurther, &m_previousFurther})
        numbers->shrink_to_fit();
}
