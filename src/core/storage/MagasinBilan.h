// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The reads of the results store for the grid of the facts and for the
// progress chart; nothing is written.
#pragma once

#include "core/results/Bilan.h"
#include "core/results/Progression.h"
#include "core/storage/BaseResultats.h"
#include "core/storage/MagasinMemoire.h"

#include <optional>

class MagasinBilan
{
public:
    MagasinBilan(BaseResultats& base, MagasinMemoire& memoire);

    // The last settlings of each of the 132 facts over all saved trainings,
    // with the memory of their pairs: the user's, or on the school's server
    // those of the pupil named. With a fact given (its "Id"), from the
    // settlings saved before that one only, without the memory.
    Lecture<Bilan> LireBilan(const QString& eleve = {}, std::optional<qint64> avant = std::nullopt);

    // The saved trainings of the progress chart, oldest first: the one of
    // that date and time and those made before it, at most
    // NbEntrainementsProgression, for one table or all of them. Twins saved
    // apart under one date and time count as one, where its latest row was
    // added, the later row of a table winning. None when no row carries that
    // date and time.
    Lecture<QList<PointProgression>> LireProgression(const QString& dateHeure, int livret);

private:
    ProblemeBase LireHistoire(const QString& eleve, int livret, int multiplicateur, std::optional<qint64> avant,
                              HistoireFait& histoire);

    BaseResultats& base;
    MagasinMemoire& memoire;
};
