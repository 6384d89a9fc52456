#pragma once
// The one description of the three sections that the engine, the main window
// and the question pages share.

#include <QString>
#include <array>
#include <cstdint>

struct section_info {
    int numero;
    int premiere_question;
    int derniere_question;
    int nombre;           // question count: bounds, denominator, divisor
    std::int32_t duree;   // seconds
    QString titre;        // the status bar's section title while the section runs
};

inline const std::array<section_info, 3>& section_table()
{
    static const std::array<section_info, 3> table{{
        {1, 1, 50, 50, 2100, QStringLiteral("Section 1 : compréhension orale")},
        {2, 51, 90, 40, 2400, QStringLiteral("Section 2 : structures grammaticales")},
        {3, 91, 140, 50, 3600, QStringLiteral("Section 3 : compréhension écrite")},
    }};
    return table;
}

// n is 1 to 3.
inline const section_info& section(int n) { return section_table()[static_cast<std::size_t>(n - 1)]; }

constexpr int question_count = 140;
