// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What every page on paper shares. A page is drawn in points (1/72 inch)
// inside the margins of an A4 sheet, with fonts sized in points as well, so
// that a printer and a PDF file get the same drawing. The colours are pale
// fills under black ink: a black-and-white printer keeps every text
// readable, and the signs tell what the colours tell.
#pragma once

#include "core/results/Bilan.h"

#include <QColor>
#include <QFont>
#include <QPageLayout>
#include <QRectF>
#include <QString>

class QPainter;

namespace Papier {

// A4, the orientation given, margins of 12 mm.
QPageLayout MiseEnPage(QPageLayout::Orientation orientation);
// What is drawn inside those margins, in points.
QSizeF Zone(QPageLayout::Orientation orientation);

// A font of that many points on the page.
QFont Police(int points, bool gras = false, bool italique = false);
// The titles' font, Comic Neue where the windows use Comic Sans MS.
QFont PoliceTitre(int points);

inline const QColor Encre(0, 0, 0);
inline const QColor Titre(0x1F, 0x3A, 0x78);      // dark blue: titles and lines
inline const QColor Discret(0x55, 0x55, 0x55);    // notes and the foot of the page
inline const QColor Trait(0x99, 0x99, 0x99);      // the cells' borders
inline const QColor Ligne(0xEE, 0xEE, 0xEE);      // every other row of a table

// A state's pale fill, and the colour of its sign.
QColor Fond(EtatFait etat);
QColor Signe(EtatFait etat);

// The text in the rectangle, in the font and colour given.
void Ecrire(QPainter& p, const QRectF& rectangle, int alignement, const QString& texte, const QFont& police,
            const QColor& couleur = Encre);

// The foot of the page: a thin line, the program's name and version.
void DessinerPied(QPainter& p, const QRectF& zone);

} // namespace Papier
