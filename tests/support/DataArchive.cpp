#include "DataArchive.h"

#include "data/ThisApp.h"

#include <QFile>

QList<ZipEntry> CompleteDataEntries()
{
    QList<ZipEntry> entries;
    const QStringList sigla = {"P", "T", "L", "C", "V7", "V4", "O"};
    for (const QString& siglum : sigla) {
        const QString folder = "Data/Manuscripts/" + siglum + "/";
        entries.append({folder + "Texte.txt", "1r\t1\t1\tPremier vers\n", false});
        entries.append({folder + "LV.txt", "1\t1\n", false});
        entries.append({folder + "VL.txt", "1\t1\n", false});
        entries.append({folder + "BV.txt", "1\t1\n", false});
        entries.append({folder + "BL.txt", "1\t1\n", false});
    }
    entries.append({"Data/Correspondances/Laisses.txt", "P=001\tT=001\tO=001\n", false});
    return entries;
}

QString WriteDataZip(const QString& folder, const QList<ZipEntry>& entries,
                     ZipEncryption encryption)
{
    const QString path = folder + "/Data.zip";
    QString error;
    if (!WriteZip(path, entries, ThisApp::DataPW, encryption, &error))
        qFatal("test archive not written: %s", qPrintable(error));
    return path;
}

QByteArray ReadWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}
