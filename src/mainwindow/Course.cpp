// A training run on the main window: its states, the questions and the
// answers, as the training decides them.
#include "F_Calkado.h"

#include "ChampReponse.h"
#include "Couleurs.h"
#include "Textes.h"
#include "platform/Controles.h"
#include "platform/Son.h"

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
                              static_cast<QWidget*>(C_Aléatoire)})
        controle->setEnabled(actif);
}

std::array<QPushButton*, 4> F_Calkado::BoutonsCourse() const
{
    return {B_Nouveau, B_Test, B_Résultat, B_Entrainement};
}

void F_Calkado::ActiverCommandes(bool actif)
{
    // Help and the commands on the results wait for the end of a run.
    for (QToolButton* bouton : {B_Aide, B_Raz, B_Consulter, B_Enregistrer})
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

void F_Calkado::ChangerEtat(EtatEntrainement etat)
{
    switch (etat) {
    case EtatEntrainement::EtatAucunLivret:
    case EtatEntrainement::EtatPret:
        B_Nouveau->setEnabled(false);
        B_Test->setEnabled(false);
        B_Résultat->setEnabled(false);
        ActiverSelection(true);
        CompteurClignotement = 0;
        Timer2->start();
        B_Entrainement->setText(Textes::SEntrainer);
        if (etat == EtatEntrainement::EtatAucunLivret) {
            B_Entrainement->setEnabled(false);
        } else {
            B_Entrainement->setEnabled(true);
            RendreParDefaut(B_Entrainement);
        }
        break;
    case EtatEntrainement::EtatRepondu:
    case EtatEntrainement::EtatQuestion:
    case EtatEntrainement::EtatQuestionAide:
        Timer2->stop();
        L_Sélection->hide();
        ActiverSelection(false);
        B_Entrainement->setText(Textes::Interrompre);
        B_Entrainement->setEnabled(true);
        if (etat == EtatEntrainement::EtatRepondu) {
            B_Nouveau->setEnabled(true);
            B_Test->setEnabled(false);
            B_Résultat->setEnabled(false);
            RendreParDefaut(B_Nouveau);
            T_Résultat->setEnabled(false);
        } else if (etat == EtatEntrainement::EtatQuestion) {
            B_Nouveau->setEnabled(false);
            B_Test->setEnabled(true);
            T_Résultat->selectAll();        // ready to be typed over
            T_Résultat->setFocus();
            B_Résultat->setEnabled(false);
            RendreParDefaut(B_Test);
        } else {
            B_Nouveau->setEnabled(false);
            B_Test->setEnabled(true);
            T_Résultat->setCursorPosition(int(T_Résultat->text().size()));
            T_Résultat->setFocus();
            B_Résultat->setEnabled(true);
            RendreParDefaut(B_Résultat);
        }
        break;
    }
}

void F_Calkado::B_Entrainement_Click()
{
    if (B_Entrainement->text() == Textes::SEntrainer) {
        ChangerEtat(EtatEntrainement::EtatRepondu);
        B_Nouveau->setFocus();
        ActiverCommandes(false);
        entrainement.DemarrerEntrainement();
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
    if (!verdict.essaiCompte())
        return;
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
}

void F_Calkado::DonnerReponse()
{
    T_Résultat->setText(entrainement.DonnerReponse());
    DefinirCouleurTexte(L_Vérification, Couleurs::VertVif);
    L_Vérification->setText(Textes::Reponse);
    AfficherResultats();
    ChangerEtat(EtatEntrainement::EtatRepondu);
    Timer1->stop();
}

void F_Calkado::Timer1_Timer()
{
    entrainement.ActualiserDixiemes();
    L_Time->setText(entrainement.TexteTemps());
}
