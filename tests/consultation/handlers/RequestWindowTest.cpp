#include "ConsultationFixture.h"
#include "QtPrinters.h"

#include "data/ThisApp.h"
#include "ui/BevelButton.h"
#include "ui/MainWindow.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

namespace {

using Rows = QList<QStringList>;

const QStringList kLaisse12 = {"P12 Halt sunt li pui", "P12 e tenebrus e grant",
                               "P12 les vals parfunt"};
const QStringList kLaisse13 = {"P13 Li quens s'en turnet", "P13 desuz un pin"};
const QStringList kLaisse14 = {"P14 Sun olifant", "P14 met a sa buche"};
const QStringList kLaisse1 = {"P1 Seignurs baruns",
                              QString::fromUtf8("P1 oiez bone chan\xC3\xA7un")};

// Tables sort by name: "Autres" fills list 0 and "Laisses" list 1.
constexpr int kAutres = 0;
constexpr int kLaisses = 1;

// What the four correspondence lists and their labels show.
struct SideLists
{
    QList<Rows> rows;
    QStringList labels;
    bool operator==(const SideLists& other) const
    {
        return rows == other.rows && labels == other.labels;
    }
};

SideLists SideListsOf(const MainWindow& window)
{
    SideLists lists;
    for (int i = 0; i < 4; ++i) {
        lists.rows.append(ConsultationFixture::rows(window.CorrespondanceLB(i)));
        lists.labels.append(window.MsST(i)->text());
    }
    return lists;
}

void PrintTo(const SideLists& lists, std::ostream* os)
{
    for (int i = 0; i < lists.labels.size(); ++i) {
        *os << "\n  " << qPrintable(lists.labels[i]) << ":";
        for (const QStringList& row : lists.rows[i])
            *os << " [" << qPrintable(row.join('|')) << "]";
    }
}

void ClickRow(QTableWidget* list, int row)
{
    const QRect cell = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
}

QString Status(const ConsultationFixture& fixture)
{
    return fixture.window().StatusST()->text();
}

const Rows kLaisses12 = {{"P", "012,012", "12,12"},
                         {"T", "012, 013,020", "11,12,-"},
                         {"L", ",", "-,-"},
                         {"lv", "012,", "-,-"},
                         {"V7", ",", "-,-"}};

const Rows kLaisses14 = {
    {"P", "014", "13"}, {"T", "", ""}, {"L", "", ""}, {"lv", "", ""}, {"V7", "014", "14"}};

// Return and the OK button

TEST(RequestDispatch, ReturnAndOkButtonStartTheSameRequest)
{
    ConsultationFixture fixture;
    MainWindow& window = fixture.window();
    window.ManuscriptPU()->setCurrentIndex(0);

    QTest::keyClicks(window.SearchTF(), "12");
    EXPECT_EQ(window.SearchTF()->text(), QString("12"));
    EXPECT_TRUE(fixture.texts().isEmpty());
    QTest::keyClick(window.SearchTF(), Qt::Key_Return);
    EXPECT_EQ(fixture.texts(), kLaisse12);
    const SideLists afterReturn = SideListsOf(window);

    window.MainLB()->setRowCount(0);
    for (int i = 0; i < 4; ++i)
        window.CorrespondanceLB(i)->setRowCount(0);
    QTest::mouseClick(window.SearchBT(), Qt::LeftButton);
    EXPECT_EQ(fixture.texts(), kLaisse12);
    EXPECT_EQ(SideListsOf(window), afterReturn);

    EXPECT_FALSE(window.SearchTF_KeyDown(window.SearchTF(), "1"));
    EXPECT_TRUE(window.SearchTF_KeyDown(window.SearchTF(), "\n"));
    EXPECT_TRUE(window.SearchTF_KeyDown(window.SearchTF(), "\r\n"));
}

TEST(RequestDispatch, ReturnThatNoControlUsesRunsTheRequestOnce)
{
    ConsultationFixture fixture;
    MainWindow& window = fixture.window();
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QSignalSpy okClicks(window.SearchBT(), &QPushButton::clicked);

    // The search field runs the request itself and leaves nothing to the OK button.
    fixture.request("P", 0, 0, "12");
    EXPECT_EQ(fixture.texts(), kLaisse12);
    EXPECT_EQ(okClicks.count(), 0);

    // The lists have no use for Return, nor has the status line, which the user may type into.
    struct Place
    {
        QWidget* control;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* typed;
        QStringList texts;
    };
    window.MainLB()->selectRow(1);
    const QList<Place> places = {
        {window.MainLB(), Qt::Key_Return, Qt::NoModifier, "13", kLaisse13},
        {window.CorrespondanceLB(kLaisses), Qt::Key_Return, Qt::NoModifier, "14", kLaisse14},
        {window.StatusST(), Qt::Key_Enter, Qt::KeypadModifier, "1", kLaisse1},
    };
    for (const Place& place : places) {
        SCOPED_TRACE(place.control->objectName().toStdString());
        window.SearchTF()->setText(QString::fromLatin1(place.typed));
        place.control->setFocus();
        QTest::keyClick(place.control, place.key, place.modifiers);
        EXPECT_EQ(fixture.texts(), place.texts);
    }
    EXPECT_EQ(okClicks.count(), places.size());

    // Return ends a size typed into the size box, and only that.
    window.MainLB()->setRowCount(0);
    window.SizePU()->setFocus();
    window.SizePU()->lineEdit()->selectAll();
    QTest::keyClicks(window.SizePU(), "14");
    QTest::keyClick(window.SizePU(), Qt::Key_Return);
    EXPECT_EQ(window.MainLB()->font().pointSizeF(), 14.0);
    EXPECT_TRUE(fixture.texts().isEmpty());
}

TEST(RequestDispatch, TypedNumberIsReadAsAWholeNumber)
{
    ConsultationFixture fixture;
    for (const char* typed : {"12.7", "0012", " 12", "12abc"}) {
        fixture.window().MainLB()->setRowCount(0);
        fixture.request("P", 0, 0, QLatin1String(typed));
        EXPECT_EQ(fixture.texts(), kLaisse12) << typed;
        EXPECT_EQ(ConsultationFixture::selectedRow(fixture.window().MainLB()), -1) << typed;
    }

    // Full-width digits, as a Japanese input method commits them.
    MainWindow& window = fixture.window();
    window.MainLB()->setRowCount(0);
    window.SearchTF()->setText(QString::fromUtf8("１２"));
    QTest::keyClick(window.SearchTF(), Qt::Key_Return);
    EXPECT_EQ(fixture.texts(), kLaisse12);
}

TEST(RequestDispatch, EmptyFieldChangesOnlyTheCurrentManuscript)
{
    ConsultationFixture fixture;
    MainWindow& window = fixture.window();
    fixture.request("P", 0, 0, "12");
    const SideLists lists = SideListsOf(window);

    window.ManuscriptPU()->setCurrentIndex(window.ManuscriptPU()->findText("T"));
    ThisApp::CurrentSigla = "P";
    const QString status = Status(fixture);
    for (const char* typed : {"", "0", "abc"}) {
        window.SearchTF()->setText(QString::fromLatin1(typed));
        QTest::keyClick(window.SearchTF(), Qt::Key_Return);
        EXPECT_EQ(ThisApp::CurrentSigla, QString("T")) << typed;
        EXPECT_EQ(fixture.texts(), kLaisse12) << typed;
        EXPECT_EQ(Status(fixture), status) << typed;
        EXPECT_EQ(SideListsOf(window), lists) << typed;
        ThisApp::CurrentSigla = "P";
    }

    window.ManuscriptPU()->setCurrentIndex(-1);
    window.SearchTF()->setText("1");
    window.OKpressed();
    EXPECT_EQ(ThisApp::CurrentSigla, QString("P"));
    EXPECT_EQ(fixture.texts(), kLaisse12);
}

// Verse mode

TEST(RequestDispatch, VerseModeShowsTheLaisseAndSelectsTheVerse)
{
    ConsultationFixture fixture;
    MainWindow& window = fixture.window();

    fixture.request("P", 0, 1, "121");
    EXPECT_EQ(fixture.texts(), kLaisse12);
    EXPECT_EQ(ConsultationFixture::selectedRow(window.MainLB()), 2);
    EXPECT_EQ(ConsultationFixture::rows(window.CorrespondanceLB(kLaisses)), kLaisses12);

    // No item chosen in the laisse-or-verse popup reads the number as a verse.
    fixture.request("P", 0, -1, "130");
    EXPECT_EQ(fixture.texts(), kLaisse13);
    EXPECT_EQ(ConsultationFixture::selectedRow(window.MainLB()), 0);
    EXPECT_EQ(ThisApp::CurrentLaisseNum, 13);
}

TEST(RequestDispatch, ReferenceVerseIsTurnedIntoTheOwnVerse)
{
    ConsultationFixture fixture;
    MainWindow& window = fixture.window();

    fixture.request("P", 1, 1, "125");
    EXPECT_EQ(fixture.texts(), kLaisse12);
    EXPECT_EQ(ConsultationFixture::selectedRow(window.MainLB()), 2);
    EXPECT_EQ(ConsultationFixture::rows(window.CorrespondanceLB(kLaisses)), kLaisses12);

    // Own verse 130 keeps its number in the reference edition.
    fixture.request("P", 1, 1, "130");
    EXPECT_EQ(fixture.texts(), kLaisse13);
    EXPECT_EQ(ConsultationFixture::selectedRow(window.MainLB()), 0);
}

TEST(RequestDispatch, MissingVerseIsReportedAndTheListsStay)
{
    ConsultationFixture fixture;
    MainWindow& window = fixture.window();
    fixture.request("P", 0, 0, "12");
    const SideLists lists = SideListsOf(window);

    // 121 is an own verse number but no reference-edition one.
    const QList<std::pair<int, const char*>> cases = {{0, "999"}, {1, "121"}, {0, "-3"}};
    for (const auto& [edition, typed] : cases) {
        fixture.request("P", 0, 0, "12");
        fixture.request("P", edition, 1, QLatin1String(typed));
        EXPECT_EQ(Status(fixture), QString("Verse %1 does not exist.").arg(QLatin1String(typed)));
        EXPECT_TRUE(fixture.texts().isEmpty()) << typed;
        EXPECT_EQ(SideListsOf(window), lists) << typed;
    }
}

// Both numberings

TEST(RequestDispatch, BothNumberingsShowTheSameLaisseAndCorrespondances)
{
    ConsultationFixture fixture;
    MainWindow& window = fixture.window();

    fixture.request("P", 0, 0, "13");
    EXPECT_EQ(fixture.texts(), kLaisse13);
    const SideLists own = SideListsOf(window);
    EXPECT_EQ(own.rows[kLaisses], kLaisses14);
    // P stands in no row of "Autres": its list stays empty under its name.
    EXPECT_TRUE(own.rows[kAutres].isEmpty());
    EXPECT_EQ(own.labels, (QStringList{"Autres", "Laisses", QString::fromUtf8("名称未設定"),
                                       QString::fromUtf8("名称未設定")}));

    fixture.request("P", 1, 0, "14");
    EXPECT_EQ(fixture.texts(), kLaisse13);
    EXPECT_EQ(ThisApp::CurrentLaisseNum, 13);
    EXPECT_EQ(SideListsOf(window), own);

    fixture.request("P", 1, 0, "13");
    EXPECT_EQ(fixture.texts(), kLaisse14);
    EXPECT_EQ(ConsultationFixture::rows(window.CorrespondanceLB(kLaisses)),
              (Rows{{"P", "013", "14"},
                    {"T", "013", "12"},
                    {"L", "003", "3"},
                    {"lv", "", ""},
                    {"V7", "", ""}}));
}

// Status messages

TEST(LaisseDisplay, ReportsMissingLaisses)
{
    ConsultationFixture fixture;
    struct Case
    {
        int edition;
        const char* typed;
        const char* status;
    };
    // Reference 16 is own 15, which has no lines; reference 7 is no laisse at all.
    for (const Case& c :
         {Case{0, "7", "Laisse 7 does not exist."}, Case{1, "7", "Laisse 7 does not exist."},
          Case{1, "16", "Laisse 15 does not exist."}, Case{0, "-2", "Laisse -2 does not exist."}}) {
        fixture.request("P", 0, 0, "12");
        fixture.request("P", c.edition, 0, QLatin1String(c.typed));
        EXPECT_EQ(Status(fixture), QString::fromLatin1(c.status));
        EXPECT_TRUE(fixture.texts().isEmpty()) << c.typed;
    }

    // A laisse shown afterwards leaves the message standing.
    fixture.request("P", 0, 0, "12");
    EXPECT_EQ(fixture.texts(), kLaisse12);
    EXPECT_EQ(Status(fixture), QString("Laisse -2 does not exist."));
}

TEST(LaisseDisplay, ReportsManuscriptsWithoutText)
{
    ConsultationFixture::DataFiles files = ConsultationFixture::StandardFiles();
    files.remove("Manuscripts/T/BL.txt");
    ConsultationFixture fixture(files);
    MainWindow& window = fixture.window();
    ASSERT_EQ(ThisApp::Manuscript("T"), nullptr);

    fixture.request("O", 0, 0, "1");
    EXPECT_EQ(Status(fixture), QString("Sorry, the text of O is not yet available."));
    EXPECT_TRUE(fixture.texts().isEmpty());
    EXPECT_EQ(SideListsOf(window).labels.mid(0, 2), (QStringList{"Autres", "Laisses"}));

    // A manuscript left out at start-up answers in both modes, and the lists stay.
    for (int mode : {0, 1}) {
        fixture.request("P", 0, 0, "1");
        const SideLists lists = SideListsOf(window);
        fixture.request("T", 0, mode, "1");
        EXPECT_EQ(Status(fixture), QString("Sorry, the text of T is not yet available."));
        EXPECT_TRUE(fixture.texts().isEmpty());
        EXPECT_EQ(SideListsOf(window), lists);
    }
}

TEST(LaisseDisplay, ShowsListedLinesInFileOrder)
{
    ConsultationFixture fixture;
    fixture.request("L", 0, 0, "1");
    EXPECT_EQ(fixture.texts(), (QStringList{"L un", "L deux", "L trois"}));
    EXPECT_EQ(ConsultationFixture::rows(fixture.window().MainLB()).value(0),
              (QStringList{"1r", "1", "1", "L un"}));
    fixture.request("L", 0, 0, "2");
    EXPECT_EQ(fixture.texts(), (QStringList{"L cinq"}));
    fixture.request("L", 0, 0, "3");
    EXPECT_EQ(fixture.texts(), (QStringList{"L quatre", "L cinq"}));
}

// Correspondence rows and the step buttons

TEST(LaisseDisplay, CorrespondanceRowOpensItsFirstLaisse)
{
    ConsultationFixture fixture;
    MainWindow& window = fixture.window();
    window.show();
    fixture.request("P", 0, 0, "12");
    const SideLists lists = SideListsOf(window);
    QTableWidget* laisses = window.CorrespondanceLB(kLaisses);

    ClickRow(laisses, 1);
    EXPECT_EQ(ThisApp::CurrentSigla, QString("T"));
    EXPECT_EQ(Status(fixture), QString("This is the text of ms. T"));
    EXPECT_EQ(fixture.texts(), (QStringList{"T11 onze"}));
    EXPECT_EQ(ThisApp::CurrentLaisseNum, 11);
    EXPECT_EQ(SideListsOf(window), lists);

    // "-" rows, and the row of a siglum without data, open nothing.
    for (int row : {2, 3}) {
        ClickRow(laisses, row);
        const QString siglum = lists.rows[kLaisses][row][0];
        EXPECT_EQ(ThisApp::CurrentSigla, siglum);
        EXPECT_EQ(Status(fixture), "This is the text of ms. " + siglum);
        EXPECT_EQ(fixture.texts(), (QStringList{"T11 onze"}));
    }
    EXPECT_EQ(SideListsOf(window), lists);

    fixture.request("P", 0, 0, "13");
    ClickRow(window.CorrespondanceLB(kLaisses), 4);
    EXPECT_EQ(Status(fixture), QString("Sorry, the text of V7 is not yet available."));
    EXPECT_TRUE(fixture.texts().isEmpty());
}

TEST(LaisseDisplay, StepButtonsBeforeAnyRequestChangeNothing)
{
    ConsultationFixture fixture;
    MainWindow& window = fixture.window();
    window.show();
    const QString status = Status(fixture);
    QTest::mouseClick(window.PrevNextLaisse(1), Qt::LeftButton);
    QTest::mouseClick(window.PrevNextLaisse(0), Qt::LeftButton);
    EXPECT_EQ(Status(fixture), status);
    EXPECT_EQ(ThisApp::CurrentLaisseNum, 0);
    EXPECT_TRUE(fixture.texts().isEmpty());
}

TEST(LaisseDisplay, StepsThroughOwnNumbering)
{
    ConsultationFixture fixture;
    MainWindow& window = fixture.window();
    window.show();
    BevelButton* previous = window.PrevNextLaisse(0);
    BevelButton* next = window.PrevNextLaisse(1);

    fixture.request("P", 0, 0, "1");
    const SideLists lists = SideListsOf(window);
    QTest::mouseClick(previous, Qt::LeftButton);
    EXPECT_EQ(Status(fixture), QString("Laisse 0 does not exist."));
    EXPECT_TRUE(fixture.texts().isEmpty());
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(fixture.texts(), kLaisse1);
    EXPECT_EQ(SideListsOf(window), lists);

    fixture.request("P", 1, 0, "14");
    EXPECT_EQ(fixture.texts(), kLaisse13);
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(fixture.texts(), kLaisse14);
    QTest::mouseClick(previous, Qt::LeftButton);
    QTest::mouseClick(previous, Qt::LeftButton);
    EXPECT_EQ(fixture.texts(), kLaisse12);

    // Before any manuscript is current, and at the end of the number range.
    ThisApp::CurrentSigla = "lv";
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(Status(fixture), QString("Sorry, the text of lv is not yet available."));
    ThisApp::CurrentSigla = "P";
    ThisApp::CurrentLaisseNum = std::numeric_limits<qint64>::max();
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(ThisApp::CurrentLaisseNum, std::numeric_limits<qint64>::max());
}

// P with two laisses of 40 verses each, more than the main list shows at once.
ConsultationFixture::DataFiles LongLaisses()
{
    ConsultationFixture::DataFiles files = ConsultationFixture::StandardFiles();
    QByteArray text;
    QByteArray lines[2];
    for (int verse = 1; verse <= 80; ++verse) {
        const int laisse = verse <= 40 ? 1 : 2;
        text += QString("1r\t%1\t%2\tverse %2\n").arg(laisse).arg(verse).toUtf8();
        lines[laisse - 1] += (lines[laisse - 1].isEmpty() ? "" : ",") + QByteArray::number(verse);
    }
    files["Manuscripts/P/Texte.txt"] = text;
    files["Manuscripts/P/LV.txt"] = "1\t" + lines[0] + "\n2\t" + lines[1] + "\n";
    files["Manuscripts/P/VL.txt"] = "75\t2\n";
    return files;
}

bool RowInView(const QTableWidget* list, int row)
{
    const QRect cell = list->visualRect(list->model()->index(row, 0));
    return cell.top() >= 0 && cell.bottom() <= list->viewport()->height();
}

TEST(LaisseDisplay, EachLaisseStartsAtItsFirstVerse)
{
    ConsultationFixture fixture(LongLaisses());
    MainWindow& window = fixture.window();
    window.show();
    QTableWidget* list = window.MainLB();

    fixture.request("P", 0, 0, "1");
    list->scrollToBottom();
    ASSERT_FALSE(RowInView(list, 0));
    QTest::mouseClick(window.PrevNextLaisse(1), Qt::LeftButton);
    ASSERT_EQ(fixture.texts().value(0), QString("verse 41"));
    EXPECT_TRUE(RowInView(list, 0));

    // In verse mode the verse asked for is brought into view instead, also when the list was
    // emptied by a laisse that does not exist.
    fixture.request("P", 0, 0, "9");
    fixture.request("P", 0, 1, "75");
    ASSERT_EQ(ConsultationFixture::selectedRow(list), 34);
    EXPECT_TRUE(RowInView(list, 34));
}

// Correspondence lists

TEST(CorrespondanceLists, EarlyReturnsLeaveListsAndLabels)
{
    ConsultationFixture fixture;
    MainWindow& window = fixture.window();
    const SideLists initial = SideListsOf(window);

    // A missing laisse has no reference-edition number: nothing is written, not even a label.
    fixture.request("P", 0, 0, "7");
    EXPECT_EQ(SideListsOf(window), initial);

    fixture.request("P", 0, 0, "12");
    const SideLists lists = SideListsOf(window);
    ASSERT_EQ(lists.rows[kLaisses], kLaisses12);

    window.SearchTF()->setText("13");
    window.Search("7", 0);
    window.Search("7", 1);
    window.Search("0", 1);
    EXPECT_EQ(SideListsOf(window), lists);

    window.SearchTF()->clear();
    window.Search("13", 0);
    EXPECT_EQ(SideListsOf(window), lists);

    window.SearchTF()->setText("13");
    window.ManuscriptPU()->setCurrentIndex(-1);
    window.Search("13", 0);
    EXPECT_EQ(SideListsOf(window), lists);
}

TEST(CorrespondanceLists, ShowsTheFirstFourTables)
{
    ConsultationFixture::DataFiles files = ConsultationFixture::StandardFiles();
    for (const char* name : {"Z1", "Z2", "Z3"})
        files.insert(QString("Correspondances/%1.txt").arg(QLatin1String(name)),
                     QByteArray("P=001\t") + name + "=007\n");
    ConsultationFixture fixture(files);
    fixture.request("P", 0, 0, "1");

    const SideLists lists = SideListsOf(fixture.window());
    EXPECT_EQ(lists.labels, (QStringList{"Autres", "Laisses", "Z1", "Z2"}));
    EXPECT_EQ(lists.rows[3], (Rows{{"P", "001", "1"}, {"Z2", "007", "-"}}));
}

} // namespace
