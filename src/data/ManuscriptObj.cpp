#include "ManuscriptObj.h"

#include "platform/LineReader.h"
#include "platform/LinkFreeFolder.h"

#include <QDir>

DataFileError::DataFileError(const QString& file)
    : std::runtime_error(file.toStdString())
    , path(file)
{
}

namespace {

// Reads a two-field table and hands field 1 and field 2 of every line to store. A line with
// fewer than two fields (an empty line, a line without TAB) holds no entry and is passed over.
template <typename Store>
void readTable(const LinkFreeFolder& folder, const QString& folderPath, const QString& name,
               Store store)
{
    const QString path = folderPath + QLatin1Char('/') + name;
    LineReader reader(folder.openFile(name));
    if (!reader.isOpen())
        throw DataFileError(QDir::toNativeSeparators(path));
    while (!reader.atEnd()) {
        const QString line = reader.readLine();
        const qsizetype firstTab = line.indexOf(QLatin1Char('\t'));
        if (firstTab < 0)
            continue;
        const qsizetype secondTab = line.indexOf(QLatin1Char('\t'), firstTab + 1);
        const QStringView view(line);
        const QStringView field1 = view.left(firstTab);
        const QStringView field2 = secondTab < 0 ? view.mid(firstTab + 1)
                                                 : view.mid(firstTab + 1, secondTab - firstTab - 1);
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
    // A link in place of the text counts as no text file: the path stays unset.
    if (!folder.isLink(QStringLiteral("Texte.txt")))
        TextFi = path + QStringLiteral("/Texte.txt");

    readTable(folder, path, QStringLiteral("LV.txt"),
              [this](QStringView f1, QStringView f2) { LVdic.setValue(f1, f2); });
    readTable(folder, path, QStringLiteral("VL.txt"),
              [this](QStringView f1, QStringView f2) { VLdic.setValue(f1, f2); });
    readTable(folder, path, QStringLiteral("BV.txt"), [this](QStringView f1, QStringView f2) {
        EBVdic.setValue(f1, f2);
        BEVdic.setValue(f2, f1);
    });
    readTable(folder, path, QStringLiteral("BL.txt"), [this](QStringView f1, QStringView f2) {
        EBLdic.setValue(f1, f2);
        BELdic.setValue(f2, f1);
    });

    for (TextDictionary* dictionary : {&LVdic, &VLdic, &BEVdic, &BELdic, &EBLdic, &EBVdic})
        dictionary->squeeze();
}
