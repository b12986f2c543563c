#include "consultation/logic/CopyText.h"

#include "platform/TextFunctions.h"

#include <QRegularExpression>

namespace {

// Replaces the leftmost match of pattern by change(matched text) until no match is left. The
// search goes on from the place of the last replacement: every change only turns capitals into
// small letters, so no match can appear before it.
template <typename Change>
QString ChangeEachMatch(QString text, const QRegularExpression& pattern, Change change)
{
    qsizetype from = 0;
    for (;;) {
        const QRegularExpressionMatch match = pattern.match(text, from);
        if (!match.hasMatch())
            return text;
        const QString changed = change(match.captured(1));
        text.replace(match.capturedStart(1), match.capturedLength(1), changed);
        from = match.capturedStart(0);
    }
}

QString Lowercase(const QString& text)
{
    return text.toLower();
}

// Only whole capital words reach this, so the first letter is already a capital.
QString Titlecase(const QString& text)
{
    return text.left(1) + text.mid(1).toLower();
}

} // namespace

QString RemoveMarkings(const QString& row)
{
    static const QRegularExpression numberBetweenEquals(QStringLiteral("=\\d+?="));
    static const QRegularExpression digitBeforeBar(QStringLiteral("\\d\\|"));
    static const QRegularExpression markedCapitals(QStringLiteral("(·[A-Z]+?·)"));
    // Unicode matching makes the accented capitals word characters, so "ÉCU" is a whole word.
    static const QRegularExpression capitalWord(QStringLiteral("\\b([A-ZÄÏËÖÜÉ][A-ZÄÏËÖÜÉ]+?)\\b"),
                                                QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression blankRun(QStringLiteral("  +"));

    QString text = row;
    text.replace(numberBetweenEquals, QStringLiteral(" "));
    text.remove(digitBeforeBar);
    text.remove(QLatin1Char('\\'));
    text.remove(QLatin1Char('|'));
    text = ChangeEachMatch(text, markedCapitals, Lowercase);
    text = ChangeEachMatch(text, capitalWord, Titlecase);
    text.replace(blankRun, QStringLiteral(" "));
    return text;
}

void ArrangeForCitation(QStringList& rows, const QString& siglum)
{
    if (rows.isEmpty())
        return;
    const QString tab = QStringLiteral("\t");
    const qint64 firstVerse = WholeNumber(NthField(rows.first(), tab, 3));
    const qint64 lastVerse = WholeNumber(NthField(rows.last(), tab, 3));
    for (QString& row : rows)
        row = NthField(row, tab, 4);
    rows.append(siglum + QLatin1Char(' ') + Str(firstVerse) + QLatin1Char('-') + Str(lastVerse));
}

QString ClipboardText(const QStringList& lines)
{
    return lines.join(QLatin1Char('\n'));
}
