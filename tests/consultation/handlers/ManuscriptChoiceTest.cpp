#include "ConsultationFixture.h"
#include "QtPrinters.h"

#include "data/ManuscriptObj.h"
#include "data/ThisApp.h"
#include "ui/MainWindow.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class ManuscriptChoiceTest : public ::testing::Test
{
protected:
    MainWindow& window() { return fixture.window(); }

    void pick(const QString& siglum)
    {
        window().ManuscriptPU()->setCurrentIndex(window().ManuscriptPU()->findText(siglum));
    }

    ConsultationFixture fixture;
};

TEST_F(ManuscriptChoiceTest, ManuscriptsWithoutTextShowTheirDescriptionAndDoNotStay)
{
    pick("T");
    for (const char* siglum : {"C", "V7", "V4"}) {
        pick(QLatin1String(siglum));
        EXPECT_EQ(window().StatusST()->text(),
                  ThisApp::DescriptionDic->value(QLatin1String(siglum)))
            << siglum;
        EXPECT_EQ(window().ManuscriptPU()->currentIndex(), -1) << siglum;
        EXPECT_EQ(ThisApp::CurrentSigla, QString("T")) << siglum;
    }
    EXPECT_EQ(ThisApp::DescriptionDic->value("V7"),
              QString("Sorry, ms. de V7, not yet available."));

    // With nothing selected a request stops at once.
    const QString status = window().StatusST()->text();
    QTest::keyClicks(window().SearchTF(), "12");
    QTest::keyClick(window().SearchTF(), Qt::Key_Return);
    EXPECT_EQ(window().MainLB()->rowCount(), 0);
    EXPECT_EQ(window().StatusST()->text(), status);
}

TEST_F(ManuscriptChoiceTest, PickingAManuscriptMakesItCurrentBeforeAnyRequest)
{
    pick("O");
    EXPECT_EQ(window().StatusST()->text(), ThisApp::DescriptionDic->value("O"));
    EXPECT_EQ(ThisApp::CurrentSigla, QString("O"));
    EXPECT_EQ(window().MainLB()->rowCount(), 0);
}

TEST_F(ManuscriptChoiceTest, HeadingClicksLeaveTheRowsInOrder)
{
    window().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    fixture.request("P", 0, 0, "12");
    const QList<QStringList> shown = ConsultationFixture::rows(window().MainLB());
    ASSERT_EQ(shown.size(), 3);
    QHeaderView* header = window().MainLB()->horizontalHeader();
    for (int column = 0; column < 4; ++column) {
        const QPoint middle(header->sectionViewportPosition(column)
                                + header->sectionSize(column) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
        EXPECT_EQ(ConsultationFixture::rows(window().MainLB()), shown) << "column " << column;
    }
}

TEST_F(ManuscriptChoiceTest, SetManuscriptObjLoadsOnlyAMissingManuscript)
{
    ManuscriptObj* loadedP = ThisApp::Manuscript("P");
    ThisApp::ManuscriptDic->remove("T");

    ThisApp::CurrentSigla = "P";
    window().SetManuscriptObj();
    EXPECT_EQ(ThisApp::Manuscript("P"), loadedP);

    ThisApp::CurrentSigla = "T";
    window().SetManuscriptObj();
    ASSERT_NE(ThisApp::Manuscript("T"), nullptr);
    EXPECT_EQ(ThisApp::Manuscript("T")->LVdic.Value("11"), QString("3"));

    // A siglum without tables stays unloaded and stops nothing.
    ThisApp::CurrentSigla = "lv";
    window().SetManuscriptObj();
    EXPECT_EQ(ThisApp::Manuscript("lv"), nullptr);
}

} // namespace
