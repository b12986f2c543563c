#include "ConsultationFixture.h"

#include "data/ThisApp.h"
#include "ui/MainWindow.h"
#include "zip/ZipWriter.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

namespace {

QByteArray Lines(const QList<QByteArray>& lines)
{
    QByteArray text;
    for (const QByteArray& line : lines)
        text += line + '\n';
    return text;
}

void AddManuscript(ConsultationFixture::DataFiles& files, const QString& siglum,
                   const QList<QByteArray>& text, const QList<QByteArray>& LV,
                   const QList<QByteArray>& VL, const QList<QByteArray>& BV,
                   const QList<QByteArray>& BL)
{
    const QString folder = QStringLiteral("Manuscripts/") + siglum + QLatin1Char('/');
    if (!text.isEmpty())
        files.insert(folder + "Texte.txt", Lines(text));
    files.insert(folder + "LV.txt", Lines(LV));
    files.insert(folder + "VL.txt", Lines(VL));
    files.insert(folder + "BV.txt", Lines(BV));
    files.insert(folder + "BL.txt", Lines(BL));
}

} // namespace

ConsultationFixture::DataFiles ConsultationFixture::StandardFiles()
{
    DataFiles files;
    AddManuscript(files, "P",
                  {"1r\t1\t1\tP1 Seignurs baruns", "1r\t1\t2\tP1 oiez bone chan\xC3\xA7un",
                   "1v\t2\t3\tP2 Li reis chevalche", "1v\t2\t4\tP2 par la terre",
                   "5r\t12\t120\tP12 Halt sunt li pui", "5r\t12\t121\tP12 e tenebrus e grant",
                   "5v\t12\t121\tP12 les vals parfunt", "5v\t13\t130\tP13 Li quens s'en turnet",
                   "5v\t13\t131\tP13 desuz un pin", "6r\t14\t140\tP14 Sun olifant",
                   "6r\t14\t141\tP14 met a sa buche"},
                  {"1\t1,2", "2\t3,4", "12\t5,6,7", "13\t8,9", "14\t10,11"},
                  {"1\t1", "2\t1", "3\t2", "4\t2", "120\t12", "121\t12", "130\t13", "131\t13",
                   "140\t14", "141\t14"},
                  {"1\t1", "2\t2", "120\t120", "121\t125", "130\t130"},
                  {"1\t1", "2\t2", "12\t12", "13\t14", "14\t13", "15\t16"});
    AddManuscript(files, "T",
                  {"1r\t1\t1\tT1 un", "1r\t1\t2\tT1 deux", "3r\t11\t110\tT11 onze",
                   "3v\t12\t120\tT12 douze"},
                  {"1\t1,2", "11\t3", "12\t4"}, {"1\t1", "2\t1", "110\t11", "120\t12"}, {},
                  {"1\t1", "11\t12", "12\t13"});
    AddManuscript(files, "L",
                  {"1r\t1\t1\tL un", "1r\t1\t2\tL deux", "1r\t1\t3\tL trois", "1v\t2\t4\tL quatre",
                   "1v\t2\t5\tL cinq"},
                  {"1\t3,1,2", "2\t5,5", "3\t4,5,"}, {}, {}, {"1\t1", "2\t2", "3\t3"});
    AddManuscript(files, "C", {}, {}, {}, {}, {});
    AddManuscript(files, "V7", {}, {"14\t1"}, {}, {}, {"14\t14"});
    AddManuscript(files, "V4", {}, {}, {}, {}, {});
    AddManuscript(files, "O", {}, {"1\t1"}, {}, {}, {"1\t1"});
    files.insert("Correspondances/Autres.txt", Lines({"T=001\tC=001", "T=002\tC=002"}));
    files.insert("Correspondances/Laisses.txt",
                 Lines({"P=001\tT=001\tL=001", "P=002\tT=002\tL=0", "P=012\tT=012\tT=013\tlv=012",
                        "P=012\tT=020", "P=013\tT=013\tL=003", "P=014\tV7=014"}));
    return files;
}

ConsultationFixture::ConsultationFixture(const DataFiles& files)
{
    const TempFolders& folders = m_state.folders();
    const QString source = folders.root() + QStringLiteral("/source");
    for (auto it = files.constBegin(); it != files.constEnd(); ++it)
        folders.writeFile(QStringLiteral("source/Data/") + it.key(), it.value());
    QString error;
    if (!PackFolder(source, folders.application() + QStringLiteral("/Data.zip"), ThisApp::DataPW,
                    ZipEncryption::Aes256, &error))
        qFatal("ConsultationFixture: %s", qPrintable(error));

    ThisApp::OpenThis();
    m_window = std::make_unique<MainWindow>();
    m_window->Open();
}

// The window goes before the guard puts the process state back.
ConsultationFixture::~ConsultationFixture() = default;

void ConsultationFixture::request(const QString& siglum, int edition, int laisseVerse,
                                  const QString& number)
{
    m_window->ManuscriptPU()->setCurrentIndex(m_window->ManuscriptPU()->findText(siglum));
    m_window->EditionPU()->setCurrentIndex(edition);
    m_window->LaisseVersePU()->setCurrentIndex(laisseVerse);
    m_window->SearchTF()->clear();
    QTest::keyClicks(m_window->SearchTF(), number);
    QTest::keyClick(m_window->SearchTF(), Qt::Key_Return);
}

QList<QStringList> ConsultationFixture::rows(const QTableWidget* list)
{
    QList<QStringList> rows;
    for (int row = 0; row < list->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < list->columnCount(); ++column) {
            const QTableWidgetItem* item = list->item(row, column);
            cells.append(item ? item->text() : QString());
        }
        rows.append(cells);
    }
    return rows;
}

int ConsultationFixture::selectedRow(const QTableWidget* list)
{
    const QList<QTableWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->row();
}

QStringList ConsultationFixture::texts() const
{
    QStringList texts;
    for (const QStringList& row : rows(m_window->MainLB()))
        texts.append(row.value(3));
    return texts;
}
