#pragma once

#include <QByteArray>

class SampleRandom;

// Invented Old French-looking verses and rubrics, in UTF-8. A realistic sprinkling of verses carries the
// editorial markings that copying strips: "=12=", "3|", "\", a lone "|", "·ABC·" and names in
// capitals, some with Ä Ï Ë Ö Ü É.
class VerseText
{
public:
    explicit VerseText(SampleRandom& random);

    QByteArray verse();
    QByteArray rubric();

private:
    QByteArray word();
    QByteArray name();
    QByteArray capitalName();
    QByteArray markedCapitals();

    SampleRandom& m_random;
};
