#include "Corpus.h"
#include "WindowWatch.h"

#include <benchmark/benchmark.h>

#include <QProcess>
#include <QProcessEnvironment>

#include <chrono>
#include <string>

namespace {

struct WindowProgram
{
    QString path;
    QString titleStart;
};

WindowWatch& Watch()
{
    static WindowWatch watch;
    return watch;
}

// From the start of the program to its window mapped on the X server of $DISPLAY, as a user
// starting it for the first time: a home and runtime folder of its own, nothing kept between
// runs.
void BM_StartToWindow(benchmark::State& state, const WindowProgram& started)
{
    if (!Watch().isConnected()) {
        state.SkipWithError("no X server: run under xvfb-run (bench/run.sh does)");
        return;
    }
    for (auto _ : state) {
        const QString home = FreshFolder();
        const QString runtime = FreshFolder();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString& name :
             QStringList{"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"})
            environment.remove(name);
        environment.insert("HOME", home);
        environment.insert("XDG_RUNTIME_DIR", runtime);
        environment.insert("QT_QPA_PLATFORM", "xcb");
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setProgram(started.path);
        Watch().discardEvents();

        const auto start = std::chrono::steady_clock::now();
        process.start();
        const bool mapped =
            process.waitForStarted()
            && Watch().waitForWindow(process.processId(), started.titleStart, 60000);
        const auto end = std::chrono::steady_clock::now();

        process.kill();
        process.waitForFinished();
        RemoveFolder(home);
        RemoveFolder(runtime);
        if (!mapped) {
            state.SkipWithError("the program showed no window");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}

const bool Registered = [] {
    for (int scale : Scales) {
        const std::string name = "BM_StartToWindow/corvane/scale:" + std::to_string(scale);
        benchmark::RegisterBenchmark(name.c_str(), BM_StartToWindow,
                                     WindowProgram{ApplicationFolder(scale) + "/Corvane",
                                                   "CORVANE"})
            ->Unit(benchmark::kMillisecond)
            ->MinTime(1.0)
            ->UseManualTime();
    }
    // Its cost does not depend on the corpus.
    benchmark::RegisterBenchmark("BM_StartToWindow/emptyWindow", BM_StartToWindow,
                                 WindowProgram{CORVANE_EMPTY_WINDOW, "Empty window"})
        ->Unit(benchmark::kMillisecond)
        ->MinTime(1.0)
        ->UseManualTime();
    return true;
}();

} // namespace
