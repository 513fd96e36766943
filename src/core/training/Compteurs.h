// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The statistics of the runs since the last save or reset, one entry per
// table: index i stands for the table i + 2 (tables 2 to 12).
#pragma once

#include <QtGlobal>
#include <array>
#include <limits>

inline constexpr int NbLivrets = 11;
inline constexpr int PremierLivret = 2;
inline constexpr int NbMultiplicateurs = 12;   // multipliers 1 to 12

// Which of the tables 2 to 12 are ticked, by table index.
using Coches = std::array<bool, NbLivrets>;

using CompteurLivrets = std::array<qint32, NbLivrets>;

struct CompteursLivrets
{
    CompteurLivrets NbQuestionParLivret{};   // settled: right at any try, or answer given
    CompteurLivrets NbQuestionEssai1{};      // right at the first try
    CompteurLivrets NbQuestionEssai2{};      // right at a later try
    CompteurLivrets NbQuestionRéponse{};     // answer shown on request
    CompteurLivrets TempsTotalEssai1{};      // summed times of the right first tries, in tenths of a second

    void RazCompteurs() { *this = CompteursLivrets{}; }
};

// Adds without wrapping around: a count that would pass the largest value
// stays there instead of turning negative.
inline void Ajouter(qint32& compteur, qint64 valeur)
{
    constexpr qint64 maximum = std::numeric_limits<qint32>::max();
    const qint64 somme = qint64(compteur) + valeur;
    compteur = static_cast<qint32>(somme > maximum ? maximum : somme);
}
