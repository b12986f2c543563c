#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// The invented sample data set: the same bytes at every run.
// Paths are relative, e.g. "Data/Manuscripts/P/Texte.txt", "Data/Correspondances/OPTL.txt".
// A scale above 1 tells a poem that many times as long, in the same files and formats, for
// measuring how costs grow with the corpus.
QMap<QString, QByteArray> SampleDataFiles(int scale = 1);

// Writes the sample data set below folder (which gets the folder "Data"). On failure returns
// false and tells why in error.
bool WriteSampleData(const QString& folder, QString* error, int scale = 1);
