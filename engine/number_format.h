#pragma once
// Numbers shown to the candidate are written with fixed patterns: "0" a digit
// always written, "#" a digit written only when significant, "." the place of
// the regional decimal separator; every other character is copied as it
// stands (a "%" scales nothing). Values are exact decimals, given as an
// integer count of units of 10^-decimals, so no binary rounding can creep in.

#include <QChar>
#include <QString>
#include <QStringView>
#include <cstdint>

QString format_number(std::int64_t units, int decimals, QStringView pattern, QChar decimal_separator);

// The decimal separator of the user's regional settings.
QChar regional_decimal_separator();

// A duration as the candidate reads it, whole minutes then two-digit
// seconds: 2100 gives 35'00".
QString duration_text(std::int32_t seconds);
