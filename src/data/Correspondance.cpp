#include "data/Correspondance.h"

#include "data/DataErrorMessage.h"
#include "platform/LineReader.h"
#include "platform/MessageBoxes.h"
#include "platform/TextFunctions.h"

#include <vector>

namespace {

const QChar Tab(9);
const QChar CarriageReturn(13);

} // namespace

int Correspondance::columnNamed(QStringView siglum)
{
    const QString name = siglum.toString();
    const auto column = itemNameDic.constFind(name);
    if (column != itemNameDic.constEnd())
        return column.value();
    Items.append(CorrespItem(name));
    return itemNameDic.insert(name, int(Items.size() - 1)).value();
}

Correspondance::Correspondance(const QString& name) : Name(name) {}

// The name plays no part: the table keeps the one given to its constructor.
void Correspondance::additem([[maybe_unused]] const QString& name, const QString& filePath)
{
    if (!readFile(filePath))
        MsgBox(DataErrorMessage(filePath));
}

bool Correspondance::readFile(const QString& filePath)
{
    LineReader reader(filePath);
    if (!reader.isOpen())
        return false;
    // Rows tend to name their columns in the same order, so the column of each field position
    // in the line before is tried first.
    std::vector<int> columnOfField;
    qint64 row = 0;
    while (!reader.atEnd()) {
        const QString line = reader.readLine();
        const QStringView view(line);
        size_t fieldIndex = 0;
        for (qsizetype start = 0; start <= view.size(); ++fieldIndex) {
            qsizetype stop = view.indexOf(Tab, start);
            if (stop < 0)
                stop = view.size();
            const QStringView field = view.mid(start, stop - start);
            start = stop + 1;
            // "P=012=x": the siglum is before the first "=", the laisse text up to the second.
            const qsizetype firstEquals = field.indexOf(QLatin1Char('='));
            if (firstEquals < 0)
                continue;
            const qsizetype secondEquals = field.indexOf(QLatin1Char('='), firstEquals + 1);
            const QStringView siglum = field.left(firstEquals);
            const QStringView laisse =
                secondEquals < 0 ? field.mid(firstEquals + 1)
                                 : field.mid(firstEquals + 1, secondEquals - firstEquals - 1);
            if (columnOfField.size() <= fieldIndex)
                columnOfField.resize(fieldIndex + 1, -1);
            int& column = columnOfField[fieldIndex];
            if (column < 0 || Items[column].Name != siglum)
                column = columnNamed(siglum);
            Items[column].append(laisse, row);
        }
        ++row;
    }
    for (CorrespItem& item : Items)
        item.squeeze();
    // The rows read before a failure stay; the user still learns the table is incomplete.
    return !reader.hasError();
}

QString Correspondance::getCorrespondance(const QString& siglum, const QString& laisse) const
{
    const auto column = itemNameDic.constFind(siglum);
    if (column == itemNameDic.constEnd())
        return QStringLiteral("None");
    QList<qint64> rows;
    Items[column.value()].getRefNum(laisse, rows);
    if (rows.isEmpty())
        return QStringLiteral("None");

    QStringList lines;
    for (const CorrespItem& item : Items) {
        QStringList parts;
        for (qint64 row : rows) {
            QStringList texts;
            item.getLaisseNum(row, texts);
            parts.append(texts.join(QStringLiteral(", ")));
        }
        lines.append(item.Name + Tab + parts.join(QLatin1Char(',')));
    }
    return lines.join(CarriageReturn);
}

QString Correspondance::makeCorrespTable() const
{
    QStringList lines;
    for (qint64 row = 0; row <= 500; ++row) {
        QString line = Str(row);
        for (const CorrespItem& item : Items) {
            QStringList texts;
            item.getLaisseNum(row, texts);
            line += Tab + item.Name + QLatin1Char('=') + texts.join(QStringLiteral(", "));
        }
        lines.append(line);
    }
    return lines.join(CarriageReturn);
}
