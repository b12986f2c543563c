#pragma once

#include <QStringList>

// The manuscripts with data, by siglum, in the order in which they are loaded and their failures
// reported. "lv" and "F" have a description but no data, so they are not among them.
inline const QStringList& ManuscriptSigla()
{
    static const QStringList sigla = QStringLiteral("P,T,L,C,V7,V4,O").split(QLatin1Char(','));
    return sigla;
}
