// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SigneEtat.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

// A five-pointed star filling the square, its centre a little low so that it
// looks centred.
QPainterPath Etoile(const QRectF& carre)
{
    QPainterPath etoile;
    const QPointF centre = carre.center() + QPointF(0, carre.height() * 0.025);
    const double grand = carre.width() * 0.46, petit = grand * 0.44;
    for (int i = 0; i < 10; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 5, rayon = i % 2 ? petit : grand;
        const QPointF point = centre + QPointF(rayon * std::cos(angle), rayon * std::sin(angle));
        i == 0 ? etoile.moveTo(point) : etoile.lineTo(point);
    }
    etoile.closeSubpath();
    return etoile;
}

} // namespace

void DessinerSigne(QPainter& p, EtatFait etat, const QColor& couleur, const QRectF& carre)
{
    p.save();
    const qreal trait = carre.width() / 8;
    const QRectF cadre = carre.adjusted(trait, trait, -trait, -trait);
    p.setPen(QPen(couleur, trait));
    p.setBrush(Qt::NoBrush);
    switch (etat) {
    case EtatFait::JamaisVu:
        p.drawEllipse(cadre);
        break;
    case EtatFait::ARevoir:
        p.drawLine(cadre.topLeft(), cadre.bottomRight());
        p.drawLine(cadre.topRight(), cadre.bottomLeft());
        break;
    case EtatFait::EnCours:
        p.drawEllipse(cadre);
        p.setBrush(couleur);
        p.drawPie(cadre, 90 * 16, 180 * 16);
        break;
    case EtatFait::Acquis:
        p.setBrush(couleur);
        p.drawEllipse(cadre);
        break;
    case EtatFait::Automatise:
        p.setPen(Qt::NoPen);
        p.setBrush(couleur);
        p.drawPath(Etoile(carre));
        break;
    }
    p.restore();
}
