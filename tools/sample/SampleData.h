#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// The invented sample data set: the same bytes at every run.
// Paths are relative, e.g. "Data/Manuscripts/P/Texte.txt", "Data/Correspondances/OPTL.txt".
QMap<QString, QByteArray> sampleDataFiles();

// Writes the sample data set below folder (which gets the folder "Data"). On failure returns
// false and tells why in error.
bool writeSampleData(const QString& folder, QString* error);
