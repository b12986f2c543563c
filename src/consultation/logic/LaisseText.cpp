#include "consultation/logic/LaisseText.h"

#include "platform/LineReader.h"
#include "platform/TextFunctions.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int CellCount = 4;

struct WantedLines
{
    QList<qint64> numbers;   // ascending, each once
    bool unfindable = false; // a piece names no line (0, negative or empty)
};

WantedLines Wanted(const QString& lineNumbers)
{
    WantedLines wanted;
    for (const QString& piece : Split(lineNumbers, ",")) {
        const qint64 number = WholeNumber(piece);
        if (number < 1)
            wanted.unfindable = true;
        else
            wanted.numbers.append(number);
    }
    std::sort(wanted.numbers.begin(), wanted.numbers.end());
    wanted.numbers.erase(std::unique(wanted.numbers.begin(), wanted.numbers.end()),
                         wanted.numbers.end());
    return wanted;
}

// Fields past the fourth are dropped: a TAB inside the verse text cuts it there.
QStringList LaisseRow(const QString& line)
{
    QStringList cells = line.split(QLatin1Char('\t'));
    if (cells.size() > CellCount)
        cells.erase(cells.begin() + CellCount, cells.end());
    while (cells.size() < CellCount)
        cells.append(QString());
    return cells;
}

} // namespace

LaisseText ReadLaisseText(const HeldFile& textFile, const QString& lineNumbers, qint64 verse)
{
    LaisseText text;
    if (!textFile.isHeld()) {
        text.outcome = LaisseText::NoTextFile;
        return text;
    }

    const WantedLines wanted = Wanted(lineNumbers);
    LineReader reader(textFile.readFromStart());
    if (!reader.isOpen()) {
        text.outcome = LaisseText::Unreadable;
        return text;
    }

    // Only the wanted lines are decoded; the others are passed over as bytes.
    qint64 linesRead = 0;
    for (qint64 number : wanted.numbers) {
        const qint64 before = number - linesRead - 1;
        if (reader.skipLines(before) < before || reader.atEnd())
            return text;
        linesRead = number;
        QStringList row = LaisseRow(reader.readLine());
        if (WholeNumber(row.at(2)) == verse)
            text.selectedRow = int(text.rows.size());
        text.rows.append(std::move(row));
    }
    // A line that is never found keeps the reading going to the end of the file.
    if (wanted.unfindable)
        reader.skipLines(std::numeric_limits<qint64>::max());
    return text;
}
