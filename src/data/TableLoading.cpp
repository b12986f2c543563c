#include "Correspondance.h"
#include "DataErrorMessage.h"
#include "ManuscriptObj.h"
#include "ManuscriptSigla.h"
#include "ThisApp.h"

#include "platform/LinkFreeFolder.h"
#include "platform/MessageBoxes.h"

#include <QStringList>
#include <algorithm>
#include <exception>

namespace ThisApp {

void MakeManuscriptDic()
{
    if (!ManuscriptDic)
        ManuscriptDic.emplace();
    for (const QString& siglum : ManuscriptSigla()) {
        // A manuscript that cannot be loaded is left out; the others and the tables still load.
        try {
            auto manuscript = std::make_shared<ManuscriptObj>(siglum, ManuscriptsFolder);
            ManuscriptDic->insert(siglum, manuscript);
        } catch (const DataFileError& error) {
            MsgBox(DataErrorMessage(error.path));
        } catch (const std::exception&) {
            MsgBox(DataErrorMessage(ManuscriptsFolder + QLatin1Char('/') + siglum));
        }
    }
}

void TreatDataOrig()
{
    // A symbolic link in place of the folder counts as no folder, so no table comes from where it
    // points; a link in place of a table file is refused when the table opens it.
    const LinkFreeFolder folder(CorrespondancesFolder);
    // Sorted by plain text comparison, so the tables stand in the same order on every machine.
    QStringList names = folder.names();
    std::sort(names.begin(), names.end());
    for (const QString& itemName : names) {
        if (!itemName.endsWith(QLatin1String(".txt")))
            continue;
        QString tableName = itemName;
        tableName.remove(tableName.indexOf(QLatin1String(".txt")), 4);
        auto table = std::make_shared<Correspondance>(tableName);
        Correspondances.append(table);
        const QString path = CorrespondancesFolder + QLatin1Char('/') + itemName;
        try {
            table->additem(tableName, path);
        } catch (const std::exception&) {
            MsgBox(DataErrorMessage(path));
        }
    }
}

} // namespace ThisApp
