#pragma once

#include <QtGlobal>

#include <limits>
#include <stdexcept>
#include <vector>

// An open-addressing hash index over texts kept elsewhere, each known by a 32-bit handle (an
// offset in a pool, a number in a list). The keeper of the texts gives the hash of the text
// looked for and says whether the text behind a handle is the one looked for. Each slot keeps
// its text's hash beside the handle, so a probe seldom reads a text and growing reads none:
// the tables are large and their texts lie far apart in memory.
class TextIndex
{
public:
    // The handle of the text that holds(handle) accepts, or -1 when none does.
    template <typename Holds>
    qint64 find(quint32 hash, Holds holds) const
    {
        if (m_slots.empty())
            return -1;
        const size_t mask = m_slots.size() - 1;
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            const Slot& slot = m_slots[i];
            if (slot.handle == 0)
                return -1;
            if (slot.hash == hash && holds(slot.handle - 1))
                return qint64(slot.handle) - 1;
        }
    }

    // The handle slot of the text that holds(handle) accepts, or the free one where it goes
    // (0), after making room for one more text. Fill it with set.
    template <typename Holds>
    quint32& place(quint32 hash, Holds holds)
    {
        if ((size_t(m_count) + 1) * 8 > m_slots.size() * 7)
            grow();
        const size_t mask = m_slots.size() - 1;
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            Slot& slot = m_slots[i];
            if (slot.handle == 0) {
                slot.hash = hash;
                return slot.handle;
            }
            if (slot.hash == hash && holds(slot.handle - 1))
                return slot.handle;
        }
    }

    void set(quint32& slot, quint32 handle)
    {
        if (slot == 0)
            ++m_count;
        slot = handle + 1;
    }

    int count() const { return int(m_count); }

    // Makes room for count texts more, so that placing them moves no text already placed.
    void reserve(size_t count)
    {
        size_t size = m_slots.empty() ? 16 : m_slots.size();
        while ((size_t(m_count) + count + 1) * 8 > size * 7)
            size *= 2;
        if (size > m_slots.size())
            rehash(size);
    }

    // Asks the cache for the first slot a text of that hash would be looked for in.
    void prefetch(quint32 hash) const
    {
        if (!m_slots.empty())
            __builtin_prefetch(&m_slots[hash & (m_slots.size() - 1)]);
    }

    // The largest handle the index can hold.
    static constexpr quint32 MaxHandle = std::numeric_limits<quint32>::max() - 1;

private:
    struct Slot
    {
        quint32 handle; // plus one; 0 marks a free slot
        quint32 hash;
    };
    std::vector<Slot> m_slots;
    quint32 m_count = 0;

    void grow() { rehash(m_slots.empty() ? 16 : m_slots.size() * 2); }

    void rehash(size_t size)
    {
        if (size > size_t(std::numeric_limits<int>::max()))
            throw std::length_error("table too large");
        std::vector<Slot> grown(size, Slot{0, 0});
        const size_t mask = grown.size() - 1;
        for (const Slot& slot : m_slots) {
            if (slot.handle == 0)
                continue;
            size_t i = slot.hash & mask;
            while (grown[i].handle != 0)
                i = (i + 1) & mask;
            grown[i] = slot;
        }
        m_slots.swap(grown);
    }
};
