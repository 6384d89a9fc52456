#pragma once
// Finding a question of a loaded catalogue by its number.

#include "content/catalogue.h"

struct located_question {
    const ::question* question = nullptr;
    const ::page* page = nullptr;
};

// The question numbered 1 to 140 and the page that holds it; nulls outside.
inline located_question question_by_number(const catalogue& c, int numero)
{
    for (int section = 1; section <= 3; ++section)
        for (const page& p : c.pages(section))
            for (const question& q : p.questions)
                if (q.numero == numero)
                    return {&q, &p};
    return {};
}
