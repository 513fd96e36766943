// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window: the choice of tables and options, the question and the
// answer box, the buttons of a run, the results table and the commands for the
// results. The rules of the training live in Entrainement; this window shows
// what it decides and keeps the state of the controls.
#pragma once

#include "core/results/MagasinResultats.h"
#include "core/training/Entrainement.h"

#include <QMessageBox>
#include <QWidget>
#include <array>
#include <memory>

class ChampReponse;
class GrilleResultats;
class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;
class QToolButton;
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
    const CompteursLivrets& Compteurs() const { return entrainement.compteurs; }
    // The questions settled since then, which agree with those statistics.
    const QList<Fait>& Faits() const { return entrainement.faits; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Layout
    void CreerControles();
    void CreerEnTete();
    void CreerSelection();
    void CreerQuestion();
    void CreerBoutons();
    void DefinirOrdreTabulation();
    void ConnecterEvenements();
    // For a screen reader and the keyboard alone
    void RendreAccessible();
    void NommerQuestion();

    // Run control
    void ChangerEtat(EtatEntrainement etat);
    void ActiverSelection(bool actif);
    void RendreParDefaut(QPushButton* bouton);
    std::array<QPushButton*, 4> BoutonsCourse() const;
    void ActiverCommandes(bool actif);
    void B_Entrainement_Click();
    void NouvelleQuestion();
    void TesterReponse();
    void DonnerReponse();
    // A review of the facts due: false, after saying why, when it cannot start.
    bool PreparerRevision();
    // Ends the run by itself once every fact under review is known.
    void TerminerRevision();
    void Timer1_Timer();

    // Table selection and options
    void C_Livret_Click();
    void O_1a10_Click();
    void O_1a12_Click();
    void RefuserPlage(QRadioButton* precedente);
    void C_Aléatoire_Click();
    void C_Revoir_Click();
    void RefuserCoche(QCheckBox* option, int& compteur);
    void Timer2_Timer();
    void B_Aide_Click();
    Coches LivretsCoches() const;

    // Results
    void AfficherResultats();
    bool ResultatsPresents() const;
    Resultats RemplirResultats() const;
    bool EnregistrerResultats(const QString& siEchec);
    void EffacerResultats();
    // Asks before a command on the results; says so, and refuses, without any.
    bool ConfirmerCommande(const QString& sansResultat, const QString& titre, const QString& question,
                           QMessageBox::Icon icone);
    void B_Enregistrer_Click();
    void B_Raz_Click();
    void B_Consulter_Click();
    void B_Bilan_Click();

    // Leaving
    void B_Quitter_Click();
    bool ConfirmerQuitter();

    std::unique_ptr<Hasard> hasardPropre;
    std::unique_ptr<Horloge> horlogePropre;
    const Horloge& horlogeUtilisee;   // times the questions, dates the saves
    Entrainement entrainement;
    MagasinResultats BaseDonnées;   // open for the life of the window

    bool PremierAffichage = true;
    bool activationPrevue = false;
    bool quitterConfirme = false;
    int NbLivretCoche = 0;
    int CompteurOption = 0;
    int CompteurAleatoire = 0;
    int CompteurRevoir = 0;
    int CompteurLivret = 0;
    int CompteurClignotement = 0;

    QLabel* Image1 = nullptr;
    QLabel* L_Titre_Principal = nullptr;
    QLabel* Image_Logo = nullptr;
    QLabel* L_Mul = nullptr;
    QFrame* Fr_Multiplicateur = nullptr;
    QRadioButton* O_1a10 = nullptr;
    QRadioButton* O_1a12 = nullptr;
    QCheckBox* C_Aléatoire = nullptr;
    QCheckBox* C_Revoir = nullptr;
    std::array<QLabel*, NbLivrets> L_Livret{};
    std::array<QCheckBox*, NbLivrets> C_Livret{};
    std::unique_ptr<GrilleResultats> grille;
    QLabel* L_Terme1 = nullptr;
    QLabel* L_Fois = nullptr;
    QLabel* L_Terme2 = nullptr;
    QLabel* L_Egal = nullptr;
    ChampReponse* T_Résultat = nullptr;
    QLabel* L_NbEssais = nullptr;
    QLabel* L_Vérification = nullptr;
    QLabel* L_Time = nullptr;
    QLabel* L_Sélection = nullptr;
    QPushButton* B_Nouveau = nullptr;
    QPushButton* B_Test = nullptr;
    QPushButton* B_Résultat = nullptr;
    QPushButton* B_Entrainement = nullptr;
    QToolButton* B_Aide = nullptr;
    QToolButton* B_Consulter = nullptr;
    QToolButton* B_Raz = nullptr;
    QToolButton* B_Enregistrer = nullptr;
    QToolButton* B_Bilan = nullptr;
    QToolButton* B_Quitter = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
};
