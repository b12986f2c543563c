#include "BenchWindow.h"
#include "Corpus.h"

#include "data/ThisApp.h"
#include "platform/LineReader.h"
#include "ui/MainWindow.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTableWidget>

#include <fcntl.h>
#include <unistd.h>

#include <cstring>
#include <vector>

namespace {

struct LongestManuscript
{
    QString siglum;
    QString textFile;
    QString lastLaisse;
};

// The manuscript whose text is the longest, and the own number of its last laisse: the request
// that reads the most of a text.
LongestManuscript FindLongestManuscript()
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

// The data at that scale, and the window with the request for the last laisse of its longest
// text typed in.
LongestManuscript PrepareRequest(int scale)
{
    EnsureDataAt(scale);
    const LongestManuscript target = FindLongestManuscript();
    MainWindow& window = BenchWindow();
    window.ManuscriptPU()->setCurrentIndex(window.ManuscriptPU()->findText(target.siglum));
    window.EditionPU()->setCurrentIndex(0);
    window.LaisseVersePU()->setCurrentIndex(0);
    window.SearchTF()->setText(target.lastLaisse);
    return target;
}

// The physical floor of reading a text for a laisse: one read() of the whole file into memory
// at hand, and its line ends counted.
void BM_ReadFloor(benchmark::State& state)
{
    const QByteArray path = QFile::encodeName(PrepareRequest(int(state.range(0))).textFile);
    std::vector<char> buffer(size_t(QFileInfo(QString::fromLocal8Bit(path)).size()) + 1);
    for (auto _ : state) {
        const int fd = ::open(path.constData(), O_RDONLY);
        const ssize_t got = fd < 0 ? -1 : ::read(fd, buffer.data(), buffer.size());
        if (fd >= 0)
            ::close(fd);
        if (got <= 0) {
            state.SkipWithError("the text could not be read");
            break;
        }
        qint64 lines = 0;
        const char* end = buffer.data() + got;
        for (const char* p = buffer.data();
             (p = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p)))); ++p)
            ++lines;
        benchmark::DoNotOptimize(lines);
    }
}

// The request's logic: its window is hidden, so nothing is painted.
void BM_RequestLogic(benchmark::State& state)
{
    PrepareRequest(int(state.range(0)));
    MainWindow& window = BenchWindow();
    window.hide();
    for (auto _ : state)
        window.OKpressed();
    if (window.MainLB()->rowCount() == 0)
        state.SkipWithError("the request showed no rows");
}

// The request with its window shown, and the laisse painted after it.
void BM_RequestShown(benchmark::State& state)
{
    PrepareRequest(int(state.range(0)));
    MainWindow& window = BenchWindow();
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        window.OKpressed();
        window.MainLB()->repaint();
    }
    if (window.MainLB()->rowCount() == 0)
        state.SkipWithError("the request showed no rows");
}

const bool Registered = [] {
    for (auto [name, function] :
         {std::pair{"BM_ReadFloor", &BM_ReadFloor}, std::pair{"BM_RequestLogic", &BM_RequestLogic},
          std::pair{"BM_RequestShown", &BM_RequestShown}})
        AtEveryScale(benchmark::RegisterBenchmark(name, function))
            ->Unit(benchmark::kMicrosecond)
            ->MinTime(0.3)
            ->UseRealTime();
    return true;
}();

} // namespace
