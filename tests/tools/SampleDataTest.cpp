#include "sample/SampleData.h"
#include "TempFolders.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QStringList>

#include <memory>

namespace {

const QStringList Sigla = {"P", "T", "L", "C", "V7", "V4", "O"};
const QStringList TableFiles = {"BL.txt", "BV.txt", "LV.txt", "VL.txt"};

// The lines of a file that must be valid UTF-8, end with LF and hold no CR.
QStringList fileLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot open " << path.toStdString();
        return {};
    }
    const QByteArray content = file.readAll();
    EXPECT_TRUE(content.endsWith('\n')) << path.toStdString();
    EXPECT_FALSE(content.contains('\r')) << path.toStdString();
    QStringDecoder decoder(QStringDecoder::Utf8);
    QStringList lines = QString(decoder(content)).split('\n');
    EXPECT_FALSE(decoder.hasError()) << path.toStdString() << " is not valid UTF-8";
    lines.removeLast();
    return lines;
}

QList<QPair<QString, QString>> records(const QString& path)
{
    QList<QPair<QString, QString>> result;
    for (const QString& line : fileLines(path)) {
        const QStringList fields = line.split('\t');
        EXPECT_EQ(fields.size(), 2) << path.toStdString() << ": " << line.toStdString();
        if (fields.size() >= 2)
            result.append({fields[0], fields[1]});
    }
    return result;
}

// siglum -> every laisse text that the table gives it, e.g. "012" or "0".
QHash<QString, QSet<QString>> tableColumns(const QString& path)
{
    QHash<QString, QSet<QString>> columns;
    for (const QString& line : fileLines(path)) {
        for (const QString& field : line.split('\t')) {
            const QStringList parts = field.split('=');
            if (parts.size() >= 2)
                columns[parts[0]].insert(parts[1]);
        }
    }
    return columns;
}

class SampleDataTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_folders = std::make_unique<TempFolders>();
        QString error;
        ASSERT_TRUE(WriteSampleData(s_folders->root(), &error)) << error.toStdString();
    }
    static void TearDownTestSuite() { s_folders.reset(); }

    static QString data() { return s_folders->root() + "/Data"; }
    static QString manuscript(const QString& siglum, const QString& file)
    {
        return data() + "/Manuscripts/" + siglum + '/' + file;
    }
    static QString table(const QString& name) { return data() + "/Correspondances/" + name; }
    static QStringList tableNames()
    {
        return QDir(data() + "/Correspondances").entryList(QDir::Files, QDir::Name);
    }

    static std::unique_ptr<TempFolders> s_folders;
};

std::unique_ptr<TempFolders> SampleDataTest::s_folders;

TEST_F(SampleDataTest, TreeHoldsTheSevenManuscriptsAndFourTables)
{
    EXPECT_EQ(QDir(data()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
              QStringList({"Correspondances", "Manuscripts"}));
    QStringList folders =
        QDir(data() + "/Manuscripts").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QStringList expected = Sigla;
    folders.sort();
    expected.sort();
    EXPECT_EQ(folders, expected);
    for (const QString& siglum : Sigla) {
        QStringList files = TableFiles;
        if (siglum != "V7")
            files.append("Texte.txt");
        files.sort();
        EXPECT_EQ(QDir(data() + "/Manuscripts/" + siglum).entryList(QDir::Files, QDir::Name), files)
            << siglum.toStdString();
    }
    const QStringList names = tableNames();
    ASSERT_EQ(names.size(), 4);
    for (const QString& name : names) {
        EXPECT_TRUE(name.endsWith(".txt"));
        // The name without ".txt" labels a list 100 pixels wide.
        EXPECT_LE(name.size() - 4, 10) << name.toStdString();
    }
}

TEST_F(SampleDataTest, ManuscriptsHaveTheScaleOfARealCorpus)
{
    for (const QString& siglum : Sigla) {
        SCOPED_TRACE(siglum.toStdString());
        const int laisses = records(manuscript(siglum, "LV.txt")).size();
        const int verses = records(manuscript(siglum, "VL.txt")).size();
        EXPECT_GE(laisses, 250);
        EXPECT_LE(laisses, 450);
        EXPECT_GE(verses, 4000);
        EXPECT_LE(verses, 9000);
    }
}

TEST_F(SampleDataTest, TableNumbersArePlainDecimal)
{
    const QRegularExpression plain("^[1-9][0-9]*$");
    const QRegularExpression lineList("^[1-9][0-9]*(,[1-9][0-9]*)*$");
    for (const QString& siglum : Sigla) {
        for (const QString& name : TableFiles) {
            SCOPED_TRACE((siglum + '/' + name).toStdString());
            const auto lines = records(manuscript(siglum, name));
            ASSERT_FALSE(lines.isEmpty());
            for (const auto& [key, value] : lines) {
                EXPECT_TRUE(plain.match(key).hasMatch()) << key.toStdString();
                const QRegularExpression& valueForm = name == "LV.txt" ? lineList : plain;
                EXPECT_TRUE(valueForm.match(value).hasMatch()) << value.toStdString();
            }
        }
    }
}

// Every line that a laisse lists is a verse of that laisse with four fields, the verses that
// VL.txt places in a laisse are the ones its lines hold, and a few lines belong to no laisse.
TEST_F(SampleDataTest, LaisseLinesVersesAndTextAgree)
{
    for (const QString& siglum : Sigla) {
        if (siglum == "V7")
            continue;
        SCOPED_TRACE(siglum.toStdString());
        const QStringList text = fileLines(manuscript(siglum, "Texte.txt"));
        QHash<QString, QString> laisseOfVerse;
        for (const auto& [verse, laisse] : records(manuscript(siglum, "VL.txt")))
            laisseOfVerse.insert(verse, laisse);

        QSet<int> listed;
        int versesSeen = 0;
        int previousLine = 0;
        for (const auto& [laisse, lineList] : records(manuscript(siglum, "LV.txt"))) {
            for (const QString& piece : lineList.split(',')) {
                const int line = piece.toInt();
                ASSERT_GT(line, previousLine) << "laisse " << laisse.toStdString();
                ASSERT_LE(line, text.size()) << "laisse " << laisse.toStdString();
                previousLine = line;
                listed.insert(line);
                const QStringList fields = text[line - 1].split('\t');
                ASSERT_EQ(fields.size(), 4) << text[line - 1].toStdString();
                EXPECT_FALSE(fields[0].isEmpty());
                EXPECT_EQ(fields[1], laisse);
                EXPECT_EQ(laisseOfVerse.value(fields[2]), laisse)
                    << "verse " << fields[2].toStdString();
                EXPECT_FALSE(fields[3].trimmed().isEmpty());
                ++versesSeen;
            }
        }
        EXPECT_EQ(versesSeen, laisseOfVerse.size());
        EXPECT_GT(text.size() - listed.size(), 10);
    }
}

TEST_F(SampleDataTest, FolioMarksAdvanceRectoAndVerso)
{
    const QRegularExpression mark("^([1-9][0-9]*)([rv])$");
    const QStringList text = fileLines(manuscript("P", "Texte.txt"));
    QStringList marks;
    for (const QString& line : text) {
        const QStringList fields = line.split('\t');
        if (fields.size() == 4 && (marks.isEmpty() || marks.last() != fields[0]))
            marks << fields[0];
    }
    ASSERT_GT(marks.size(), 100);
    for (int i = 1; i < marks.size(); ++i) {
        const auto before = mark.match(marks[i - 1]);
        const auto after = mark.match(marks[i]);
        ASSERT_TRUE(before.hasMatch() && after.hasMatch()) << marks[i].toStdString();
        const int pageBefore = before.captured(1).toInt() * 2 + (before.captured(2) == "v");
        const int pageAfter = after.captured(1).toInt() * 2 + (after.captured(2) == "v");
        EXPECT_EQ(pageAfter, pageBefore + 1)
            << marks[i - 1].toStdString() << " -> " << marks[i].toStdString();
    }
}

// The two numberings differ as a real edition's do: laisses split (one reference number for
// two own laisses), merged or missing (reference numbers without an own laisse), own laisses
// without a reference number, and verse offsets that shift.
TEST_F(SampleDataTest, OwnAndReferenceNumberingsDiffer)
{
    for (const QString& siglum : Sigla) {
        SCOPED_TRACE(siglum.toStdString());
        const auto laisses = records(manuscript(siglum, "BL.txt"));
        QSet<QString> ownWithReference;
        QHash<QString, int> ownPerReference;
        int differing = 0;
        int highestReference = 0;
        for (const auto& [own, reference] : laisses) {
            ownWithReference.insert(own);
            ++ownPerReference[reference];
            differing += own != reference;
            highestReference = qMax(highestReference, reference.toInt());
        }
        EXPECT_GT(differing, 0);
        EXPECT_LT(ownPerReference.size(), laisses.size()) << "no split laisse";
        EXPECT_LT(ownPerReference.size(), highestReference)
            << "no reference laisse without own number";
        EXPECT_LT(laisses.size(), records(manuscript(siglum, "LV.txt")).size())
            << "no own laisse without reference number";

        QSet<int> offsets;
        for (const auto& [own, reference] : records(manuscript(siglum, "BV.txt")))
            offsets.insert(reference.toInt() - own.toInt());
        EXPECT_GT(offsets.size(), 3);
    }
}

// A laisse's correspondences are found by its reference number in three digits.
TEST_F(SampleDataTest, ReferenceLaissesStandInTheCorrespondenceTables)
{
    const QStringList names = tableNames();
    QHash<QString, QHash<QString, QSet<QString>>> tables;
    for (const QString& name : names)
        tables.insert(name, tableColumns(table(name)));

    for (const QString& siglum : Sigla) {
        SCOPED_TRACE(siglum.toStdString());
        QSet<QString> keys;
        for (const auto& record : records(manuscript(siglum, "BL.txt")))
            keys.insert(QString::number(record.second.toInt()).rightJustified(3, '0'));
        QSet<QString> inAnyTable;
        for (const QString& name : names) {
            const QSet<QString> found = keys & tables[name].value(siglum);
            inAnyTable += found;
            if (QStringList({"P", "T", "L", "O"}).contains(siglum)) {
                EXPECT_GE(found.size() * 10, keys.size() * 8) << name.toStdString();
            }
        }
        EXPECT_EQ(inAnyTable.size(), keys.size());
    }
}

TEST_F(SampleDataTest, CorrespondenceRowsVaryAsRealTablesDo)
{
    const QRegularExpression fieldForm("^([A-Za-z0-9]+)=(0|[0-9]{3})$");
    const QSet<QString> known = {"P", "T", "L", "C", "V7", "V4", "O", "lv", "F"};
    int twoLaisses = 0;
    int none = 0;
    int absent = 0;
    QSet<QString> columnsSeen;
    QSet<QString> firstColumns;
    for (const QString& name : tableNames()) {
        SCOPED_TRACE(name.toStdString());
        QSet<QString> columns;
        QList<QSet<QString>> rows;
        const QStringList lines = fileLines(table(name));
        ASSERT_GE(lines.size(), 300);
        for (const QString& line : lines) {
            QStringList sigla;
            for (const QString& field : line.split('\t')) {
                const auto match = fieldForm.match(field);
                ASSERT_TRUE(match.hasMatch()) << field.toStdString();
                EXPECT_TRUE(known.contains(match.captured(1))) << field.toStdString();
                if (sigla.isEmpty() && rows.isEmpty())
                    firstColumns.insert(match.captured(1));
                twoLaisses += sigla.contains(match.captured(1));
                none += match.captured(2) == "0";
                sigla << match.captured(1);
            }
            rows.append(QSet<QString>(sigla.begin(), sigla.end()));
            columns += rows.last();
        }
        for (const QSet<QString>& row : rows)
            absent += row.size() < columns.size();
        columnsSeen += columns;
    }
    EXPECT_GT(twoLaisses, 0);
    EXPECT_GT(none, 0);
    EXPECT_GT(absent, 0);
    EXPECT_EQ(columnsSeen, known);
    EXPECT_GT(firstColumns.size(), 1) << "every table lists its columns in the same order";
}

TEST_F(SampleDataTest, VersesCarryTheEditorialMarkings)
{
    const QString middleDot = QString(QChar(0x00B7));
    const QList<QPair<const char*, QRegularExpression>> markings = {
        {"number between equals signs", QRegularExpression("=[0-9]+=")},
        {"digit before a bar", QRegularExpression("[0-9]\\|")},
        {"backslash", QRegularExpression("\\\\")},
        {"lone bar", QRegularExpression(" \\| ")},
        {"marked capitals", QRegularExpression(middleDot + "[A-Z]+" + middleDot)},
        {"capital word", QRegularExpression("\\b[A-Z]{2,}\\b")},
        {"capital word with an accent", QRegularExpression("[A-ZÄÏËÖÜÉ]*[ÄÏËÖÜÉ][A-ZÄÏËÖÜÉ]*")},
    };
    QStringList texts;
    for (const QString& line : fileLines(manuscript("P", "Texte.txt"))) {
        const QStringList fields = line.split('\t');
        if (fields.size() == 4)
            texts << fields[3];
    }
    for (const auto& [what, pattern] : markings) {
        int count = 0;
        for (const QString& text : texts)
            count += pattern.match(text).hasMatch();
        // Present, but a sprinkling: most verses carry none of any one kind.
        EXPECT_GT(count, 20) << what;
        EXPECT_LT(count, texts.size() / 5) << what;
    }
}

TEST(SampleDataGeneration, TwoRunsWriteTheSameBytes)
{
    TempFolders folders;
    QString error;
    ASSERT_TRUE(WriteSampleData(folders.root(), &error)) << error.toStdString();
    const QMap<QString, QByteArray> files = SampleDataFiles();
    ASSERT_EQ(files.size(), 7 * 4 + 6 + 4);
    for (auto file = files.begin(); file != files.end(); ++file) {
        QFile written(folders.root() + '/' + file.key());
        ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << file.key().toStdString();
        EXPECT_TRUE(written.readAll() == file.value()) << file.key().toStdString();
    }
}

// The benchmarks grow the corpus: a larger scale gives the same files, that many times as
// long, and the laisse table of the longest text still points at its verses.
TEST(SampleDataGeneration, ScaledCorpusGrowsInTheSameFiles)
{
    const QMap<QString, QByteArray> usual = SampleDataFiles();
    const QMap<QString, QByteArray> scaled = SampleDataFiles(3);
    ASSERT_EQ(scaled.keys(), usual.keys());
    for (auto file = usual.begin(); file != usual.end(); ++file) {
        const double growth = double(scaled[file.key()].size()) / double(file.value().size());
        EXPECT_GT(growth, 2.5) << file.key().toStdString();
        EXPECT_LT(growth, 3.5) << file.key().toStdString();
    }

    const QList<QByteArray> text = scaled["Data/Manuscripts/P/Texte.txt"].split('\n');
    int listed = 0;
    for (const QByteArray& record : scaled["Data/Manuscripts/P/LV.txt"].split('\n')) {
        const QList<QByteArray> fields = record.split('\t');
        if (fields.size() != 2)
            continue;
        for (const QByteArray& line : fields[1].split(',')) {
            const QList<QByteArray> verse = text.value(line.toInt() - 1).split('\t');
            ASSERT_EQ(verse.size(), 4) << "line " << line.toStdString();
            ASSERT_EQ(verse[1], fields[0]) << "line " << line.toStdString();
            ++listed;
        }
    }
    EXPECT_GT(listed, 3 * 4000);
}

TEST(SampleDataGeneration, UnwritableFolderIsReportedNotIgnored)
{
    TempFolders folders;
    const QString blocker = folders.writeFile("blocker", "a file where a folder should go");
    QString error;
    EXPECT_FALSE(WriteSampleData(blocker, &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
