// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// « Qui s'entraîne ? »: the children of the family, one large button each,
// chosen with the mouse, with Alt and the first letter of the name, with the
// digit of their row or with the arrows and Enter; and what the family does
// with the list: add a child, rename one, remove one once confirmed. Asked
// before the main window when two children or more share the account, and
// opened from the main window. Every change is written at once; the window
// only says who was chosen.
#pragma once

#include "core/family/Famille.h"

#include <QDialog>
#include <array>
#include <optional>

class QLabel;
class QPushButton;

class F_Enfants : public QDialog
{
    Q_OBJECT

public:
    // At start, closing the window ends the program, and its last button
    // says so. The child training now, if any, cannot be removed.
    F_Enfants(Famille& famille, bool auDemarrage, QWidget* parent = nullptr);
    ~F_Enfants() override;

    // Reads the list and shows it. False, after a message, when it cannot be read.
    bool Form_Load();
    // The child chosen, once the window is accepted.
    const std::optional<Enfant>& choix() const { return choisi; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    struct Ligne
    {
        QLabel* rang = nullptr;
        QPushButton* enfant = nullptr;
        QPushButton* renommer = nullptr;
        QPushButton* retirer = nullptr;
    };

    void CreerControles();
    // One row for each child the list may hold, shown as the list fills.
    void CreerRangee(int rang);
    void DefinirOrdreTabulation();
    // The rows of the list as it stands, the window's height fitted to them.
    void Afficher();
    void AfficherRangee(int rang);
    void Choisir(int rang);
    void Aller(int rang);
    void B_Ajouter_Click();
    // Adds the child of that name, or brings back the one removed under it.
    void Ajouter(const QString& nom);
    void Renommer(int rang);
    void Retirer(int rang);
    // The name typed, asked again while it is refused; none when given up.
    std::optional<QString> DemanderPrenom(const QString& titre, const QString& depart, int numero);

    Famille& famille;
    const bool auDemarrage;
    const int enCours;              // the number of the child training now, 0 for none
    std::optional<Enfant> choisi;
    int numeroFocus = 0;            // the child whose button takes the focus when shown

    QLabel* L_Titre_Principal = nullptr;
    QLabel* L_Consigne = nullptr;
    std::array<Ligne, NbEnfantsMax> lignes{};
    QWidget* Line2 = nullptr;
    QPushButton* B_Ajouter = nullptr;
    QPushButton* B_Fermer = nullptr;
};
