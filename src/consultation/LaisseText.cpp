#include "LaisseText.h"

#include "platform/LineReader.h"
#include "platform/TextFunctions.h"

#include <QFileInfo>
#include <QSet>

namespace {

constexpr int kCellCount = 4;

QSet<qint64> WantedLines(const QString& lineNumbers)
{
    QSet<qint64> wanted;
    for (const QString& piece : Split(lineNumbers, ","))
        wanted.insert(WholeNumber(piece));
    return wanted;
}

// Fields past the fourth are dropped: a TAB inside the verse text cuts it there.
QStringList LaisseRow(const QString& line)
{
    QStringList cells = line.split(QLatin1Char('\t'));
    if (cells.size() > kCellCount)
        cells.erase(cells.begin() + kCellCount, cells.end());
    while (cells.size() < kCellCount)
        cells.append(QString());
    return cells;
}

} // namespace

LaisseText ReadLaisseText(const QString& textPath, const QString& lineNumbers, qint64 verse)
{
    LaisseText text;
    if (textPath.isEmpty() || !QFileInfo::exists(textPath)) {
        text.outcome = LaisseText::NoTextFile;
        return text;
    }

    QSet<qint64> wanted = WantedLines(lineNumbers);
    LineReader reader(textPath);
    if (!reader.isOpen()) {
        text.outcome = LaisseText::Unreadable;
        return text;
    }

    qint64 lineNumber = 0;
    while (!wanted.isEmpty() && !reader.atEnd()) {
        ++lineNumber;
        const QString line = reader.readLine();
        if (!wanted.remove(lineNumber))
            continue;
        QStringList row = LaisseRow(line);
        if (WholeNumber(row.at(2)) == verse)
            text.selectedRow = int(text.rows.size());
        text.rows.append(std::move(row));
    }
    return text;
}
