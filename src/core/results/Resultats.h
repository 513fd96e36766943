// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The results of one saved training, one record per table, as a save writes
// them and the viewer reads them back.
#pragma once

#include "core/training/Compteurs.h"
#include "core/training/Fait.h"

#include <QList>

#include <array>

struct ResultatLivret
{
    bool Multiplicateur1a12 = false;   // multipliers 1 to 12, else 1 to 10
    int Aléatoire = 0;                 // 1: questions drawn at random
    qint32 NbQuestionParLivret = 0;
    qint32 NbQuestionEssai1 = 0;
    qint32 NbQuestionEssai2 = 0;
    qint32 NbQuestionRéponse = 0;
    qint32 TempsTotalEssai1 = 0;       // tenths of a second
};

// Index i stands for the table i + 2.
using Resultats = std::array<ResultatLivret, NbLivrets>;

inline void RazResultats(Resultats& resultats)
{
    resultats = Resultats{};
}

// The counters and the options in force, one record per table.
Resultats ResultatsDesCompteurs(const CompteursLivrets& compteurs, bool multiplicateur1a12, bool aleatoire);

// The counters of the records, the options left aside.
CompteursLivrets CompteursDesResultats(const Resultats& resultats);

// The counters that the questions settled add up to.
CompteursLivrets CompteursDesFaits(const QList<Fait>& faits);
