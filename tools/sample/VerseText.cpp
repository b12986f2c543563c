#include "VerseText.h"

#include "SampleRandom.h"

namespace {

const char* const Onsets[] = {"", "b", "br", "ch", "d", "f", "g", "gu", "l", "m", "n", "p", "pl",
                              "qu", "r", "s", "t", "tr", "v", "gr", "c", "j"};
const char* const Vowels[] = {"a", "e", "i", "o", "u", "ai", "ei", "oi", "ie", "ue", "au", "eu"};
const char* const Codas[] = {"", "", "", "r", "s", "l", "n", "z", "t", "nt", "rs"};
const char* const SmallWords[] = {"e", "li", "la", "de", "en", "a", "si", "que", "ne", "il",
                                  "lor", "sa", "par", "od", "tant", "lui"};
const char* const Names[] = {"Vestrel", "Mirel", "Quendal", "Orban", "Tambrel", "Sormaus",
                             "Eludin", "Gorvaus"};
const char* const CapitalNames[] = {"VESTREL", "MIREL", "QUENDAL", "ÉNÏAS", "ÖRBAN", "DÜRAIN",
                                    "ËLIDOR", "ÄRNALT", "TAMBREL", "GÖRVAL", "ÉLUDIN", "SORMAUX"};

template <typename T, int N>
const T& pickFrom(SampleRandom& random, const T (&list)[N])
{
    return list[random.below(N)];
}

QString capitalised(const QString& word)
{
    return word.left(1).toUpper() + word.mid(1);
}

}

VerseText::VerseText(SampleRandom& random)
    : m_random(random)
{
}

QString VerseText::word()
{
    if (m_random.chance(300))
        return QString::fromUtf8(pickFrom(m_random, SmallWords));
    QString result;
    const int roll = m_random.below(100);
    const int syllables = roll < 40 ? 1 : roll < 85 ? 2 : 3;
    for (int i = 0; i < syllables; ++i) {
        result += QString::fromUtf8(pickFrom(m_random, Onsets));
        result += QString::fromUtf8(pickFrom(m_random, Vowels));
    }
    return result + QString::fromUtf8(pickFrom(m_random, Codas));
}

QString VerseText::name()
{
    return QString::fromUtf8(pickFrom(m_random, Names));
}

QString VerseText::capitalName()
{
    return QString::fromUtf8(pickFrom(m_random, CapitalNames));
}

QString VerseText::markedCapitals()
{
    QString letters;
    const int count = m_random.between(2, 4);
    for (int i = 0; i < count; ++i)
        letters += QChar('A' + m_random.below(26));
    return QChar(0x00B7) + letters + QChar(0x00B7);
}

QString VerseText::verse()
{
    QStringList words;
    const int count = m_random.between(6, 10);
    for (int i = 0; i < count; ++i)
        words << word();
    words[0] = capitalised(words[0]);
    if (m_random.chance(150))
        words[m_random.below(count)] = name();

    // Each marking lands on its own word, placed at random, so verses differ in where they
    // carry them.
    auto someWord = [&]() -> QString& { return words[m_random.below(words.size())]; };
    if (m_random.chance(120))
        someWord() = capitalName();
    if (m_random.chance(30))
        someWord() += QString("=%1=").arg(m_random.between(1, 40));
    if (m_random.chance(30))
        someWord().prepend(QString("%1|").arg(m_random.between(1, 9)));
    if (m_random.chance(30)) {
        QString& target = someWord();
        target.insert(m_random.between(1, qMax(1, int(target.size()) - 1)), QChar('\\'));
    }
    if (m_random.chance(30))
        words.insert(m_random.between(1, words.size() - 1), markedCapitals());
    if (m_random.chance(60))
        words.insert(m_random.between(2, words.size() - 1), QStringLiteral("|"));
    return words.join(' ');
}

QString VerseText::rubric()
{
    QStringList words{QStringLiteral("Ci"), QStringLiteral("parole"), QStringLiteral("de"), name()};
    const int count = m_random.between(2, 5);
    for (int i = 0; i < count; ++i)
        words << word();
    return words.join(' ') + '.';
}
