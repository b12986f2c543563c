#include "data/ManuscriptObj.h"

#include "platform/LineReader.h"
#include "platform/LinkFreeFolder.h"

#include <QDir>

DataFileError::DataFileError(const QString& file)
    : std::runtime_error(file.toStdString()), path(file)
{
}

namespace {

// Field 1 and field 2 of line, the text before the first TAB and the text from there to the
// next TAB or the end: "12\t4,5\tx" gives "12" and "4,5". False when the line has no TAB.
template <typename View, typename Char>
bool TwoFields(View line, Char tab, View& field1, View& field2)
{
    const qsizetype firstTab = line.indexOf(tab);
    if (firstTab < 0)
        return false;
    const qsizetype secondTab = line.indexOf(tab, firstTab + 1);
    field1 = line.first(firstTab);
    field2 = secondTab < 0 ? line.sliced(firstTab + 1)
                           : line.sliced(firstTab + 1, secondTab - firstTab - 1);
    return true;
}

// Reads a two-field table and hands field 1 and field 2 of every line to store. A line with
// fewer than two fields (an empty line, a line without TAB) holds no entry and is passed over.
// The tables hold numbers, so the fields are nearly always plain ASCII and are taken as they lie
// in the file; a line with anything else in its first two fields is decoded whole, so that it
// reads as LineReader reads every line.
template <typename Store>
void ReadTable(const LinkFreeFolder& folder, const QString& folderPath, const QString& name,
               Store store)
{
    const QString path = folderPath + QLatin1Char('/') + name;
    LineReader reader(folder.openFile(name));
    if (!reader.isOpen())
        throw DataFileError(QDir::toNativeSeparators(path));
    while (!reader.atEnd()) {
        const QByteArrayView line = reader.readLineBytes();
        QByteArrayView bytes1;
        QByteArrayView bytes2;
        if (!TwoFields(line, '\t', bytes1, bytes2))
            continue;
        if (IsAscii(bytes1) && IsAscii(bytes2)) {
            store(QLatin1StringView(bytes1), QLatin1StringView(bytes2));
            continue;
        }
        const QString text = DecodeLine(line);
        const QStringView view(text);
        QStringView field1;
        QStringView field2;
        TwoFields(view, QLatin1Char('\t'), field1, field2);
        store(field1, field2);
    }
    if (reader.hasError())
        throw DataFileError(QDir::toNativeSeparators(path));
}

} // namespace

ManuscriptObj::ManuscriptObj(const QString& siglum, const QString& manuscriptsFolder)
    : MySigla(siglum)
{
    const QString path = manuscriptsFolder + QLatin1Char('/') + siglum;
    // Neither "Manuscripts", nor the manuscript's folder, nor a table is reached through a
    // symbolic link: one planted there counts as missing.
    const LinkFreeFolder folder(LinkFreeFolder(manuscriptsFolder), siglum);
    if (!folder.isOpen())
        throw DataFileError(QDir::toNativeSeparators(path));
    // Held open from here on, so every laisse shown comes from the text that these tables
    // describe, whatever another start unpacks over it later. A link in place of the text counts
    // as no text file.
    TextFi = HeldFile(folder.openFile(QStringLiteral("Texte.txt")));

    ReadTable(folder, path, QStringLiteral("LV.txt"),
              [this](auto f1, auto f2) { LVdic.load(f1, f2); });
    ReadTable(folder, path, QStringLiteral("VL.txt"),
              [this](auto f1, auto f2) { VLdic.load(f1, f2); });
    ReadTable(folder, path, QStringLiteral("BV.txt"), [this](auto f1, auto f2) {
        EBVdic.load(f1, f2);
        BEVdic.load(f2, f1);
    });
    ReadTable(folder, path, QStringLiteral("BL.txt"), [this](auto f1, auto f2) {
        EBLdic.load(f1, f2);
        BELdic.load(f2, f1);
    });

    for (TextDictionary* dictionary : {&LVdic, &VLdic, &BEVdic, &BELdic, &EBLdic, &EBVdic})
        dictionary->finishLoading();
}
