#include "SampleArchive.h"

#include "data/ThisApp.h"

#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QProcess>

namespace {

// The archive is named by a function, so that it is made when the benchmark runs, not when it
// is registered before main.
void BM_SevenZipExtract(benchmark::State& state, QString (*archivePath)())
{
    const QString archive = archivePath();
    for (auto _ : state) {
        state.PauseTiming();
        const QString dest = FreshFolder();
        state.ResumeTiming();
        const int status = QProcess::execute("7z", {"x", "-y", "-bso0", "-bsp0",
                                                    "-p" + SampleArchivePassword(),
                                                    "-o" + dest, archive});
        if (status != 0) {
            state.SkipWithError("7z could not extract the archive");
            return;
        }
    }
}
BENCHMARK_CAPTURE(BM_SevenZipExtract, ours, &SampleArchivePath)
    ->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK_CAPTURE(BM_SevenZipExtract, sevenZipAes256, &SevenZipAesArchivePath)
    ->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

void BM_UnzipData(benchmark::State& state, QString (*archivePath)())
{
    const QString archive = archivePath();
    QString dest;
    for (auto _ : state) {
        state.PauseTiming();
        dest = FreshFolder();
        state.ResumeTiming();
        ThisApp::UnzipData(archive, dest);
    }
    // A walk that keeps nothing is fast and worthless.
    if (!QFileInfo::exists(dest + "/Data/Manuscripts/O/Texte.txt"))
        state.SkipWithError("the archive was not unpacked whole");
}
BENCHMARK_CAPTURE(BM_UnzipData, ours, &SampleArchivePath)
    ->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK_CAPTURE(BM_UnzipData, sevenZipAes256, &SevenZipAesArchivePath)
    ->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

void BM_DataSetup(benchmark::State& state)
{
    for (auto _ : state)
        RunDataSetup();
}
BENCHMARK(BM_DataSetup)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

} // namespace
