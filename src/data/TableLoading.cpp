#include "Correspondance.h"
#include "DataErrorMessage.h"
#include "ManuscriptObj.h"
#include "ManuscriptSigla.h"
#include "ThisApp.h"

#include "platform/LinkFreeFolder.h"
#include "platform/MessageBoxes.h"
#include "platform/Workers.h"

#include <QStringList>
#include <algorithm>
#include <exception>
#include <memory>
#include <vector>

namespace ThisApp {

// The manuscripts, and then the tables, are loaded by several workers at once; each is entered,
// or its failure shown, afterwards on the calling thread and in the order one thread would have
// loaded them.

void MakeManuscriptDic()
{
    if (!ManuscriptDic)
        ManuscriptDic.emplace();
    const QString folder = ManuscriptsFolder;
    const QStringList& sigla = ManuscriptSigla();
    struct Load
    {
        std::shared_ptr<ManuscriptObj> manuscript;
        QString failure;
    };
    std::vector<Load> loads(size_t(sigla.size()));
    RunJobs(sigla.size(), [&](qsizetype k) {
        // A manuscript that cannot be loaded is left out; the others and the tables still load.
        Load& load = loads[size_t(k)];
        try {
            load.manuscript = std::make_shared<ManuscriptObj>(sigla[k], folder);
        } catch (const DataFileError& error) {
            load.failure = DataErrorMessage(error.path);
        } catch (const std::exception&) {
            load.failure = DataErrorMessage(folder + QLatin1Char('/') + sigla[k]);
        }
    });
    for (qsizetype k = 0; k < sigla.size(); ++k) {
        const Load& load = loads[size_t(k)];
        if (load.manuscript)
            ManuscriptDic->insert(sigla[k], load.manuscript);
        else
            MsgBox(load.failure);
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
    struct Load
    {
        std::shared_ptr<Correspondance> table;
        QString path;
        bool read = false;
    };
    std::vector<Load> loads;
    for (const QString& itemName : names) {
        if (!itemName.endsWith(QLatin1String(".txt")))
            continue;
        QString tableName = itemName;
        tableName.remove(tableName.indexOf(QLatin1String(".txt")), 4);
        auto table = std::make_shared<Correspondance>(tableName);
        Correspondances.append(table);
        loads.push_back({table, CorrespondancesFolder + QLatin1Char('/') + itemName});
    }
    RunJobs(qsizetype(loads.size()), [&](qsizetype k) {
        Load& load = loads[size_t(k)];
        try {
            load.read = load.table->readFile(load.path);
        } catch (const std::exception&) {
            // Told below like a table that cannot be read; the rows read so far stay.
        }
    });
    for (const Load& load : loads) {
        if (!load.read)
            MsgBox(DataErrorMessage(load.path));
    }
}

} // namespace ThisApp
