// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The progress chart drawn by hand, on the viewer's window or on paper: its
// title, one bar per saved training for the share of questions right at the
// first try on the left scale, a line through the mean times of a right
// first try on a scale of seconds on the right, the dates of the first and
// the last saved training, the one chosen on a light band.
#pragma once

#include "core/results/Progression.h"
#include "ui/platform/Couleurs.h"

#include <QColor>
#include <QFont>
#include <QLocale>
#include <QRectF>

class QPainter;

// The colour mixed with that part of the other.
QColor Melanger(const QColor& couleur, const QColor& autre, double part);

// As designed on white: bars of the first tries in the results table's
// green, paler but for the saved training chosen, the times in the same
// green as a line.
struct TeintesProgression
{
    QColor titre = Couleurs::Bleu;
    QColor vert = Couleurs::Vert;   // legends, the times' line and the bar chosen
    QColor barre = Melanger(Couleurs::Vert, Qt::white, 0.6);
    QColor noir = Couleurs::Noir;
    QColor axe = Couleurs::Gris;
    QColor quadrillage = Melanger(Couleurs::Gris, Qt::white, 0.7);
    QColor fondChoisi = QColor(Couleurs::Bleu.red(), Couleurs::Bleu.green(), Couleurs::Bleu.blue(), 24);
    QColor point = Qt::white;
};

// The title's, the legends' and the scales' and dates' fonts.
struct PolicesProgression
{
    QFont titre;
    QFont legende;
    QFont petite;
};

void DessinerProgression(QPainter& p, const QRectF& cadre, const Progression& progression,
                         const TeintesProgression& teintes, const PolicesProgression& polices,
                         const QLocale& locale = QLocale());
