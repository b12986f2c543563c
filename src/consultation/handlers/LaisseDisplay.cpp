#include "ui/MainWindow.h"

#include "consultation/logic/LaisseText.h"
#include "data/ManuscriptObj.h"
#include "data/ThisApp.h"
#include "platform/TextFunctions.h"
#include "ui/ControlArrays.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTableWidget>

#include <limits>

namespace {

int SelectedRow(const QTableWidget* list)
{
    const QModelIndexList cells = list->selectionModel()->selectedIndexes();
    return cells.isEmpty() ? -1 : cells.first().row();
}

void ShowRows(QTableWidget* list, const QList<QStringList>& rows, int selectedRow)
{
    list->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < rows[row].size(); ++column)
            list->setItem(row, column, new QTableWidgetItem(rows[row][column]));
    }
    // A refill keeps the scroll position of the laisse before; each laisse starts at its top.
    list->scrollToTop();
    list->clearSelection();
    if (selectedRow >= 0) {
        const QModelIndex index = list->model()->index(selectedRow, 0);
        list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect
                                                           | QItemSelectionModel::Rows);
    }
}

QString NotAvailable(const QString& siglum)
{
    return QStringLiteral("Sorry, the text of ") + siglum
           + QStringLiteral(" is not yet available.");
}

QString NoSuchLaisse(const QString& laisse)
{
    return QStringLiteral("Laisse ") + laisse + QStringLiteral(" does not exist.");
}

} // namespace

void MainWindow::GetLaisseText(const QString& laisse, qint64 verse, bool ownNumbering)
{
    MainLB()->setRowCount(0);
    ThisApp::ShownSigla.clear();

    const ManuscriptObj* ms = ThisApp::Manuscript(ThisApp::CurrentSigla);
    if (!ms) {
        StatusST()->setText(NotAvailable(ThisApp::CurrentSigla));
        return;
    }

    QString key = laisse;
    if (!ownNumbering && EditionPU()->currentIndex() != 0) {
        if (!ms->BELdic.HasKey(laisse)) {
            StatusST()->setText(NoSuchLaisse(laisse));
            return;
        }
        key = ms->BELdic.Value(laisse);
    }

    // Recorded before the laisse is looked up: the step buttons move on from a missing one too.
    ThisApp::CurrentLaisseNum = WholeNumber(key);
    if (!ms->LVdic.HasKey(key)) {
        StatusST()->setText(NoSuchLaisse(key));
        return;
    }

    const LaisseText text = ReadLaisseText(ms->TextFi, ms->LVdic.Value(key), verse);
    if (text.outcome == LaisseText::NoTextFile)
        StatusST()->setText(NotAvailable(ms->MySigla));
    ShowRows(MainLB(), text.rows, text.selectedRow);
    if (!text.rows.isEmpty())
        ThisApp::ShownSigla = ms->MySigla;
}

void MainWindow::CorrespondanceLB_Change(QTableWidget* sender)
{
    const int row = SelectedRow(sender);
    if (row == -1)
        return;
    const QTableWidgetItem* siglumCell = sender->item(row, 0);
    const QTableWidgetItem* ownCell = sender->item(row, 2);
    ThisApp::CurrentSigla = siglumCell ? siglumCell->text() : QString();
    StatusST()->setText(QStringLiteral("This is the text of ms. ") + ThisApp::CurrentSigla);

    // Only the first laisse of the row is opened; "-" reads as 0 and opens nothing.
    const QStringList own = Split(ownCell ? ownCell->text() : QString(), QStringLiteral(","));
    if (own.isEmpty())
        return;
    const qint64 number = WholeNumber(own.first());
    if (number == 0)
        return;
    GetLaisseText(Str(number), 0, true);
}

void MainWindow::PrevNextLaisse_Action(BevelButton* sender)
{
    // Before any manuscript is current there is nothing to step through.
    if (ThisApp::CurrentSigla.isEmpty())
        return;
    // Saturating: the step has no bound, and a number at the end of the range stays there.
    const auto* member = qobject_cast<MainWindowControls::PrevNextLaisse*>(sender);
    const qint64 current = ThisApp::CurrentLaisseNum;
    qint64 number = current;
    if (member && member->Index() == 0) {
        if (current > std::numeric_limits<qint64>::min())
            number = current - 1;
    } else if (current < std::numeric_limits<qint64>::max()) {
        number = current + 1;
    }
    GetLaisseText(Str(number), 0, true);
}
