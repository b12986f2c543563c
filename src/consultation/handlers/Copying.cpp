#include "consultation/logic/CopyText.h"
#include "data/ThisApp.h"
#include "ui/BevelButton.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QTableWidget>

void MainWindow::CopyBT_Open(BevelButton* sender)
{
    sender->AddRow(QStringLiteral("1: Row data."));
    sender->AddRow(QStringLiteral("2: Remove markings."));
    sender->AddRow(QStringLiteral("3: Arrange for citation."));
}

void MainWindow::CopyBT_Action(BevelButton* sender)
{
    if (MainLB()->selectionModel()->selectedRows().isEmpty())
        return;
    QStringList lines;
    switch (sender->MenuValue()) {
    case 0:
        CopyList(MainLB(), lines);
        break;
    case 1:
        CopyList(MainLB(), lines);
        Copy_RemoveMarking(lines);
        break;
    case 2:
        CopyList(MainLB(), lines);
        Copy_RemoveMarking(lines);
        Copy_ArrangeVerseNum(lines);
        break;
    default:
        break;
    }
    QApplication::clipboard()->setText(ClipboardText(lines));
}

// Copies the sender's selected rows as the copy button's first form, "1: Row data.", does; a
// side list's copy is the same.
void MainWindow::MainLB_Copy(QTableWidget* sender)
{
    if (sender->selectionModel()->selectedRows().isEmpty())
        return;
    QStringList lines;
    CopyList(sender, lines);
    QApplication::clipboard()->setText(ClipboardText(lines));
}

void MainWindow::CorrespondanceLB_Copy(QTableWidget* sender)
{
    MainLB_Copy(sender);
}

void MainWindow::CopyList(QTableWidget* list, QStringList& lines)
{
    for (int row = 0; row < list->rowCount(); ++row) {
        if (!list->selectionModel()->isRowSelected(row, QModelIndex()))
            continue;
        QStringList cells;
        for (int column = 0; column < list->columnCount(); ++column) {
            const QTableWidgetItem* cell = list->item(row, column);
            cells.append(cell ? cell->text() : QString());
        }
        lines.append(cells.join(QLatin1Char('\t')));
    }
}

void MainWindow::Copy_RemoveMarking(QStringList& lines)
{
    for (QString& line : lines)
        line = RemoveMarkings(line);
}

void MainWindow::Copy_ArrangeVerseNum(QStringList& lines)
{
    // The copied rows are those of the laisse on show, whatever manuscript is current since.
    ArrangeForCitation(lines, ThisApp::ShownSigla);
}
