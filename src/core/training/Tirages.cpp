// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Tirages.h"

#include "core/platform/Hasard.h"

#include <algorithm>

namespace {

int Modulo1000(float nombre, int compte)
{
    return static_cast<int>(1000.0 * double(nombre)) % compte;
}

} // namespace

Tirages::Tirages(Hasard& hasard_)
    : hasard(hasard_)
{
}

int Tirages::Suivante()
{
    if (indexTirageQuestion >= TaillePool)
        TirerNombresQuestion();
    return indexTirageQuestion++;
}

std::pair<int, int> Tirages::TirerQuestion(int nbMultiplicateurs, int nbLivrets)
{
    const auto i = std::size_t(Suivante());
    return {Modulo1000(tirageTerme1[i], nbMultiplicateurs), Modulo1000(tirageLivret[i], nbLivrets)};
}

int Tirages::TirerRang(int nombre)
{
    return Modulo1000(tirageTerme1[std::size_t(Suivante())], nombre);
}

qsizetype Tirages::TirerPhrase(qsizetype nombre)
{
    if (indexTiragePhrase >= TaillePool)
        TirerNombresPhrase();
    const float n = tiragePhrase[std::size_t(indexTiragePhrase++)];
    return std::clamp<qsizetype>(static_cast<qsizetype>(double(nombre) * double(n)), 0, nombre - 1);
}

void Tirages::TirerNombresQuestion()
{
    for (float& nombre : tirageTerme1)
        nombre = hasard.nombre();
    for (float& nombre : tirageLivret)
        nombre = hasard.nombre();
    indexTirageQuestion = 0;
}

void Tirages::TirerNombresPhrase()
{
    for (float& nombre : tiragePhrase)
        nombre = hasard.nombre();
    indexTiragePhrase = 0;
}
