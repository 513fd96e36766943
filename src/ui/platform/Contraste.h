// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Texts readable on any palette: the designed colours as they are on a light
// palette, and on a dark one the same hues made light enough to stand out
// from their background (contrast ratios as WCAG measures them).
#pragma once

#include <QColor>
#include <initializer_list>

class QFont;
class QPalette;

// The contrast ratio of two colours, from 1 to 21.
double Contraste(const QColor& a, const QColor& b);

// A palette whose windows are darker than their texts.
bool PaletteSombre(const QPalette& palette);

// What a text needs against its background: 4.5, or 3 for a large text
// (18 pt, or 14 pt bold).
double ContrasteRequis(const QFont& police);

// The colour with its hue and saturation, lightened on a dark background or
// darkened on a light one just enough to reach the contrast asked for; the
// colour itself when it already does.
QColor CouleurLisible(const QColor& couleur, const QColor& fond, double minimum);
// The same against every background given, lightened when they are dark on
// the whole; as far as it goes when no colour of that hue reaches them all.
QColor CouleurLisible(const QColor& couleur, std::initializer_list<QColor> fonds, double minimum);

class QWidget;

// On a dark palette, the text of an entry box made readable on its own
// background, in every state; a light palette keeps the designed look.
void RendreSaisieLisible(QWidget* champ);
