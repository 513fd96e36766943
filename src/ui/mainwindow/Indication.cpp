// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Indication.h"

#include "core/Textes.h"
#include "ui/platform/Controles.h"
#include "ui/platform/Couleurs.h"

#include <QLabel>
#include <QTimer>

Indication::Indication(QWidget* fenetre)
    : QObject(fenetre)
{
    L_Sélection = CreerEtiquette(fenetre, QStringLiteral("L_Sélection"), Twips(240, 6735, 14745, 585), Police(20.25),
                                 Couleurs::OrangeClair, Qt::AlignHCenter | Qt::AlignTop);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);
    connect(Timer2, &QTimer::timeout, this, &Indication::Timer2_Timer);
}

void Indication::Demarrer()
{
    CompteurClignotement = 0;
    Timer2->start();
}

void Indication::Arreter()
{
    Timer2->stop();
    L_Sélection->hide();
}

void Indication::Timer2_Timer()
{
    // Ticks 1 and 2 show it; tick 3 shows it and at once blanks it.
    L_Sélection->show();
    L_Sélection->setText(Textes::IndicationSelection);
    if (++CompteurClignotement > 2) {
        CompteurClignotement = 0;
        L_Sélection->clear();
    }
}
