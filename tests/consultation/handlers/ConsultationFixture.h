#pragma once

#include "ProcessStateGuard.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <memory>

class MainWindow;
class QTableWidget;

// A MainWindow opened on a small data set of the test's making. Under a fresh process state
// (ProcessStateGuard), the files are packed into "Data.zip" beside the application, the data
// set-up runs on the archive (ThisApp::OpenThis), and a MainWindow is made and opened. Message
// boxes are recorded, never shown. Destroying the fixture closes nothing: it deletes the window,
// then puts the process state back.
//
//     ConsultationFixture fixture;
//     fixture.request("P", 0, 0, "12");
//     EXPECT_EQ(fixture.texts(), ...);
//
// The standard data set (StandardFiles), own laisse numbers first and reference-edition
// numbers after "ref":
// - P: laisses 1 (verses 1-2), 2 (3-4), 12 (120, 121, 121), 13 (130-131), 14 (140-141); own 13
//   is ref 14 and own 14 is ref 13, the others keep their number; ref 16 is own 15, which has
//   no text lines. Own verse 121 is ref verse 125. Row texts begin "P12 " for laisse 12 and so on.
// - T: laisses 1, 11 (ref 12), 12 (ref 13). L: laisse 1 lists lines "3,1,2", laisse 2 "5,5",
//   laisse 3 "4,5,"; rows "L un" to "L cinq". O: laisse 1 and V7: laisse 14, both without
//   "Texte.txt" (V7 cannot be chosen in the manuscript popup, only reached from a list).
//   C and V4: empty tables, no text.
// - Correspondence tables "Autres" (rows T=001 C=001 and T=002 C=002: P stands in none) and
//   "Laisses" (rows P=001 T=001 L=001 / P=002 T=002 L=0 / P=012 T=012 T=013 lv=012 /
//   P=012 T=020 / P=013 T=013 L=003 / P=014 V7=014), so they fill lists 0 and 1.
class ConsultationFixture
{
public:
    // Paths below the archive's folder "Data" ("Manuscripts/P/Texte.txt") and their contents.
    using DataFiles = QMap<QString, QByteArray>;

    static DataFiles StandardFiles();

    explicit ConsultationFixture(const DataFiles& files = StandardFiles());
    ~ConsultationFixture();
    ConsultationFixture(const ConsultationFixture&) = delete;
    ConsultationFixture& operator=(const ConsultationFixture&) = delete;

    MainWindow& window() const { return *m_window; }
    const TempFolders& folders() const { return m_state.folders(); }
    // Every message box text shown since the fixture was made, start-up included.
    const QStringList& messages() const { return m_state.recorder().messages(); }

    // Chooses the manuscript, the numbering (0 own, 1 reference) and laisse (0) or verse (1),
    // types number into the emptied search field and presses Return.
    void request(const QString& siglum, int edition, int laisseVerse, const QString& number);

    // The cells of every row of a list, and its one selected row (-1 for none).
    static QList<QStringList> rows(const QTableWidget* list);
    static int selectedRow(const QTableWidget* list);
    // Column 3 ("Text") of the main list, row by row.
    QStringList texts() const;

private:
    ProcessStateGuard m_state;
    std::unique_ptr<MainWindow> m_window;
};
