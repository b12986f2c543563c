#pragma once

#include "platform/InstanceLock.h"

#include <QHash>
#include <QList>
#include <QString>
#include <memory>
#include <optional>
#include <utility>

class ManuscriptObj;
class Correspondance;

// Process-wide state and the data set-up that fills it. A folder global is "unset" while it is
// a null QString; ManuscriptDic and DescriptionDic are unset while they hold no value. Each value
// names the functions that write it; tests also set them directly and put every one back with
// Reset().
namespace ThisApp {

// Written by OpenThis: the unpack folder "CorvaneData" while the archive is unpacked, then its
// child "Data", which App::Event_Close removes at quit.
extern QString DataFolder;
// Written by OpenThis: "Tamrel_SoftWare/Corvane" in the preferences folder.
extern QString PreferenceFolder;
// Written by OpenThis once "Data" is found: its children "Correspondances" and "Manuscripts".
extern QString CorrespondancesFolder;
extern QString ManuscriptsFolder;
// Made empty by OpenThis and filled by LoadAllTables. MainWindow::SetManuscriptObj
// (handlers/ManuscriptChoice.cpp), which no event calls, adds the current manuscript when it is
// missing.
extern std::optional<QHash<QString, std::shared_ptr<ManuscriptObj>>> ManuscriptDic;
// Filled by LoadAllTables, each table appended before it is read.
extern QList<std::shared_ptr<Correspondance>> Correspondances;
// Written by OpenThis, from DescriptionTable().
extern std::optional<QHash<QString, QString>> DescriptionDic;
// Written by the window's handlers: ManuscriptPU_Change (handlers/ManuscriptChoice.cpp),
// CorrespondanceLB_Change (handlers/LaisseDisplay.cpp) and OKpressed
// (handlers/RequestDispatch.cpp).
extern QString CurrentSigla;
// The manuscript whose laisse the main list shows, which a citation names; empty while it shows
// none. CurrentSigla may already name another one (a manuscript picked, a list row clicked).
// Written by GetLaisseText (handlers/LaisseDisplay.cpp).
extern QString ShownSigla;
// Written by GetLaisseText (handlers/LaisseDisplay.cpp): the laisse last asked for, in the
// manuscript's own numbering, whether it exists or not.
extern qint64 CurrentLaisseNum;
// Never written: the password of every entry of "Data.zip", fixed when the program is built.
extern const QString DataPW;
// Held shared from before the unpacking until the quit, by every instance that unpacks, on the
// lock file "CorvaneData.lock" beside the unpack folder (not inside it, where an archive entry of
// that name would replace it); the last instance to quit is the one that can hold it alone.
// Taken by OpenThis; held alone and let go by App::Event_Close.
extern InstanceLock DataLock;

// The data set-up, run once from the application's Open event.
void OpenThis();
// Loads the seven manuscripts from ManuscriptsFolder into ManuscriptDic, made when unset; a
// manuscript that cannot be loaded is left out and its data error shown.
// Kept in ThisApp's interface; the application itself calls LoadAllTables.
void MakeManuscriptDic();
// Appends one table per ".txt" item of CorrespondancesFolder to Correspondances; a table that
// cannot be read stays there empty and its data error is shown.
// Kept in ThisApp's interface; the application itself calls LoadAllTables.
void TreatDataOrig();
// MakeManuscriptDic and then TreatDataOrig, their loading shared out among one set of workers.
void LoadAllTables();

// A crafted archive must not fill the disk: one unpacking writes at most this many bytes.
constexpr qint64 UnpackByteLimit = qint64(1) << 30;

// Unpacks every file entry of zipFile below destFolder. An entry whose name could lead outside
// destFolder is skipped; an entry that cannot be read whole leaves any older copy as it was.
// The walk stops before the entry that would take the bytes written past byteLimit.
void UnzipData(const QString& zipFile, const QString& destFolder,
               qint64 byteLimit = UnpackByteLimit);

// The item that path names below base, creating the folders on the way but not the item.
// Empty when the path cannot be followed safely (a ".." part, a symbolic link or another user's
// folder on the way, a folder that cannot be created).
// Kept in ThisApp's interface; the application itself calls UnzipData.
QString GetPath(const QString& base, const QString& path);

// The manuscript loaded under siglum, or nullptr when none is (the dictionary unset included).
ManuscriptObj* Manuscript(const QString& siglum);

// The nine manuscript descriptions, siglum and text, in the order they are entered.
const QList<std::pair<QString, QString>>& DescriptionTable();

// Puts every global back to its initial value, so that each test starts from a fresh process's
// state.
void Reset();

} // namespace ThisApp
