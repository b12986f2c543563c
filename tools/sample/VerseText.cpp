#include "sample/VerseText.h"

#include "sample/SampleRandom.h"

#include <QByteArrayList>

namespace {

const char* const Onsets[] = {"",  "b",  "br", "ch", "d", "f", "g",  "gu", "l",  "m", "n",
                              "p", "pl", "qu", "r",  "s", "t", "tr", "v",  "gr", "c", "j"};
const char* const Vowels[] = {"a", "e", "i", "o", "u", "ai", "ei", "oi", "ie", "ue", "au", "eu"};
const char* const Codas[] = {"", "", "", "r", "s", "l", "n", "z", "t", "nt", "rs"};
const char* const SmallWords[] = {"e",  "li", "la",  "de", "en",  "a",  "si",   "que",
                                  "ne", "il", "lor", "sa", "par", "od", "tant", "lui"};
const char* const Names[] = {"Vestrel", "Mirel",   "Quendal", "Orban",
                             "Tambrel", "Sormaus", "Eludin",  "Gorvaus"};
const char* const CapitalNames[] = {"VESTREL", "MIREL",  "QUENDAL", "ÉNÏAS",  "ÖRBAN",  "DÜRAIN",
                                    "ËLIDOR",  "ÄRNALT", "TAMBREL", "GÖRVAL", "ÉLUDIN", "SORMAUX"};

template <typename T, int N>
const T& PickFrom(SampleRandom& random, const T (&list)[N])
{
    return list[random.below(N)];
}

QByteArray Capitalised(const QByteArray& word)
{
    return word.left(1).toUpper() + word.mid(1);
}

} // namespace

VerseText::VerseText(SampleRandom& random) : m_random(random) {}

QByteArray VerseText::word()
{
    if (m_random.chance(300))
        return QByteArray(PickFrom(m_random, SmallWords));
    QByteArray result;
    const int roll = m_random.below(100);
    const int syllables = roll < 40 ? 1 : roll < 85 ? 2 : 3;
    for (int i = 0; i < syllables; ++i) {
        result += QByteArray(PickFrom(m_random, Onsets));
        result += QByteArray(PickFrom(m_random, Vowels));
    }
    return result + QByteArray(PickFrom(m_random, Codas));
}

QByteArray VerseText::name()
{
    return QByteArray(PickFrom(m_random, Names));
}

QByteArray VerseText::capitalName()
{
    return QByteArray(PickFrom(m_random, CapitalNames));
}

QByteArray VerseText::markedCapitals()
{
    const QByteArray middleDot = "\xC2\xB7";
    QByteArray letters;
    const int count = m_random.between(2, 4);
    for (int i = 0; i < count; ++i)
        letters += char('A' + m_random.below(26));
    return middleDot + letters + middleDot;
}

QByteArray VerseText::verse()
{
    QByteArrayList words;
    const int count = m_random.between(6, 10);
    for (int i = 0; i < count; ++i)
        words << word();
    words[0] = Capitalised(words[0]);
    if (m_random.chance(150))
        words[m_random.below(count)] = name();

    // Markings land on words picked at random, so they stand anywhere in a verse, at its
    // start and end too.
    auto someWord = [&]() -> QByteArray& { return words[m_random.below(words.size())]; };
    if (m_random.chance(120))
        someWord() = capitalName();
    if (m_random.chance(30))
        someWord() += "=" + QByteArray::number(m_random.between(1, 40)) + "=";
    if (m_random.chance(30))
        someWord().prepend(QByteArray::number(m_random.between(1, 9)) + "|");
    if (m_random.chance(30)) {
        QByteArray& target = someWord();
        int at = m_random.between(1, qMax(1, int(target.size()) - 1));
        while (at < target.size() && (target[at] & 0xC0) == 0x80)
            ++at; // never inside the bytes of one UTF-8 character
        target.insert(at, '\\');
    }
    if (m_random.chance(30))
        words.insert(m_random.between(1, words.size() - 1), markedCapitals());
    if (m_random.chance(60))
        words.insert(m_random.between(2, words.size() - 1), QByteArray("|"));
    return words.join(' ');
}

QByteArray VerseText::rubric()
{
    QByteArrayList words{"Ci", "parole", "de", name()};
    const int count = m_random.between(2, 5);
    for (int i = 0; i < count; ++i)
        words << word();
    return words.join(' ') + '.';
}
