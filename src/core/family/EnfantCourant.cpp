// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EnfantCourant.h"

#include "core/Textes.h"
#include "core/platform/Compte.h"

namespace {

std::optional<Enfant>& Choisi()
{
    static std::optional<Enfant> choisi;
    return choisi;
}

} // namespace

void ChoisirEnfant(const std::optional<Enfant>& enfant)
{
    Choisi() = enfant;
}

const std::optional<Enfant>& EnfantChoisi()
{
    return Choisi();
}

QString FichierResultats()
{
    return Choisi() ? Choisi()->fichier() : Textes::NomFichierBase;
}

QString NomEnfantCourant()
{
    return Choisi() ? Choisi()->nom : QString();
}

QString NomSurPapier()
{
    return Choisi() ? Choisi()->nom : NomDuCompte();
}
