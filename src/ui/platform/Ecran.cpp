// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Ecran.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

MesuresEcran MesurerEcran(const QWidget& fenetre)
{
    MesuresEcran mesures;
    const QScreen* ecran = fenetre.screen();
    if (!ecran)
        ecran = QGuiApplication::primaryScreen();
    if (!ecran)
        return mesures;
    const QSize taille = ecran->size();
    mesures.largeur = taille.width();
    mesures.hauteur = taille.height();
    mesures.dpiLogique = static_cast<int>(std::lround(ecran->logicalDotsPerInchX()));
    mesures.bitsParPixel = ecran->depth();
    return mesures;
}
