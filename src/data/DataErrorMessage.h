#pragma once

#include <QDir>
#include <QString>

// What the user is told when a data file cannot be read: the file's path in the platform's form.
inline QString DataErrorMessage(const QString& path)
{
    return QStringLiteral("Data error ! Data: ") + QDir::toNativeSeparators(path);
}
