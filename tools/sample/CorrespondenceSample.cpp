#include "sample/CorrespondenceSample.h"

#include "sample/ManuscriptSample.h"

#include <QSet>
#include <QStringList>

namespace {

struct Column
{
    QString siglum;
    bool zeroWhenMissing; // "P=0" rather than no field
};

// The two fragments hold a short stretch of the poem each, numbered from 1.
struct Fragment
{
    QString siglum;
    int firstEpisode;
    int lastEpisode;
};
const Fragment Fragments[] = {{"lv", 60, 95}, {"F", 210, 240}};

class Alignment
{
public:
    explicit Alignment(const std::vector<ManuscriptSample>& manuscripts)
        : m_manuscripts(manuscripts)
    {
    }

    QList<int> laisses(const QString& siglum, int episode) const
    {
        for (const ManuscriptSample& manuscript : m_manuscripts) {
            if (manuscript.siglum() == siglum)
                return manuscript.referenceLaisses(episode);
        }
        for (const Fragment& fragment : Fragments) {
            if (fragment.siglum == siglum && episode >= fragment.firstEpisode
                && episode <= fragment.lastEpisode)
                return {episode - fragment.firstEpisode + 1};
        }
        return {};
    }

    const QList<int>& episodeOrder(const QString& siglum) const
    {
        for (const ManuscriptSample& manuscript : m_manuscripts) {
            if (manuscript.siglum() == siglum)
                return manuscript.episodeOrder();
        }
        static const QList<int> none;
        return none;
    }

    // One row: TAB-separated fields such as P=012; empty when no column has the episode.
    QByteArray row(int episode, const QList<Column>& columns) const
    {
        QStringList fields;
        bool any = false;
        for (const Column& column : columns) {
            const QList<int> numbers = laisses(column.siglum, episode);
            any = any || !numbers.isEmpty();
            for (int number : numbers)
                fields << column.siglum + '=' + QString::number(number).rightJustified(3, '0');
            if (numbers.isEmpty() && column.zeroWhenMissing)
                fields << column.siglum + "=0";
        }
        return any ? fields.join('\t').toUtf8() + '\n' : QByteArray();
    }

    QByteArray table(const QList<int>& episodes, const QList<Column>& columns) const
    {
        QByteArray content;
        for (int episode : episodes)
            content += row(episode, columns);
        return content;
    }

private:
    const std::vector<ManuscriptSample>& m_manuscripts;
};

QList<Column> Columns(const QStringList& zero, const QStringList& omitted)
{
    QList<Column> result;
    for (const QString& siglum : zero)
        result.append({siglum, true});
    for (const QString& siglum : omitted)
        result.append({siglum, false});
    return result;
}

} // namespace

QMap<QString, QByteArray> CorrespondenceTables(const std::vector<ManuscriptSample>& manuscripts,
                                               int episodeCount)
{
    const Alignment alignment(manuscripts);
    QList<int> allEpisodes;
    for (int episode = 1; episode <= episodeCount; ++episode)
        allEpisodes << episode;

    // Rows in the order P tells the poem, then the episodes that P lacks.
    QList<int> orderOfP = alignment.episodeOrder("P");
    const QSet<int> inP(orderOfP.begin(), orderOfP.end());
    for (int episode : allEpisodes) {
        if (!inP.contains(episode))
            orderOfP << episode;
    }

    // Every seventh episode is left out of one table, which lists a good share only.
    QList<int> mostEpisodes;
    for (int episode : allEpisodes) {
        if (episode % 7 != 3)
            mostEpisodes << episode;
    }

    QMap<QString, QByteArray> tables;
    tables["Brunquel.txt"] =
        alignment.table(allEpisodes, Columns({"P", "T", "L", "C", "V7", "V4", "O"}, {"lv", "F"}));
    tables["OPTL.txt"] = alignment.table(allEpisodes, Columns({}, {"O", "P", "T", "L"}));
    tables["Tennmoor.txt"] =
        alignment.table(orderOfP, Columns({"P", "L", "T", "O"}, {"C", "V4", "V7", "F", "lv"}));
    tables["Venise.txt"] =
        alignment.table(mostEpisodes, Columns({"V4", "V7"}, {"C", "P", "T", "L", "O"}));
    return tables;
}
