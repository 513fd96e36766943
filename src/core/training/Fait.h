// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A question settled during a run: which fact (the multiplier times the
// table), how it was settled, after how many tries, and when.
#pragma once

#include "Compteurs.h"

#include <QtGlobal>

// A product to find: the multiplier first, the table second (3 x 7 asks for
// 3 times 7 in table 7).
struct Question
{
    int terme1 = 0;
    int terme2 = 0;
    int livret() const { return terme2 - PremierLivret; }
    int produit() const { return terme1 * terme2; }
    bool operator==(const Question&) const = default;
};

// A right first try within this time, in tenths of a second, is automatic.
inline constexpr qint32 DixiemesAutomatique = 30;

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
