#include "ConsultationFixture.h"
#include "QtPrinters.h"

#include "ui/MainWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolTip>

namespace {

// Tables sort by name: "Laisses" fills list 1 and "Neuf" list 2.
constexpr int kLaisses = 1;
constexpr int kNeuf = 2;

// A correspondence table naming nine manuscripts in one row, so that its list gets nine rows.
ConsultationFixture::DataFiles NineManuscripts()
{
    ConsultationFixture::DataFiles files = ConsultationFixture::StandardFiles();
    files.insert("Correspondances/Neuf.txt",
                 "P=001\tT=001\tL=001\tC=001\tV7=001\tV4=001\tO=001\tlv=001\tF=001\n");
    return files;
}

void Show(MainWindow& window)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
}

// The lists lay out their rows on a timer, and show or hide the scroll bar in a posted event
// after that.
void Settle()
{
    QApplication::processEvents();
    QApplication::sendPostedEvents();
}

TEST(ListSizing, RowsFitALineOfTheListsFontAtEverySize)
{
    ConsultationFixture fixture;
    MainWindow& window = fixture.window();
    Show(window);
    fixture.request("P", 0, 0, "12");

    for (const QString& size : QStringList{"10", "12", "32"}) {
        window.SizePU()->setEditText(size);
        Settle();
        for (const QTableWidget* list : {window.MainLB(), window.CorrespondanceLB(kLaisses)}) {
            SCOPED_TRACE(list->objectName().toStdString() + " at " + size.toStdString());
            ASSERT_GT(list->rowCount(), 0);
            const int line = list->fontMetrics().lineSpacing();
            EXPECT_EQ(list->font().pointSizeF(), size.toDouble());
            EXPECT_GE(list->rowHeight(0), line);
            EXPECT_LE(list->rowHeight(0), line + 6);
        }
    }
}

TEST(ListSizing, ASideListShowsSevenRowsAtTheFirstSizeAndItsHeadingsWhole)
{
    ConsultationFixture fixture(NineManuscripts());
    MainWindow& window = fixture.window();
    Show(window);
    fixture.request("P", 0, 0, "1");
    Settle();

    const QTableWidget* list = window.CorrespondanceLB(kNeuf);
    ASSERT_EQ(list->rowCount(), 9);
    for (int row = 0; row < 7; ++row) {
        SCOPED_TRACE(row);
        const QRect cell = list->visualRect(list->model()->index(row, 0));
        EXPECT_GE(cell.top(), 0);
        EXPECT_LE(cell.bottom(), list->viewport()->height());
    }

    // Nine rows need the scroll bar; the headings still get the room they need beside it.
    ASSERT_TRUE(list->verticalScrollBar()->isVisible());
    const QHeaderView* header = list->horizontalHeader();
    const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int column = 0; column < list->columnCount(); ++column) {
        const QString heading = list->horizontalHeaderItem(column)->text();
        SCOPED_TRACE(heading.toStdString());
        EXPECT_LE(header->fontMetrics().horizontalAdvance(heading) + margins,
                  header->sectionSize(column));
    }
    EXPECT_LE(header->sectionPosition(2) + header->sectionSize(2), list->viewport()->width());
}

// Whole words, drawn inside the part of their section that shows, in the font the header gives
// that section; also once a narrower window has changed only the main list's column widths.
TEST(ListSizing, HeadingsStayWholeAtLargeSizes)
{
    ConsultationFixture fixture(NineManuscripts());
    MainWindow& window = fixture.window();
    Show(window);
    fixture.request("P", 0, 0, "1");

    const int wide = window.width();
    for (const auto& [size, width] :
         {std::pair{QString("24"), wide}, {QString("32"), wide}, {QString("32"), wide * 2 / 3}}) {
        window.SizePU()->setEditText(size);
        window.resize(width, window.height());
        Settle();
        for (const QTableWidget* list : {window.MainLB(), window.CorrespondanceLB(kNeuf)}) {
            const QHeaderView* header = list->horizontalHeader();
            const int margins =
                2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
            for (int column = 0; column < list->columnCount(); ++column) {
                const QTableWidgetItem* heading = list->horizontalHeaderItem(column);
                SCOPED_TRACE(list->objectName().toStdString() + " at " + size.toStdString() + ", "
                             + std::to_string(width) + ": " + heading->text().toStdString());
                const QVariant own =
                    header->model()->headerData(column, Qt::Horizontal, Qt::FontRole);
                const QFont font = own.isValid() ? own.value<QFont>() : header->font();
                EXPECT_LE(font.pointSizeF(), size.toDouble());
                EXPECT_FALSE(heading->text().endsWith(QChar(0x2026)));
                const int shown = qMin(header->sectionSize(column),
                                       list->viewport()->width() - header->sectionPosition(column));
                EXPECT_LE(QFontMetrics(font).horizontalAdvance(heading->text()) + margins, shown);
            }
        }
    }
}

// A cell cut short shows its whole text on hover, as the list draws it: in its font and size, with
// a verse's markings and spaces as they are. One shown whole shows none.
TEST(ListSizing, OnlyCutCellsShowTheirTextOnHover)
{
    ConsultationFixture fixture;
    MainWindow& window = fixture.window();
    Show(window);
    fixture.request("P", 0, 0, "12");
    window.SizePU()->setEditText("18");
    Settle();
    QToolTip::showText(QPoint(), QString());

    QTableWidget* list = window.CorrespondanceLB(kLaisses);
    const auto hover = [list](int row, int column) {
        const QPoint at = list->visualRect(list->model()->index(row, column)).center();
        QHelpEvent event(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &event);
    };
    ASSERT_EQ(list->item(1, 1)->text(), QString("012, 013,020"));
    hover(1, 0);
    EXPECT_FALSE(QToolTip::isVisible()) << QToolTip::text().toStdString();
    const QString cut = "012, 013,020 <b>&amp;  </p>";
    list->item(1, 1)->setText(cut);
    hover(1, 1);
    EXPECT_TRUE(QToolTip::isVisible());
    QTextDocument shown;
    shown.setHtml(QToolTip::text());
    EXPECT_EQ(shown.toPlainText(), cut);
    QTextCursor first(&shown);
    first.setPosition(1);
    const QFont font = first.charFormat().font();
    EXPECT_EQ(font.pointSizeF(), 18.0);
    EXPECT_EQ(font.family(), list->font().family());
}

TEST(ListSizing, HeadingsKeepTheirWeightWhileARowIsSelected)
{
    ConsultationFixture fixture;
    MainWindow& window = fixture.window();
    Show(window);
    QHeaderView* header = window.MainLB()->horizontalHeader();
    const QImage before = header->grab().toImage();

    fixture.request("P", 0, 1, "121");
    Settle();
    ASSERT_EQ(ConsultationFixture::selectedRow(window.MainLB()), 2);
    EXPECT_TRUE(header->grab().toImage() == before) << "the headings look different";
}

} // namespace
