#include "SampleArchive.h"

#include "data/ThisApp.h"

#include <benchmark/benchmark.h>

#include <QProcess>

namespace {

void BM_SevenZipExtract(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        const QString dest = FreshFolder();
        state.ResumeTiming();
        const int status = QProcess::execute("7z", {"x", "-y", "-bso0", "-bsp0",
                                                    "-p" + SampleArchivePassword(),
                                                    "-o" + dest, SampleArchivePath()});
        if (status != 0) {
            state.SkipWithError("7z could not extract the sample archive");
            return;
        }
    }
}
BENCHMARK(BM_SevenZipExtract)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

void BM_UnzipData(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        const QString dest = FreshFolder();
        state.ResumeTiming();
        ThisApp::UnzipData(SampleArchivePath(), dest);
    }
}
BENCHMARK(BM_UnzipData)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

void BM_DataSetup(benchmark::State& state)
{
    for (auto _ : state)
        RunDataSetup();
}
BENCHMARK(BM_DataSetup)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

} // namespace
