#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class TextDictionary;

// The reference-to-own laisse dictionary (BELdic) of the manuscript a siglum names, or nullptr
// when no manuscript is loaded under that siglum ("lv", "F").
using ReferenceLaisses = std::function<const TextDictionary*(const QString& siglum)>;

// The correspondence tables are keyed by reference-edition laisse numbers written with three
// digits. With mode 0 laisse is in the manuscript's own numbering and is turned into its
// reference-edition number through EBLdic; with any other mode it already is one. Nothing when
// that number is missing from BELdic or reads as 0. Own 13 with EBLdic 13 -> 14 gives "014".
std::optional<QString> CorrespondanceKey(const TextDictionary& EBLdic, const TextDictionary& BELdic,
                                         const QString& laisse, qint64 mode);

// The rows of one correspondence list from a table's answer (lines joined by CR, each a siglum,
// a TAB and laisse numbers): "Ms.", "Brunquel" as given, and "Ed. Electronic" with each number
// turned into the row manuscript's own laisse number, "-" where there is none.
// "T\t012, 013,020" with T's BELdic 12 -> 11, 13 -> 12 gives {"T", "012, 013,020", "11,12,-"}.
QList<QStringList> CorrespondanceRows(const QString& answer,
                                      const ReferenceLaisses& referenceLaisses);
