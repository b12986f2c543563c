#pragma once

#include <QString>
#include <QStringView>

#include <utility>
#include <vector>

// The distinct laisse texts of one correspondence column, numbered from 0 in the order they
// were first met, each with the row of its first occurrence. Rows never decrease from one
// text to the next, so the texts first met in one row are neighbours and a row is found by a
// binary search.
class FirstTexts
{
public:
    // Adds text as first met in row, which may not come before the row of the last text
    // added; returns its number.
    quint32 add(QStringView text, quint32 row);

    QString text(quint32 number) const;
    bool equals(quint32 number, QStringView text) const;
    quint32 row(quint32 number) const { return m_rows[number]; }

    // Whether some text was first met in row, and those texts joined by ", ".
    bool contains(qint64 row) const;
    QString value(qint64 row) const;

    // Gives back the room kept for growth, once loading is over.
    void squeeze();

private:
    std::vector<unsigned char> m_pool; // the texts, as TextPool holds them
    std::vector<quint32> m_offsets;    // where each text starts in m_pool
    std::vector<quint32> m_rows;       // the row of each text's first occurrence

    // The numbers of the texts first met in row, as [first, last).
    std::pair<quint32, quint32> numbersIn(qint64 row) const;
};
