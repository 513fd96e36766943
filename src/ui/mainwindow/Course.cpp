// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A training run on the main window: its states, the questions and the
// answers, as the training decides them.
#include "F_Calkado.h"

#include "ChampReponse.h"
#include "core/Textes.h"
#include "core/platform/Horloge.h"
#include "core/results/TableauResultats.h"
#include "ui/platform/Accessibilite.h"
#include "ui/platform/BoiteMessage.h"
#include "ui/platform/Controles.h"
#include "ui/platform/Couleurs.h"
#include "ui/platform/Son.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

void F_Calkado::ActiverSelection(bool actif)
{
    for (QCheckBox* livret : C_Livret)
        livret->setEnabled(actif);
    for (QWidget* controle : {static_cast<QWidget*>(Fr_Multiplicateur), static_cast<QWidget*>(O_1a10),
                              static_cast<QWidget*>(O_1a12), static_cast<QWidget*>(L_Mul),
                              static_cast<QWidget*>(C_Aléatoire), static_cast<QWidget*>(C_Revoir)})
        controle->setEnabled(actif);
}

std::array<QPushButton*, 4> F_Calkado::BoutonsCourse() const
{
    return {B_Nouveau, B_Test, B_Résultat, B_Entrainement};
}

void F_Calkado::ActiverCommandes(bool actif)
{
    // Help and the commands on the results wait for the end of a run.
    for (QToolButton* bouton : {B_Aide, B_Raz, B_Consulter, B_Enregistrer, B_Bilan})
        bouton->setEnabled(actif);
}

void F_Calkado::RendreParDefaut(QPushButton* bouton)
{
    // The window has at most one default button.
    for (QPushButton* autre : BoutonsCourse())
        if (autre != bouton)
            autre->setDefault(false);
    bouton->setDefault(true);
}

namespace {

// What each run state does with the answer box.
enum class Reponse { Inchangee, Fermee, Selectionnee, CurseurALaFin };

// Index of the buttons of a run, in the order of F_Calkado::BoutonsCourse().
enum BoutonCourse { Nouveau, Test, Resultat, Entrainement, AucunBouton };

// The configuration of a run state: whether a run is under way ("&Interrompre",
// the choice of tables and options closed, the hint stopped), which of the
// buttons of a run are enabled, the default one, and the answer box.
struct Configuration
{
    bool enCours;
    std::array<bool, 4> actifs;
    BoutonCourse defaut;
    Reponse reponse;
};

// By state code, from EtatRepondu (1) to EtatPret (5).
constexpr std::array<Configuration, 5> Configurations = {{
    {true, {true, false, false, true}, Nouveau, Reponse::Fermee},
    {true, {false, true, false, true}, Test, Reponse::Selectionnee},
    {true, {false, true, true, true}, Resultat, Reponse::CurseurALaFin},
    {false, {false, false, false, false}, AucunBouton, Reponse::Inchangee},
    {false, {false, false, false, true}, Entrainement, Reponse::Inchangee},
}};

void Preparer(ChampReponse* champ, Reponse reponse)
{
    switch (reponse) {
    case Reponse::Inchangee:
        break;
    case Reponse::Fermee:
        champ->setEnabled(false);
        break;
    case Reponse::Selectionnee:
        champ->selectAll();   // ready to be typed over
        champ->setFocus();
        break;
    case Reponse::CurseurALaFin:
        champ->setCursorPosition(int(champ->text().size()));
        champ->setFocus();
        break;
    }
}

} // namespace

void F_Calkado::ChangerEtat(EtatEntrainement etat)
{
    const Configuration& c = Configurations[std::size_t(etat) - 1];
    ActiverSelection(!c.enCours);
    if (c.enCours) {
        Timer2->stop();
        L_Sélection->hide();
    } else {
        CompteurClignotement = 0;
        Timer2->start();
    }
    B_Entrainement->setText(c.enCours ? Textes::Interrompre : Textes::SEntrainer);
    // Buttons are enabled before the answer box closes and disabled after, so
    // that the focus leaving a closed control finds the next one open.
    const std::array<QPushButton*, 4> boutons = BoutonsCourse();
    for (std::size_t i = 0; i < boutons.size(); ++i)
        if (c.actifs[i])
            boutons[i]->setEnabled(true);
    Preparer(T_Résultat, c.reponse);
    for (std::size_t i = 0; i < boutons.size(); ++i)
        if (!c.actifs[i])
            boutons[i]->setEnabled(false);
    if (c.defaut != AucunBouton)
        RendreParDefaut(boutons[c.defaut]);
}

void F_Calkado::B_Entrainement_Click()
{
    if (B_Entrainement->text() == Textes::SEntrainer) {
        if (!C_Revoir->isChecked())
            entrainement.DemarrerEntrainement();
        else if (!PreparerRevision())
            return;
        ChangerEtat(EtatEntrainement::EtatRepondu);
        B_Nouveau->setFocus();
        ActiverCommandes(false);
        return;
    }
    // Interruption: a question still pending counts nowhere.
    ActiverCommandes(true);
    ChangerEtat(EtatEntrainement::EtatPret);
    for (QLabel* etiquette : {L_Terme1, L_Fois, L_Terme2, L_Egal, L_NbEssais, L_Vérification})
        etiquette->hide();
    Timer1->stop();
    L_Time->hide();
    T_Résultat->hide();
    const TotauxResultats totaux = Totaliser(entrainement.compteurs);
    Annoncer(this, Textes::AnnonceFin(totaux.questions, totaux.essai1));
}

void F_Calkado::NouvelleQuestion()
{
    const int multMax = O_1a10->isChecked() ? 10 : 12;
    if (!B_Nouveau->isEnabled())
        return;
    for (QLabel* etiquette : {L_Terme1, L_Fois, L_Terme2, L_Egal, L_NbEssais, L_Vérification, L_Time})
        etiquette->show();
    T_Résultat->show();
    L_Fois->setText(Textes::Fois);
    L_Egal->setText(Textes::Egal);
    const Question question =
        entrainement.NouvelleQuestion(LivretsCoches(), multMax, C_Aléatoire->isChecked());
    L_Terme1->setText(QString::number(question.terme1));
    L_Terme2->setText(QString::number(question.terme2));
    // Named before it takes the focus, which a screen reader then speaks.
    RetirerAnnonce();
    NommerQuestion();
    T_Résultat->setEnabled(true);
    T_Résultat->clear();
    T_Résultat->setFocus();
    L_Vérification->clear();
    L_NbEssais->clear();
    AfficherResultats();
    ChangerEtat(EtatEntrainement::EtatQuestion);
    L_Time->clear();
    Timer1->start();
}

void F_Calkado::TesterReponse()
{
    const Verdict verdict = entrainement.TesterReponse(T_Résultat->text());
    static const QColor couleurs[] = {Couleurs::Bleu, Couleurs::Rouge, Couleurs::VertVif};
    DefinirCouleurTexte(L_Vérification, couleurs[int(verdict.couleur())]);
    L_Vérification->setText(verdict.phrase);
    if (!verdict.essaiCompte()) {
        Annoncer(this, verdict.phrase);
        return;
    }
    L_NbEssais->setText(Textes::DebutNbEssais + QString::number(entrainement.NbEssais()));
    if (verdict.genre == Verdict::Genre::Juste) {
        ChangerEtat(EtatEntrainement::EtatRepondu);
        Timer1->stop();   // the time shown stays
    } else {
        Bip();
        L_Time->hide();   // the stopwatch goes on, unseen
        ChangerEtat(verdict.etat);
    }
    AfficherResultats();
    // Through the object the new state gave the focus to.
    Annoncer(this, verdict.phrase);
    TerminerRevision();
}

void F_Calkado::DonnerReponse()
{
    T_Résultat->setText(entrainement.DonnerReponse());
    DefinirCouleurTexte(L_Vérification, Couleurs::VertVif);
    L_Vérification->setText(Textes::Reponse);
    AfficherResultats();
    ChangerEtat(EtatEntrainement::EtatRepondu);
    Timer1->stop();
    Annoncer(this, Textes::AnnonceReponseDonnee(T_Résultat->accessibleName(), T_Résultat->text()));
    TerminerRevision();
}

bool F_Calkado::PreparerRevision()
{
    const Lecture<Bilan> lu = BaseDonnées.LireBilan();
    if (!lu) {
        SignalerProbleme(this, BaseDonnées.Expliquer(lu.probleme, Textes::BaseRevision));
        return false;
    }
    // The facts saved and those of the results on screen, as they stand today.
    const QDate aujourdhui = horlogeUtilisee.maintenant().date();
    Bilan bilan = lu.valeur;
    bilan.Ajouter(entrainement.faits, aujourdhui);
    const QList<Question> aRevoir = FaitsARevoir(bilan, LivretsCoches(), O_1a10->isChecked() ? 10 : 12, aujourdhui);
    if (aRevoir.isEmpty()) {
        QList<int> livrets;
        for (int i = 0; i < NbLivrets; ++i)
            if (C_Livret[i]->isChecked())
                livrets << i + PremierLivret;
        AfficherMessage(this, {QMessageBox::Information, {}, Textes::RienARevoir(livrets)});
        return false;
    }
    entrainement.DemarrerRevision(aRevoir);
    return true;
}

void F_Calkado::TerminerRevision()
{
    if (!entrainement.RevisionTerminee())
        return;
    // As "&Interrompre" would end it; the phrase stays to say why.
    B_Entrainement_Click();
    DefinirCouleurTexte(L_Vérification, Couleurs::Bleu);
    L_Vérification->setText(Textes::ToutesRevues);
    L_Vérification->show();
    Annoncer(this, Textes::ToutesRevues);
}

void F_Calkado::Timer1_Timer()
{
    entrainement.ActualiserDixiemes();
    L_Time->setText(entrainement.TexteTemps());
}
