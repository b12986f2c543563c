#include "BenchWindow.h"
#include "Corpus.h"
#include "Figures.h"
#include "RatioReporter.h"

#include "data/ThisApp.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDirIterator>
#include <QFileInfo>

#include <malloc.h>
#include <sched.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

qint64 HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<qint64>(info.uordblks + info.hblkhd);
}

qint64 TableBytesOnDisk()
{
    qint64 total = 0;
    for (const char* name : {"LV.txt", "VL.txt", "BV.txt", "BL.txt"}) {
        QDirIterator it(ThisApp::ManuscriptsFolder, {QString::fromLatin1(name)}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            total += QFileInfo(it.next()).size();
    }
    QDirIterator tables(ThisApp::CorrespondancesFolder, {"*.txt"}, QDir::Files);
    while (tables.hasNext())
        total += QFileInfo(tables.next()).size();
    return total;
}

// The heap that the loaded tables hold, against the size of their files.
void ReportTableMemory(int scale)
{
    ClearData();
    const qint64 before = HeapInUse();
    SetUpData(scale);
    const qint64 held = HeapInUse() - before;
    const qint64 onDisk = TableBytesOnDisk();
    char detail[96];
    std::snprintf(detail, sizeof detail, "[%lld bytes held / %lld on disk]",
                  static_cast<long long>(held), static_cast<long long>(onDisk));
    PrintFigure("table heap / disk, " + std::to_string(scale) + "x",
                {onDisk > 0 ? double(held) / double(onDisk) : 0}, 4.0, detail);
}

std::string At(const std::string& name, int scale)
{
    return name + "/scale:" + std::to_string(scale);
}

void PrintFigures(const RatioReporter& r)
{
    double load[3] = {0, 0, 0};
    getloadavg(load, 3);
    cpu_set_t cpus;
    const int cpuCount = sched_getaffinity(0, sizeof cpus, &cpus) == 0 ? CPU_COUNT(&cpus) : 0;
    std::printf("\nFigures: median (lowest-highest) over the repetitions of the ratio of each "
                "repetition; %d CPUs; load average %.2f %.2f %.2f\n",
                cpuCount, load[0], load[1], load[2]);

    const Series emptyWindow = r.seconds("BM_StartToWindow/emptyWindow");
    Series setupGrowth[2];
    for (int scale : Scales) {
        const std::string x = " " + std::to_string(scale) + "x";
        const auto extract = [&](const char* packing) {
            return r.seconds(At(std::string("BM_SevenZipExtract/") + packing, scale));
        };
        const auto unzip = [&](const char* packing) {
            return r.seconds(At(std::string("BM_UnzipData/") + packing, scale));
        };
        PrintRatio("unpacking / 7-Zip, 7-Zip AES-256 zip," + x, unzip("sevenZipAes256"),
                   extract("sevenZipAes256"), 1.0);
        PrintRatio("unpacking / 7-Zip, 7-Zip ZipCrypto zip," + x, unzip("sevenZipZipCrypto"),
                   extract("sevenZipZipCrypto"), 1.0);
        PrintRatio("unpacking / 7-Zip, Data.zip," + x, unzip("dataZip"), extract("dataZip"), 1.0);
        const Series setup = r.seconds(At("BM_DataSetup", scale));
        PrintRatio("data set-up / 7-Zip, Data.zip," + x, setup, extract("dataZip"), 1.2);
        setupGrowth[scale == 1 ? 0 : 1] = Divided(setup, extract("dataZip"));

        const Series floor = r.seconds(At("BM_ReadFloor", scale));
        PrintRatio("last-laisse request logic / read()," + x,
                   r.seconds(At("BM_RequestLogic", scale)), floor, 3.0);
        PrintRatio("the same, shown and painted / read()," + x,
                   r.seconds(At("BM_RequestShown", scale)), floor, 0);
        PrintRatio("start to window / (empty window + 7-Zip)," + x,
                   r.seconds(At("BM_StartToWindow/corvane", scale)),
                   Added(emptyWindow, extract("dataZip")), 1.2);
    }
    PrintFigure("set-up / 7-Zip at 16x, against 1x", Divided(setupGrowth[1], setupGrowth[0]), 1.0);
    PrintRatio("start to window, stored size 400 / 12",
               r.seconds("BM_StartToWindow/corvane/storedSize:400"),
               r.seconds("BM_StartToWindow/corvane/storedSize:12"), 1.2);
    PrintRatio("size change to 400 / to 12, longest laisse", r.seconds("BM_SizeChange/size:400"),
               r.seconds("BM_SizeChange/size:12"), 1.5);
    for (int scale : Scales)
        ReportTableMemory(scale);
}

} // namespace

int main(int argc, char** argv)
{
    // The request's window is painted offscreen; the started programs get the X server.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // Several repetitions, interleaved, unless the command line says otherwise.
    std::vector<char*> arguments = {argv[0]};
    std::string repetitions = "--benchmark_repetitions=5";
    std::string interleaving = "--benchmark_enable_random_interleaving=true";
    arguments.push_back(repetitions.data());
    arguments.push_back(interleaving.data());
    arguments.insert(arguments.end(), argv + 1, argv + argc);
    int count = int(arguments.size());
    benchmark::Initialize(&count, arguments.data());

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    CloseBenchWindow();
    PrintFigures(reporter);
    ClearData();
    benchmark::Shutdown();
    return 0;
}
