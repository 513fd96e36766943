// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The 132 facts (tables 2 to 12, multipliers 1 to 12) as 77 pairs to learn:
// what is learnt on a x b carries over to b x a, so both, with a and b from
// 2 to 12, are one pair; 1 x n, asked in the table n only, is a pair alone.
// The order never changes (a stored index keeps its meaning): 1 x 2 to
// 1 x 12 first, then the pairs by their smaller factor, then their larger:
// 2 x 2, 2 x 3, ..., 2 x 12, 3 x 3, ..., 12 x 12.
#pragma once

#include "core/training/Fait.h"

#include <optional>
#include <span>

struct Paires
{
    static constexpr int Nb = 77;

    // The pair of the fact asked in the table `livret` (2 to 12) with that
    // multiplier (1 to 12); none outside.
    static std::optional<int> Indice(int livret, int multiplicateur);
    // Its facts, as questions: a x b (in the table b, a the smaller factor)
    // first, then b x a unless both factors are the same; none outside 0 to 76.
    static std::span<const Question> Faits(int paire);
};
