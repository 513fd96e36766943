// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The choice of the main window before a run: the tables ticked, their
// numbers in blue, the multiplier's range, the random draw and the review of
// mistakes. While results are on screen the choice is guarded: any change is
// undone with a message, once. Changing a table's box from the program, as
// clicking it would, runs the same handler.
#pragma once

#include "core/training/Livrets.h"
#include "ui/platform/OptionsPlage.h"

#include <QObject>
#include <array>

class QCheckBox;
class QLabel;
class QWidget;

// The choice as last accepted.
struct Choix
{
    Coches livrets{};
    bool de1a10 = false;     // multipliers 1 to 10, else 1 to 12
    bool aleatoire = true;
    bool revoir = false;
    int multMax() const { return de1a10 ? 10 : 12; }
};

class ChoixLivrets : public QObject
{
    Q_OBJECT

public:
    // Placed on the window as designed: no table, 1 to 12, at random.
    explicit ChoixLivrets(QWidget* fenetre);

    const Choix& choix() const { return accepte; }
    // Open between runs, closed during one.
    void ActiverSelection(bool actif);
    // Whether results are on screen.
    void Proteger(bool resultats);
    // Every table unticked, each as a click would.
    void DecocherLivrets();
    // Those tables ticked and no other, each as a click would.
    void Cocher(const Coches& livrets);

    QList<QWidget*> ordreTabulation() const;

signals:
    // A change of the tables accepted: so many now ticked.
    void livretsChoisis(int nombre);

private:
    void CreerOptions(QWidget* fenetre);
    void CreerLivrets(QWidget* fenetre);
    void C_Livret_Click(int index, bool coche);
    void O_1a10_Click();
    void O_1a12_Click();
    void C_Aléatoire_Click(bool coche);
    void C_Revoir_Click(bool coche);
    // While results are on screen: every control back to the choice
    // accepted, and the message. False when the change stands.
    bool Refuser();
    // The numbers of the tables accepted in blue, the others grey.
    void MontrerLivrets();

    Choix accepte;
    bool protege = false;

    QWidget* fenetre;
    OptionsPlage plage;   // L_Mul, Fr_Multiplicateur, O_1a10, O_1a12
    QCheckBox* C_Aléatoire = nullptr;
    QCheckBox* C_Revoir = nullptr;
    std::array<QLabel*, NbLivrets> L_Livret{};
    std::array<QCheckBox*, NbLivrets> C_Livret{};
};
