// A question settled during a run: which fact (the multiplier times the
// table), how it was settled, after how many tries, and when.
#pragma once

#include <QtGlobal>

// How a question was settled; the values are those the results file keeps.
enum class Issue {
    Essai1 = 1,    // right at the first try
    Essai2 = 2,    // right at a later try
    Reponse = 3,   // the answer given
};

struct Fait
{
    int livret = 0;            // the table, 2 to 12
    int multiplicateur = 0;    // 1 to 12
    Issue issue = Issue::Essai1;
    int nbEssais = 0;          // tries counted; empty and repeated answers are none
    qint32 dixiemes = 0;       // from the question shown to its settling

    bool operator==(const Fait&) const = default;
};
