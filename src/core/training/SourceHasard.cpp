// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SourceHasard.h"

#include "Tirages.h"

SourceHasard::SourceHasard(const Coches& coches_, int multMax_)
    : coches(coches_), multMax(multMax_)
{
}

std::optional<Question> SourceHasard::Suivante(Tirages& tirages)
{
    const int nbLivretCoche = NbCoches(coches);
    if (nbLivretCoche == 0 || multMax < 1)
        return std::nullopt;
    // Each draw rejected uses up its entry of the pools. The bound only
    // guards against a broken source of chance: a real one differs within a
    // few draws.
    Question question;
    for (int essai = 0; essai < 1000; ++essai) {
        const auto [multiplicateur, rang] = tirages.TirerQuestion(multMax, nbLivretCoche);
        question = {multiplicateur + 1, LivretDeRang(coches, rang + 1)};
        if (question != tirages.derniereAuHasard)
            break;
    }
    tirages.derniereAuHasard = question;
    return question;
}
