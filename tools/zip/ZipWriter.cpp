#include "ZipWriter.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include <zip.h>

namespace {

bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

QString archiveMessage(zip* archive)
{
    return QString::fromUtf8(zip_strerror(archive));
}

// libzip writes no file for an archive without entries, so its end record is written here.
bool writeEmptyArchive(const QString& archivePath, QString* error)
{
    QByteArray endRecord(22, '\0');
    qToLittleEndian<quint32>(0x06054b50, endRecord.data());
    QSaveFile file(archivePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(endRecord) != endRecord.size() || !file.commit())
        return fail(error, QStringLiteral("Cannot write %1: %2").arg(archivePath, file.errorString()));
    return true;
}

zip_uint16_t libzipMethod(ZipEncryption encryption)
{
    switch (encryption) {
    case ZipEncryption::Aes256:
        return ZIP_EM_AES_256;
    case ZipEncryption::Traditional:
        return ZIP_EM_TRAD_PKWARE;
    case ZipEncryption::None:
        break;
    }
    return ZIP_EM_NONE;
}

bool addEntry(zip* archive, const ZipEntry& entry, const QByteArray& password, ZipEncryption encryption)
{
    const QByteArray name = entry.name.toUtf8();
    if (entry.isFolder)
        return zip_dir_add(archive, name.constData(), ZIP_FL_ENC_UTF_8) >= 0;
    zip_source_t* source = zip_source_buffer(archive, entry.content.constData(),
                                             zip_uint64_t(entry.content.size()), 0);
    if (!source)
        return false;
    const zip_int64_t index = zip_file_add(archive, name.constData(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        return false;
    }
    if (encryption == ZipEncryption::None)
        return true;
    return zip_file_set_encryption(archive, zip_uint64_t(index), libzipMethod(encryption),
                                   password.constData()) == 0;
}

// The smallest AppleDouble header a Mac archiver leaves for a file without extra attributes.
QByteArray appleDoubleStub()
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
        return fail(error, QStringLiteral("An encrypted archive needs a password."));
    if (entries.isEmpty())
        return writeEmptyArchive(archivePath, error);

    int openError = ZIP_ER_OK;
    zip* archive = zip_open(QFile::encodeName(archivePath).constData(), ZIP_CREATE | ZIP_TRUNCATE, &openError);
    if (!archive) {
        zip_error_t details;
        zip_error_init_with_code(&details, openError);
        const QString message = QString::fromUtf8(zip_error_strerror(&details));
        zip_error_fini(&details);
        return fail(error, QStringLiteral("Cannot create %1: %2").arg(archivePath, message));
    }
    const QByteArray secret = password.toUtf8();
    for (const ZipEntry& entry : entries) {
        if (!addEntry(archive, entry, secret, encryption)) {
            const QString message = archiveMessage(archive);
            zip_discard(archive);
            return fail(error, QStringLiteral("Cannot add %1: %2").arg(entry.name, message));
        }
    }
    if (zip_close(archive) != 0) {
        const QString message = archiveMessage(archive);
        zip_discard(archive);
        return fail(error, QStringLiteral("Cannot write %1: %2").arg(archivePath, message));
    }
    return true;
}

QList<ZipEntry> FolderEntries(const QString& folder, QString* error)
{
    const QFileInfo folderInfo(folder);
    if (!folderInfo.isDir()) {
        fail(error, QStringLiteral("%1 is not a folder.").arg(folder));
        return {};
    }
    const QDir root(folderInfo.absoluteFilePath());
    QStringList folders;
    QStringList files;
    QDirIterator it(root.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
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
            fail(error, QStringLiteral("Cannot read %1: %2").arg(file.fileName(), file.errorString()));
            return {};
        }
        entries.append({name, file.readAll(), false});
    }
    std::sort(entries.begin(), entries.end(),
              [](const ZipEntry& a, const ZipEntry& b) { return a.name < b.name; });

    entries.append({QStringLiteral("__MACOSX/"), {}, true});
    std::sort(files.begin(), files.end());
    const QByteArray stub = appleDoubleStub();
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
        return fail(error, message);
    return WriteZip(archivePath, entries, password, encryption, error);
}
