#include "data/ThisApp.h"

#include "data/DataPassword.h"
#include "data/ManuscriptObj.h"
#include "platform/FolderLock.h"
#include "platform/Folders.h"
#include "platform/MessageBoxes.h"
#include "platform/Quitting.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace ThisApp {

QString DataFolder;
QString PreferenceFolder;
QString CorrespondancesFolder;
QString ManuscriptsFolder;
std::optional<QHash<QString, std::shared_ptr<ManuscriptObj>>> ManuscriptDic;
QList<std::shared_ptr<Correspondance>> Correspondances;
std::optional<QHash<QString, QString>> DescriptionDic;
QString CurrentSigla;
QString ShownSigla;
qint64 CurrentLaisseNum = 0;
const QString DataPW = QString::fromUtf8(DataPassword);
InstanceLock DataLock;

namespace {

const QString DataCheckFailed = QStringLiteral("Error: ThisAp/OpenThis");

// The unpack folder, made when missing; empty when there is no per-user temporary folder or
// the "CorvaneData" found there is a symbolic link or another user's, so nothing is written
// into it or deleted through it.
QString MakeUnpackFolder()
{
    const QString temporary = Folders::TemporaryFolder();
    if (temporary.isEmpty())
        return QString();
    const QString folder = temporary + QStringLiteral("/CorvaneData");
    if (!QFileInfo(folder).isSymLink())
        QDir().mkdir(folder);
    return Folders::IsOwnRealFolder(folder) ? folder : QString();
}

// "Tamrel_SoftWare/Corvane" in the preferences folder, made where missing; an existing folder
// and what it holds stay as they are.
void MakePreferenceFolder()
{
    const QString preferences = Folders::PreferencesFolder();
    if (preferences.isEmpty())
        return;
    const QString vendor = preferences + QStringLiteral("/Tamrel_SoftWare");
    QDir().mkpath(vendor);
    PreferenceFolder = vendor + QStringLiteral("/Corvane");
    QDir().mkpath(PreferenceFolder);
}

// "Data.zip" beside the application, or else the "data.zip" that the missing-archive message
// names; empty when neither is there.
QString FindArchive()
{
    for (const QString& name : {QStringLiteral("Data.zip"), QStringLiteral("data.zip")}) {
        const QString archive = Folders::ApplicationFolder() + QLatin1Char('/') + name;
        if (QFileInfo::exists(archive))
            return archive;
    }
    return QString();
}

// Taken before the unpacking, so that nothing is unpacked into a folder that the last instance to
// quit is removing; waits until that one is done. Where it cannot be held, this instance goes on
// alone and says so, as it will remove the data at its quit under any other.
void HoldDataLock(const QString& path)
{
    if (DataLock.holdShared(path))
        return;
    const QString line = QStringLiteral("Corvane: cannot lock %1: windows started here are not "
                                        "coordinated; each removes the unpacked data when it "
                                        "quits\n")
                             .arg(QDir::toNativeSeparators(path));
    std::fputs(line.toLocal8Bit().constData(), stderr);
}

} // namespace

void OpenThis()
{
    const QString archive = FindArchive();
    if (archive.isEmpty()) {
        MsgBox(QStringLiteral("Please put ") + QChar(0x60)
               + QStringLiteral("data.zip' file in the same folder/directory as Corvane."));
        Quit(0);
        return;
    }

    const QString unpackFolder = MakeUnpackFolder();
    if (!unpackFolder.isEmpty())
        HoldDataLock(unpackFolder + QStringLiteral(".lock"));

    // A message box waiting for its answer would hold the lock below, and every other start.
    const HeldBackMessages messages;
    // One start at a time unpacks and reads what it unpacked, so the tables and the texts this
    // instance keeps come from one archive, whatever another start unpacks after it.
    const FolderLock unpacking(unpackFolder);
    if (!unpackFolder.isEmpty()) {
        // A file or link that an earlier run left where "Data" belongs would fail every start.
        Folders::RemoveOwnNonFolder(unpackFolder + QStringLiteral("/Data"));
        DataFolder = unpackFolder;
        UnzipData(archive, DataFolder);
        DataFolder = DataFolder + QStringLiteral("/Data");
    }

    MakePreferenceFolder();

    if (DataFolder.isEmpty() || !Folders::IsOwnRealFolder(DataFolder)) {
        MsgBox(DataCheckFailed);
        return;
    }

    CorrespondancesFolder = DataFolder + QStringLiteral("/Correspondances");
    ManuscriptsFolder = DataFolder + QStringLiteral("/Manuscripts");

    ManuscriptDic.emplace();
    LoadAllTables();

    DescriptionDic.emplace();
    for (const auto& [siglum, description] : DescriptionTable())
        DescriptionDic->insert(siglum, description);
}

ManuscriptObj* Manuscript(const QString& siglum)
{
    if (!ManuscriptDic)
        return nullptr;
    const auto found = ManuscriptDic->constFind(siglum);
    return found == ManuscriptDic->constEnd() ? nullptr : found->get();
}

void Reset()
{
    DataFolder.clear();
    PreferenceFolder.clear();
    CorrespondancesFolder.clear();
    ManuscriptsFolder.clear();
    ManuscriptDic.reset();
    Correspondances.clear();
    DescriptionDic.reset();
    CurrentSigla.clear();
    ShownSigla.clear();
    CurrentLaisseNum = 0;
    DataLock.release();
}

} // namespace ThisApp
