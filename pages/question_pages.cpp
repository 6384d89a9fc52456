#include "pages/question_pages.h"

#include <QTabWidget>

void build_question_pages(QTabWidget* page_set, const std::vector<page>& pages)
{
    for (const page& p : pages)
        page_set->addTab(new QWidget(page_set), tab_caption(p));
}
