#pragma once

#include <QString>
#include <QStringView>

#include <vector>

// Texts held compactly in one byte vector, for the tables that live as long as the process:
// each text is a header (its length and width, 7 bits a byte) followed by its UTF-16 code
// units, one byte a unit when all fit in Latin-1, else two.
namespace TextPool {

// One text as it lies in a pool.
struct StoredText
{
    const unsigned char* data;
    size_t units;
    bool wide;
    size_t end; // offset just after the text

    char16_t unit(size_t i) const
    {
        if (!wide)
            return data[i];
        return char16_t(data[2 * i] | (data[2 * i + 1] << 8));
    }
    bool equals(QStringView text) const;
    bool equals(QLatin1StringView text) const;
    bool equals(const StoredText& other) const;
    QString toString() const;
};

StoredText TextAt(const std::vector<unsigned char>& pool, size_t offset);
// A text read as Latin-1 (as an all-ASCII field of a data file is) is held, and hashed, as its
// QString would be.
void Append(std::vector<unsigned char>& pool, QStringView text);
void Append(std::vector<unsigned char>& pool, QLatin1StringView text);
// The most room Append can take for text.
size_t WorstSize(QStringView text);
size_t WorstSize(QLatin1StringView text);

// FNV-1a over the UTF-16 code units, mixed at the end so that the low bits, which pick an
// index slot, depend on every unit.
quint32 HashOf(QStringView text);
quint32 HashOf(QLatin1StringView text);

} // namespace TextPool
