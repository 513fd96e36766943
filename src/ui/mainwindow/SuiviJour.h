// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The day's run as the child follows it on the main window: how far it has
// come ("12 / 30" with a small bar, under the question), then, once it is
// over, what was done, over the question's band.
#pragma once

#include "core/training/SourceQuestions.h"

#include <QObject>

class QLabel;
class QProgressBar;
class QWidget;

class SuiviJour : public QObject
{
    Q_OBJECT

public:
    // Placed on the window as designed, hidden.
    explicit SuiviJour(QWidget* fenetre);

    void MontrerAvancement(const Avancement& avancement);
    // The end of the day's run, in words.
    void MontrerFin(const QString& texte);
    // Both hidden.
    void Cacher();

private:
    QProgressBar* P_Jour = nullptr;
    QLabel* L_Jour = nullptr;
};
