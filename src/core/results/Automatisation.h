// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the child made automatic, by the grid's own rule (Evaluer): the facts
// that became automatisé between two moments, and the tables whose facts
// are all automatisé, which earn their diploma.
//
// A fact became automatisé in a period when it is automatisé on its
// settlings up to the end of the period and was not on its settlings up to
// its start. A fact that became automatisé and lost it again within the
// period does not count, nor one that was automatisé at both ends, even if
// it lost it in between.
#pragma once

#include "core/results/Bilan.h"

#include <QDate>
#include <QList>

bool EstAutomatise(const HistoireFait& histoire);

// The fact as it was at the start and as it is at the end.
bool DevenuAutomatise(const HistoireFait& auDebut, const HistoireFait& aLaFin);

// The facts that became automatisé between the two grids, table after
// table, multipliers rising.
QList<Question> FaitsDevenusAutomatises(const Bilan& auDebut, const Bilan& aLaFin);

// The first ten facts of a table, or its twelve.
inline constexpr int MultMaxCourt = 10;

// Every fact of the table from 1 to multMax is automatisé.
bool LivretAutomatise(const Bilan& bilan, int livret, int multMax);

// The tables that a save made automatisé, with the range of the save: all
// their facts from 1 to multMax automatisé after it and not before.
QList<int> LivretsDevenusAutomatises(const Bilan& avant, const Bilan& apres, int multMax);

// A table's diploma: the facts it stands for, 1 to 10 or 1 to 12.
struct DiplomeGagne
{
    int livret = 0;
    int multMax = MultMaxCourt;

    bool operator==(const DiplomeGagne&) const = default;
};

// The diplomas earned: each table whose first ten facts are automatisé,
// for its twelve facts when all twelve are.
QList<DiplomeGagne> DiplomesGagnes(const Bilan& bilan);
std::optional<DiplomeGagne> DiplomeDe(const Bilan& bilan, int livret);

// One settling of one of a table's facts.
struct ReglementLivret
{
    int multiplicateur = 0;
    Reglement reglement;
};

// The day the table's facts from 1 to multMax last all became automatisé,
// from every settling of the table's facts in the order they were saved;
// none when they are not all automatisé after the last one.
QDate JourAutomatise(const QList<ReglementLivret>& reglements, int multMax);
