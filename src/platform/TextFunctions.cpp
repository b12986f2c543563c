#include "platform/TextFunctions.h"

#include <cmath>
#include <limits>

namespace {

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Digits only, no sign; "-" + digits for negatives, so the most negative value has no overflow.
QString UnsignedDigits(qint64 value)
{
    const quint64 magnitude = value < 0 ? quint64(0) - quint64(value) : quint64(value);
    return QString::number(magnitude);
}

} // namespace

// No exponent is read: "1e3" -> 1, as the data files only hold plain decimals and a stray
// letter after a number must not change its size.
double CDbl(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && IsBlank(text[i]))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    const qsizetype digitsStart = i;
    while (i < n && IsDigit(text[i]))
        ++i;
    bool anyDigit = i > digitsStart;
    if (i < n && text[i] == u'.') {
        const qsizetype fractionStart = i + 1;
        qsizetype j = fractionStart;
        while (j < n && IsDigit(text[j]))
            ++j;
        if (anyDigit || j > fractionStart) {
            anyDigit = true;
            i = j;
        }
    }
    if (!anyDigit)
        return 0.0;
    bool ok = false;
    const double value = text.mid(start, i - start).toDouble(&ok);
    if (ok)
        return value;
    // Only an overflow of a plain decimal can fail here.
    return text[start] == u'-' ? -std::numeric_limits<double>::infinity()
                               : std::numeric_limits<double>::infinity();
}

qint64 WholeNumber(const QString& text)
{
    const double value = std::trunc(CDbl(text));
    if (std::isnan(value))
        return 0;
    // 2^63 is exactly representable; anything at or past it does not fit.
    constexpr double Limit = 9223372036854775808.0;
    if (value >= Limit)
        return std::numeric_limits<qint64>::max();
    if (value < -Limit)
        return std::numeric_limits<qint64>::min();
    return static_cast<qint64>(value);
}

QString Str(qint64 value)
{
    return QString::number(value);
}

QString Format(qint64 value, const QString& pattern)
{
    const QString digits = UnsignedDigits(value).rightJustified(pattern.count(u'0'), u'0');
    return value < 0 ? u'-' + digits : digits;
}

QStringList Split(const QString& text, const QString& separator)
{
    if (text.isEmpty())
        return {};
    if (separator.isEmpty())
        return {text};
    return text.split(separator, Qt::KeepEmptyParts);
}

int CountFields(const QString& text, const QString& separator)
{
    const qsizetype count = Split(text, separator).size();
    return count > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : int(count);
}

QString NthField(const QString& text, const QString& separator, int n)
{
    const QStringList fields = Split(text, separator);
    if (n < 1 || n > fields.size())
        return QString();
    return fields[n - 1];
}
