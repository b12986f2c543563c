#pragma once

#include <QtGlobal>

#include <limits>
#include <stdexcept>
#include <vector>

// An open-addressing hash index over texts kept elsewhere, each known by a 32-bit handle (an
// offset in a pool, a number in a list). The keeper of the texts gives the hash of the text
// looked for and says whether the text behind a handle is the one looked for; on growth it
// gives the hash of the text behind a handle.
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
            const quint32 slot = m_slots[i];
            if (slot == 0)
                return -1;
            if (holds(slot - 1))
                return qint64(slot) - 1;
        }
    }

    // The slot of the text that holds(handle) accepts, or the free one where it goes (0), after
    // making room for one more text. Fill it with set.
    template <typename Holds, typename HashOf>
    quint32& place(quint32 hash, Holds holds, HashOf hashOf)
    {
        if ((size_t(m_count) + 1) * 4 > m_slots.size() * 3)
            grow(hashOf);
        const size_t mask = m_slots.size() - 1;
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            quint32& slot = m_slots[i];
            if (slot == 0 || holds(slot - 1))
                return slot;
        }
    }

    void set(quint32& slot, quint32 handle)
    {
        if (slot == 0)
            ++m_count;
        slot = handle + 1;
    }

    int count() const { return int(m_count); }

    // The largest handle the index can hold.
    static constexpr quint32 MaxHandle = std::numeric_limits<quint32>::max() - 1;

private:
    // Slots hold a handle plus one; 0 marks a free slot.
    std::vector<quint32> m_slots;
    quint32 m_count = 0;

    template <typename HashOf>
    void grow(HashOf hashOf)
    {
        if (m_slots.size() > size_t(std::numeric_limits<int>::max()))
            throw std::length_error("table too large");
        std::vector<quint32> grown(m_slots.empty() ? 16 : m_slots.size() * 2, 0);
        const size_t mask = grown.size() - 1;
        for (quint32 slot : m_slots) {
            if (slot == 0)
                continue;
            size_t i = hashOf(slot - 1) & mask;
            while (grown[i] != 0)
                i = (i + 1) & mask;
            grown[i] = slot;
        }
        m_slots.swap(grown);
    }
};
