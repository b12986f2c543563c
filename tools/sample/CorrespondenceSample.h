#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <vector>

class ManuscriptSample;

// The correspondence tables of the sample data, file name to content. Each row aligns one
// episode of the poem across the manuscripts, by their reference-edition laisse numbers in
// three digits. The tables differ in their columns, their order of rows and columns, and in
// how they write a manuscript that lacks the episode ("P=0" or no field at all). Two more
// sigla, "lv" and "F", stand for fragments that have no data.
QMap<QString, QByteArray> CorrespondenceTables(const std::vector<ManuscriptSample>& manuscripts,
                                               int episodeCount);
