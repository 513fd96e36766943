// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The results of one saved training, one record per table, as a save writes
// them and the viewer reads them back: each table's counts with the options
// the training was made with.
#pragma once

#include "core/training/Comptes.h"

#include <array>

struct ResultatLivret : Comptes
{
    bool Multiplicateur1a12 = false;   // multipliers 1 to 12, else 1 to 10
    int Aléatoire = 0;                 // 1: questions drawn at random
};

// Index i stands for the table i + 2.
using Resultats = std::array<ResultatLivret, NbLivrets>;

inline void RazResultats(Resultats& resultats)
{
    resultats = Resultats{};
}

// The counts of each table with the options in force.
Resultats ResultatsDesComptes(const ComptesLivrets& comptes, bool multiplicateur1a12, bool aleatoire);

// The counts alone.
ComptesLivrets ComptesDesResultats(const Resultats& resultats);
