#include "BenchWindow.h"
#include "Corpus.h"

#include "data/ThisApp.h"
#include "platform/LineReader.h"
#include "ui/MainWindow.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTableWidget>

#include <chrono>

namespace {

// The own number of the laisse of siglum that has the most verses: "257" of P in the sample
// corpus, with 48.
QString LongestLaisse(const QString& siglum)
{
    QString longest;
    qsizetype most = -1;
    const QString lv = QDir(ThisApp::ManuscriptsFolder).filePath(siglum + "/LV.txt");
    for (const QString& line : ReadAllLines(lv)) {
        const qsizetype verses = line.section('\t', 1).count(',') + 1;
        if (verses > most) {
            most = verses;
            longest = line.section('\t', 0, 0);
        }
    }
    return longest;
}

// The lists lay out their rows on a timer, and show or hide the scroll bar in a posted event
// after that.
void Settle()
{
    QApplication::processEvents();
    QApplication::sendPostedEvents();
}

// A size typed into the size box, from the size below it, with the longest laisse of P in the
// main list: the five lists refit their rows and headings and the window is painted.
void BM_SizeChange(benchmark::State& state)
{
    EnsureDataAt(1);
    MainWindow& window = BenchWindow();
    window.ManuscriptPU()->setCurrentIndex(window.ManuscriptPU()->findText("P"));
    window.EditionPU()->setCurrentIndex(0);
    window.LaisseVersePU()->setCurrentIndex(0);
    window.SearchTF()->setText(LongestLaisse("P"));
    window.OKpressed();
    window.show();
    const QString sizeBefore = window.SizePU()->currentText();
    const auto size = int(state.range(0));
    for (auto _ : state) {
        window.SizePU()->setEditText(QString::number(size - 1));
        Settle();
        const auto start = std::chrono::steady_clock::now();
        window.SizePU()->setEditText(QString::number(size));
        Settle();
        window.repaint();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    const int rows = window.MainLB()->rowCount();
    window.SizePU()->setEditText(sizeBefore);
    if (rows < 2)
        state.SkipWithError("the laisse showed no verses");
}

const bool Registered = [] {
    benchmark::RegisterBenchmark("BM_SizeChange", BM_SizeChange)
        ->ArgName("size")
        ->Arg(12)
        ->Arg(400)
        ->Unit(benchmark::kMillisecond)
        ->MinTime(0.5)
        ->UseManualTime();
    return true;
}();

} // namespace
