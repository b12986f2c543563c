#include "platform/Utf8CharacterType.h"

namespace {

// Made once and kept for the life of the process; without a C.UTF-8 locale the thread keeps
// the process's own.
locale_t Utf8Locale()
{
    static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(nullptr));
    return locale;
}

} // namespace

Utf8CharacterType::Utf8CharacterType()
    : m_previous(Utf8Locale() ? uselocale(Utf8Locale()) : locale_t(nullptr))
{
}

Utf8CharacterType::~Utf8CharacterType()
{
    if (m_previous)
        uselocale(m_previous);
}
