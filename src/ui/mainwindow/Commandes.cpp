// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's commands on the results (help, save, reset, consult,
// the grid of the facts) and leaving the program, by its button or by closing
// the window: one question, which offers to save the results that stand.
#include "F_Calkado.h"

#include "ChoixLivrets.h"
#include "core/Textes.h"
#include "core/platform/Horloge.h"
#include "core/results/DateHeure.h"
#include "ui/bilan/F_Bilan.h"
#include "ui/platform/BoiteMessage.h"
#include "ui/papier/Felicitations.h"
#include "ui/viewer/F_Consulter.h"

#include <QApplication>
#include <QCloseEvent>

Resultats F_Calkado::RemplirResultats() const
{
    const Choix& c = choix->choix();
    return ResultatsDesComptes(entrainement.comptes(), !c.de1a10, c.aleatoire);
}

bool F_Calkado::EnregistrerResultats(const QString& siEchec)
{
    // The grid before the save tells the tables that the save makes automatisé.
    const Lecture<Bilan> avant = BaseDonnées.LireBilan();
    const QDateTime maintenant = horlogeUtilisee.maintenant();
    const ProblemeBase probleme =
        BaseDonnées.EcrireResultats(RemplirResultats(), entrainement.faits(), MomentEnregistrement(maintenant));
    SignalerProbleme(this, BaseDonnées.Expliquer(probleme, siEchec));
    if (probleme == ProblemeBase::Aucun && avant)
        FeliciterTables(this, BaseDonnées, avant.valeur, entrainement.faits(), maintenant.date(),
                        choix->choix().de1a10 ? MultMaxCourt : NbMultiplicateurs);
    return probleme == ProblemeBase::Aucun;
}

void F_Calkado::EffacerResultats()
{
    entrainement.RazCompteurs();
    AfficherResultats();
    // With the results gone the choice is free again: every box unticked runs
    // its handler, as a click would.
    choix->DecocherLivrets();
}

bool F_Calkado::ConfirmerCommande(const QString& sansResultat, const QString& titre, const QString& texte,
                                  QMessageBox::Icon icone)
{
    if (!entrainement.aDesResultats()) {
        AfficherMessage(this, {QMessageBox::Warning, {}, sansResultat});
        return false;
    }
    return AfficherMessage(this, {icone, titre, texte, QMessageBox::Yes | QMessageBox::No, QMessageBox::No})
        == QMessageBox::Yes;
}

void F_Calkado::B_Aide_Click()
{
    AfficherMessage(this, {QMessageBox::Information, {}, Textes::MessageAide});
}

void F_Calkado::B_Enregistrer_Click()
{
    if (ConfirmerCommande(Textes::AucunResultatASauvegarder, Textes::TitreEnregistrer, Textes::MessageEnregistrer,
                          QMessageBox::Question)
        && EnregistrerResultats(Textes::BaseEnregistrement))
        EffacerResultats();
}

void F_Calkado::B_Raz_Click()
{
    if (ConfirmerCommande(Textes::AucunResultatAEffacer, Textes::TitreRaz, Textes::MessageRaz, QMessageBox::Critical))
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
    if (bilan.Form_Load(horlogeUtilisee.maintenant().date(), entrainement.aDesResultats()))
        bilan.exec();
    Form_Activate();
}

void F_Calkado::closeEvent(QCloseEvent* event)
{
    if (quitterConfirme || ConfirmerQuitter()) {
        quitterConfirme = true;
        event->accept();
    } else {
        event->ignore();
    }
}

void F_Calkado::B_Quitter_Click()
{
    if (!ConfirmerQuitter())
        return;
    // The question is not asked again while the program shuts down.
    quitterConfirme = true;
    QApplication::quit();
}

bool F_Calkado::ConfirmerQuitter()
{
    if (!entrainement.aDesResultats())
        return AfficherMessage(this, {QMessageBox::Question, Textes::TitreQuitter, Textes::MessageQuitter,
                                      QMessageBox::Yes | QMessageBox::No, QMessageBox::No})
            == QMessageBox::Yes;
    switch (AfficherMessage(this, {QMessageBox::Critical, Textes::TitreQuitter, Textes::MessageQuitterSansEnregistrer,
                                   QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel,
                                   QMessageBox::Cancel})) {
    case QMessageBox::Yes:
        // Results that could not be saved keep the program open.
        return EnregistrerResultats(Textes::BaseQuitter);
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}
