// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The teacher's view (calkado --classe): the pupils of the classes they
// teach with their figures table by table over the period chosen, the facts
// most often à revoir across the class, each pupil's grid of facts, the
// figures exported for a spreadsheet, and all of it on paper. It reads the
// school's server as the teacher, whose role can change nothing.
#pragma once

#include "core/storage/MagasinResultats.h"

#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class Horloge;
class ModeleClasse;
class QPrinter;
class QFrame;
class QLabel;
class QRadioButton;
class QTableView;
class QToolButton;

class F_Classe : public QWidget
{
    Q_OBJECT

public:
    // Without a clock, the system's own is used: it tells the days of the periods.
    explicit F_Classe(const Horloge* horloge = nullptr, QWidget* parent = nullptr);
    ~F_Classe() override;

    // Reads the class for this week. False, after a message, when the view
    // cannot open (no server configured, a role that teaches no class, the
    // server out of reach): the program must end.
    bool Form_Load();

    // The file the export goes to, from the one proposed; empty: none. A file
    // dialog asks the teacher; a test may answer instead.
    std::function<QString(const QString& propose)> ChoisirFichier;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreerControles();
    void CreerPeriodes();
    void CreerBoutons();
    QDate Aujourdhui() const;
    QString DemanderFichier(const QString& propose);
    // Reads the class for the period chosen; false after a message.
    bool Charger(const QString& consequence);
    // The button of that period.
    QRadioButton* BoutonPeriode(Periode p) const;
    void O_Periode_Click(Periode choisie);
    void B_Bilan_Click();
    void B_Exporter_Click();
    void B_Imprimer_Click();

    std::unique_ptr<Horloge> horlogePropre;
    const Horloge& horlogeUtilisee;
    MagasinResultats BaseDonnéesClasse;   // open for the life of the window
    ModeleClasse* modele = nullptr;
    Periode periode = Periode::Semaine;
    std::unique_ptr<QPrinter> imprimante;   // keeps the user's choices while the window lives

    QLabel* L_Titre_Principal = nullptr;
    QFrame* Fr_Periode = nullptr;
    std::array<QRadioButton*, NbPeriodes> O_Periode{};
    QTableView* T_Eleves = nullptr;
    QLabel* L_Legende = nullptr;
    QLabel* L_ARevoir = nullptr;
    QToolButton* B_Bilan = nullptr;
    QToolButton* B_Exporter = nullptr;
    QToolButton* B_Imprimer = nullptr;
    QToolButton* B_Quitter = nullptr;
};
