// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Who trains, as the program starts: nobody to choose for a family that names
// nobody or keeps its results on the school's server, the only child, the
// child the command line names, or the question « Qui s'entraîne ? ». Decided
// before any window, so that a name the family does not know is answered on
// the terminal.
#pragma once

#include "LigneCommande.h"
#include "core/family/Famille.h"

struct DepartEnfant
{
    std::optional<Enfant> enfant;
    // Two children or more and none named: ask.
    bool demander = false;
    // The program ends with this answer on the terminal...
    std::optional<DemandeLigneCommande> reponse;
    // ...or with this message in a window: the list cannot be read.
    QString message;
};

// Reads the family's list; nothing is written.
DepartEnfant PreparerEnfant(Famille& famille, const DemandeLigneCommande& demande, bool serveur);
