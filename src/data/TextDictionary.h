#pragma once

#include <QString>

// A text-to-text dictionary for the numbering tables: exact, case-sensitive keys; setting a key
// again replaces its value. Built for many short texts held for the life of the process.
class TextDictionary
{
public:
    bool HasKey(const QString& key) const;
    // The value stored under key; the empty text when there is none.
    QString Value(const QString& key) const;
    void setValue(const QString& key, const QString& value);
    int count() const;

private:
    // Representation chosen by the tables' owner.
};
