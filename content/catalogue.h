#pragma once
// The examination's content model: three sections of pages of eight kinds,
// 140 questions with four options each. A paper's catalogue is loaded from
// the JSON files compiled into the program when that paper is taken up
// (paper 1 at start-up, another when the candidate chooses it), read by its
// pages and its review alike, and never changed afterwards.
// Everything that follows from a page's kind and a question's number (tab
// captions, option captions, clip names) is derived here, never stored.

#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

enum class genre {
    ecoute_image,
    ecoute_hf,
    ecoute_simple,
    ecoute_groupe,
    phrase_correcte,
    phrase_a_trou,
    texte_a_trous,
    lecture,
};

struct question {
    int numero = 0;
    std::array<QString, 4> options; // A, B, C, D; empty on ecoute_image
    QString enonce;                 // the stem: phrase_a_trou and lecture only
    QString image;                  // picture record name: ecoute_image only
    std::array<QString, 4> dessins; // French descriptions of the drawings A to D: ecoute_image only
};

struct page {
    int section = 0;
    ::genre genre = genre::ecoute_image;
    std::vector<question> questions;
    QStringList texte; // the passage, line by line: texte_a_trous and lecture only
    QString dossier;   // its paper's folder (see content_folder); empty for paper 1
};

class catalogue {
public:
    // Loads the built-in catalogue of the paper kept in `dossier` (empty:
    // paper 1); throws AppError naming the file and the page or question at
    // fault.
    static catalogue load(const QString& dossier = {});
    // The same from three files on disk (tests and fixtures); the pictures are
    // read from the folder "images" beside the files' folder, as in content/.
    static catalogue load_files(const QString& section1, const QString& section2,
                                const QString& section3);

    // Section 1 to 3; an empty list for any other number.
    const std::vector<page>& pages(int section) const;
    // The folder of its paper, as given to load().
    const QString& dossier() const { return dossier_; }

private:
    catalogue(std::array<std::vector<page>, 3> sections, QString dossier);
    static catalogue read(const std::array<QString, 3>& files, const QString& images_folder,
                          const QString& dossier = {});

    std::array<std::vector<page>, 3> sections_;
    QString dossier_;
};

// The built-in content of the paper kept in `dossier`: ":/content" for
// paper 1 (empty dossier), ":/content/<dossier>" for the others; its
// catalogue, images and transcripts are the folders of the same names there.
QString content_folder(const QString& dossier);
// Where the pictures of a page are read from: its paper's "images" folder.
QString picture_folder(const page& p);

// "Question 1", "Questions 43-45": the questions first to last.
QString questions_caption(int first, int last);
// The same for the questions of a page: its tab's caption.
QString tab_caption(const page& p);
// "Question 91": sub-pages of multi-question section-3 pages.
QString sub_page_caption(const question& q);
// "A" (ecoute_image), "A.足球迷" (texte_a_trous), "A. 排球" (all others);
// letter is 0 to 3 (an empty caption otherwise).
QString option_caption(genre g, int letter, const QString& text);

// The picture's text alternative, its four drawings in order:
// "A : Un vélo. B : Un bus. …"; empty for a question without a picture.
QString picture_alternative(const question& q);

// Where a gap text writes the blank of question `numero`: its number, not
// part of a longer number.
QRegularExpression blank_pattern(int numero);

// What the question asks about, as assistive technology reads it with its
// options: the stem on phrase_a_trou and lecture pages, the passage's
// sentence that holds the blank on texte_a_trous pages, nothing elsewhere.
QString question_prompt(const page& p, const question& q);

// Clip file names, derived from kind and number: {"Q01_h.mp3", "Q01_f.mp3"}
// for the two-clip kinds, {"Q31.mp3"} for ecoute_simple and questions of an
// ecoute_groupe page, nothing elsewhere.
QStringList clip_names(genre g, int numero);
// The shared clip of an ecoute_groupe page: "Q43-45.mp3"; empty for other kinds.
QString shared_clip_name(const page& p);
// Every recording of a page, in the order of its players: the shared clip
// first, then each question's clips ("H" before "F").
QStringList clips_of(const page& p);
// Every recording a question is heard from, in the order of its page: the
// shared clip of its group first, then its own ({"Q43-45.mp3", "Q43.mp3"}).
QStringList question_clips(const page& p, const question& q);
