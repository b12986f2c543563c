#include "TextDictionary.h"

#include <limits>
#include <stdexcept>

namespace {

bool fitsLatin1(QStringView text)
{
    for (QChar c : text) {
        if (c.unicode() > 0xFF)
            return false;
    }
    return true;
}

// FNV-1a over the UTF-16 code units, so a key hashes the same whether it is held in a
// QString or in one byte a unit in the pool.
quint32 mixUnit(quint32 hash, char16_t unit)
{
    hash = (hash ^ (unit & 0xFFu)) * 16777619u;
    return (hash ^ (unit >> 8)) * 16777619u;
}

quint32 hashOf(QStringView text)
{
    quint32 hash = 2166136261u;
    for (QChar c : text)
        hash = mixUnit(hash, c.unicode());
    return hash;
}

// One text of a record as it lies in the pool.
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
};

StoredText textAt(const std::vector<unsigned char>& pool, size_t offset)
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

quint32 hashOf(const StoredText& text)
{
    quint32 hash = 2166136261u;
    for (size_t i = 0; i < text.units; ++i)
        hash = mixUnit(hash, text.unit(i));
    return hash;
}

QString toQString(const StoredText& text)
{
    if (!text.wide)
        return QString::fromLatin1(reinterpret_cast<const char*>(text.data), qsizetype(text.units));
    QString result(qsizetype(text.units), Qt::Uninitialized);
    QChar* out = result.data();
    for (size_t i = 0; i < text.units; ++i)
        out[i] = QChar(text.unit(i));
    return result;
}

} // namespace

bool TextDictionary::keyAt(quint32 offset, QStringView key) const
{
    const StoredText stored = textAt(m_pool, offset);
    if (stored.units != size_t(key.size()))
        return false;
    for (size_t i = 0; i < stored.units; ++i) {
        if (stored.unit(i) != key[qsizetype(i)].unicode())
            return false;
    }
    return true;
}

qsizetype TextDictionary::findSlot(QStringView key) const
{
    if (m_slots.empty())
        return -1;
    const size_t mask = m_slots.size() - 1;
    for (size_t i = hashOf(key) & mask;; i = (i + 1) & mask) {
        const quint32 slot = m_slots[i];
        if (slot == 0 || keyAt(slot - 1, key))
            return qsizetype(i);
    }
}

bool TextDictionary::HasKey(const QString& key) const
{
    const qsizetype i = findSlot(key);
    return i >= 0 && m_slots[size_t(i)] != 0;
}

QString TextDictionary::Value(const QString& key) const
{
    const qsizetype i = findSlot(key);
    if (i < 0 || m_slots[size_t(i)] == 0)
        return QString();
    const StoredText storedKey = textAt(m_pool, m_slots[size_t(i)] - 1);
    return toQString(textAt(m_pool, storedKey.end));
}

void TextDictionary::setValue(const QString& key, const QString& value)
{
    setValue(QStringView(key), QStringView(value));
}

void TextDictionary::setValue(QStringView key, QStringView value)
{
    if ((size_t(m_count) + 1) * 4 > m_slots.size() * 3)
        grow();
    const size_t i = size_t(findSlot(key));
    if (m_slots[i] == 0)
        ++m_count;
    m_slots[i] = newRecord(key, value) + 1;
}

int TextDictionary::count() const
{
    return m_count;
}

void TextDictionary::squeeze()
{
    m_pool.shrink_to_fit();
}

void TextDictionary::grow()
{
    if (m_slots.size() > size_t(std::numeric_limits<int>::max()))
        throw std::length_error("table too large");
    std::vector<quint32> index(m_slots.empty() ? 16 : m_slots.size() * 2, 0);
    const size_t mask = index.size() - 1;
    for (quint32 slot : m_slots) {
        if (slot == 0)
            continue;
        size_t i = hashOf(textAt(m_pool, slot - 1)) & mask;
        while (index[i] != 0)
            i = (i + 1) & mask;
        index[i] = slot;
    }
    m_slots.swap(index);
}

void TextDictionary::appendText(QStringView text)
{
    const bool wide = !fitsLatin1(text);
    quint64 header = (quint64(text.size()) << 1) | (wide ? 1 : 0);
    do {
        unsigned char byte = header & 0x7F;
        header >>= 7;
        m_pool.push_back(header ? byte | 0x80 : byte);
    } while (header);
    for (QChar c : text) {
        const char16_t u = c.unicode();
        m_pool.push_back(u & 0xFF);
        if (wide)
            m_pool.push_back(u >> 8);
    }
}

quint32 TextDictionary::newRecord(QStringView key, QStringView value)
{
    // Offsets are 32-bit to keep the index small; the room needed is at most 10 header bytes
    // and two bytes a unit per text.
    const quint64 worst = m_pool.size() + 20 + 2 * (quint64(key.size()) + quint64(value.size()));
    if (worst >= std::numeric_limits<quint32>::max())
        throw std::length_error("table too large");
    const quint32 offset = quint32(m_pool.size());
    appendText(key);
    appendText(value);
    return offset;
}
