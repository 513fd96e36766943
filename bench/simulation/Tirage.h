// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Chance drawn from a seed, the same on every machine: the sequence of
// std::mt19937_64 is fixed by the C++ standard, and the draws below are
// written here because the standard library's distributions differ from one
// implementation to another.
#pragma once

#include <cstdint>
#include <random>

class Tirage
{
public:
    explicit Tirage(std::uint64_t graine) : generateur(graine) {}

    std::uint64_t brut() { return generateur(); }
    // Uniform in [0, 1), from 53 random bits.
    double uniforme() { return double(generateur() >> 11) * 0x1.0p-53; }
    double entre(double minimum, double maximum) { return minimum + (maximum - minimum) * uniforme(); }
    // 0 to n − 1 (n at least 1).
    int parmi(int n) { return static_cast<int>(uniforme() * n); }

private:
    std::mt19937_64 generateur;
};

// A seed of its own for each use (stream) of a seed: SplitMix64's mixing of
// the two, so that near seeds give unrelated sequences.
inline std::uint64_t Graine(std::uint64_t graine, std::uint64_t flux)
{
    std::uint64_t z = graine * 0x9E3779B97F4A7C15ull + flux + 0x632BE59BD9B4E019ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
