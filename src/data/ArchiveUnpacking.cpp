#include "ThisApp.h"

#include "platform/UnZipReader.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace ThisApp {

namespace {

constexpr qint64 ChunkSize = 100000;

// Names that could reach outside the destination are refused whole rather than cleaned up:
// "../x", "a/../../x", "/etc/x", "\\x", "C:x", "a\\..\\x".
bool IsSafeEntryName(const QString& name)
{
    static const QRegularExpression driveLetter(QStringLiteral("^[A-Za-z]:"));
    if (name.isEmpty() || name.startsWith(QLatin1Char('/'))
        || name.contains(QLatin1Char('\\')) || driveLetter.match(name).hasMatch())
        return false;
    return !name.split(QLatin1Char('/')).contains(QStringLiteral(".."));
}

enum class EntryResult { Written, Skipped, LimitReached };

// Copies the opened current entry to target through a temporary file beside it, so target is
// replaced only by a whole entry and an older copy survives a failed read. Returning without
// commit() discards the temporary file.
EntryResult WriteCurrentEntry(UnZipReader& reader, const QString& target, qint64& budget)
{
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return EntryResult::Skipped;
    for (;;) {
        const QByteArray chunk = reader.ReadCurrentFile(ChunkSize);
        if (chunk.isEmpty()) {
            if (reader.Lasterror() != 0)
                return EntryResult::Skipped;
            break;
        }
        if (chunk.size() > budget)
            return EntryResult::LimitReached;
        budget -= chunk.size();
        if (file.write(chunk) != chunk.size())
            return EntryResult::Skipped;
    }
    return file.commit() ? EntryResult::Written : EntryResult::Skipped;
}

} // namespace

void UnzipData(const QString& zipFile, const QString& destFolder, qint64 byteLimit)
{
    UnZipReader reader(zipFile);
    reader.GoToFirstFile();
    qint64 budget = byteLimit;
    for (int error = reader.Lasterror(); error == 0; error = reader.Lasterror()) {
        const QString name = reader.FileName();
        // Folders are made before the entry is looked at, so a skipped "__MACOSX" or folder
        // entry still leaves the folders its path names.
        const QString target = IsSafeEntryName(name) ? GetPath(destFolder, name) : QString();
        const bool isFile = !name.startsWith(QStringLiteral("__MACOSX"))
                            && !name.endsWith(QLatin1Char('/'));
        if (isFile && !target.isEmpty() && !QFileInfo(target).isSymLink()) {
            reader.OpenCurrentFile(DataPW);
            if (reader.Lasterror() == 0) {
                const EntryResult result = WriteCurrentEntry(reader, target, budget);
                reader.CloseCurrentFile();
                if (result == EntryResult::LimitReached)
                    return;
            }
        }
        reader.GoToNextFile();
    }
}

QString GetPath(const QString& base, const QString& path)
{
    const QStringList parts = path.split(QLatin1Char('/'));
    if (parts.contains(QStringLiteral("..")))
        return QString();
    QString cur = base;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        // Empty parts, as from a leading "/" or from "//", are passed over.
        if (parts[i].isEmpty())
            continue;
        cur += QLatin1Char('/') + parts[i];
        const QFileInfo info(cur);
        if (info.isSymLink())
            return QString();
        if (!info.exists() && !QDir().mkdir(cur))
            return QString();
        if (!QFileInfo(cur).isDir())
            return QString();
    }
    return parts.last().isEmpty() ? cur : cur + QLatin1Char('/') + parts.last();
}

} // namespace ThisApp
