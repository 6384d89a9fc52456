#include "engine/number_format.h"

#include <QLocale>

QString format_number(std::int64_t units, int decimals, QStringView pattern, QChar decimal_separator)
{
    // Split the pattern: integer digits, optional fraction digits, then literals.
    qsizetype i = 0;
    int integer_zeros = 0;
    while (i < pattern.size() && (pattern[i] == u'#' || pattern[i] == u'0')) {
        if (pattern[i] == u'0')
            ++integer_zeros;
        ++i;
    }
    int fraction_digits = 0;
    const bool has_point = i < pattern.size() && pattern[i] == u'.';
    if (has_point) {
        ++i;
        while (i < pattern.size() && (pattern[i] == u'#' || pattern[i] == u'0')) {
            ++fraction_digits;
            ++i;
        }
    }
    const QStringView literals = pattern.mid(i);

    // Bring the value to the pattern's number of decimals, rounding half away
    // from zero when digits have to go.
    const bool negative = units < 0;
    std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(units) : static_cast<std::uint64_t>(units);
    for (int d = decimals; d > fraction_digits; --d) {
        const std::uint64_t rest = magnitude % 10;
        magnitude = magnitude / 10 + (rest >= 5 && d == fraction_digits + 1 ? 1 : 0);
    }
    for (int d = decimals; d < fraction_digits; ++d)
        magnitude *= 10;

    std::uint64_t scale = 1;
    for (int d = 0; d < fraction_digits; ++d)
        scale *= 10;
    QString integer_part = QString::number(magnitude / scale);
    if (integer_part == u"0" && integer_zeros == 0)
        integer_part.clear();
    while (integer_part.size() < integer_zeros)
        integer_part.prepend(u'0');

    QString text = negative && magnitude != 0 ? QStringLiteral("-") : QString();
    text += integer_part;
    if (fraction_digits > 0) {
        text += decimal_separator;
        text += QString::number(magnitude % scale).rightJustified(fraction_digits, u'0');
    }
    text += literals;
    return text;
}

QChar regional_decimal_separator()
{
    const QString point = QLocale::system().decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.front();
}

QString duration_text(std::int32_t seconds)
{
    const QChar point = regional_decimal_separator();
    return format_number(seconds / 60, 0, u"#0", point) + u'\'' + format_number(seconds % 60, 0, u"00", point) + u'"';
}
