#include "sample/SampleRandom.h"

SampleRandom::SampleRandom(quint64 seed) : m_state(seed) {}

quint64 SampleRandom::next()
{
    m_state += 0x9E3779B97F4A7C15ULL;
    quint64 z = m_state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

int SampleRandom::below(int bound)
{
    return static_cast<int>(next() % static_cast<quint64>(bound));
}

int SampleRandom::between(int low, int high)
{
    return low + below(high - low + 1);
}

bool SampleRandom::chance(int perThousand)
{
    return below(1000) < perThousand;
}
