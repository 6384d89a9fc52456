#pragma once
// What the review's controls share: the font helper, the letter of an answer and
// the marks of a right and a wrong one, which never rely on colour alone.

#include "platform/pixel_font.h"

#include <QColor>
#include <QFont>
#include <QString>

namespace review_text {

// "A" to "D" for 1 to 4, "—" for no answer.
inline QString letter_of(int value)
{
    return value >= 1 && value <= 4 ? QString(QChar(u'@' + value)) : QStringLiteral("—");
}

inline QString correct_mark() { return QStringLiteral("✔"); }
inline QString wrong_mark() { return QStringLiteral("✘"); }
inline QColor correct_colour() { return {0, 128, 0}; }
inline QColor wrong_colour() { return {192, 0, 0}; }

} // namespace review_text
