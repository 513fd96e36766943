// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Contraste.h"

#include <QFont>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

double Luminance(const QColor& couleur)
{
    const auto lineaire = [](double canal) {
        return canal <= 0.04045 ? canal / 12.92 : std::pow((canal + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lineaire(couleur.redF()) + 0.7152 * lineaire(couleur.greenF())
        + 0.0722 * lineaire(couleur.blueF());
}

} // namespace

double Contraste(const QColor& a, const QColor& b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool PaletteSombre(const QPalette& palette)
{
    // The active colours: a disabled control's palette may dim its texts below its window.
    return palette.color(QPalette::Active, QPalette::Window).lightness()
        < palette.color(QPalette::Active, QPalette::WindowText).lightness();
}

double ContrasteRequis(const QFont& police)
{
    const qreal points = police.pointSizeF();
    return points >= 18 || (police.bold() && points >= 14) ? 3.0 : 4.5;
}

QColor CouleurLisible(const QColor& couleur, const QColor& fond, double minimum)
{
    return CouleurLisible(couleur, {fond}, minimum);
}

QColor CouleurLisible(const QColor& couleur, std::initializer_list<QColor> fonds, double minimum)
{
    const auto atteint = [&](const QColor& c) {
        return std::all_of(fonds.begin(), fonds.end(), [&](const QColor& fond) { return Contraste(c, fond) >= minimum; });
    };
    if (atteint(couleur))
        return couleur;
    // Lightness in small steps towards white on dark backgrounds, towards
    // black on light ones; the hue and saturation stay.
    double moyenne = 0;
    for (const QColor& fond : fonds)
        moyenne += Luminance(fond) / double(fonds.size());
    const bool eclaircir = moyenne < 0.18;
    const float teinte = couleur.hslHueF(), saturation = couleur.hslSaturationF();
    float clarte = couleur.lightnessF();
    QColor lisible = couleur;
    while (!atteint(lisible) && (eclaircir ? clarte < 1 : clarte > 0)) {
        clarte = std::clamp(clarte + (eclaircir ? 0.01f : -0.01f), 0.f, 1.f);
        lisible = QColor(QColor::fromHslF(teinte, saturation, clarte).rgb());   // as drawn, 8 bits a channel
    }
    return lisible;
}

void RendreSaisieLisible(QWidget* champ)
{
    // What a text of any size needs: typed digits are read closely.
    constexpr double ContrasteTexte = 4.5;
    QPalette palette = champ->palette();
    if (!PaletteSombre(palette))
        return;
    for (const auto groupe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(groupe, QPalette::Text,
                         CouleurLisible(palette.color(groupe, QPalette::Text), palette.color(groupe, QPalette::Base),
                                        ContrasteTexte));
    champ->setPalette(palette);
}
