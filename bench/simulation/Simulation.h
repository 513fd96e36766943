// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The course of one simulated child with one way of training, day after
// day, in front of Calkado, and the figures it leaves.
#pragma once

#include "Enfant.h"
#include "Facons.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

struct Reglages
{
    int enfants = 100;
    int jours = 120;
    int minutesParJour = 10;   // of questions and answers
    int joursGarde = 30;       // from all automatisé to the test of what is kept
    std::uint64_t graine = 2026;
};

// The days at which the facts automatisé are counted.
inline constexpr std::array<int, 4> JoursReleves = {5, 10, 20, 40};
// The states whose first reaching by all 132 facts is timed.
inline constexpr std::array<EtatCase, 3> EtatsReleves = {EtatCase::EnCours, EtatCase::Acquis, EtatCase::Automatise};

struct Parcours
{
    // Practice minutes until all 132 facts were first at least in that state
    // (at a save); none if never.
    std::array<std::optional<double>, EtatsReleves.size()> minutesEtat;
    // Facts automatisé at the end of those days (132 once the child is done,
    // −1 beyond the days simulated).
    std::array<int, JoursReleves.size()> automatises{-1, -1, -1, -1};
    // The expected share of the 132 facts recalled, without practice, the
    // days of Reglages::joursGarde after all were automatisé (or after the
    // last day).
    double garde = 0;
    int questions = 0;
    int justesPremierEssai = 0;
    double minutes = 0;   // of practice in all

    // One line of text and back, exactly, for the workers' output.
    QString Ecrire() const;
    static std::optional<Parcours> Lire(const QString& ligne);
};

// The child of that number (from 0), with that profile and that way of
// training, in front of Calkado and the results file of the working folder
// (made afresh). The same child, the same figures, whatever runs around it.
Parcours SimulerEnfant(const FaconInscrite& facon, const Profil& profil, int enfant, const Reglages& reglages);
