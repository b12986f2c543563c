#include "data/Correspondance.h"

#include "MessageRecorder.h"
#include "TempFolders.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>

namespace {

// A table loaded from a file holding content.
Correspondance loadTable(const TempFolders& folders, const QByteArray& content)
{
    const QString path = folders.writeFile(QStringLiteral("table.txt"), content);
    Correspondance table(QStringLiteral("Table"));
    table.additem(QStringLiteral("Table"), path);
    return table;
}

QStringList columnNames(const Correspondance& table)
{
    QStringList names;
    for (const CorrespItem& item : table.Items)
        names.append(item.Name);
    return names;
}

const QByteArray workedExample = "P=001\tT=001\tL=002\n"
                                 "P=002\tT=002\n"
                                 "P=002\tT=003\tL=0\n"
                                 "P=004\tT=003\tT=006\n";

} // namespace

TEST(CorrespondanceTest, WorkedExampleQueries)
{
    TempFolders folders;
    const Correspondance table = loadTable(folders, workedExample);
    ASSERT_EQ(columnNames(table), (QStringList{"P", "T", "L"}));

    const struct
    {
        const char* siglum;
        const char* laisse;
        const char* result;
    } cases[] = {
        {"P", "002", "P\t002,002\rT\t002,003\rL\t,-"},
        {"L", "002", "P\t001\rT\t001\rL\t002"},
        {"P", "004", "P\t004\rT\t006, 003\rL\t"},
        {"T", "003", "P\t002,004\rT\t003,006, 003\rL\t-,"},
        {"P", "003", "None"},
        {"P", "2", "None"},
        {"C", "001", "None"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(table.getCorrespondance(QString::fromUtf8(c.siglum), QString::fromUtf8(c.laisse)),
                  QString::fromUtf8(c.result))
            << c.siglum << " " << c.laisse;
    }
}

TEST(CorrespondanceTest, WorkedExampleTableListing)
{
    TempFolders folders;
    const QStringList lines = loadTable(folders, workedExample).makeCorrespTable().split(QChar(13));
    ASSERT_EQ(lines.size(), 501);
    EXPECT_EQ(lines.mid(0, 5), (QStringList{
                                   "0\tP=001\tT=001\tL=002",
                                   "1\tP=002\tT=002\tL=",
                                   "2\tP=002\tT=003\tL=-",
                                   "3\tP=004\tT=006, 003\tL=",
                                   "4\tP=\tT=\tL=",
                               }));
    EXPECT_EQ(lines.last(), QStringLiteral("500\tP=\tT=\tL="));
}

TEST(CorrespondanceTest, FieldsAndRows)
{
    TempFolders folders;
    // Row 1 is empty and row 3 has no usable field, but both still count as rows.
    const Correspondance table = loadTable(folders, "T=001\tP=012=x\tP\t\t=012\t P=013\n"
                                                    "\n"
                                                    "P=002\n"
                                                    "no field here\n"
                                                    "P=003\r\n");

    EXPECT_EQ(columnNames(table), (QStringList{"T", "P", "", " P"}));
    EXPECT_EQ(table.getCorrespondance(QStringLiteral("P"), QStringLiteral("012")),
              QStringLiteral("T\t001\rP\t012\r\t012\r P\t013"));
    EXPECT_EQ(table.getCorrespondance(QStringLiteral(""), QStringLiteral("012")),
              table.getCorrespondance(QStringLiteral("P"), QStringLiteral("012")));
    EXPECT_EQ(table.getCorrespondance(QStringLiteral("P"), QStringLiteral("013")),
              QStringLiteral("None"));
    EXPECT_EQ(table.getCorrespondance(QStringLiteral(" P"), QStringLiteral("013")),
              QStringLiteral("T\t001\rP\t012\r\t012\r P\t013"));
    EXPECT_EQ(table.getCorrespondance(QStringLiteral("P"), QStringLiteral("002")),
              QStringLiteral("T\t\rP\t002\r\t\r P\t"));
    EXPECT_EQ(table.makeCorrespTable().split(QChar(13)).at(4),
              QStringLiteral("4\tT=\tP=003\t=\t P="));
}

TEST(CorrespondanceTest, SingleColumnGivesOneLine)
{
    TempFolders folders;
    const Correspondance table = loadTable(folders, "P=001\nP=001\tP=001\n");
    EXPECT_EQ(table.getCorrespondance(QStringLiteral("P"), QStringLiteral("001")),
              QStringLiteral("P\t001,001, 001,001, 001"));
}

TEST(CorrespondanceTest, EmptyFileAnswersNone)
{
    TempFolders folders;
    MessageRecorder recorder;
    const Correspondance table = loadTable(folders, "");
    EXPECT_TRUE(table.Items.isEmpty());
    EXPECT_EQ(table.getCorrespondance(QStringLiteral("P"), QStringLiteral("001")),
              QStringLiteral("None"));
    EXPECT_TRUE(recorder.messages().isEmpty());
}

TEST(CorrespondanceTest, UnreadableFileIsReportedAndLeavesTheTableEmpty)
{
    TempFolders folders;
    MessageRecorder recorder;
    const QString missing = folders.root() + QStringLiteral("/missing.txt");
    Correspondance table(QStringLiteral("Laisses"));
    table.additem(QStringLiteral("Other"), missing);

    EXPECT_EQ(recorder.messages(), QStringList{QStringLiteral("Data error ! Data: ")
                                               + QDir::toNativeSeparators(missing)});
    EXPECT_EQ(table.Name, QStringLiteral("Laisses"));
    EXPECT_TRUE(table.Items.isEmpty());
    EXPECT_EQ(table.getCorrespondance(QStringLiteral("P"), QStringLiteral("001")),
              QStringLiteral("None"));
}

// A query must cost what its rows cost, however large the table: 1.5 million rows in which
// every laisse of P stands 100 times.
TEST(CorrespondanceTest, QueryOnAHugeTableStaysFast)
{
    constexpr int rowCount = 1500000;
    constexpr int laissesOfP = 15000;
    QByteArray content;
    content.reserve(rowCount * 16);
    for (int row = 0; row < rowCount; ++row) {
        content += "P=" + QByteArray::number(row % laissesOfP).rightJustified(5, '0')
                   + "\tT=" + QByteArray::number(row) + '\n';
    }
    TempFolders folders;
    const Correspondance table = loadTable(folders, content);

    QElapsedTimer timer;
    timer.start();
    const QString result = table.getCorrespondance(QStringLiteral("P"), QStringLiteral("00123"));
    const qint64 elapsedMs = timer.elapsed();

    const QStringList lines = result.split(QChar(13));
    ASSERT_EQ(lines.size(), 2);
    const QStringList partsOfT = lines[1].mid(2).split(QLatin1Char(','));
    ASSERT_EQ(partsOfT.size(), rowCount / laissesOfP);
    // Every row, in file order: 123, 15123, 30123 ...
    for (int k = 0; k < partsOfT.size(); ++k)
        ASSERT_EQ(partsOfT[k], QString::number(123 + k * laissesOfP)) << k;
    EXPECT_LT(elapsedMs, 50);
}
