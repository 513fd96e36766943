// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The "Bilan" window: the grid of the 132 facts with their states, a legend
// that counts them, and how many are due today; the report on paper and the
// diplomas of the tables earned. It reads the saved trainings through a
// connection of its own and never writes anything.
#pragma once

#include "core/storage/MagasinResultats.h"

#include <QDate>
#include <QDialog>
#include <array>
#include <functional>
#include <memory>

class Document;
class ModeleBilan;
class QPrinter;
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

    // The child's name on paper: the account's full name, or the pupil's
    // for a teacher; another may be given.
    std::function<QString()> NomEnfant;

private:
    void CreerControles();
    void CreerLegende();
    bool Charger(const Lecture<Bilan>& lu, const QDate& aujourdhui, bool resultatsNonEnregistres);
    // On paper
    void CreerBoutonsPapier();
    void ActualiserDiplome();
    void B_Imprimer_Click();
    void B_Diplome_Click();
    void ImprimerDiplome(int livret);
    void Imprimer(const Document& document, const QString& titre);

    MagasinResultats BaseDonnéesBilan;
    ModeleBilan* modele = nullptr;
    QDate jour;                  // the day the grid stands on
    QString eleve;               // a teacher's pupil; empty: the user's own
    std::unique_ptr<QPrinter> imprimante;   // keeps the user's choices while the window lives

    QLabel* L_Titre_Principal = nullptr;
    QTableView* T_Faits = nullptr;
    std::array<QLabel*, NbEtatsFait> L_Signe{};
    std::array<QLabel*, NbEtatsFait> L_Legende{};
    QLabel* L_Dus = nullptr;
    QLabel* L_NonEnregistres = nullptr;
    QToolButton* B_Diplome = nullptr;
    QToolButton* B_Imprimer = nullptr;
    QToolButton* B_Fermer = nullptr;
};
