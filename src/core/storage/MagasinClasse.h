// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The teacher's reads of the results store, on the school's server only:
// what the server lets the user read is all they see; nothing is written.
#pragma once

#include "core/results/Bilan.h"
#include "core/results/Classe.h"
#include "core/storage/BaseResultats.h"

#include <QDate>

class MagasinClasse
{
public:
    explicit MagasinClasse(BaseResultats& base);

    // The user's account and the classes they teach.
    Lecture<Enseignant> LireEnseignant();
    // The pupils of those classes, by class and name, with the sums of their
    // saved trainings from that day on (all of them without a day). Rows
    // that Calkado never writes, and those dated after tomorrow, are left out.
    Lecture<QList<EleveClasse>> LireClasse(const QDate& depuis, const QDate& aujourdhui);
    // The facts of each of those pupils who has any, from as many of their
    // last settlings as the states of the grid need, left out as above.
    Lecture<QList<Bilan>> LireBilansClasse(const QDate& aujourdhui);

private:
    BaseResultats& base;
};
