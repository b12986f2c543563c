#pragma once

#include "data/TextDictionary.h"

#include <QString>
#include <stdexcept>

// Raised when a manuscript's folder or one of its table files cannot be read; path names it.
class DataFileError : public std::runtime_error
{
public:
    explicit DataFileError(const QString& path);
    QString path;
};

// One manuscript's numbering tables, loaded from the folder named by its siglum in the
// manuscripts folder.
class ManuscriptObj
{
public:
    // Throws DataFileError when the folder or a table file is missing, unreadable or reached only
    // through a symbolic link.
    ManuscriptObj(const QString& siglum, const QString& manuscriptsFolder);

    QString TextFi; // path of "Texte.txt"; the file may be missing; unset when it is a link
    TextDictionary LVdic;
    TextDictionary VLdic;
    QString MySigla;
    TextDictionary BEVdic;
    TextDictionary BELdic;
    TextDictionary EBLdic;
    TextDictionary EBVdic;
};
