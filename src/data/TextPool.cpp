#include "data/TextPool.h"

#include <cstring>

namespace TextPool {

namespace {

constexpr quint32 HashStart = 2166136261u;

quint32 MixUnit(quint32 hash, char16_t unit)
{
    return (hash ^ unit) * 16777619u;
}

quint32 Finish(quint32 hash)
{
    hash ^= hash >> 16;
    hash *= 0x85EBCA6Bu;
    hash ^= hash >> 13;
    hash *= 0xC2B2AE35u;
    return hash ^ (hash >> 16);
}

void AppendHeader(std::vector<unsigned char>& pool, size_t units, bool wide)
{
    quint64 header = (quint64(units) << 1) | (wide ? 1 : 0);
    do {
        unsigned char byte = header & 0x7F;
        header >>= 7;
        pool.push_back(header ? byte | 0x80 : byte);
    } while (header);
}

template <typename Text>
quint32 HashOfUnits(Text text)
{
    quint32 hash = HashStart;
    for (qsizetype i = 0; i < text.size(); ++i)
        hash = MixUnit(hash, text[i].unicode());
    return Finish(hash);
}

bool FitsLatin1(QStringView text)
{
    for (QChar c : text) {
        if (c.unicode() > 0xFF)
            return false;
    }
    return true;
}

} // namespace

bool StoredText::equals(QStringView text) const
{
    if (units != size_t(text.size()))
        return false;
    for (size_t i = 0; i < units; ++i) {
        if (unit(i) != text[qsizetype(i)].unicode())
            return false;
    }
    return true;
}

bool StoredText::equals(QLatin1StringView text) const
{
    if (units != size_t(text.size()))
        return false;
    if (!wide)
        return units == 0 || std::memcmp(data, text.data(), units) == 0;
    for (size_t i = 0; i < units; ++i) {
        if (unit(i) != text[qsizetype(i)].unicode())
            return false;
    }
    return true;
}

bool StoredText::equals(const StoredText& other) const
{
    if (units != other.units)
        return false;
    if (wide == other.wide)
        return std::memcmp(data, other.data, units * (wide ? 2 : 1)) == 0;
    for (size_t i = 0; i < units; ++i) {
        if (unit(i) != other.unit(i))
            return false;
    }
    return true;
}

QString StoredText::toString() const
{
    if (!wide)
        return QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(units));
    QString result(qsizetype(units), Qt::Uninitialized);
    QChar* out = result.data();
    for (size_t i = 0; i < units; ++i)
        out[i] = QChar(unit(i));
    return result;
}

StoredText TextAt(const std::vector<unsigned char>& pool, size_t offset)
{
    quint64 header = 0;
    int shift = 0;
    unsigned char byte;
    do {
        byte = pool[offset++];
        header |= quint64(byte & 0x7F) << shift;
        shift += 7;
    } while (byte & 0x80);
    StoredText text;
    text.wide = header & 1;
    text.units = size_t(header >> 1);
    text.data = pool.data() + offset;
    text.end = offset + text.units * (text.wide ? 2 : 1);
    return text;
}

void Append(std::vector<unsigned char>& pool, QStringView text)
{
    const bool wide = !FitsLatin1(text);
    AppendHeader(pool, size_t(text.size()), wide);
    for (QChar c : text) {
        const char16_t u = c.unicode();
        pool.push_back(u & 0xFF);
        if (wide)
            pool.push_back(u >> 8);
    }
}

void Append(std::vector<unsigned char>& pool, QLatin1StringView text)
{
    AppendHeader(pool, size_t(text.size()), false);
    pool.insert(pool.end(), text.data(), text.data() + text.size());
}

size_t WorstSize(QStringView text)
{
    return 10 + 2 * size_t(text.size());
}

size_t WorstSize(QLatin1StringView text)
{
    return 10 + size_t(text.size());
}

quint32 HashOf(QStringView text)
{
    return HashOfUnits(text);
}

quint32 HashOf(QLatin1StringView text)
{
    return HashOfUnits(text);
}

} // namespace TextPool
