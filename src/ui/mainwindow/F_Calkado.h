// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window. It coordinates its parts (the choice of tables and
// options, the hint, the question's band, the buttons of a run, the results
// table) with the training, which decides, and the results store: it keeps
// the run state and renders it, and reads nothing back from its controls but
// what the child typed.
#pragma once

#include "EtatEntrainement.h"
#include "core/memory/MemoirePaires.h"
#include "core/family/Famille.h"
#include "core/storage/MagasinResultats.h"
#include "core/training/Entrainement.h"

#include <QMessageBox>
#include <QWidget>
#include <memory>

class BoutonsCourse;
class ChoixLivrets;
class GrilleResultats;
class Indication;
class SuiviJour;
class QLabel;
class QToolButton;
class ZoneQuestion;
class Hasard;
class Horloge;

class F_Calkado : public QWidget
{
    Q_OBJECT

public:
    // Without a clock or a source of chance, the system's own are used.
    explicit F_Calkado(Hasard* hasard = nullptr, const Horloge* horloge = nullptr,
                       QWidget* parent = nullptr);
    ~F_Calkado() override;

    // Prepares the window before it is shown. False when the program cannot
    // run here (program file missing, display unsuitable) and must end.
    bool Form_Load();
    // Runs as the window is shown the first time and whenever it becomes
    // active again after the viewer closes.
    void Form_Activate();

    // The statistics since the last save or reset, as the results table shows them.
    const ComptesLivrets& Compteurs() const { return entrainement.comptes(); }
    // The questions settled since then, which they add up from.
    const QList<Fait>& Faits() const { return entrainement.faits(); }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreerControles();
    void CreerEnTete();
    void CreerCommandes();
    void DefinirOrdreTabulation();
    void ConnecterEvenements();

    // Run control
    void ChangerEtat(EtatEntrainement nouvel);
    void ActiverCommandes(bool actif);
    void B_Entrainement_Click();
    void Interrompre();
    void NouvelleQuestion();
    void TesterReponse();
    void DonnerReponse();
    // A review of the facts due: false, after saying why, when it cannot start.
    bool PreparerRevision();
    // « Du jour »: the day's plan read from the store, its tables ticked and
    // its first question asked at once; or why it does not start.
    void B_Jour_Click();
    // Enabled exactly when the tables can be chosen: no run, no results.
    void ActualiserJour();
    // Ends the run by itself once its source says it is over, and says so.
    void TerminerCourse();
    void FinirJour(const MemoirePaires& avant);
    // What a settled question makes the window say: its phrase, and in the
    // day's run how far it has come.
    void AnnoncerReglement(const QString& phrase);
    void Timer1_Timer();

    // Results
    void AfficherResultats();
    Resultats RemplirResultats() const;
    bool EnregistrerResultats(const QString& siEchec);
    void EffacerResultats();
    // Asks before a command on the results; says so, and refuses, without any.
    bool ConfirmerCommande(const QString& sansResultat, const QString& titre, const QString& question,
                           QMessageBox::Icon icone);
    void B_Aide_Click();
    void B_Enregistrer_Click();
    void B_Raz_Click();
    void B_Consulter_Click();
    void B_Bilan_Click();

    // Leaving
    void B_Quitter_Click();
    bool ConfirmerQuitter();

    // Who trains: the family's list, and another child chosen.
    void B_Enfants_Click();
    // The child training keeps up with the list: renamed, or named at last
    // when the family adds its first child.
    void SuivreFamille();
    // Asks first to save the results on screen, as quitting does. False
    // when the family stays with the child as they were.
    bool ChangerEnfant(const Enfant& enfant);
    void AfficherEnfant();

    std::unique_ptr<Hasard> hasardPropre;
    std::unique_ptr<Horloge> horlogePropre;
    const Horloge& horlogeUtilisee;   // times the questions, dates the saves
    Entrainement entrainement;
    MagasinResultats BaseDonnées;   // open for the life of the window
    Famille famille;

    EtatEntrainement etat = EtatEntrainement::EtatAucunLivret;
    bool PremierAffichage = true;
    bool activationPrevue = false;
    bool quitterConfirme = false;
    // The memory the day's run under way was planned on; none in another run.
    std::optional<MemoirePaires> memoireJour;
    // The end of the day's run is on screen, in the hint's place.
    bool finAffichee = false;

    ChoixLivrets* choix = nullptr;
    std::unique_ptr<GrilleResultats> grille;
    ZoneQuestion* question = nullptr;
    Indication* indication = nullptr;
    BoutonsCourse* boutons = nullptr;
    SuiviJour* suivi = nullptr;
    QToolButton* B_Aide = nullptr;
    QToolButton* B_Consulter = nullptr;
    QToolButton* B_Raz = nullptr;
    QToolButton* B_Enregistrer = nullptr;
    QToolButton* B_Bilan = nullptr;
    QToolButton* B_Jour = nullptr;
    QToolButton* B_Quitter = nullptr;
    QToolButton* B_Enfants = nullptr;
    QLabel* L_Enfant = nullptr;
};
