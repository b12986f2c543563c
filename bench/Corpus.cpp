#include "Corpus.h"

#include "data/ThisApp.h"
#include "platform/Folders.h"
#include "platform/Quitting.h"

#include <QDir>
#include <QMap>
#include <QPair>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

QTemporaryDir& Scratch()
{
    static QTemporaryDir dir;
    return dir;
}

QString SampleTree(int scale)
{
    return scale == 1 ? QStringLiteral(CORVANE_SAMPLE_TREE)
                      : QStringLiteral(CORVANE_CORPUS16_FOLDER "/sample_tree");
}

QString PackBySevenZip(int scale, const QString& method)
{
    const QString path = FreshFolder() + "/Data.zip";
    QProcess sevenZip;
    sevenZip.setWorkingDirectory(SampleTree(scale));
    sevenZip.start("7z", {"a", "-tzip", "-bso0", "-bsp0", "-mem=" + method,
                          "-p" + ArchivePassword(), path, "Data"});
    if (!sevenZip.waitForFinished(-1) || sevenZip.exitCode() != 0) {
        std::fprintf(stderr, "7z could not pack %s\n", qPrintable(SampleTree(scale)));
        std::exit(1);
    }
    return path;
}

struct LoadedData
{
    int scale = 0;
    QString temporaryFolder;
    QString preferenceFolder;
};

LoadedData& Loaded()
{
    static LoadedData data;
    return data;
}

} // namespace

benchmark::internal::Benchmark* AtEveryScale(benchmark::internal::Benchmark* benchmark)
{
    benchmark->ArgName("scale");
    for (int scale : Scales)
        benchmark->Arg(scale);
    return benchmark;
}

QString ApplicationFolder(int scale)
{
    return scale == 1 ? QStringLiteral(CORVANE_APPLICATION_FOLDER)
                      : QStringLiteral(CORVANE_CORPUS16_FOLDER);
}

QString ArchivePath(int scale, Packing packing)
{
    static QMap<QPair<int, Packing>, QString> packed;
    if (packing == Packing::DataZip)
        return ApplicationFolder(scale) + "/Data.zip";
    const QPair<int, Packing> key(scale, packing);
    if (!packed.contains(key))
        packed[key] =
            PackBySevenZip(scale, packing == Packing::SevenZipAes256 ? QStringLiteral("AES256")
                                                                     : QStringLiteral("ZipCrypto"));
    return packed[key];
}

QString ArchivePassword()
{
    return ThisApp::DataPW;
}

QString FreshFolder()
{
    static int counter = 0;
    const QString path = Scratch().path() + "/run" + QString::number(++counter);
    QDir().mkpath(path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

void RemoveFolder(const QString& path)
{
    if (!path.isEmpty())
        QDir(path).removeRecursively();
}

void ClearData()
{
    LoadedData& data = Loaded();
    ThisApp::Reset();
    RemoveFolder(data.temporaryFolder);
    RemoveFolder(data.preferenceFolder);
    data = {};
}

void SetUpData(int scale)
{
    ClearData();
    LoadedData& data = Loaded();
    data = {scale, FreshFolder(), FreshFolder()};
    Folders::SetApplicationFolder(ApplicationFolder(scale));
    Folders::SetTemporaryFolder(data.temporaryFolder);
    Folders::SetPreferencesFolder(data.preferenceFolder);
    ClearQuitRequest();
    ThisApp::OpenThis();
}

void EnsureDataAt(int scale)
{
    if (Loaded().scale != scale)
        SetUpData(scale);
}
