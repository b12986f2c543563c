#include "data/ManuscriptObj.h"
#include "data/ThisApp.h"
#include "ui/MainWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <memory>

namespace {

// "C", "V7" and "V4" have a description to read but no text to show.
bool MayStaySelected(int index)
{
    return index <= 2 || index >= 6;
}

} // namespace

void MainWindow::ManuscriptPU_Change(QComboBox* sender)
{
    const int index = sender->currentIndex();
    if (index == -1)
        return;
    const QString siglum = sender->currentText();
    if (ThisApp::DescriptionDic)
        StatusST()->setText(ThisApp::DescriptionDic->value(siglum));
    if (!MayStaySelected(index)) {
        sender->setCurrentIndex(-1);
        return;
    }
    ThisApp::CurrentSigla = siglum;
}

void MainWindow::EditionPU_Change(QComboBox*) {}

bool MainWindow::MainLB_SortColumn(QTableWidget*, int)
{
    return true;
}

void MainWindow::SetManuscriptObj()
{
    if (!ThisApp::ManuscriptDic || ThisApp::CurrentSigla.isEmpty()
        || ThisApp::ManuscriptDic->contains(ThisApp::CurrentSigla))
        return;
    try {
        ThisApp::ManuscriptDic->insert(ThisApp::CurrentSigla,
                                       std::make_shared<ManuscriptObj>(ThisApp::CurrentSigla,
                                                                       ThisApp::ManuscriptsFolder));
    } catch (const DataFileError&) {
        // A manuscript whose tables cannot be read stays unloaded, as it was at start-up.
    }
}
