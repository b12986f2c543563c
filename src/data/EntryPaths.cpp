#include "data/EntryPaths.h"

#include "data/ThisApp.h"
#include "platform/Folders.h"

#include <QDir>
#include <QRegularExpression>

namespace ThisApp {

namespace {

// A name as a file system that folds case and Unicode normalization (an ext4 casefold folder,
// macOS, a share reached through CIFS) may take it, so that names it takes for one are equal:
// "É.TXT" and "é.txt", its "é" one character (U+00E9) or two ("e" and U+0301), give one;
// "Straße" and "STRASSE" too.
QString Folded(const QString& name)
{
    return name.normalized(QString::NormalizationForm_D)
        .toUpper()
        .toCaseFolded()
        .normalized(QString::NormalizationForm_C);
}

} // namespace

bool IsSafeEntryName(const QString& name)
{
    static const QRegularExpression driveLetter(QStringLiteral("^[A-Za-z]:"));
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))
        || driveLetter.match(name).hasMatch())
        return false;
    return !name.split(QLatin1Char('/')).contains(QStringLiteral(".."));
}

bool IsFileEntry(const QString& name)
{
    return !name.startsWith(QStringLiteral("__MACOSX")) && !name.endsWith(QLatin1Char('/'));
}

bool PathsAreDistinct(const QStringList& names)
{
    QSet<QString> files;
    QSet<QString> folders;
    for (const QString& name : names) {
        if (!IsSafeEntryName(name))
            continue;
        const QStringList parts =
            QDir::cleanPath(Folded(name)).split(QLatin1Char('/'), Qt::SkipEmptyParts);
        // As the folder walk: every part but the last names a folder, the last one too when the
        // name ends in "/".
        const bool namesFolder = name.endsWith(QLatin1Char('/'));
        const qsizetype folderParts = parts.size() - (namesFolder ? 0 : 1);
        QString folder;
        for (qsizetype i = 0; i < folderParts; ++i) {
            folder += QLatin1Char('/') + parts[i];
            folders.insert(folder);
        }
        if (!IsFileEntry(name))
            continue;
        const QString file = folder + QLatin1Char('/') + parts.value(parts.size() - 1);
        if (files.contains(file))
            return false;
        files.insert(file);
    }
    for (const QString& file : files) {
        if (folders.contains(file))
            return false;
    }
    return true;
}

FolderWalk::FolderWalk(const QString& base) : m_base(base) {}

QString FolderWalk::pathFor(const QString& path)
{
    const QStringList parts = path.split(QLatin1Char('/'));
    if (parts.contains(QStringLiteral("..")))
        return QString();
    QString cur = m_base;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        // Empty parts, as from a leading "/" or from "//", are passed over.
        if (parts[i].isEmpty())
            continue;
        cur += QLatin1Char('/') + parts[i];
        if (!m_checked.contains(cur)) {
            if (!checkOrMake(cur))
                return QString();
            m_checked.insert(cur);
        }
    }
    return parts.last().isEmpty() ? cur : cur + QLatin1Char('/') + parts.last();
}

// Anything else found in the folder's place (a link, a file, another user's folder) is not ours to
// write into: what lies below it is skipped, before a byte is written there.
bool FolderWalk::checkOrMake(const QString& folder)
{
    if (Folders::IsOwnRealFolder(folder))
        return true;
    QDir().mkdir(folder);
    return Folders::IsOwnRealFolder(folder);
}

QString GetPath(const QString& base, const QString& path)
{
    return FolderWalk(base).pathFor(path);
}

} // namespace ThisApp
