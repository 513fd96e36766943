// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The chance of a training, kept from run to run: pools of 100 random
// numbers from the source of chance, each refilled whole once used up (one
// for the multipliers and one for the tables of the questions, one for the
// feedback phrases), and the last question drawn at random.
#pragma once

#include "Fait.h"

#include <QtGlobal>
#include <array>

class Hasard;

// A number n of the pools is used as (the integer part of 1000 x n) modulo
// a count: 1 to 4 come a little more often than 5 to 12 among 12 multipliers.
class Tirages
{
public:
    explicit Tirages(Hasard& hasard);

    // One entry of both question pools: a multiplier's place among
    // nbMultiplicateurs (from 0) and a rank among nbLivrets (from 0).
    std::pair<int, int> TirerQuestion(int nbMultiplicateurs, int nbLivrets);
    // One entry of the multipliers' pool alone: a place among nombre (from 0).
    int TirerRang(int nombre);
    // One entry of the phrases' pool: a place among nombre, as the integer
    // part of nombre x n.
    qsizetype TirerPhrase(qsizetype nombre);

    // Never drawn twice in a row, even across runs.
    Question derniereAuHasard;

private:
    static constexpr int TaillePool = 100;
    int Suivante();
    void TirerNombresQuestion();
    void TirerNombresPhrase();

    Hasard& hasard;
    std::array<float, TaillePool> tirageTerme1{};
    std::array<float, TaillePool> tirageLivret{};
    std::array<float, TaillePool> tiragePhrase{};
    int indexTirageQuestion = TaillePool;   // a full index makes the first use refill
    int indexTiragePhrase = TaillePool;
};
