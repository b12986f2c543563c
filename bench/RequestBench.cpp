#include "RequestBench.h"
#include "SampleArchive.h"

#include "data/ThisApp.h"
#include "platform/LineReader.h"
#include "ui/MainWindow.h"

#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QTableWidget>

#include <memory>

namespace {

struct LongestManuscript
{
    QString siglum;
    QString textFile;
    QString lastLaisse;
};

// The manuscript whose text has the most lines, and the own number of its last laisse.
LongestManuscript findLongestManuscript()
{
    LongestManuscript best;
    qint64 bestSize = -1;
    const QDir manuscripts(ThisApp::ManuscriptsFolder);
    for (const QString& siglum : manuscripts.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QFileInfo text(manuscripts.filePath(siglum + "/Texte.txt"));
        if (!text.exists() || text.size() <= bestSize)
            continue;
        const QStringList lv = ReadAllLines(manuscripts.filePath(siglum + "/LV.txt"));
        if (lv.isEmpty())
            continue;
        bestSize = text.size();
        best = {siglum, text.filePath(), lv.last().section('\t', 0, 0)};
    }
    return best;
}

struct RequestFixture
{
    RequestFixture()
    {
        RunDataSetup();
        target = findLongestManuscript();
        window = std::make_unique<MainWindow>();
        window->Open();
        window->ManuscriptPU()->setCurrentIndex(window->ManuscriptPU()->findText(target.siglum));
        window->EditionPU()->setCurrentIndex(0);
        window->LaisseVersePU()->setCurrentIndex(0);
        window->SearchTF()->setText(target.lastLaisse);
    }
    LongestManuscript target;
    std::unique_ptr<MainWindow> window;
};

std::unique_ptr<RequestFixture>& fixtureSlot()
{
    static std::unique_ptr<RequestFixture> slot;
    return slot;
}

RequestFixture& fixture()
{
    if (!fixtureSlot())
        fixtureSlot() = std::make_unique<RequestFixture>();
    return *fixtureSlot();
}

void BM_ReadWholeText(benchmark::State& state)
{
    const QString path = fixture().target.textFile;
    for (auto _ : state) {
        LineReader reader(path);
        qint64 lines = 0;
        while (!reader.atEnd()) {
            benchmark::DoNotOptimize(reader.readLine());
            ++lines;
        }
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_ReadWholeText)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

void BM_RequestLastLaisse(benchmark::State& state)
{
    MainWindow& window = *fixture().window;
    for (auto _ : state)
        window.OKpressed();
    if (window.MainLB()->rowCount() == 0)
        state.SkipWithError("the request showed no rows");
}
BENCHMARK(BM_RequestLastLaisse)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

} // namespace

void CloseRequestWindow()
{
    fixtureSlot().reset();
}
