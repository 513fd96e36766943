// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SuiviJour.h"

#include "core/Textes.h"
#include "ui/platform/Controles.h"
#include "ui/platform/Couleurs.h"

#include <QLabel>
#include <QProgressBar>
#include <algorithm>

SuiviJour::SuiviJour(QWidget* fenetre)
    : QObject(fenetre)
{
    P_Jour = new QProgressBar(fenetre);
    P_Jour->setObjectName(QStringLiteral("P_Jour"));
    P_Jour->setGeometry(Twips(480, 7470, 3375, 255));
    P_Jour->setFont(Police(8.25));
    P_Jour->setTextVisible(true);
    P_Jour->setAccessibleName(Textes::NomJour);
    P_Jour->hide();
    // Over the question's band, on the hint's line and in its font.
    L_Jour = CreerEtiquette(fenetre, QStringLiteral("L_Jour"), Twips(240, 6735, 14745, 1020), Police(20.25),
                            Couleurs::Bleu, Qt::AlignHCenter | Qt::AlignTop);
    L_Jour->setWordWrap(true);
    L_Jour->hide();
}

void SuiviJour::MontrerAvancement(const Avancement& a)
{
    L_Jour->hide();
    P_Jour->setRange(0, std::max(a.total, 1));
    P_Jour->setValue(std::min(a.faits, a.total));
    P_Jour->setFormat(Textes::AvancementJour(a.faits, a.total));
    P_Jour->setAccessibleDescription(Textes::AvancementJourDit(a.faits, a.total));
    P_Jour->show();
}

void SuiviJour::MontrerFin(const QString& texte)
{
    P_Jour->hide();
    L_Jour->setText(texte);
    L_Jour->show();
}

void SuiviJour::Cacher()
{
    P_Jour->hide();
    L_Jour->hide();
}
