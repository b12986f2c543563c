#pragma once

#include <QString>
#include <QtGlobal>

// The number a request reads from the search field. A Japanese input method types full-width
// digits, signs, points and blanks; they read as their plain forms, and the rest reads as
// WholeNumber does: "１２" -> 12, "　１２．７" -> 12, "－３" -> -3, "12a" -> 12, "abc" -> 0.
qint64 TypedNumber(const QString& typed);
