// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The source of random numbers for the questions and the feedback phrases.
// Behind an interface so that a test can decide what "chance" returns.
#pragma once

#include <cstdint>
#include <random>

class Hasard
{
public:
    virtual ~Hasard() = default;
    // A uniformly distributed value in [0, 1).
    virtual float nombre() = 0;
};

// Seeded once from the clock, as the program loads.
class HasardHorloge final : public Hasard
{
public:
    HasardHorloge();
    float nombre() override
    {
        // 24 random bits fill a float's mantissa exactly, so 1.0 never comes
        // out (std::uniform_real_distribution<float> may round up to it).
        return static_cast<float>(generateur() >> 8) * (1.0f / 16777216.0f);
    }

private:
    std::mt19937 generateur;
};
