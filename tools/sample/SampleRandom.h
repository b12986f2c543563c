#pragma once

#include <QtGlobal>

// A small pseudo-random generator of our own (splitmix64) with its own mapping to ranges, so
// the sample data comes out byte for byte the same with every compiler and standard library.
class SampleRandom
{
public:
    explicit SampleRandom(quint64 seed);

    quint64 next();
    // 0 to bound - 1; bound must be positive.
    int below(int bound);
    // low to high, both included.
    int between(int low, int high);
    // True about perThousand times in a thousand.
    bool chance(int perThousand);

private:
    quint64 m_state;
};
