#pragma once

#include "data/FirstTexts.h"
#include "data/TextIndex.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <limits>
#include <vector>

// One column of a correspondence table: every laisse text one siglum has in each row.
class CorrespItem
{
public:
    explicit CorrespItem(const QString& name);

    // Rows come in file order: a row never comes before the row of the call before.
    void append(QStringView laisse, qint64 row);
    // Appends every row in which laisse stands; rows is not emptied first.
    void getRefNum(const QString& laisse, QList<qint64>& rows) const;
    // Appends the laisse texts of row, then puts every element of texts into display form.
    void getLaisseNum(qint64 row, QStringList& texts) const;
    // Gives back the room kept for growth, once loading is over.
    void squeeze();

    QString Name;
    // Every distinct laisse text of the column, known by its number in RefNumDic.
    TextIndex LaisseNumDic;
    // The distinct laisse texts with the row of their first occurrence; for a row, the texts
    // first met in it, joined by ", ".
    FirstTexts RefNumDic;
    // The further occurrences (second, third ... time a text is met), in file order: element k
    // of Supp_LN is the number of the text in RefNumDic, element k of Supp_Ref its row.
    std::vector<quint32> Supp_LN;
    std::vector<quint32> Supp_Ref;

private:
    // A query must not pass over every further occurrence of a large table: those of one text
    // are chained, each to the one before it, from the last, which m_lastFurther gives by text
    // number (NoFurther when there is none).
    static constexpr quint32 NoFurther = std::numeric_limits<quint32>::max();
    std::vector<quint32> m_lastFurther;
    std::vector<quint32> m_previousFurther;
};
