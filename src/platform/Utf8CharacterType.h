#pragma once

#include <locale.h>

// libarchive turns entry names into, and out of, the character encoding of the calling thread's
// locale; file names in Qt are UTF-8 whatever the locale. While an object of this class lives,
// the calling thread (and no other) uses a UTF-8 character type, so "Évêque.txt" reaches the
// archive and comes out of it as UTF-8 even under LANG=C.
class Utf8CharacterType
{
public:
    Utf8CharacterType();
    ~Utf8CharacterType();
    Utf8CharacterType(const Utf8CharacterType&) = delete;
    Utf8CharacterType& operator=(const Utf8CharacterType&) = delete;

private:
    locale_t m_previous;
};
