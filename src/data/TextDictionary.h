#pragma once

#include "data/TextIndex.h"

#include <QString>
#include <QStringView>
#include <utility>
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
    int count() const;
    // Gives back the room kept for growth, once loading is over.
    void squeeze();

    // Loading a whole table: the entries are kept in order and found only once finishLoading
    // has entered them all in the index, a key added again replacing the value it had. A large
    // table loads faster so: each entry costs the index a cache miss, and entered together
    // those misses overlap. The Latin-1 form takes fields that are plain ASCII as they lie in
    // the file, without making QStrings of them.
    void load(QStringView key, QStringView value);
    void load(QLatin1StringView key, QLatin1StringView value);
    void finishLoading();

private:
    // Every entry is one record in m_pool: key then value, each a text of TextPool. A key set
    // again gets a new record and the old one is left unused. m_index knows records by offset.
    std::vector<unsigned char> m_pool;
    TextIndex m_index;
    // The entries loaded and not yet in the index: the hash of each key and its record's offset.
    std::vector<std::pair<quint32, quint32>> m_loaded;

    qint64 find(QStringView key) const;
    template <typename Text>
    quint32 appendRecord(Text key, Text value);
    quint32& slotFor(quint32 hash, quint32 keyOffset);
};
