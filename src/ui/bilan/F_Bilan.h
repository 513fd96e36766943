// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The "Bilan" window: the grid of the 132 facts with their states, a legend
// that counts them, and how many are due today. It reads the saved trainings
// through a connection of its own and never writes anything.
#pragma once

#include "core/results/MagasinResultats.h"

#include <QDate>
#include <QDialog>
#include <array>

class ModeleBilan;
class QLabel;
class QTableView;
class QToolButton;

class F_Bilan : public QDialog
{
    Q_OBJECT

public:
    explicit F_Bilan(QWidget* parent = nullptr);
    ~F_Bilan() override;

    // Reads the saved trainings and shows their facts as they stand on that
    // day; a line says so when results on screen are not saved yet. False,
    // after a message, when the store cannot be read: the window must not open.
    bool Form_Load(const QDate& aujourdhui, bool resultatsNonEnregistres);
    // The same for a pupil of the teacher's classes, read on the school's
    // server under their name.
    bool Form_Load(const QString& eleve, const QDate& aujourdhui);
    // Shows the facts given.
    void Afficher(const Bilan& bilan, const QDate& aujourdhui, bool resultatsNonEnregistres);

    void done(int resultat) override;

private:
    void CreerControles();
    void CreerLegende();
    bool Charger(const Lecture<Bilan>& lu, const QDate& aujourdhui, bool resultatsNonEnregistres);

    MagasinResultats BaseDonnéesBilan;
    ModeleBilan* modele = nullptr;

    QLabel* L_Titre_Principal = nullptr;
    QTableView* T_Faits = nullptr;
    std::array<QLabel*, NbEtatsFait> L_Signe{};
    std::array<QLabel*, NbEtatsFait> L_Legende{};
    QLabel* L_Dus = nullptr;
    QLabel* L_NonEnregistres = nullptr;
    QToolButton* B_Fermer = nullptr;
};
