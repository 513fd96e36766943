// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DessinDiplome.h"

#include "Papier.h"
#include "core/Textes.h"
#include "core/papier/Rapport.h"
#include "core/results/DateHeure.h"
#include "ui/bilan/SigneEtat.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

using namespace Papier;

namespace {

const QColor Or(0xF4, 0xE2, 0x9C);         // the rosette, pale enough for black ink on it
const QColor OrFonce(0x8A, 0x6A, 0x00);
const QColor Ruban(0xBF, 0xD0, 0xF2);
const QColor Feuille(0xD4, 0xEA, 0xC6);
const QColor FeuilleFoncee(0x3E, 0x6B, 0x2E);

constexpr qreal RayonRosette = 40;
constexpr int Festons = 24;

// Two frames, the outer one thick, and a star in each corner between them.
void DessinerCadre(QPainter& p, const QRectF& zone)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Titre, 4));
    p.drawRoundedRect(zone.adjusted(2, 2, -2, -2), 10, 10);
    p.setPen(QPen(Titre, 1));
    const QRectF interieur = zone.adjusted(16, 16, -16, -16);
    p.drawRoundedRect(interieur, 6, 6);
    for (const QPointF& coin : {interieur.topLeft(), interieur.topRight(), interieur.bottomLeft(),
                                interieur.bottomRight()})
        DessinerSigne(p, EtatFait::Automatise, Titre, QRectF(coin - QPointF(9, 9), QSizeF(18, 18)));
}

// One leaf growing from the stem in that direction.
void DessinerFeuille(QPainter& p, const QPointF& tige, const QPointF& direction)
{
    p.save();
    p.translate(tige);
    p.rotate(qRadiansToDegrees(std::atan2(direction.y(), direction.x())));
    QPainterPath feuille;
    feuille.moveTo(0, 0);
    feuille.quadTo(7, -4.5, 15, 0);
    feuille.quadTo(7, 4.5, 0, 0);
    p.drawPath(feuille);
    p.restore();
}

// A laurel branch on each side of the rosette, from under it up to its
// sides: a stem along an arc, a leaf on each side of it at every step, each
// pointing up the branch.
void DessinerLauriers(QPainter& p, const QPointF& centre)
{
    constexpr qreal Rayon = 60;
    p.setPen(QPen(FeuilleFoncee, 0.8));
    p.setBrush(Feuille);
    for (const int cote : {-1, 1}) {
        p.setBrush(Qt::NoBrush);
        const QRectF cercle(centre - QPointF(Rayon, Rayon), QSizeF(2 * Rayon, 2 * Rayon));
        p.drawArc(cercle, cote < 0 ? 16 * 135 : 16 * 45, cote < 0 ? 16 * 125 : -16 * 125);
        p.setBrush(Feuille);
        for (int degres = 170; degres >= 45; degres -= 25) {
            const double a = qDegreesToRadians(double(degres));
            const QPointF rayon(cote * std::sin(a), -std::cos(a));          // outward
            const QPointF tangente(-cote * std::cos(a), -std::sin(a));      // up the branch
            const QPointF tige = centre + Rayon * rayon;
            DessinerFeuille(p, tige, tangente + 0.8 * rayon);
            DessinerFeuille(p, tige, tangente - 0.8 * rayon);
        }
    }
}

// The ribbons behind the rosette, each ending in a notch.
void DessinerRubans(QPainter& p, const QPointF& centre)
{
    for (const int cote : {-1, 1}) {
        QPainterPath ruban;
        const QPointF haut = centre + QPointF(cote * 10, 10);
        ruban.moveTo(haut);
        ruban.lineTo(haut + QPointF(cote * 22, 0));
        ruban.lineTo(haut + QPointF(cote * 32, 58));
        ruban.lineTo(haut + QPointF(cote * 22, 49));
        ruban.lineTo(haut + QPointF(cote * 12, 62));
        ruban.closeSubpath();
        p.setPen(QPen(Titre, 1));
        p.setBrush(Ruban);
        p.drawPath(ruban);
    }
}

// A scalloped disc with the table's number, on its ribbons.
void DessinerRosette(QPainter& p, const QPointF& centre, int livret)
{
    DessinerLauriers(p, centre);
    DessinerRubans(p, centre);
    QPainterPath feston;
    for (int i = 0; i <= 4 * Festons; ++i) {
        const double angle = 2 * M_PI * i / (4 * Festons);
        const double rayon = RayonRosette + 3 * std::cos(angle * Festons);
        const QPointF point = centre + QPointF(rayon * std::cos(angle), rayon * std::sin(angle));
        i == 0 ? feston.moveTo(point) : feston.lineTo(point);
    }
    p.setPen(QPen(OrFonce, 1.5));
    p.setBrush(Or);
    p.drawPath(feston);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, RayonRosette - 9, RayonRosette - 9);
    Ecrire(p, QRectF(centre - QPointF(30, 24), QSizeF(60, 48)), Qt::AlignCenter, QString::number(livret),
           Police(34, true), Encre);
}

// The facts of the table, four a row, each in a light box.
void DessinerFaits(QPainter& p, const QRectF& place, const Diplome& d)
{
    constexpr int ParLigne = 4;
    const qreal largeur = place.width() / ParLigne, hauteur = 30;
    for (int i = 0; i < d.multMax; ++i) {
        // A shorter last row stands in the middle.
        const int dansLaLigne = std::min(ParLigne, d.multMax - i / ParLigne * ParLigne);
        const qreal decalage = (ParLigne - dansLaLigne) * largeur / 2;
        const QRectF boite(place.left() + decalage + (i % ParLigne) * largeur + 6,
                           place.top() + (i / ParLigne) * hauteur, largeur - 12, hauteur - 6);
        p.setPen(QPen(Trait, 0.5));
        p.setBrush(Fond(EtatFait::Automatise));
        p.drawRoundedRect(boite, 4, 4);
        const int m = i + 1;
        Ecrire(p, boite, Qt::AlignCenter, QStringLiteral("%1 x %2 = %3").arg(m).arg(d.livret).arg(m * d.livret),
               Police(15, true));
    }
}

} // namespace

void DessinerDiplome(QPainter& p, const QRectF& zone, const Diplome& d)
{
    DessinerCadre(p, zone);
    const qreal x = zone.left() + 40, largeur = zone.width() - 80, haut = zone.top();
    DessinerRosette(p, QPointF(zone.center().x(), haut + 84), d.livret);
    Ecrire(p, QRectF(x, haut + 168, largeur, 44), Qt::AlignCenter, Textes::TitreDiplome(d.livret), PoliceTitre(36),
           Titre);
    Ecrire(p, QRectF(x, haut + 216, largeur, 18), Qt::AlignCenter, Textes::DecerneA, Police(14, false, true));
    Ecrire(p, QRectF(x, haut + 236, largeur, 38), Qt::AlignCenter, d.nom, Police(30, true));
    Ecrire(p, QRectF(x, haut + 278, largeur, 18), Qt::AlignCenter, Textes::LeJour(TexteJour(d.jour)), Police(14));
    Ecrire(p, QRectF(x, haut + 316, largeur, 18), Qt::AlignCenter, Textes::RaisonDiplome(d.multMax, d.livret),
           Police(12, false, true));
    DessinerFaits(p, QRectF(x + 40, haut + 342, largeur - 80, 96), d);
    Ecrire(p, QRectF(x, zone.bottom() - 40, largeur, 14), Qt::AlignCenter, Textes::PiedDePage(VersionCalkado()),
           Police(8), Discret);
}

Document DocumentDiplomes(const QList<Diplome>& diplomes)
{
    Document document(diplomes.isEmpty() ? QString() : Textes::NomDocumentDiplome(diplomes.first().nom,
                                                                                   diplomes.first().livret),
                      QPageLayout::Landscape);
    for (const Diplome& diplome : diplomes)
        document.Ajouter([diplome](QPainter& p, const QRectF& zone) { DessinerDiplome(p, zone, diplome); });
    return document;
}
