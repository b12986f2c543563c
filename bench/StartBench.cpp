#include "Corpus.h"
#include "WindowWatch.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include <chrono>
#include <string>

namespace {

struct WindowProgram
{
    QString path;
    QString titleStart;
    // The list text size that the settings of an earlier run hold; none when empty.
    QString storedSize;
};

// The settings an earlier run would have left in home: the window at the size of its layout,
// the first choice of each popup, the system's font and the list text size.
void StoreSettings(const QString& home, const QString& size)
{
    const QString folder = home + "/.config/Tamrel_SoftWare/Corvane";
    QDir().mkpath(folder);
    QFile file(folder + "/Mainwindow.txt");
    if (file.open(QIODevice::WriteOnly))
        file.write(QStringLiteral("0\n0\n1404\n1021\n0\n0\n0\n-1\n%1\n").arg(size).toUtf8());
}

WindowWatch& Watch()
{
    static WindowWatch watch;
    return watch;
}

// From the start of the program to its window mapped on the X server of $DISPLAY, as a user
// starting it for the first time, or for the second with a stored size: a home and runtime
// folder of its own, nothing kept between runs.
void BM_StartToWindow(benchmark::State& state, const WindowProgram& started)
{
    if (!Watch().isConnected()) {
        state.SkipWithError("no X server: run under xvfb-run (bench/run.sh does)");
        return;
    }
    for (auto _ : state) {
        const QString home = FreshFolder();
        const QString runtime = FreshFolder();
        if (!started.storedSize.isEmpty())
            StoreSettings(home, started.storedSize);
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

void RegisterStart(const std::string& name, const WindowProgram& program)
{
    benchmark::RegisterBenchmark(name.c_str(), BM_StartToWindow, program)
        ->Unit(benchmark::kMillisecond)
        ->MinTime(1.0)
        ->UseManualTime();
}

const bool Registered = [] {
    for (int scale : Scales)
        RegisterStart("BM_StartToWindow/corvane/scale:" + std::to_string(scale),
                      {ApplicationFolder(scale) + "/Corvane", "CORVANE", {}});
    for (const char* size : {"12", "400"})
        RegisterStart(std::string("BM_StartToWindow/corvane/storedSize:") + size,
                      {ApplicationFolder(1) + "/Corvane", "CORVANE", QString::fromLatin1(size)});
    // Its cost does not depend on the corpus.
    RegisterStart("BM_StartToWindow/emptyWindow", {CORVANE_EMPTY_WINDOW, "Empty window", {}});
    return true;
}();

} // namespace
