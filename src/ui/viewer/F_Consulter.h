// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The viewer of saved trainings: the list of their dates and times, newest
// first, the results table of the one selected with the options it was made
// with, a chart of the progress up to it, and its deletion. It reads the
// store through a connection of its own, open while the window is.
#pragma once

#include "core/storage/MagasinResultats.h"

#include <QDialog>
#include <array>
#include <memory>

class GrapheProgression;
class GrilleResultats;
class QCheckBox;
class QFrame;
class QLabel;
class QListWidget;
class QRadioButton;
class QToolButton;

class F_Consulter : public QDialog
{
    Q_OBJECT

public:
    explicit F_Consulter(QWidget* parent = nullptr);
    ~F_Consulter() override;

    // Builds the list and shows the newest saved training. False, after a
    // message, when there is nothing to show: the window must not open.
    bool Form_Load();

    // Closing, by its button, the title bar or Escape, closes the connection.
    void done(int resultat) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // A click on a table number shows that table on the progress chart, a
    // click on the totals heading all tables again.
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void CreerControles();
    void CreerEnTete();
    void CreerOptions();
    void DefinirOrdreTabulation();
    void RendreCliquable(QLabel* etiquette);

    void L_Date_Click();
    void ChargerResultats(const Resultats& resultats);
    void AfficherResultats();
    void B_Supprimer_Click();
    bool ConfirmerSuppression(const QString& element);
    void RetirerElementChoisi();
    void C_Fermer_Click();

    MagasinResultats BaseDonnéesConsulter;
    ComptesLivrets comptes;   // the saved training shown
    QStringList dates;            // the stored date and time of each item of the list

    QLabel* L_Titre_Principal = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* L_Mul = nullptr;
    QFrame* Fr_Multiplicateur = nullptr;
    QRadioButton* O_1a10 = nullptr;
    QRadioButton* O_1a12 = nullptr;
    QFrame* F_Aléatoire = nullptr;
    QCheckBox* C_Aléatoire = nullptr;
    std::array<QLabel*, NbLivrets> L_Livret{};
    std::unique_ptr<GrilleResultats> grille;
    QListWidget* L_Date = nullptr;
    QToolButton* B_Supprimer = nullptr;
    QToolButton* C_Fermer = nullptr;
    GrapheProgression* G_Progression = nullptr;
};
