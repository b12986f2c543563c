#include "ConsultationFixture.h"
#include "QtPrinters.h"

#include "data/ThisApp.h"
#include "ui/MainWindow.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace {

const QString FirstStatus = "You can get the laisse text from laisse of verse number.";

class SettingsWindowTest : public ::testing::Test
{
protected:
    QString settingsPath() const
    {
        return QDir(ThisApp::PreferenceFolder).filePath("Mainwindow.txt");
    }

    void writeSettings(const QByteArray& content) const
    {
        QFile file(settingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QByteArray settingsContent() const
    {
        QFile file(settingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Line 8 of the settings file: the font popup's index.
    QByteArray storedFont() const { return settingsContent().split('\n').value(7); }

    // The next run's window, opened on what the last one left.
    std::unique_ptr<MainWindow> reopen() const
    {
        auto window = std::make_unique<MainWindow>();
        window->Open();
        return window;
    }

    static QList<QTableWidget*> lists(const MainWindow& window)
    {
        return {window.MainLB(), window.CorrespondanceLB(0), window.CorrespondanceLB(1),
                window.CorrespondanceLB(2), window.CorrespondanceLB(3)};
    }

    ConsultationFixture fixture;
};

TEST_F(SettingsWindowTest, FirstRunKeepsTheLayout)
{
    ASSERT_FALSE(QFile::exists(settingsPath()));
    const MainWindow& window = fixture.window();
    EXPECT_EQ(window.ManuscriptPU()->currentIndex(), 0);
    EXPECT_EQ(window.EditionPU()->currentIndex(), 0);
    EXPECT_EQ(window.LaisseVersePU()->currentIndex(), 0);
    EXPECT_EQ(window.SizePU()->currentText(), QString("12"));
    EXPECT_EQ(window.StatusST()->text(), FirstStatus);
    EXPECT_EQ(ThisApp::CurrentSigla, QString());
    EXPECT_EQ(window.FontPU()->count(), QFontDatabase::families().size());
}

// The popups show what the lists use, and quitting without a choice stores nothing that the
// next start would draw differently: no font index, which would pick another family once a font
// that sorts before it is installed.
TEST_F(SettingsWindowTest, TwoStartsWithoutAChoiceDrawTheListsAlike)
{
    MainWindow& window = fixture.window();
    const QFontInfo first(window.MainLB()->font());
    EXPECT_EQ(window.FontPU()->currentText(), first.family());
    EXPECT_EQ(first.pointSizeF(), window.SizePU()->currentText().toDouble());
    window.close();
    EXPECT_EQ(storedFont(), "-1");

    const auto next = reopen();
    for (const QTableWidget* list : lists(*next)) {
        const QFontInfo second(list->font());
        EXPECT_EQ(second.family(), first.family());
        EXPECT_EQ(second.pointSizeF(), first.pointSizeF());
    }
    EXPECT_EQ(next->FontPU()->currentText(), first.family());
    next->close();
    EXPECT_EQ(storedFont(), "-1");
}

TEST_F(SettingsWindowTest, CloseWritesAndTheNextOpenRestores)
{
    MainWindow& window = fixture.window();
    window.move(120, 80);
    window.resize(900, 700);
    window.ManuscriptPU()->setCurrentIndex(6);
    window.EditionPU()->setCurrentIndex(1);
    window.LaisseVersePU()->setCurrentIndex(1);
    const int font = window.FontPU()->count() - 1;
    window.FontPU()->setCurrentIndex(font);
    window.SizePU()->setEditText("12.5");
    window.close();
    EXPECT_EQ(settingsContent(),
              "120\n80\n900\n700\n6\n1\n1\n" + QByteArray::number(font) + "\n12.5\n");

    ThisApp::CurrentSigla.clear();
    const auto next = reopen();
    EXPECT_EQ(next->pos(), QPoint(120, 80));
    EXPECT_EQ(next->size(), QSize(900, 700));
    EXPECT_EQ(next->ManuscriptPU()->currentIndex(), 6);
    EXPECT_EQ(next->EditionPU()->currentIndex(), 1);
    EXPECT_EQ(next->LaisseVersePU()->currentIndex(), 1);
    EXPECT_EQ(next->FontPU()->currentIndex(), font);
    EXPECT_EQ(next->SizePU()->currentText(), QString("12"));
    EXPECT_EQ(next->StatusST()->text(), ThisApp::DescriptionDic->value("O"));
    EXPECT_EQ(ThisApp::CurrentSigla, QString("O"));
    for (const QTableWidget* list : lists(*next)) {
        EXPECT_EQ(list->font().family(), next->FontPU()->currentText());
        EXPECT_EQ(list->font().pointSizeF(), 12.0);
    }
    EXPECT_NE(next->SearchTF()->font().pointSizeF(), 12.0);

    // A choice read back stays a choice at the next quit.
    next->close();
    EXPECT_EQ(storedFont(), QByteArray::number(font));
}

TEST_F(SettingsWindowTest, RestoredChoiceRunsItsHandlerEvenWhenAlreadySelected)
{
    writeSettings("10\n10\n800\n600\n0\n0\n0\n0\n15\n");
    const auto next = reopen();
    EXPECT_EQ(ThisApp::CurrentSigla, QString("P"));
    EXPECT_EQ(next->StatusST()->text(), ThisApp::DescriptionDic->value("P"));
    EXPECT_EQ(next->SizePU()->currentText(), QString("15"));
    for (const QTableWidget* list : lists(*next)) {
        EXPECT_EQ(list->font().family(), next->FontPU()->itemText(0));
        EXPECT_EQ(list->font().pointSizeF(), 15.0);
    }
}

TEST_F(SettingsWindowTest, NoManuscriptStoredLeavesTheCurrentOne)
{
    ThisApp::CurrentSigla = "T";
    writeSettings("10\n10\n800\n600\n-1\n1\n0\n0\n14\n");
    const auto next = reopen();
    EXPECT_EQ(next->ManuscriptPU()->currentIndex(), -1);
    EXPECT_EQ(next->StatusST()->text(), FirstStatus);
    EXPECT_EQ(ThisApp::CurrentSigla, QString("T"));
    EXPECT_EQ(next->EditionPU()->currentIndex(), 1);
}

TEST_F(SettingsWindowTest, AManuscriptWithoutTextIsShownThenCleared)
{
    ThisApp::CurrentSigla = "L";
    writeSettings("10\n10\n800\n600\n4\n0\n0\n0\n12\n");
    const auto next = reopen();
    EXPECT_EQ(next->ManuscriptPU()->currentIndex(), -1);
    EXPECT_EQ(next->StatusST()->text(), QString("Sorry, ms. de V7, not yet available."));
    EXPECT_EQ(ThisApp::CurrentSigla, QString("L"));
}

TEST_F(SettingsWindowTest, OnlyTheFirstNineLinesCountAndFewerCountNothing)
{
    writeSettings("10\n20\n800\n600\n2\n1\n1\n0\n16\n5\n5\nnonsense\n");
    const auto longer = reopen();
    EXPECT_EQ(longer->pos(), QPoint(10, 20));
    EXPECT_EQ(longer->ManuscriptPU()->currentIndex(), 2);
    EXPECT_EQ(longer->SizePU()->currentText(), QString("16"));

    const QSize laidOut = MainWindow().size();
    writeSettings("10\n20\n800\n600\n2\n1\n1\n0\n");
    const auto shorter = reopen();
    EXPECT_EQ(shorter->size(), laidOut);
    EXPECT_EQ(shorter->ManuscriptPU()->currentIndex(), 0);
    EXPECT_EQ(shorter->SizePU()->currentText(), QString("12"));
}

TEST_F(SettingsWindowTest, IndexesPastThePopupsLeaveThemAsLaidOut)
{
    writeSettings("10\n20\n800\n600\n7\n2\n-2\n99999\n12\n");
    const auto next = reopen();
    EXPECT_EQ(next->ManuscriptPU()->currentIndex(), 0);
    EXPECT_EQ(next->EditionPU()->currentIndex(), 0);
    EXPECT_EQ(next->LaisseVersePU()->currentIndex(), 0);
    EXPECT_EQ(next->FontPU()->currentText(), QFontInfo(next->MainLB()->font()).family());
}

TEST_F(SettingsWindowTest, AWindowOffEveryScreenComesBackOnThePrimaryOne)
{
    writeSettings("-90000\n70000\n800\n600\n0\n0\n0\n0\n12\n");
    const auto next = reopen();
    EXPECT_EQ(next->pos(), QGuiApplication::primaryScreen()->availableGeometry().topLeft());
    EXPECT_EQ(next->size(), QSize(800, 600));
}

TEST_F(SettingsWindowTest, NoPreferenceFolderMeansNothingReadOrWritten)
{
    writeSettings("10\n20\n800\n600\n6\n0\n0\n0\n20\n");
    const QString folder = ThisApp::PreferenceFolder;
    ThisApp::PreferenceFolder.clear();
    const auto next = reopen();
    EXPECT_EQ(next->ManuscriptPU()->currentIndex(), 0);
    next->SizePU()->setEditText("30");
    next->close();
    ThisApp::PreferenceFolder = folder;
    EXPECT_EQ(settingsContent(), QByteArray("10\n20\n800\n600\n6\n0\n0\n0\n20\n"));
}

} // namespace
