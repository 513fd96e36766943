// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's commands on the results: save, reset and consult.
#include "F_Calkado.h"

#include "core/Textes.h"
#include "core/platform/Horloge.h"
#include "core/results/DateHeure.h"
#include "ui/bilan/F_Bilan.h"
#include "ui/platform/BoiteMessage.h"
#include "ui/platform/Controles.h"
#include "ui/platform/Couleurs.h"
#include "ui/papier/Felicitations.h"
#include "ui/viewer/F_Consulter.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

Resultats F_Calkado::RemplirResultats() const
{
    return ResultatsDesCompteurs(entrainement.compteurs, O_1a12->isChecked(), C_Aléatoire->isChecked());
}

bool F_Calkado::EnregistrerResultats(const QString& siEchec)
{
    // The grid before the save tells the tables that the save makes automatisé.
    const Lecture<Bilan> avant = BaseDonnées.LireBilan();
    const QDateTime maintenant = horlogeUtilisee.maintenant();
    const ProblemeBase probleme =
        BaseDonnées.EcrireResultats(RemplirResultats(), entrainement.faits, MomentEnregistrement(maintenant));
    SignalerProbleme(this, BaseDonnées.Expliquer(probleme, siEchec));
    if (probleme == ProblemeBase::Aucun && avant)
        FeliciterTables(this, BaseDonnées, avant.valeur, entrainement.faits, maintenant.date(),
                        O_1a12->isChecked() ? NbMultiplicateurs : MultMaxCourt);
    return probleme == ProblemeBase::Aucun;
}

void F_Calkado::EffacerResultats()
{
    entrainement.RazCompteurs();
    AfficherResultats();
    // With the counters at zero the selection guard lets each box go; every
    // box unticked runs the selection handler, as a click would.
    for (int i = 0; i < NbLivrets; ++i) {
        C_Livret[i]->setChecked(false);
        DefinirCouleurTexte(L_Livret[i], Couleurs::Gris);
    }
}

bool F_Calkado::ConfirmerCommande(const QString& sansResultat, const QString& titre,
                                  const QString& question, QMessageBox::Icon icone)
{
    if (!ResultatsPresents()) {
        AfficherMessage(this, {QMessageBox::Warning, {}, sansResultat});
        return false;
    }
    return AfficherMessage(this, {icone, titre, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No})
        == QMessageBox::Yes;
}

void F_Calkado::B_Enregistrer_Click()
{
    if (ConfirmerCommande(Textes::AucunResultatASauvegarder, Textes::TitreEnregistrer,
                          Textes::MessageEnregistrer, QMessageBox::Question)
        && EnregistrerResultats(Textes::BaseEnregistrement))
        EffacerResultats();
}

void F_Calkado::B_Raz_Click()
{
    if (ConfirmerCommande(Textes::AucunResultatAEffacer, Textes::TitreRaz, Textes::MessageRaz,
                          QMessageBox::Critical))
        EffacerResultats();
}

void F_Calkado::B_Consulter_Click()
{
    const Lecture<bool> contient = BaseDonnées.ContientDesResultats();
    if (!contient) {
        SignalerProbleme(this, BaseDonnées.Expliquer(contient.probleme, Textes::BaseConsultation));
        return;
    }
    if (!contient.valeur) {
        AfficherMessage(this, {QMessageBox::Warning, {}, Textes::AucunResultatAConsulter});
        return;
    }
    // The store is read afresh at every use, so the deletions made in the
    // viewer count at once.
    F_Consulter consulter(this);
    if (consulter.Form_Load())
        consulter.exec();
    Form_Activate();
}

void F_Calkado::B_Bilan_Click()
{
    F_Bilan bilan(this);
    if (bilan.Form_Load(horlogeUtilisee.maintenant().date(), ResultatsPresents()))
        bilan.exec();
    Form_Activate();
}
