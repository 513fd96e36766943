// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DepartEnfant.h"

#include "core/Textes.h"

namespace {

// The program cannot go on: the list could not be read.
DemandeLigneCommande Fin(const QString& message)
{
    return {false, Textes::NomCommande + QStringLiteral(" : ") + message + QLatin1Char('\n'), 1};
}

} // namespace

DepartEnfant PreparerEnfant(Famille& famille, const DemandeLigneCommande& demande, bool serveur)
{
    DepartEnfant depart;
    // The school's server knows each pupil by their own account.
    if (serveur || demande.classe) {
        if (demande.enfant)
            depart.reponse = ErreurLigneCommande(Textes::EnfantSurServeur);
        return depart;
    }
    if (const QString probleme = famille.Lire(); !probleme.isEmpty()) {
        if (demande.enfant)
            depart.reponse = Fin(probleme);
        else
            depart.message = probleme + Textes::EnfantsAuDemarrage;
        return depart;
    }
    if (demande.enfant) {
        depart.enfant = famille.Trouver(*demande.enfant);
        if (!depart.enfant)
            depart.reponse = ErreurLigneCommande(Textes::EnfantInconnu(*demande.enfant, famille.noms()));
        return depart;
    }
    if (famille.enfants().size() == 1)
        depart.enfant = famille.enfants().constFirst();
    depart.demander = famille.enfants().size() > 1;
    return depart;
}
