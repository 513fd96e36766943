// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The hint over the question's band between runs, inviting the child to
// choose tables: shown two seconds, blank one, over and over.
#pragma once

#include <QObject>

class QLabel;
class QTimer;
class QWidget;

class Indication : public QObject
{
    Q_OBJECT

public:
    // Placed on the window as designed, empty and stopped.
    explicit Indication(QWidget* fenetre);

    // Blinks afresh from its first second.
    void Demarrer();
    // Stops and hides.
    void Arreter();

private:
    void Timer2_Timer();

    QLabel* L_Sélection = nullptr;
    QTimer* Timer2 = nullptr;
    int CompteurClignotement = 0;
};
