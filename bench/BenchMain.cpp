#include "RatioReporter.h"
#include "RequestBench.h"
#include "SampleArchive.h"

#include "data/ThisApp.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDirIterator>
#include <QFileInfo>

#include <malloc.h>

#include <cstdio>

namespace {

qint64 heapInUse()
{
    return static_cast<qint64>(mallinfo2().uordblks);
}

qint64 tableBytesOnDisk()
{
    qint64 total = 0;
    for (const char* name : {"LV.txt", "VL.txt", "BV.txt", "BL.txt"}) {
        QDirIterator it(ThisApp::ManuscriptsFolder, {QString::fromLatin1(name)}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            total += QFileInfo(it.next()).size();
    }
    QDirIterator tables(ThisApp::CorrespondancesFolder, {"*.txt"}, QDir::Files);
    while (tables.hasNext())
        total += QFileInfo(tables.next()).size();
    return total;
}

// The heap that the loaded tables hold, against the size of their files.
void reportTableMemory()
{
    ThisApp::Reset();
    const qint64 before = heapInUse();
    RunDataSetup();
    const qint64 held = heapInUse() - before;
    const qint64 onDisk = tableBytesOnDisk();
    const double ratio = onDisk > 0 ? double(held) / double(onDisk) : 0;
    std::printf("table memory: %lld bytes held / %lld bytes on disk = %.2f (goal <= 10.00) %s\n",
                static_cast<long long>(held), static_cast<long long>(onDisk), ratio,
                ratio <= 10 ? "met" : "MISSED");
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    // The request's window must go while the application still exists.
    CloseRequestWindow();

    std::printf("\n");
    reporter.printRatio("unpacking", "BM_UnzipData/ours", "BM_SevenZipExtract/ours", 1.3);
    reporter.printRatio("unpacking of 7-Zip AES-256", "BM_UnzipData/sevenZipAes256",
                        "BM_SevenZipExtract/sevenZipAes256", 1.3);
    reporter.printRatio("data set-up", "BM_DataSetup", "BM_SevenZipExtract/ours", 1.5);
    reporter.printRatio("request", "BM_RequestLastLaisse", "BM_ReadWholeText", 3.0);
    reportTableMemory();
    benchmark::Shutdown();
    return 0;
}
