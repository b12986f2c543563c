#include "Corpus.h"

#include "data/ThisApp.h"

#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QProcess>

#include <string>
#include <utility>

namespace {

// What a user would run instead: 7-Zip extracting the files the application writes. Data.zip
// also holds "__MACOSX" entries, which the application passes over, so 7-Zip is told to pass
// over them too.
void BM_SevenZipExtract(benchmark::State& state, Packing packing)
{
    const QString archive = ArchivePath(int(state.range(0)), packing);
    for (auto _ : state) {
        state.PauseTiming();
        const QString dest = FreshFolder();
        state.ResumeTiming();
        const int status =
            QProcess::execute("7z", {"x", "-y", "-bso0", "-bsp0", "-p" + ArchivePassword(),
                                     "-x!__MACOSX", "-o" + dest, archive});
        state.PauseTiming();
        RemoveFolder(dest);
        if (status != 0) {
            state.SkipWithError("7z could not extract the archive");
            break;
        }
        state.ResumeTiming();
    }
}

void BM_UnzipData(benchmark::State& state, Packing packing)
{
    const QString archive = ArchivePath(int(state.range(0)), packing);
    for (auto _ : state) {
        state.PauseTiming();
        const QString dest = FreshFolder();
        state.ResumeTiming();
        ThisApp::UnzipData(archive, dest);
        state.PauseTiming();
        // A walk that keeps nothing is fast and worthless.
        const bool whole = QFileInfo::exists(dest + "/Data/Manuscripts/O/Texte.txt");
        RemoveFolder(dest);
        if (!whole) {
            state.SkipWithError("the archive was not unpacked whole");
            break;
        }
        state.ResumeTiming();
    }
}

void BM_DataSetup(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        ClearData();
        state.ResumeTiming();
        SetUpData(int(state.range(0)));
    }
}

// A second of each per repetition: at 1x one run takes some 50 ms, and the disk's own work
// (journal, write-back) falls on a few of them.
const bool Registered = [] {
    const std::pair<const char*, Packing> packings[] = {{"dataZip", Packing::DataZip},
                                                        {"sevenZipAes256", Packing::SevenZipAes256},
                                                        {"sevenZipZipCrypto",
                                                         Packing::SevenZipZipCrypto}};
    for (const auto& [name, packing] : packings) {
        AtEveryScale(
            benchmark::RegisterBenchmark((std::string("BM_SevenZipExtract/") + name).c_str(),
                                         BM_SevenZipExtract, packing))
            ->Unit(benchmark::kMillisecond)
            ->MinTime(1.0)
            ->UseRealTime();
        AtEveryScale(benchmark::RegisterBenchmark((std::string("BM_UnzipData/") + name).c_str(),
                                                  BM_UnzipData, packing))
            ->Unit(benchmark::kMillisecond)
            ->MinTime(1.0)
            ->UseRealTime();
    }
    AtEveryScale(benchmark::RegisterBenchmark("BM_DataSetup", BM_DataSetup))
        ->Unit(benchmark::kMillisecond)
        ->MinTime(1.0)
        ->UseRealTime();
    return true;
}();

} // namespace
