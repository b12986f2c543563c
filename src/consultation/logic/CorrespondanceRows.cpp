#include "consultation/logic/CorrespondanceRows.h"

#include "data/TextDictionary.h"
#include "platform/TextFunctions.h"

namespace {

const QString Tab = QStringLiteral("\t");
const QString NoLaisse = QStringLiteral("-");

} // namespace

std::optional<QString> CorrespondanceKey(const TextDictionary& EBLdic, const TextDictionary& BELdic,
                                         const QString& laisse, qint64 mode)
{
    QString reference = laisse;
    if (mode == 0)
        reference = EBLdic.HasKey(laisse) ? EBLdic.Value(laisse) : QStringLiteral("0");
    if (!BELdic.HasKey(reference) || CDbl(reference) == 0.0)
        return std::nullopt;
    return Format(WholeNumber(reference), QStringLiteral("000"));
}

QList<QStringList> CorrespondanceRows(const QString& answer,
                                      const ReferenceLaisses& referenceLaisses)
{
    QList<QStringList> rows;
    for (const QString& line : Split(answer, QStringLiteral("\r"))) {
        const QString siglum = NthField(line, Tab, 1);
        const QString numbers = NthField(line, Tab, 2);
        const TextDictionary* own = referenceLaisses(siglum);

        QStringList entries;
        // "-" and empty pieces read as 0 and are looked up under "0" like any other number.
        for (const QString& piece : Split(numbers, QStringLiteral(","))) {
            const QString number = Str(WholeNumber(piece));
            entries.append(own && own->HasKey(number) ? own->Value(number) : NoLaisse);
        }
        rows.append({siglum, numbers, entries.join(QLatin1Char(','))});
    }
    return rows;
}
