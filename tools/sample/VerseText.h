#pragma once

#include <QString>
#include <QStringList>

class SampleRandom;

// Invented Old French-looking verses and rubrics. A realistic sprinkling of verses carries the
// editorial markings that copying strips: "=12=", "3|", "\", a lone "|", "·ABC·" and names in
// capitals, some with Ä Ï Ë Ö Ü É.
class VerseText
{
public:
    explicit VerseText(SampleRandom& random);

    QString verse();
    QString rubric();

private:
    QString word();
    QString name();
    QString capitalName();
    QString markedCapitals();

    SampleRandom& m_random;
};
