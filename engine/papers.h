#pragma once
// The papers the candidate may sit: the same 140 questions in the same three
// sections, each paper with its own content and its own key. Paper 1 is the
// one the program starts with. A paper's content lives in content/<dossier>/
// (catalogue, pictures, transcripts), its recordings in ressources/<dossier>/;
// paper 1's dossier is empty: content/ and ressources/ themselves.

#include "engine/sections.h"

#include <QString>
#include <vector>

struct paper_info {
    int numero;
    const char* cle;   // the answer key, letters A to D for questions 1 to 140
    QString dossier;
};

// Every paper in order, paper 1 first; numero is its place, from 1.
const std::vector<paper_info>& paper_table();
