// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// FSRS-6, the memory model of the open-spaced-repetition project, for a pair
// of facts: its stability and difficulty after each graded review, its chance
// of recall on a given day, and the day it should come back. Written from the
// algorithm's published formulas and default parameters ("The Algorithm" and
// "ABC of FSRS" in the fsrs4anki wiki), checked against the published test
// values of its reference implementations, py-fsrs 6.3.1 (MIT) and fsrs-rs
// 6.6.1 (BSD-3-Clause). The model alone: none of their schedulers' learning
// steps or random fuzz.
//
// Where the two differ, this follows fsrs-rs:
// - a same-day Hard never lowers the stability. py-fsrs 6.3.1 floors the
//   same-day growth at 1 for Good and Easy only; fsrs-rs, and the benchmark
//   model that scored the default parameters, for Hard too (py-fsrs 6.3.2 has
//   since done the same). Here a Hard is a right first try, only slow.
// - the stability stays within 0.001 to 36,500 days; py-fsrs bounds it below
//   only.
// - time counts in whole days between the day numbers of two reviews, as
//   fsrs-rs takes it: a review in the morning after one the evening before is
//   a day later. py-fsrs floors the 24-hour spans between two instants, which
//   would make it a same-day review.
// - a review dated before the last one counts on the last one's day (py-fsrs,
//   too, takes it for a same-day review).
// - an interval half-way between two days rounds up; py-fsrs's round() goes
//   to the even day.
#pragma once

#include "EtatMemoire.h"
#include "Note.h"

#include <QtGlobal>
#include <array>
#include <span>

using PoidsFsrs = std::array<double, 21>;

class ModeleFsrs
{
public:
    // FSRS-6's published defaults, w0 to w20.
    static constexpr PoidsFsrs PoidsParDefaut = {
        0.212, 1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001, 1.8722, 0.1666, 0.796,
        1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};
    static constexpr double RetentionVoulue = 0.9;   // the chance of recall a pair is due at
    static constexpr int IntervalleMaximum = 60;     // days
    static constexpr double StabiliteMin = 0.001;
    static constexpr double StabiliteMax = 36500;

    explicit ModeleFsrs(double retention = RetentionVoulue, int intervalleMaximum = IntervalleMaximum,
                        const PoidsFsrs& poids = PoidsParDefaut);

    // The state after one more review on that day; the first review of a pair
    // never seen starts its state.
    EtatMemoire Reviser(const EtatMemoire& etat, Note note, qint64 jour) const;
    // The state after these reviews, oldest first.
    EtatMemoire Rejouer(std::span<const RevisionNotee> revisions) const;
    // The chance of recalling the pair on that day: 0 if never seen, 1 on the
    // day of its last review or before.
    double ProbabiliteRappel(const EtatMemoire& etat, qint64 jour) const;
    // Days until the chance of recall falls to the retention wanted: rounded,
    // from 1 to the longest interval.
    int Intervalle(double stabilite) const;

    // The model's formulas, one by one (stabilities and spans in days).
    double ProbabiliteRappel(double jours, double stabilite) const;
    double StabiliteInitiale(Note note) const;
    double DifficulteInitiale(Note note) const;
    double DifficulteSuivante(double difficulte, Note note) const;
    // A review on the same day as the last one.
    double StabiliteMemeJour(double stabilite, Note note) const;
    // A review a day or more after the last one, recalled (Difficile to
    // Facile) or not, with the chance of recall it had.
    double StabiliteApresSucces(double difficulte, double stabilite, double rappel, Note note) const;
    double StabiliteApresOubli(double difficulte, double stabilite, double rappel) const;

private:
    PoidsFsrs w;
    double retention;
    int intervalleMax;
    double decroissance;             // DECAY = -w20
    double facteur;                  // FACTOR: the chance of recall is 0.9 after `stabilite` days
    double joursParStabilite;        // (retention^(1/DECAY) - 1) / FACTOR: 1 at a retention of 0.9
    double difficulteFacile;         // D0(Easy), not clamped: where difficulty reverts to
    double expW8;
    std::array<double, 4> memeJour;  // e^(w17 (G - 3 + w18)), by grade; Good's is e^(w17 w18)
    std::array<double, 4> stabiliteGardee;   // from which a same-day success keeps the stability
};
