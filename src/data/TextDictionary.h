#pragma once

#include "TextIndex.h"

#include <QString>
#include <QStringView>
#include <vector>

// A text-to-text dictionary for the numbering tables: exact, case-sensitive keys; setting a key
// again replaces its value. Built for many short texts held for the life of the process.
class TextDictionary
{
public:
    bool HasKey(const QString& key) const;
    // The value stored under key; the empty text when there is none.
    QString Value(const QString& key) const;
    void setValue(const QString& key, const QString& value);
    // Same as above without making QStrings of the fields of a line; the Latin-1 form takes
    // fields that are plain ASCII as they lie in the file.
    void setValue(QStringView key, QStringView value);
    void setValue(QLatin1StringView key, QLatin1StringView value);
    int count() const;
    // Gives back the room kept for growth, once loading is over.
    void squeeze();

private:
    // Every entry is one record in m_pool: key then value, each a text of TextPool. A key set
    // again gets a new record and the old one is left unused. m_index knows records by offset.
    std::vector<unsigned char> m_pool;
    TextIndex m_index;

    qint64 find(QStringView key) const;
    template <typename Text>
    void set(Text key, Text value);
};
