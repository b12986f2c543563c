#include "platform/LineReader.h"

#include "TempFolders.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

QStringList linesOf(const TempFolders& folders, const QByteArray& content)
{
    bool ok = false;
    const QStringList lines = ReadAllLines(folders.writeFile("lines.txt", content), &ok);
    EXPECT_TRUE(ok);
    return lines;
}

} // namespace

TEST(LineReader, EndingsBomAndFinalLine)
{
    TempFolders folders;
    struct Row
    {
        const char* name;
        QByteArray content;
        QStringList expected;
    };
    const Row rows[] = {
        {"empty file", "", {}},
        {"LF", "a\nb\n", {"a", "b"}},
        {"no final ending", "a\nb", {"a", "b"}},
        {"CRLF", "a\r\nb\r\n", {"a", "b"}},
        {"lone CR", "a\rb\r", {"a", "b"}},
        {"mixed", "a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"empty lines in the middle", "a\n\n\r\n\rb\n", {"a", "", "", "", "b"}},
        {"only an ending", "\n", {""}},
        {"LF CR is two endings", "a\n\rb", {"a", "", "b"}},
        {"BOM dropped",
         "\xEF\xBB\xBF"
         "a\nb",
         {"a", "b"}},
        {"BOM only", "\xEF\xBB\xBF", {}},
        {"BOM later is kept",
         "a\n\xEF\xBB\xBF"
         "b",
         {"a", QString(QChar(0xFEFF)) + "b"}},
        {"UTF-8", "Ä\tÉcu\n", {QString::fromUtf8("Ä\tÉcu")}},
        {"UTF-8 holding U+FFFD", "a\xEF\xBF\xBD", {"a" + QString(QChar::ReplacementCharacter)}},
        {"Windows-1252",
         "caf\xE9 \x80\n\x93q\x94",
         {QString::fromUtf8("café €"), QString::fromUtf8("“q”")}},
        {"undefined 1252 codes keep a character", "\x81\x8D", {QString(QChar(0x81)) + QChar(0x8D)}},
        {"only the bad line falls back",
         "\xC3\xA9\n\xE9\n",
         {QString::fromUtf8("é"), QString::fromUtf8("é")}},
        {"truncated UTF-8 sequence", "ab\xC3", {QString::fromUtf8("abÃ")}},
        {"NUL kept", QByteArray("a\0b", 3), {QString(QLatin1String("a\0b", 3))}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(linesOf(folders, row.content), row.expected) << row.name;
}

TEST(LineReader, EndingSplitAcrossBlocksIsOneEnding)
{
    TempFolders folders;
    // The reader reads in blocks of 256 KiB; put a CR on the last byte of the first block.
    constexpr qsizetype block = 256 * 1024;
    for (qsizetype offset : {block - 1, block - 2, block}) {
        QByteArray content(offset, 'x');
        content += "\r\nnext\r\nlast";
        const QStringList lines = linesOf(folders, content);
        ASSERT_EQ(lines.size(), 3) << "CR at " << offset;
        EXPECT_EQ(lines[0].size(), offset);
        EXPECT_EQ(lines[1], "next");
        EXPECT_EQ(lines[2], "last");
    }
}

TEST(LineReader, LargeFileWithLinesAcrossBlocks)
{
    TempFolders folders;
    QByteArray content;
    QStringList expected;
    const char* endings[] = {"\n", "\r\n", "\r"};
    for (int i = 0; i < 60000; ++i) {
        const QString line =
            QString::number(i) + QString::fromUtf8("\tvers é ") + QString(i % 37, u'a');
        expected.append(line);
        content += line.toUtf8() + endings[i % 3];
    }
    // One line longer than a block.
    const QString longLine(700 * 1024, u'z');
    expected.append(longLine);
    content += longLine.toLatin1();
    ASSERT_GT(content.size(), 3 * 256 * 1024);
    EXPECT_EQ(linesOf(folders, content), expected);
}

TEST(LineReader, MissingOrUnreadableFile)
{
    TempFolders folders;
    bool ok = true;
    EXPECT_TRUE(ReadAllLines(folders.root() + "/missing.txt", &ok).isEmpty());
    EXPECT_FALSE(ok);

    LineReader reader(folders.root() + "/missing.txt");
    EXPECT_FALSE(reader.isOpen());
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.readLine(), QString());

    ok = true;
    EXPECT_TRUE(ReadAllLines(folders.root(), &ok).isEmpty());
    EXPECT_FALSE(ok);
}

TEST(LineReader, ReadsLineByLine)
{
    TempFolders folders;
    LineReader reader(folders.writeFile("r.txt", "one\r\ntwo"));
    ASSERT_TRUE(reader.isOpen());
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.readLine(), "one");
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.readLine(), "two");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.readLine(), QString());
    EXPECT_FALSE(reader.hasError());
}

// Passing lines over must end them exactly where reading them would, also where an ending
// falls on a block boundary or a CRLF is split across two blocks.
TEST(LineReader, SkippingEndsLinesAsReadingDoes)
{
    TempFolders folders;
    constexpr qsizetype block = 256 * 1024;
    QByteArray crlfAcrossBlocks(block - 1, 'x');
    crlfAcrossBlocks += "\r\nafter\r\r\nlast\r";
    QByteArray lfOnBoundary(block - 1, 'y');
    lfOnBoundary += "\nnext\n";
    QByteArray mixed = "\xEF\xBB\xBF";
    const char* endings[] = {"\n", "\r\n", "\r"};
    for (int i = 0; i < 40000; ++i)
        mixed +=
            QByteArray::number(i) + " caf\xC3\xA9" + QByteArray(i % 23, 'a') + endings[i % 7 % 3];
    mixed += QByteArray(block + 10, 'z'); // a last line longer than a block, without ending

    for (const QByteArray& content : {crlfAcrossBlocks, lfOnBoundary, mixed}) {
        const QString path = folders.writeFile("skip.txt", content);
        const QStringList all = ReadAllLines(path);
        for (qint64 step : {0, 1, 2, 997}) {
            LineReader reader(path);
            QStringList kept;
            qint64 skipped = 0;
            while (!reader.atEnd()) {
                skipped += reader.skipLines(step);
                if (!reader.atEnd())
                    kept.append(reader.readLine());
            }
            EXPECT_EQ(skipped + kept.size(), all.size()) << "step " << step;
            for (qsizetype k = 0; k < kept.size(); ++k)
                ASSERT_EQ(kept[k], all[(k + 1) * (step + 1) - 1])
                    << "step " << step << ", line " << k;
        }
    }
}

// Every shape of line ending, one at a time: skipping k lines must land where reading k lines
// does, also where the buffer has let a skipped long line go.
TEST(LineReader, SkippingAgreesWithReadingOnEveryEnding)
{
    TempFolders folders;
    constexpr qsizetype block = 256 * 1024;
    const QByteArray bom = "\xEF\xBB\xBF";
    struct Row
    {
        const char* name;
        QByteArray content;
        qint64 lineCount;
    };
    const Row rows[] = {
        {"empty file", "", 0},
        {"LF", "a\nb\n", 2},
        {"CRLF", "a\r\nb\r\n", 2},
        {"lone CR", "a\rb\r", 2},
        {"LF CR is two endings", "a\n\rb", 3},
        {"empty lines", "\n\r\n\r\n\rb", 5},
        {"no final ending", "a\nb", 2},
        {"BOM", bom + "a\r\nb", 2},
        {"BOM only", bom, 0},
        {"lone CR at a block's end", QByteArray(block - 1, 'x') + "\rnext\n", 2},
        {"CRLF split across blocks", QByteArray(block - 1, 'x') + "\r\nnext", 2},
        {"CR ending the file at a block's end", QByteArray(block - 1, 'x') + "\r", 1},
        {"CRLF split after a line longer than a block", QByteArray(2 * block - 1, 'x') + "\r\nz",
         2},
    };
    for (const Row& row : rows) {
        const QString path = folders.writeFile("agree.txt", row.content);
        const QStringList all = ReadAllLines(path);
        ASSERT_EQ(all.size(), row.lineCount) << row.name;
        for (qint64 k = 0; k <= row.lineCount; ++k) {
            LineReader reader(path);
            EXPECT_EQ(reader.skipLines(k), k) << row.name << ", skipping " << k;
            if (k == row.lineCount) {
                EXPECT_TRUE(reader.atEnd()) << row.name;
                continue;
            }
            EXPECT_EQ(reader.readLine(), all[k]) << row.name << ", line " << k;
            EXPECT_EQ(reader.skipLines(row.lineCount), row.lineCount - k - 1)
                << row.name << ", the rest after line " << k;
        }
    }
}
