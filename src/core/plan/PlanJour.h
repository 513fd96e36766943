// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The day's plan: which pairs of facts « Du jour » asks today, in the order
// of what matters most. First the pairs due, the least likely recalled
// first; then checks of pairs never met, a few a day, in a teaching order;
// then a few pairs to learn, each among questions the child knows
// (incremental rehearsal). What counts for the day's limits is read from the
// memory of the pairs: a second run on the same day goes on where the first
// stopped.
#pragma once

#include "core/memory/MemoirePaires.h"
#include "core/training/Livrets.h"

#include <QList>
#include <array>

// What says a known pair is due and how likely it is recalled: the FSRS-6
// model, or the fixed boxes of the grid (0, 1, 3, 7, 14, 30 days by right
// first tries in a row) kept for the pair.
enum class MemoireJour {
    Fsrs,
    Boites,
};

using OrdrePaires = std::array<int, Paires::Nb>;

// The pairs in the order of the tables given, each table's new pairs by
// their other factor rising; 0 stands for the squares. Pairs of no table
// given come last, in their own order.
OrdrePaires OrdreDesTables(const QList<int>& tables);
// x2, x10, x5, the squares, x3, x4, x9, x11, x6, x8, x7, x12: the easiest
// patterns first, each table then helping the next.
OrdrePaires OrdreEnseignement();

struct ReglagesJour
{
    MemoireJour memoire = MemoireJour::Fsrs;
    int verificationsParJour = 10;
    int nouvellesParJour = 3;
    int connuesAvantNouvelle = 2;   // questions the child knows before each asking of a pair to learn
    int retourMin = 2;              // other questions before a missed fact comes back...
    int retourMax = 4;              // ...and at most
    int justesPourApprendre = 2;    // right first tries in the run that end a pair's learning
    qint64 dureeMs = 10 * 60 * 1000;   // of run time, after which the question under way is the last
    OrdrePaires ordre = OrdreEnseignement();
};

struct PlanJour
{
    int multMax = 12;
    QList<int> dues;            // known pairs due, least likely recalled first
    QList<int> verifications;   // never met, in the teaching order
    QList<int> aApprendre;      // begun on an earlier day first, then in the teaching order
    QList<int> duesGardees;     // the last of the due pairs, kept to go between the new ones
    QList<int> connues;         // known pairs not due, to go between new ones when the due pairs are used up
    int nouvellesPermises = 0;  // more pairs that may start being learnt today: checks missed

    // Nothing to do today: no run starts.
    bool vide() const { return dues.isEmpty() && duesGardees.isEmpty() && verifications.isEmpty() && aApprendre.isEmpty(); }
    // The tables of every fact the plan may ask.
    Coches livrets() const;
};

// The facts of the pair that the range of multipliers lets the run ask, as
// their index in Paires::Faits; none for a pair out of the range.
QList<int> OrdresPermis(int paire, int multMax);
// The next of those after the one asked last: the pair's orders alternate.
int OrdreSuivant(int paire, int dernierOrdre, int multMax);

// The chance that a known pair is recalled on that day, by the memory
// chosen; for the boxes, a rank that orders like it.
double Rappel(const MemoirePaire& paire, qint64 jour, MemoireJour memoire);
bool Due(const MemoirePaire& paire, qint64 jour, MemoireJour memoire);

PlanJour Planifier(const MemoirePaires& memoire, qint64 jour, int multMax, const ReglagesJour& reglages = {});
