#include "TextDictionary.h"

#include "TextPool.h"

#include <stdexcept>

qint64 TextDictionary::find(QStringView key) const
{
    return m_index.find(TextPool::hashOf(key), [&](quint32 offset) {
        return TextPool::textAt(m_pool, offset).equals(key);
    });
}

bool TextDictionary::HasKey(const QString& key) const
{
    return find(key) >= 0;
}

QString TextDictionary::Value(const QString& key) const
{
    const qint64 offset = find(key);
    if (offset < 0)
        return QString();
    const TextPool::StoredText storedKey = TextPool::textAt(m_pool, size_t(offset));
    return TextPool::textAt(m_pool, storedKey.end).toString();
}

template <typename Text>
void TextDictionary::set(Text key, Text value)
{
    // Offsets are 32-bit to keep the index small.
    const size_t offset = m_pool.size();
    if (offset + TextPool::worstSize(key) + TextPool::worstSize(value) > TextIndex::MaxHandle)
        throw std::length_error("table too large");
    quint32& slot = m_index.place(TextPool::hashOf(key), [&](quint32 stored) {
        return TextPool::textAt(m_pool, stored).equals(key);
    });
    TextPool::append(m_pool, key);
    TextPool::append(m_pool, value);
    m_index.set(slot, quint32(offset));
}

void TextDictionary::setValue(const QString& key, const QString& value)
{
    setValue(QStringView(key), QStringView(value));
}

void TextDictionary::setValue(QStringView key, QStringView value)
{
    set(key, value);
}

void TextDictionary::setValue(QLatin1StringView key, QLatin1StringView value)
{
    set(key, value);
}

int TextDictionary::count() const
{
    return m_index.count();
}

void TextDictionary::squeeze()
{
    m_pool.shrink_to_fit();
}
