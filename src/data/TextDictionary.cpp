#include "data/TextDictionary.h"

#include "data/TextPool.h"

#include <stdexcept>

qint64 TextDictionary::find(QStringView key) const
{
    return m_index.find(TextPool::HashOf(key), [&](quint32 offset) {
        return TextPool::TextAt(m_pool, offset).equals(key);
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
    const TextPool::StoredText storedKey = TextPool::TextAt(m_pool, size_t(offset));
    return TextPool::TextAt(m_pool, storedKey.end).toString();
}

template <typename Text>
quint32 TextDictionary::appendRecord(Text key, Text value)
{
    // Offsets are 32-bit to keep the index small.
    const size_t offset = m_pool.size();
    if (offset + TextPool::WorstSize(key) + TextPool::WorstSize(value) > TextIndex::MaxHandle)
        throw std::length_error("table too large");
    TextPool::Append(m_pool, key);
    TextPool::Append(m_pool, value);
    return quint32(offset);
}

quint32& TextDictionary::slotFor(quint32 hash, quint32 keyOffset)
{
    const TextPool::StoredText key = TextPool::TextAt(m_pool, keyOffset);
    return m_index.place(hash, [&](quint32 stored) {
        return TextPool::TextAt(m_pool, stored).equals(key);
    });
}

void TextDictionary::setValue(const QString& key, const QString& value)
{
    const quint32 hash = TextPool::HashOf(QStringView(key));
    const quint32 offset = appendRecord(QStringView(key), QStringView(value));
    m_index.set(slotFor(hash, offset), offset);
}

void TextDictionary::load(QStringView key, QStringView value)
{
    m_loaded.emplace_back(TextPool::HashOf(key), appendRecord(key, value));
}

void TextDictionary::load(QLatin1StringView key, QLatin1StringView value)
{
    m_loaded.emplace_back(TextPool::HashOf(key), appendRecord(key, value));
}

void TextDictionary::finishLoading()
{
    // Far enough ahead for the slot to have arrived when its turn comes.
    constexpr size_t Ahead = 16;
    m_index.reserve(m_loaded.size());
    for (size_t i = 0; i < m_loaded.size(); ++i) {
        if (i + Ahead < m_loaded.size())
            m_index.prefetch(m_loaded[i + Ahead].first);
        const auto [hash, offset] = m_loaded[i];
        m_index.set(slotFor(hash, offset), offset);
    }
    m_loaded.clear();
    m_loaded.shrink_to_fit();
    squeeze();
}

int TextDictionary::count() const
{
    return m_index.count();
}

void TextDictionary::squeeze()
{
    m_pool.shrink_to_fit();
}
