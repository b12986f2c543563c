#include "ui/MainWindow.h"

#include "consultation/logic/TypedNumber.h"
#include "data/ManuscriptObj.h"
#include "data/ThisApp.h"
#include "platform/TextFunctions.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>

bool MainWindow::SearchTF_KeyDown(QLineEdit*, const QString& key)
{
    QString ending = key;
    ending.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
    ending.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    if (ending != QStringLiteral("\r"))
        return false;
    OKpressed();
    return true;
}

void MainWindow::SearchBT_Action(QPushButton*)
{
    OKpressed();
}

void MainWindow::OKpressed()
{
    if (ManuscriptPU()->currentIndex() == -1)
        return;
    // Recorded before the number is read, so an empty field still changes the manuscript.
    ThisApp::CurrentSigla = ManuscriptPU()->currentText();

    const qint64 number = TypedNumber(SearchTF()->text());
    if (number == 0)
        return;
    const QString typed = Str(number);
    const bool referenceNumbering = EditionPU()->currentIndex() != 0;

    if (LaisseVersePU()->currentIndex() == 0) {
        GetLaisseText(typed, -1, false);
        // A typed reference-edition number needs no conversion before the tables are asked.
        Search(typed, referenceNumbering ? 1 : 0);
        return;
    }

    const ManuscriptObj* ms = ThisApp::Manuscript(ThisApp::CurrentSigla);
    if (!ms) {
        // Reports the manuscript that is not available.
        GetLaisseText(typed, number, true);
        return;
    }
    QString ownVerse = typed;
    if (referenceNumbering)
        ownVerse = ms->BEVdic.HasKey(typed) ? ms->BEVdic.Value(typed) : QString();
    if (ownVerse.isEmpty() || !ms->VLdic.HasKey(ownVerse)) {
        MainLB()->setRowCount(0);
        StatusST()->setText(QStringLiteral("Verse ") + typed + QStringLiteral(" does not exist."));
        return;
    }
    // The verse table gives the laisse in the manuscript's own numbering.
    const QString laisse = ms->VLdic.Value(ownVerse);
    GetLaisseText(laisse, WholeNumber(ownVerse), true);
    Search(laisse, 0);
}
