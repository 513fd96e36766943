// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A fact of the tables is a multiplier times a table: asked as a question,
// then settled during a run (how, after how many tries, and when).
#pragma once

#include <QtGlobal>

// A product to find, written multiplier first: 3 x 7 asks for 3 times 7 in
// the table of 7.
struct Question
{
    int multiplicateur = 0;   // 1 to 12
    int livret = 0;           // the table, 2 to 12
    int produit() const { return multiplicateur * livret; }
    bool operator==(const Question&) const = default;
};

// A right first try within this time, in tenths of a second, is automatic.
inline constexpr qint32 DixiemesAutomatique = 30;

// How a question was settled; the values are those the results store keeps.
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

    Question question() const { return {multiplicateur, livret}; }
    bool operator==(const Fait&) const = default;
};
