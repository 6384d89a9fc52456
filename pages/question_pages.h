#pragma once
// Builds the question pages of a section's page set from the catalogue:
// one tab per catalogue page, in catalogue order, each page laid out by its
// kind.

#include "content/catalogue.h"

class QTabWidget;

void build_question_pages(QTabWidget* page_set, const std::vector<page>& pages);
