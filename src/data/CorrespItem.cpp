#include "CorrespItem.h"

#include "platform/TextFunctions.h"

namespace {

const QString joinSeparator = QStringLiteral(", ");

// "0" and the empty text show as "-", anything else as its number with at least three digits.
QString displayForm(const QString& laisse)
{
    if (laisse.isEmpty() || laisse == QLatin1String("0"))
        return QStringLiteral("-");
    return Format(WholeNumber(laisse), QStringLiteral("000"));
}

// A row's first occurrences come joined by ", "; each text keeps its own display form, so
// "010, 011" stays "010, 011" and "0, 7" gives "-, 007".
QString displayFormOfEach(const QString& element)
{
    if (!element.contains(joinSeparator))
        return displayForm(element);
    QStringList parts = element.split(joinSeparator);
    for (QString& part : parts)
        part = displayForm(part);
    return parts.join(joinSeparator);
}

} // namespace

CorrespItem::CorrespItem(const QString& name)
    : Name(name)
{
}

void CorrespItem::append(const QString& laisse, qint64 row)
{
    const auto first = LaisseNumDic.constFind(laisse);
    if (first == LaisseNumDic.constEnd()) {
        LaisseNumDic.insert(laisse, row);
        const auto joined = RefNumDic.find(row);
        if (joined == RefNumDic.end())
            RefNumDic.insert(row, laisse);
        else
            joined.value() += joinSeparator + laisse;
        return;
    }
    // The key already holds the same text: sharing it keeps one copy of each distinct text.
    Supp_LN.append(first.key());
    Supp_Ref.append(row);
}

void CorrespItem::getRefNum(const QString& laisse, QList<qint64>& rows) const
{
    const auto first = LaisseNumDic.constFind(laisse);
    if (first == LaisseNumDic.constEnd())
        return;
    rows.append(first.value());
    for (qsizetype k = 0; k < Supp_LN.size(); ++k) {
        if (Supp_LN[k] == laisse)
            rows.append(Supp_Ref[k]);
    }
}

void CorrespItem::getLaisseNum(qint64 row, QStringList& texts) const
{
    const auto first = RefNumDic.constFind(row);
    if (first != RefNumDic.constEnd())
        texts.append(first.value());
    for (qsizetype k = 0; k < Supp_Ref.size(); ++k) {
        if (Supp_Ref[k] == row)
            texts.append(Supp_LN[k]);
    }
    for (QString& text : texts)
        text = displayFormOfEach(text);
}
