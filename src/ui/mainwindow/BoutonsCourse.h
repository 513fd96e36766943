// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The buttons of a run on the main window: "&Nouveau calcul", "&Tester la
// réponse", "&Donner la réponse" and "&S'entraîner" / "&Interrompre", enabled
// as the run state says, one of them the default that Enter presses whichever
// control has the focus.
#pragma once

#include "EtatEntrainement.h"

#include <QObject>

class QPushButton;
class QWidget;

class BoutonsCourse : public QObject
{
    Q_OBJECT

public:
    // Placed on the window as designed.
    explicit BoutonsCourse(QWidget* fenetre);

    // A state comes in two steps around the answer box: the buttons it
    // enables and the caption first, then those it disables and its default,
    // so that the focus leaving a control closed finds the next one open.
    void Ouvrir(const Configuration& configuration);
    void Fermer(const Configuration& configuration);

    // Enter: presses the default button when it can be pressed.
    bool PresserDefaut();

    QPushButton* bouton(BoutonCourse bouton) const;

signals:
    void nouveau();
    void tester();
    void donner();
    void entrainement();

private:
    void RendreParDefaut(QPushButton* bouton);

    QPushButton* B_Nouveau = nullptr;
    QPushButton* B_Test = nullptr;
    QPushButton* B_Résultat = nullptr;
    QPushButton* B_Entrainement = nullptr;
    std::optional<BoutonCourse> defaut;   // the state's
};
