// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Diplome.h"

Lecture<std::optional<Diplome>> LireDiplome(MagasinResultats& magasin, const QString& nom, int livret,
                                            const QString& eleve)
{
    const Lecture<Bilan> bilan = magasin.LireBilan(eleve);
    if (!bilan)
        return {std::nullopt, bilan.probleme};
    const std::optional<DiplomeGagne> gagne = DiplomeDe(bilan.valeur, livret);
    if (!gagne)
        return {std::nullopt, ProblemeBase::Aucun};
    const Lecture<QList<ReglementLivret>> reglements = magasin.LireReglementsLivret(livret, eleve);
    if (!reglements)
        return {std::nullopt, reglements.probleme};
    return {Diplome{nom, livret, gagne->multMax, JourAutomatise(reglements.valeur, gagne->multMax)},
            ProblemeBase::Aucun};
}
