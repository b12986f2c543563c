#pragma once

#include <QString>
#include <QStringList>

// The clean-up and arrangement of copied rows, kept apart from the window so that both can be
// checked on plain texts.

// One row with its editorial markings removed:
//   "a=17=b" -> "a b", "12|" -> "1", "·ABC·" -> "·abc·", "XYZ" -> "Xyz", "a   b" -> "a b".
QString RemoveMarkings(const QString& row);

// Rows of TAB-separated Folio, Laisse, Verse and Text turned into their verse texts, followed
// by a closing line naming siglum and the verse numbers of the first and last rows: "O 12-15".
// An empty list stays empty.
void ArrangeForCitation(QStringList& rows, const QString& siglum);

// The clipboard text of the copied lines: joined by LF, with no line ending after the last.
QString ClipboardText(const QStringList& lines);
