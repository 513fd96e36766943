// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Paires.h"

#include "core/training/Livrets.h"

#include <array>

namespace {

constexpr int DernierLivret = PremierLivret + NbLivrets - 1;

// The facts of each pair and the pair of each fact, built by the compiler.
struct Table
{
    std::array<std::array<Question, 2>, Paires::Nb> faits{};
    std::array<int, Paires::Nb> nbFaits{};
    std::array<std::array<int, NbMultiplicateurs>, NbLivrets> indices{};
};

constexpr Table Construire()
{
    Table t;
    int paire = 0;
    for (int a = 1; a <= DernierLivret; ++a)
        for (int b = a == 1 ? PremierLivret : a; b <= DernierLivret; ++b, ++paire) {
            const auto p = std::size_t(paire);
            t.faits[p][0] = {a, b};
            t.indices[std::size_t(b - PremierLivret)][std::size_t(a - 1)] = paire;
            t.nbFaits[p] = 1;
            if (a != 1 && a != b) {
                t.faits[p][1] = {b, a};
                t.indices[std::size_t(a - PremierLivret)][std::size_t(b - 1)] = paire;
                t.nbFaits[p] = 2;
            }
        }
    return t;
}

constexpr Table Repertoire = Construire();

} // namespace

std::optional<int> Paires::Indice(int livret, int multiplicateur)
{
    if (livret < PremierLivret || livret > DernierLivret || multiplicateur < 1 || multiplicateur > NbMultiplicateurs)
        return std::nullopt;
    return Repertoire.indices[std::size_t(livret - PremierLivret)][std::size_t(multiplicateur - 1)];
}

std::span<const Question> Paires::Faits(int paire)
{
    if (paire < 0 || paire >= Nb)
        return {};
    const auto p = std::size_t(paire);
    return std::span(Repertoire.faits[p]).first(std::size_t(Repertoire.nbFaits[p]));
}
