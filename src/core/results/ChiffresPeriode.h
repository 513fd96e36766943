// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The figures of a period of days, for a parent or a teacher: the days
// practised, the time spent, the questions, the share right at the first
// try, and the facts that became automatisé. They come from the questions
// settled in the saved trainings of the period.
#pragma once

#include "core/results/Bilan.h"

#include <QDate>
#include <QList>

// The questions settled on one day, over its saved trainings.
struct ActiviteJour
{
    QDate jour;
    qint64 questions = 0;
    qint64 essai1 = 0;      // right at the first try
    qint64 dixiemes = 0;    // their times summed, each from the question shown to its settling

    bool operator==(const ActiviteJour&) const = default;
};

struct ChiffresPeriode
{
    QDate debut;                  // both ends included
    QDate fin;
    int jours = 0;                // days with a question settled
    qint64 dixiemes = 0;
    qint64 questions = 0;
    qint64 essai1 = 0;
    int devenusAutomatises = 0;

    // The time in whole minutes, rounded to the nearest.
    qint64 minutes() const;
    // Share of the questions right at the first try, 0 to 100; 0 without one.
    double part() const;
};

// The last days up to that one, that day included: 7 for a week.
QDate DebutDerniersJours(const QDate& aujourdhui, int jours);

// The figures of the days from debut to fin, with the facts that became
// automatisé between the grid before debut and the grid at the end of fin.
ChiffresPeriode Chiffres(const QList<ActiviteJour>& activite, const QDate& debut, const QDate& fin,
                         const Bilan& auDebut, const Bilan& aLaFin);
