#pragma once

#include "platform/HeldFile.h"

#include <QList>
#include <QString>
#include <QStringList>

// The rows of one laisse as the main list shows them: folio, laisse, verse and text.
struct LaisseText
{
    enum Outcome {
        Shown,      // rows holds every listed line found in the file
        NoTextFile, // the manuscript has no text file
        Unreadable  // the file is held but could not be read from its start
    };

    Outcome outcome = Shown;
    QList<QStringList> rows; // four cells each, missing fields as empty cells
    int selectedRow = -1;    // the last row whose verse field reads as the verse asked for
};

// Reads the lines that lineNumbers lists (line numbers from 1, separated by ",") from the held
// text file, in file order and each once, stopping at the last wanted line. "3,1,2" gives lines
// 1, 2 and 3; "5,5" gives line 5 once; an empty piece ("4,5,") is never found, so the whole
// file is read.
LaisseText ReadLaisseText(const HeldFile& textFile, const QString& lineNumbers, qint64 verse);
