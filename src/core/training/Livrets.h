// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The tables 2 to 12, each known by its index 0 to 10 wherever the
// program keeps something per table (index = table - 2), and the choice of
// the tables ticked.
#pragma once

#include <array>

inline constexpr int NbLivrets = 11;
inline constexpr int PremierLivret = 2;
inline constexpr int NbMultiplicateurs = 12;   // multipliers 1 to 12

constexpr int IndexLivret(int livret)
{
    return livret - PremierLivret;
}

constexpr bool EstUnLivret(int livret)
{
    return livret >= PremierLivret && livret < PremierLivret + NbLivrets;
}

// Which of the tables are ticked, by table index.
using Coches = std::array<bool, NbLivrets>;

constexpr int NbCoches(const Coches& coches)
{
    int nombre = 0;
    for (const bool coche : coches)
        nombre += coche ? 1 : 0;
    return nombre;
}

// The ticked table whose count, walking up from table 2, reaches the rank
// (from 1); none (0) past the last one.
constexpr int LivretDeRang(const Coches& coches, int rang)
{
    int compte = 0;
    for (int i = 0; i < NbLivrets; ++i)
        if (coches[std::size_t(i)] && ++compte == rang)
            return i + PremierLivret;
    return 0;
}
