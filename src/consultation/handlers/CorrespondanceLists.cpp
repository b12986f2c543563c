#include "ui/MainWindow.h"

#include "consultation/logic/CorrespondanceRows.h"
#include "data/Correspondance.h"
#include "data/ManuscriptObj.h"
#include "data/ThisApp.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include <algorithm>

namespace {

// The window has four correspondence lists; further tables are not shown.
constexpr int ListCount = 4;

const TextDictionary* ReferenceLaissesOf(const QString& siglum)
{
    const ManuscriptObj* ms = ThisApp::Manuscript(siglum);
    return ms ? &ms->BELdic : nullptr;
}

void ShowRows(QTableWidget* list, const QList<QStringList>& rows)
{
    for (const QStringList& cells : rows) {
        const int row = list->rowCount();
        list->insertRow(row);
        for (int column = 0; column < cells.size(); ++column)
            list->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
}

} // namespace

void MainWindow::Search(const QString& laisse, qint64 mode)
{
    if (ManuscriptPU()->currentIndex() == -1 || SearchTF()->text().isEmpty())
        return;
    const ManuscriptObj* ms = ThisApp::Manuscript(ThisApp::CurrentSigla);
    if (!ms)
        return;
    const std::optional<QString> key = CorrespondanceKey(ms->EBLdic, ms->BELdic, laisse, mode);
    if (!key)
        return;

    const int shown = int(std::min<qsizetype>(ListCount, ThisApp::Correspondances.size()));
    for (int i = 0; i < shown; ++i) {
        const Correspondance& table = *ThisApp::Correspondances.at(i);
        QTableWidget* list = CorrespondanceLB(i);
        list->setRowCount(0);
        MsST(i)->setText(table.Name);
        const QString answer = table.getCorrespondance(ThisApp::CurrentSigla, *key);
        if (answer != QStringLiteral("None"))
            ShowRows(list, CorrespondanceRows(answer, ReferenceLaissesOf));
    }
}
