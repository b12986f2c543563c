#pragma once

#include "data/CorrespItem.h"

#include <QHash>
#include <QList>
#include <QString>

// One correspondence table file: one column per siglum, in the order first met.
class Correspondance
{
public:
    explicit Correspondance(const QString& name);

    // Reads the table file; one that cannot be opened is reported and leaves no columns.
    void additem(const QString& name, const QString& filePath);
    // The same without the report, for a worker thread, which shows no message: false when the
    // file could not be opened or not be read to its end.
    bool readFile(const QString& filePath);
    // Lines joined by CR, each a siglum, TAB and that column's parts; "None" when nothing matches.
    QString getCorrespondance(const QString& siglum, const QString& laisse) const;
    QString makeCorrespTable() const;

    QList<CorrespItem> Items;
    QString Name;
    QHash<QString, int> itemNameDic;

private:
    // The index of the siglum's column, which is added when new.
    int columnNamed(QStringView siglum);
};
