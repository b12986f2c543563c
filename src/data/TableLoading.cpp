#include "data/Correspondance.h"
#include "data/DataErrorMessage.h"
#include "data/ManuscriptObj.h"
#include "data/ManuscriptSigla.h"
#include "data/ThisApp.h"

#include "platform/LinkFreeFolder.h"
#include "platform/MessageBoxes.h"
#include "platform/Workers.h"

#include <QStringList>
#include <algorithm>
#include <exception>
#include <memory>
#include <vector>

// The manuscripts and the tables are loaded by several workers at once; each manuscript is
// entered, and each failure shown, afterwards on the calling thread and in the order one thread
// would have loaded them.
namespace ThisApp {

namespace {

// The seven manuscripts, from ManuscriptsFolder.
class ManuscriptLoads
{
public:
    ManuscriptLoads() : m_folder(ManuscriptsFolder), m_loads(size_t(ManuscriptSigla().size())) {}

    qsizetype count() const { return qsizetype(m_loads.size()); }

    // On a worker. A manuscript that cannot be loaded is left out; the others and the tables
    // still load.
    void load(qsizetype k)
    {
        const QString& siglum = ManuscriptSigla()[k];
        Load& load = m_loads[size_t(k)];
        try {
            load.manuscript = std::make_shared<ManuscriptObj>(siglum, m_folder);
        } catch (const DataFileError& error) {
            load.failure = DataErrorMessage(error.path);
        } catch (const std::exception&) {
            load.failure = DataErrorMessage(m_folder + QLatin1Char('/') + siglum);
        }
    }

    void enter() const
    {
        if (!ManuscriptDic)
            ManuscriptDic.emplace();
        for (qsizetype k = 0; k < count(); ++k) {
            const Load& load = m_loads[size_t(k)];
            if (load.manuscript)
                ManuscriptDic->insert(ManuscriptSigla()[k], load.manuscript);
            else
                MsgBox(load.failure);
        }
    }

private:
    struct Load
    {
        std::shared_ptr<ManuscriptObj> manuscript;
        QString failure;
    };
    QString m_folder;
    std::vector<Load> m_loads;
};

// One table per ".txt" item of CorrespondancesFolder, each in Correspondances from the start, so
// one that cannot be read stays there empty.
class TableLoads
{
public:
    TableLoads()
    {
        // A symbolic link in place of the folder counts as no folder, so no table comes from
        // where it points; a link in place of a table file is refused when the table opens it.
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
            m_loads.push_back({table, CorrespondancesFolder + QLatin1Char('/') + itemName});
        }
    }

    qsizetype count() const { return qsizetype(m_loads.size()); }

    // On a worker.
    void load(qsizetype k)
    {
        Load& load = m_loads[size_t(k)];
        try {
            load.read = load.table->readFile(load.path);
        } catch (const std::exception&) {
            // Told like a table that cannot be read; the rows read so far stay.
        }
    }

    void report() const
    {
        for (const Load& load : m_loads) {
            if (!load.read)
                MsgBox(DataErrorMessage(load.path));
        }
    }

private:
    struct Load
    {
        std::shared_ptr<Correspondance> table;
        QString path;
        bool read = false;
    };
    std::vector<Load> m_loads;
};

} // namespace

void MakeManuscriptDic()
{
    ManuscriptLoads manuscripts;
    RunJobs(manuscripts.count(), [&](qsizetype k) { manuscripts.load(k); });
    manuscripts.enter();
}

void TreatDataOrig()
{
    TableLoads tables;
    RunJobs(tables.count(), [&](qsizetype k) { tables.load(k); });
    tables.report();
}

void LoadAllTables()
{
    ManuscriptLoads manuscripts;
    TableLoads tables;
    RunJobs(manuscripts.count() + tables.count(), [&](qsizetype k) {
        if (k < manuscripts.count())
            manuscripts.load(k);
        else
            tables.load(k - manuscripts.count());
    });
    manuscripts.enter();
    tables.report();
}

} // namespace ThisApp
