#pragma once
// The fixed structure of the examination: for each section, its pages in tab
// order with their kind and question range. The catalogue files must match it.

#include "content/catalogue.h"

#include <array>
#include <optional>
#include <vector>

struct page_plan {
    ::genre genre;
    int first;
    int last;
};

// Index 0 to 2 for sections 1 to 3.
const std::array<std::vector<page_plan>, 3>& catalogue_layout();

// The kind's name as written in the catalogue files ("ecoute_image").
QString genre_name(genre g);
std::optional<genre> genre_from_name(const QString& name);
