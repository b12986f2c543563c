#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Writes password-protected zip archives, for the data packer and for tests that need
// archives of their own. Entry names are stored exactly as given, hostile ones included.

enum class ZipEncryption { Aes256, Traditional, None };

struct ZipEntry
{
    QString name;
    QByteArray content;
    bool isFolder = false;
};

// Writes entries in the order given, deflated; AES-256 entries of fewer than 20 bytes as AE-2,
// the others as AE-1. Folder entries and empty files carry no data and no encryption. False
// with a message in *error when the archive could not be written.
bool WriteZip(const QString& archivePath, const QList<ZipEntry>& entries, const QString& password,
              ZipEncryption encryption = ZipEncryption::Aes256, QString* error = nullptr);

// Every file and folder below folder, named relative to it and sorted ("Data/", "Data/a.txt"),
// followed by the "__MACOSX/" folder and a "__MACOSX/<path>/._<name>" entry for every file,
// as a desktop archiver adds them. Symbolic links are left out.
QList<ZipEntry> FolderEntries(const QString& folder, QString* error = nullptr);

bool PackFolder(const QString& folder, const QString& archivePath, const QString& password,
                ZipEncryption encryption = ZipEncryption::Aes256, QString* error = nullptr);
