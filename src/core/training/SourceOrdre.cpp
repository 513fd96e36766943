// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SourceOrdre.h"

SourceOrdre::SourceOrdre(const Coches& coches_, int multMax_)
    : coches(coches_), multMax(multMax_)
{
}

std::optional<Question> SourceOrdre::Suivante(Tirages& /*tirages*/)
{
    const int nbLivretCoche = NbCoches(coches);
    if (nbLivretCoche == 0 || multMax < 1)
        return std::nullopt;
    if (++multiplicateurCourant > multMax) {
        multiplicateurCourant = 1;
        if (++rangLivretCourant > nbLivretCoche)
            rangLivretCourant = 1;
    }
    return Question{multiplicateurCourant, LivretDeRang(coches, rangLivretCourant)};
}
