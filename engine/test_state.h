#pragma once
// The test in progress: the candidate's answers, the answer key, the result
// of each section and the section started last. Fixed arrays of 32-bit
// integers indexed by question number (1 to 140) or section number (1 to 3);
// index 0 is unused. Lives in memory only.

#include "engine/sections.h"

#include <array>
#include <cstdint>

struct test_state {
    std::array<std::int32_t, question_count + 1> reponse{};  // 0 none, 1 A … 4 D
    std::array<std::int32_t, question_count + 1> solution{}; // the key, 1 to 4
    std::array<std::int32_t, 4> score_section{};             // correct count, -1 not taken
    std::int32_t section_active = 0;                         // section started last, 0 none
};

// The answer key, as letters A to D in question order 1 to 140.
extern const char answer_key[question_count + 1];
