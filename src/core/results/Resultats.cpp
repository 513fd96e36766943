// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Resultats.h"

Resultats ResultatsDesComptes(const ComptesLivrets& comptes, bool multiplicateur1a12, bool aleatoire)
{
    Resultats resultats;
    for (std::size_t i = 0; i < resultats.size(); ++i)
        resultats[i] = {comptes[i], multiplicateur1a12, aleatoire ? 1 : 0};
    return resultats;
}

ComptesLivrets ComptesDesResultats(const Resultats& resultats)
{
    ComptesLivrets comptes;
    for (std::size_t i = 0; i < resultats.size(); ++i)
        comptes[i] = resultats[i];
    return comptes;
}
