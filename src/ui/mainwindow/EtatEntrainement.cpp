// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EtatEntrainement.h"

bool Configuration::active(BoutonCourse bouton) const
{
    switch (bouton) {
    case BoutonCourse::Nouveau:
        return nouveau;
    case BoutonCourse::Test:
        return test;
    case BoutonCourse::Resultat:
        return resultat;
    case BoutonCourse::Entrainement:
        return entrainement;
    }
    return false;
}

Configuration ConfigurationDe(EtatEntrainement etat)
{
    using B = BoutonCourse;
    switch (etat) {
    case EtatEntrainement::EtatRepondu:
        return {true, true, false, false, true, B::Nouveau, Reponse::Fermee};
    case EtatEntrainement::EtatQuestion:
        return {true, false, true, false, true, B::Test, Reponse::Selectionnee};
    case EtatEntrainement::EtatQuestionAide:
        return {true, false, true, true, true, B::Resultat, Reponse::CurseurALaFin};
    case EtatEntrainement::EtatAucunLivret:
        return {false, false, false, false, false, std::nullopt, Reponse::Inchangee};
    case EtatEntrainement::EtatPret:
        return {false, false, false, false, true, B::Entrainement, Reponse::Inchangee};
    }
    return {};
}
