#pragma once

#include <QString>
#include <QStringList>

// Number and text helpers with the meaning the data files and handlers rely on.

// Reads the leading decimal number of text, passing over leading blanks; an empty text or
// one that does not start with a number gives 0. "12.7" -> 12.7, " -3x" -> -3, "abc" -> 0.
double CDbl(const QString& text);

// CDbl of text cut toward zero and clamped into the 64-bit range. "12.7" -> 12, "-2.9" -> -2.
qint64 WholeNumber(const QString& text);

// Plain decimal: minus sign, no leading zeros. 12 -> "12", -3 -> "-3".
QString Str(qint64 value);

// Formats value with a pattern of zeros: at least as many digits as the pattern, zeros in
// front, a minus sign before a negative number. Format(7, "000") -> "007", Format(1234, "000") -> "1234".
QString Format(qint64 value, const QString& pattern);

// Fields counted from 1. CountFields("", ",") is 0; NthField past the last field is "".
int CountFields(const QString& text, const QString& separator);
QString NthField(const QString& text, const QString& separator, int n);

// Every piece, empty ones too, counted from 0; an empty text gives no piece.
QStringList Split(const QString& text, const QString& separator);
