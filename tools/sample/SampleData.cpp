#include "sample/SampleData.h"

#include "sample/CorrespondenceSample.h"
#include "sample/ManuscriptSample.h"
#include "sample/SampleRandom.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <vector>

namespace {

// Episodes of the poem at scale 1; a larger scale tells a poem that many times as long.
const int EpisodeCount = 420;
const quint64 Seed = 0x5665737472656CULL;

const ManuscriptProfile Profiles[] = {
    // siglum, seed, first and last episode, episodes left out per thousand, first folio, text
    {"P", Seed + 1, 1, 420, 30, 1, true},    {"T", Seed + 2, 1, 410, 60, 3, true},
    {"L", Seed + 3, 1, 400, 50, 12, true},   {"C", Seed + 4, 20, 420, 100, 1, true},
    {"V7", Seed + 5, 1, 380, 120, 2, false}, {"V4", Seed + 6, 1, 420, 150, 5, true},
    {"O", Seed + 7, 1, 300, 40, 1, true},
};

} // namespace

QMap<QString, QByteArray> SampleDataFiles(int scale)
{
    const int episodeCount = EpisodeCount * scale;
    SampleRandom random(Seed);
    QList<int> episodeLengths;
    for (int episode = 1; episode <= episodeCount; ++episode)
        episodeLengths << random.between(9, 24);

    std::vector<ManuscriptSample> manuscripts;
    for (ManuscriptProfile profile : Profiles) {
        profile.lastEpisode *= scale;
        manuscripts.emplace_back(profile, episodeLengths);
    }

    QMap<QString, QByteArray> files;
    for (const ManuscriptSample& manuscript : manuscripts) {
        const QString folder = "Data/Manuscripts/" + manuscript.siglum() + '/';
        if (manuscript.hasText())
            files[folder + "Texte.txt"] = manuscript.texte();
        files[folder + "LV.txt"] = manuscript.laisseLines();
        files[folder + "VL.txt"] = manuscript.verseLaisses();
        files[folder + "BV.txt"] = manuscript.verseNumbers();
        files[folder + "BL.txt"] = manuscript.laisseNumbers();
    }
    const QMap<QString, QByteArray> tables = CorrespondenceTables(manuscripts, episodeCount);
    for (auto table = tables.begin(); table != tables.end(); ++table)
        files["Data/Correspondances/" + table.key()] = table.value();
    return files;
}

bool WriteSampleData(const QString& folder, QString* error, int scale)
{
    if (!QDir().mkpath(folder + "/Data")) {
        *error = "Cannot create " + folder + "/Data";
        return false;
    }
    const QMap<QString, QByteArray> files = SampleDataFiles(scale);
    for (auto file = files.begin(); file != files.end(); ++file) {
        const QString path = folder + '/' + file.key();
        if (!QDir().mkpath(QFileInfo(path).path())) {
            *error = "Cannot create the folder of " + path;
            return false;
        }
        QSaveFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(file.value()) != file.value().size()
            || !out.commit()) {
            *error = "Cannot write " + path + ": " + out.errorString();
            return false;
        }
    }
    return true;
}
