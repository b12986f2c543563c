#include "App.h"
#include "MainRoutine.h"
#include "data/ThisApp.h"
#include "platform/Folders.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QSocketNotifier>
#include <QTableWidget>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace {

void Say(const QByteArray& line)
{
    std::puts(line.constData());
    std::fflush(stdout);
}

// A line "P 12" on standard input shows laisse 12 of P, in its own numbering, and answers with
// the text cells of the rows shown, joined by "|", or with the status line when none is.
void AnswerRequests()
{
    auto* input = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, qApp);
    QObject::connect(input, &QSocketNotifier::activated, input, [input] {
        char buffer[256];
        const ssize_t size = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (size <= 0) {
            input->setEnabled(false);
            return;
        }
        const QStringList request = QString::fromLatin1(buffer, size).simplified().split(' ');
        MainWindow& window = MainWindow::instance();
        ThisApp::CurrentSigla = request.value(0);
        window.GetLaisseText(request.value(1), 0, true);
        QStringList texts;
        for (int row = 0; row < window.MainLB()->rowCount(); ++row)
            texts.append(window.MainLB()->item(row, 3)->text());
        Say(texts.isEmpty() ? window.StatusST()->text().toUtf8() : texts.join('|').toUtf8());
    });
}

} // namespace

// The application as it runs, started by the tests as a process of its own, with its archive in
// the folder given as the one argument. Once its event loop runs it says so on standard output,
// or that a message box holds the start-up; then it answers requests from standard input.
int main(int argc, char** argv)
{
    App app(argc, argv);
    if (argc != 2)
        return 2;
    Folders::SetApplicationFolder(QString::fromLocal8Bit(argv[1]));
    QTimer::singleShot(0, [] {
        const bool held = QApplication::activeModalWidget();
        Say(held ? "message" : "running");
        if (!held)
            AnswerRequests();
    });
    return MainRoutine();
}
