#pragma once

#include "data/TextDictionary.h"
#include "platform/HeldFile.h"

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

    HeldFile TextFi; // "Texte.txt" as found at loading; none when missing, a link or no file
    TextDictionary LVdic;
    TextDictionary VLdic;
    QString MySigla;
    TextDictionary BEVdic;
    TextDictionary BELdic;
    TextDictionary EBLdic;
    TextDictionary EBVdic;
};
