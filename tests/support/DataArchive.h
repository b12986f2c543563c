#pragma once

#include "zip/ZipWriter.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The smallest data tree the set-up loads in full: the seven manuscripts with their four tables
// and a text, and one correspondence table, as "Data/..." entries without folder entries.
QList<ZipEntry> CompleteDataEntries();

// Writes entries to "Data.zip" in folder with the data password; returns the archive's path.
QString WriteDataZip(const QString& folder, const QList<ZipEntry>& entries,
                     ZipEncryption encryption = ZipEncryption::Aes256);

// The whole content of a file, or a null array when it cannot be read.
QByteArray ReadWholeFile(const QString& path);
