#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// One column of a correspondence table: every laisse text one siglum has in each row.
class CorrespItem
{
public:
    explicit CorrespItem(const QString& name);

    void append(const QString& laisse, qint64 row);
    // Appends every row in which laisse stands; rows is not emptied first.
    void getRefNum(const QString& laisse, QList<qint64>& rows) const;
    // Appends the laisse texts of row, then puts every element of texts into display form.
    void getLaisseNum(qint64 row, QStringList& texts) const;

    QString Name;
    QHash<QString, qint64> LaisseNumDic;
    QStringList Supp_LN;
    QHash<qint64, QString> RefNumDic;
    QList<qint64> Supp_Ref;
};
