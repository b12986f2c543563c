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
// a null QString; ManuscriptDic and DescriptionDic are unset while they hold no value.
namespace ThisApp {

extern QString DataFolder;
extern QString PreferenceFolder;
extern QString CorrespondancesFolder;
extern QString ManuscriptsFolder;
extern std::optional<QHash<QString, std::shared_ptr<ManuscriptObj>>> ManuscriptDic;
extern QList<std::shared_ptr<Correspondance>> Correspondances;
extern std::optional<QHash<QString, QString>> DescriptionDic;
extern QString CurrentSigla;
// The manuscript whose laisse the main list shows, which a citation names; empty while it shows
// none. CurrentSigla may already name another one (a manuscript picked, a list row clicked).
extern QString ShownSigla;
extern qint64 CurrentLaisseNum;
extern const QString DataPW;
// Held shared from before the unpacking until the quit, by every instance that unpacks, on the
// lock file "CorvaneData.lock" beside the unpack folder (not inside it, where an archive entry of
// that name would replace it); the last instance to quit is the one that can hold it alone.
extern InstanceLock DataLock;

// The data set-up, run once from the application's Open event.
void OpenThis();
void MakeManuscriptDic();
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
QString GetPath(const QString& base, const QString& path);

// The manuscript loaded under siglum, or nullptr when none is (the dictionary unset included).
ManuscriptObj* Manuscript(const QString& siglum);

// The nine manuscript descriptions, siglum and text, in the order they are entered.
const QList<std::pair<QString, QString>>& DescriptionTable();

// Puts every global back to its initial value.
void Reset();

} // namespace ThisApp
