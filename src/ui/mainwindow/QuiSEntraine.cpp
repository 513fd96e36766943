// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window and the children of the family: « Qui s'entraîne ? »
// opened from it, the name of the child training shown beside the logo, and
// another child chosen once the results on screen are saved or let go, as
// quitting asks.
#include "F_Calkado.h"

#include "core/Textes.h"
#include "core/family/EnfantCourant.h"
#include "ui/enfants/F_Enfants.h"
#include "ui/platform/BoiteMessage.h"

#include <QLabel>

void F_Calkado::B_Enfants_Click()
{
    F_Enfants enfants(famille, false, this);
    const bool choisi = enfants.Form_Load() && enfants.exec() == QDialog::Accepted;
    SuivreFamille();
    if (choisi && enfants.choix() && enfants.choix()->fichier() != FichierResultats())
        ChangerEnfant(*enfants.choix());
    Form_Activate();
}

void F_Calkado::SuivreFamille()
{
    if (famille.Lire().isEmpty()) {
        // Nobody chosen yet works on the account's file, which is the first child's.
        const int numero = EnfantChoisi() ? EnfantChoisi()->numero : 1;
        if (const std::optional<Enfant> enfant = famille.Numero(numero))
            ChoisirEnfant(enfant);
    }
    AfficherEnfant();
}

bool F_Calkado::ChangerEnfant(const Enfant& enfant)
{
    if (entrainement.aDesResultats()) {
        switch (AfficherMessage(this, {QMessageBox::Critical, Textes::TitreChangerEnfant,
                                       Textes::MessageChangerEnfant(NomEnfantCourant()),
                                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel,
                                       QMessageBox::Cancel})) {
        case QMessageBox::Yes:
            // Into the file of the child who earned them, before anything changes.
            if (!EnregistrerResultats(Textes::BaseChangerEnfant))
                return false;
            break;
        case QMessageBox::No:
            break;
        default:
            return false;
        }
        EffacerResultats();
    }
    ChoisirEnfant(enfant);
    BaseDonnées.Fermer();
    AfficherEnfant();
    // The new child's file, checked as at start.
    SignalerProbleme(this, BaseDonnées.Expliquer(BaseDonnées.Verifier(), Textes::BaseAuDemarrage));
    return true;
}

void F_Calkado::AfficherEnfant()
{
    const QString nom = NomEnfantCourant();
    L_Enfant->setText(L_Enfant->fontMetrics().elidedText(nom, Qt::ElideRight, L_Enfant->width()));
    L_Enfant->setToolTip(nom);
    L_Enfant->setAccessibleName(nom.isEmpty() ? QString() : Textes::NomEnfantAffiche(nom));
    L_Enfant->setVisible(!nom.isEmpty());
}
