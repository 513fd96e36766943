// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the child's report on paper says, without its drawing: the grid of
// the 132 facts and its legend, the figures of the last 7 and 30 days, the
// facts to review first and the progress of the last saved trainings. It is
// read from the store as the grid is, and nothing is ever written.
#pragma once

#include "core/results/ChiffresPeriode.h"
#include "core/storage/MagasinResultats.h"
#include "core/results/Progression.h"

#include <QDate>
#include <QList>
#include <QString>
#include <array>

inline constexpr int JoursSemaine = 7;
inline constexpr int JoursMois = 30;
inline constexpr int NbFaitsAReviser = 10;

// A fact among those to review first.
struct FaitAReviser
{
    int livret = 0;
    int multiplicateur = 0;
    EtatFait etat = EtatFait::ARevoir;
    int manques = 0;   // settlings not right at the first try, among the last ones kept

    bool operator==(const FaitAReviser&) const = default;
};

// The facts à revoir, then those en cours; in each state the most missed
// first, then table after table, multipliers rising. At most that many.
QList<FaitAReviser> FaitsAReviser(const Bilan& bilan, int nombre = NbFaitsAReviser);

struct RapportEnfant
{
    QString nom;
    QDate jour;
    std::array<std::array<EtatFait, NbMultiplicateurs>, NbLivrets> etats{};   // by table index, then multiplier - 1
    std::array<int, NbEtatsFait> parEtat{};
    ChiffresPeriode semaine;
    ChiffresPeriode mois;
    QList<FaitAReviser> aReviser;
    Progression progression;   // all tables

    EtatFait etat(int livret, int multiplicateur) const;
};

// What the store gives, put together: the grid now and as it stood before
// the first day of the 7 and of the 30 days, the questions settled each day
// of the 30, and the last saved trainings.
struct LecturesRapport
{
    Bilan bilan;
    Bilan avantSemaine;
    Bilan avantMois;
    QList<ActiviteJour> activite;
    QList<PointProgression> derniers;
};
RapportEnfant ComposerRapport(const QString& nom, const QDate& jour, const LecturesRapport& lu);

// The report of the user's own saved trainings, or on the school's server
// of the pupil named; the fault of the first read that fails.
Lecture<RapportEnfant> LireRapport(MagasinResultats& magasin, const QString& nom, const QDate& jour,
                                   const QString& eleve = {});

// "1.0.0.0", for the foot of every page.
QString VersionCalkado();
