#pragma once
// Builds a section's page set from the catalogue: one tab per catalogue page,
// in catalogue order, each page laid out by its kind, with its answer
// options, clip players, passage boxes, sub-page sets and focus holders.
//
// Keyboard order, the same on every page of a kind:
// - listening pages: the players ("H" before "F"), then options A to D; on a
//   group page the shared player, then each question's group in number
//   order, its player before its options;
// - grammar pages: options A to D, then the focus holder;
// - reading pages with sub-pages: the passage box, then the sub-page strip;
//   on each sub-page the options A to D, then the focus holder;
// - the single reading question: options A to D, then the passage box.
// Every page and sub-page thus holds a tab stop that is not an option, so the
// focus entering it never lands on an unchecked option.

#include "content/catalogue.h"

#include <QList>
#include <QStringList>
#include <vector>

class ClipPlayer;
class PageSet;
class QWidget;
class RadioOption;

struct built_section {
    // Options of every question in number order, A to D: the letter of
    // options[i] is i % 4.
    std::vector<RadioOption*> options;
    // Players in the order they were placed.
    std::vector<ClipPlayer*> players;
    // The set and every control inside it, in keyboard order.
    QList<QWidget*> keyboard_order;
};

// The clips of a section's pages in the order their players are placed: on
// each page the shared clip first, then each question's clips, "H" before "F".
QStringList section_clips(const std::vector<page>& pages);

// `players` are the section's clip players, one for each of
// section_clips(pages) in that order, made (and opened) beforehand: the
// builder places them on the pages. Throws AppError when they run short.
built_section build_question_pages(PageSet* page_set, const std::vector<page>& pages,
                                   const std::vector<ClipPlayer*>& players);
