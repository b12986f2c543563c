#include "ThisApp.h"

#include "platform/Folders.h"
#include "platform/UnZipReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryFile>

#include <cstdio>

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

// Copies the opened current entry to target through a temporary file beside it, renamed over
// target only once the entry was read whole, so an older copy survives a failed read. The
// temporary file has a short name of its own, so a name as long as the file system allows can be
// written too; no temporary name ends in ".txt", so a left-over one is never taken for a table.
// No sync to disk: the data is unpacked anew at every start, so only the all-or-nothing
// replacement matters.
EntryResult WriteCurrentEntry(UnZipReader& reader, const QString& target, qint64& budget)
{
    QTemporaryFile file(QFileInfo(target).path() + QStringLiteral("/.corvane-XXXXXX"));
    if (!file.open())
        return EntryResult::Skipped;
    EntryResult result = EntryResult::Written;
    for (;;) {
        const QByteArray chunk = reader.ReadCurrentFile(ChunkSize);
        if (chunk.isEmpty()) {
            if (reader.Lasterror() != 0)
                result = EntryResult::Skipped;
            break;
        }
        if (chunk.size() > budget) {
            result = EntryResult::LimitReached;
            break;
        }
        budget -= chunk.size();
        if (file.write(chunk) != chunk.size()) {
            result = EntryResult::Skipped;
            break;
        }
    }
    file.close();
    if (result != EntryResult::Written)
        return result;
    if (file.error() != QFileDevice::NoError
        || std::rename(QFile::encodeName(file.fileName()).constData(),
                       QFile::encodeName(target).constData()) != 0)
        return EntryResult::Skipped;
    file.setAutoRemove(false);
    return result;
}

// Walks entry paths below one base folder, creating the folders on the way. A folder is checked
// (really a folder, no symbolic link, this user's) the first time a walk meets it; later entries
// of the same walk trust it, which keeps the unpacking of many entries from asking the file system
// again.
class FolderWalk
{
public:
    explicit FolderWalk(const QString& base) : m_base(base) {}

    QString pathFor(const QString& path)
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

private:
    // Anything else found in the folder's place (a link, a file, another user's folder) is not
    // ours to write into: what lies below it is skipped, before a byte is written there.
    static bool checkOrMake(const QString& folder)
    {
        if (Folders::IsOwnRealFolder(folder))
            return true;
        return QDir().mkdir(folder) && Folders::IsOwnRealFolder(folder);
    }

    QString m_base;
    QSet<QString> m_checked;
};

} // namespace

void UnzipData(const QString& zipFile, const QString& destFolder, qint64 byteLimit)
{
    UnZipReader reader(zipFile);
    reader.GoToFirstFile();
    FolderWalk walk(destFolder);
    qint64 budget = byteLimit;
    for (int error = reader.Lasterror(); error == 0; error = reader.Lasterror()) {
        const QString name = reader.FileName();
        // Folders are made before the entry is looked at, so a skipped "__MACOSX" or folder
        // entry still leaves the folders its path names.
        const QString target = IsSafeEntryName(name) ? walk.pathFor(name) : QString();
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
    return FolderWalk(base).pathFor(path);
}

} // namespace ThisApp
