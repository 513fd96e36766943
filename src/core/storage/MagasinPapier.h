// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The reads of the results store for the pages on paper; nothing is
// written. On the school's server, those of the pupil named, the user's own
// without a name.
#pragma once

#include "core/results/Automatisation.h"
#include "core/results/Bilan.h"
#include "core/results/ChiffresPeriode.h"
#include "core/results/Progression.h"
#include "core/storage/BaseResultats.h"
#include "core/storage/MagasinBilan.h"

#include <QDate>

class MagasinPapier
{
public:
    MagasinPapier(BaseResultats& base, MagasinBilan& bilan);

    // The questions settled day by day from that day on, oldest first.
    Lecture<QList<ActiviteJour>> LireActivite(const QDate& depuis, const QString& eleve = {});
    // The grid as it stood before the first saved training dated that day or
    // later: from the settlings saved before that one.
    Lecture<Bilan> LireBilanAvant(const QDate& jour, const QString& eleve = {});
    // The last NbEntrainementsProgression saved trainings, oldest first, with
    // the counts of all tables, as the progress chart reads them.
    Lecture<QList<PointProgression>> LireDerniersEntrainements(const QString& eleve = {});
    // Every settling of the facts of one table, in the order they were saved.
    Lecture<QList<ReglementLivret>> LireReglementsLivret(int livret, const QString& eleve = {});

private:
    BaseResultats& base;
    MagasinBilan& bilan;
};
