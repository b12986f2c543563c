#include "zip/ZipWriter.h"

#include "platform/Utf8CharacterType.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include <archive.h>
#include <archive_entry.h>

#include <memory>

namespace {

bool Fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

la_ssize_t WriteToFile(archive*, void* file, const void* buffer, size_t length)
{
    return la_ssize_t(
        static_cast<QSaveFile*>(file)->write(static_cast<const char*>(buffer), qint64(length)));
}

const char* EncryptionOption(ZipEncryption encryption)
{
    switch (encryption) {
    case ZipEncryption::Aes256:
        return "aes256";
    case ZipEncryption::Traditional:
        return "zipcrypt";
    case ZipEncryption::None:
        break;
    }
    return nullptr;
}

using ArchiveWriter = std::unique_ptr<archive, decltype(&archive_write_free)>;
using Entry = std::unique_ptr<archive_entry, decltype(&archive_entry_free)>;

QString WriterMessage(archive* writer)
{
    const char* message = archive_error_string(writer);
    return message ? QString::fromUtf8(message) : QStringLiteral("unknown error");
}

bool AddEntry(archive* writer, const ZipEntry& entry, qint64 modified)
{
    const Entry header(archive_entry_new(), &archive_entry_free);
    archive_entry_set_pathname_utf8(header.get(), entry.name.toUtf8().constData());
    archive_entry_set_filetype(header.get(), entry.isFolder ? AE_IFDIR : AE_IFREG);
    archive_entry_set_perm(header.get(), entry.isFolder ? 0755 : 0644);
    archive_entry_set_size(header.get(), entry.isFolder ? 0 : entry.content.size());
    archive_entry_set_mtime(header.get(), time_t(modified), 0);
    if (archive_write_header(writer, header.get()) != ARCHIVE_OK)
        return false;
    if (!entry.isFolder && !entry.content.isEmpty()
        && archive_write_data(writer, entry.content.constData(), size_t(entry.content.size()))
               != entry.content.size())
        return false;
    return archive_write_finish_entry(writer) == ARCHIVE_OK;
}

// The smallest AppleDouble header a Mac archiver leaves for a file without extra attributes.
QByteArray AppleDoubleStub()
{
    QByteArray stub(26, '\0');
    qToBigEndian<quint32>(0x00051607, stub.data());
    qToBigEndian<quint32>(0x00020000, stub.data() + 4);
    return stub;
}

} // namespace

bool WriteZip(const QString& archivePath, const QList<ZipEntry>& entries, const QString& password,
              ZipEncryption encryption, QString* error)
{
    if (encryption != ZipEncryption::None && password.isEmpty())
        return Fail(error, QStringLiteral("An encrypted archive needs a password."));

    // Written whole under a temporary name and only then renamed, so a failed run leaves no
    // archive that looks complete. The file outlives the writer, which writes to it until freed.
    QSaveFile file(archivePath);
    if (!file.open(QIODevice::WriteOnly))
        return Fail(error,
                    QStringLiteral("Cannot create %1: %2").arg(archivePath, file.errorString()));
    const Utf8CharacterType utf8;
    const ArchiveWriter writer(archive_write_new(), &archive_write_free);
    archive_write_set_format_zip(writer.get());
    if (const char* option = EncryptionOption(encryption)) {
        if (archive_write_set_format_option(writer.get(), "zip", "encryption", option) != ARCHIVE_OK
            || archive_write_set_passphrase(writer.get(), password.toUtf8().constData())
                   != ARCHIVE_OK)
            return Fail(error,
                        QStringLiteral("Cannot encrypt: %1").arg(WriterMessage(writer.get())));
    }
    if (archive_write_open2(writer.get(), &file, nullptr, WriteToFile, nullptr, nullptr)
        != ARCHIVE_OK)
        return Fail(
            error,
            QStringLiteral("Cannot create %1: %2").arg(archivePath, WriterMessage(writer.get())));
    const qint64 modified = QDateTime::currentSecsSinceEpoch();
    for (const ZipEntry& entry : entries) {
        if (!AddEntry(writer.get(), entry, modified))
            return Fail(
                error,
                QStringLiteral("Cannot add %1: %2").arg(entry.name, WriterMessage(writer.get())));
    }
    if (archive_write_close(writer.get()) != ARCHIVE_OK)
        return Fail(
            error,
            QStringLiteral("Cannot write %1: %2").arg(archivePath, WriterMessage(writer.get())));
    if (!file.commit())
        return Fail(error,
                    QStringLiteral("Cannot write %1: %2").arg(archivePath, file.errorString()));
    return true;
}

QList<ZipEntry> FolderEntries(const QString& folder, QString* error)
{
    const QFileInfo folderInfo(folder);
    if (!folderInfo.isDir()) {
        Fail(error, QStringLiteral("%1 is not a folder.").arg(folder));
        return {};
    }
    const QDir root(folderInfo.absoluteFilePath());
    QStringList folders;
    QStringList files;
    QDirIterator it(root.path(),
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        if (info.isSymLink())
            continue;
        const QString relative = root.relativeFilePath(info.absoluteFilePath());
        if (info.isDir())
            folders.append(relative + u'/');
        else if (info.isFile())
            files.append(relative);
    }

    QList<ZipEntry> entries;
    for (const QString& name : folders)
        entries.append({name, {}, true});
    for (const QString& name : std::as_const(files)) {
        QFile file(root.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            Fail(error,
                 QStringLiteral("Cannot read %1: %2").arg(file.fileName(), file.errorString()));
            return {};
        }
        entries.append({name, file.readAll(), false});
    }
    std::sort(entries.begin(), entries.end(),
              [](const ZipEntry& a, const ZipEntry& b) { return a.name < b.name; });

    entries.append({QStringLiteral("__MACOSX/"), {}, true});
    std::sort(files.begin(), files.end());
    const QByteArray stub = AppleDoubleStub();
    for (const QString& name : std::as_const(files)) {
        const qsizetype slash = name.lastIndexOf(u'/');
        const QString shadow = name.left(slash + 1) + QStringLiteral("._") + name.mid(slash + 1);
        entries.append({QStringLiteral("__MACOSX/") + shadow, stub, false});
    }
    return entries;
}

bool PackFolder(const QString& folder, const QString& archivePath, const QString& password,
                ZipEncryption encryption, QString* error)
{
    QString message;
    const QList<ZipEntry> entries = FolderEntries(folder, &message);
    if (!message.isEmpty())
        return Fail(error, message);
    return WriteZip(archivePath, entries, password, encryption, error);
}
