// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DessinProgression.h"

#include "core/Textes.h"
#include "core/results/DateHeure.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <optional>

QColor Melanger(const QColor& couleur, const QColor& autre, double part)
{
    const auto canal = [part](int a, int b) { return qRound(a + (b - a) * part); };
    return {canal(couleur.red(), autre.red()), canal(couleur.green(), autre.green()),
            canal(couleur.blue(), autre.blue())};
}

namespace {

constexpr qreal HauteurTitre = 22;
constexpr qreal HauteurEchelles = 18;
constexpr qreal HauteurDates = 16;
constexpr qreal Marge = 6;
constexpr qreal LargeurBarreMax = 22;
constexpr qreal RayonPoint = 3.5;
constexpr qreal RayonPointChoisi = 5;

QString TexteEchelle(double valeur, const QLocale& locale)
{
    return locale.toString(valeur, 'g', 6);
}

// What the drawing of the chart shares: the fonts, the colours, the language.
struct Style
{
    const TeintesProgression& t;
    const PolicesProgression& polices;
    const QLocale& locale;
};

// Where the bars go, and the top of the seconds scale.
struct Cadre
{
    QRectF zone;
    double echelle = 1;
};

const std::array<double, 3> Graduations = {0.0, 0.5, 1.0};

// The two scales' numbers set the room left and right of the plot.
Cadre Placer(const QPainter& p, const Progression& progression, QSizeF taille, const Style& s)
{
    const QFontMetricsF mesure(s.polices.petite, p.device());
    const double echelle = progression.echelleTemps();
    qreal largeurSecondes = 0;
    for (const double g : Graduations)
        largeurSecondes = std::max(largeurSecondes, mesure.horizontalAdvance(TexteEchelle(g * echelle, s.locale)));
    const QRectF zone(QPointF(mesure.horizontalAdvance(QStringLiteral("100")) + 2 * Marge,
                              HauteurTitre + HauteurEchelles + mesure.height() / 2.0),
                      QPointF(taille.width() - largeurSecondes - 2 * Marge - 1, taille.height() - HauteurDates));
    return {zone, echelle};
}

// Legends above the scales: a bar, and a point on its line.
void DessinerLegendes(QPainter& p, qreal largeur, const Style& s)
{
    p.setFont(s.polices.legende);
    const qreal milieuEchelles = HauteurTitre + HauteurEchelles / 2;
    p.setPen(s.t.vert);
    p.fillRect(QRectF(0, milieuEchelles - 5, 10, 10), s.t.barre);
    p.drawRect(QRectF(0, milieuEchelles - 5, 10, 10));
    p.drawText(QRectF(14, HauteurTitre, largeur / 2, HauteurEchelles), Qt::AlignLeft | Qt::AlignVCenter,
               Textes::EchellePart);
    const qreal largeurTemps = QFontMetricsF(s.polices.legende, p.device()).horizontalAdvance(Textes::EchelleTemps);
    p.drawText(QRectF(largeur - largeurTemps - 1, HauteurTitre, largeurTemps + 1, HauteurEchelles),
               Qt::AlignRight | Qt::AlignVCenter, Textes::EchelleTemps);
    const qreal xLegende = largeur - largeurTemps - 14;
    p.setPen(QPen(s.t.vert, 2));
    p.drawLine(QPointF(xLegende - 8, milieuEchelles), QPointF(xLegende + 8, milieuEchelles));
    p.setBrush(s.t.point);
    p.drawEllipse(QPointF(xLegende, milieuEchelles), RayonPoint, RayonPoint);
    p.setBrush(Qt::NoBrush);
}

// Grid lines at 0, 50 and 100 % and at half and all of the seconds scale.
void DessinerEchelles(QPainter& p, const Cadre& cadre, const Style& s)
{
    p.setFont(s.polices.petite);
    const QFontMetricsF mesure(s.polices.petite, p.device());
    const QRectF& zone = cadre.zone;
    for (const double g : Graduations) {
        const qreal y = zone.bottom() - g * zone.height();
        p.setPen(g == 0.0 ? s.t.axe : s.t.quadrillage);
        p.drawLine(QPointF(zone.left(), y), QPointF(zone.right(), y));
        p.setPen(s.t.noir);
        const QRectF ligne(0, y - mesure.height() / 2.0, zone.left() - Marge, mesure.height());
        p.drawText(ligne, Qt::AlignRight | Qt::AlignVCenter, QString::number(qRound(g * 100)));
        p.drawText(ligne.translated(zone.right() + Marge, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   TexteEchelle(g * cadre.echelle, s.locale));
    }
}

qreal LargeurCase(const Cadre& cadre, const QList<PointProgression>& points)
{
    return cadre.zone.width() / qreal(points.size());
}

qreal Centre(const Cadre& cadre, const QList<PointProgression>& points, qsizetype i)
{
    return cadre.zone.left() + LargeurCase(cadre, points) * (qreal(i) + 0.5);
}

// The bars, the band of the saved training chosen, and the line of the times.
void DessinerPoints(QPainter& p, const Cadre& cadre, const QList<PointProgression>& points,
                    const TeintesProgression& t)
{
    const QRectF& zone = cadre.zone;
    const qreal largeurCase = LargeurCase(cadre, points);
    const qreal largeurBarre = std::min(largeurCase * 0.6, LargeurBarreMax);
    QPainterPath ligneTemps;
    QList<std::pair<QPointF, bool>> marques;
    for (qsizetype i = 0; i < points.size(); ++i) {
        const PointProgression& point = points[i];
        const qreal centre = Centre(cadre, points, i);
        if (point.choisi)
            p.fillRect(QRectF(zone.left() + largeurCase * qreal(i), zone.top(), largeurCase, zone.height()),
                       t.fondChoisi);
        if (!point.aUneBarre())
            continue;
        const qreal hauteur = point.part() / 100.0 * zone.height();
        p.fillRect(QRectF(centre - largeurBarre / 2, zone.bottom() - hauteur, largeurBarre, hauteur),
                   point.choisi ? t.vert : t.barre);
        if (const std::optional<double> temps = point.tempsMoyen()) {
            const QPointF marque(centre, zone.bottom() - std::min(*temps / cadre.echelle, 1.0) * zone.height());
            marques.append({marque, point.choisi});
            if (marques.size() == 1)
                ligneTemps.moveTo(marque);
            else
                ligneTemps.lineTo(marque);
        }
    }
    p.setPen(QPen(t.vert, 2));
    p.drawPath(ligneTemps);
    p.setBrush(t.point);
    for (const auto& [marque, choisi] : marques) {
        const qreal rayon = choisi ? RayonPointChoisi : RayonPoint;
        p.drawEllipse(marque, rayon, rayon);
    }
}

// The dates of the first and the last saved training, under their bars.
void DessinerDates(QPainter& p, const Cadre& cadre, const QList<PointProgression>& points, const Style& s)
{
    p.setFont(s.polices.petite);
    const QFontMetricsF mesure(s.polices.petite, p.device());
    const auto date = [&](qsizetype i, const QColor& couleur) {
        const QString texte = ElementListe(points[i].dateHeure, s.locale);
        const qreal largeur = mesure.horizontalAdvance(texte);
        const qreal gauche =
            std::clamp(Centre(cadre, points, i) - largeur / 2, cadre.zone.left(), cadre.zone.right() - largeur);
        p.setPen(couleur);
        p.drawText(QRectF(gauche, cadre.zone.bottom() + 2, largeur + 1, HauteurDates - 2),
                   Qt::AlignLeft | Qt::AlignVCenter, texte);
    };
    date(points.size() - 1, points.last().choisi ? s.t.titre : s.t.noir);
    if (points.size() > 1)
        date(0, s.t.noir);
}

} // namespace

void DessinerProgression(QPainter& p, const QRectF& cadre, const Progression& progression,
                         const TeintesProgression& teintes, const PolicesProgression& polices, const QLocale& locale)
{
    p.save();
    p.translate(cadre.topLeft());
    const Style style{teintes, polices, locale};
    p.setFont(polices.titre);
    p.setPen(teintes.titre);
    p.drawText(QRectF(0, 0, cadre.width(), HauteurTitre), Qt::AlignCenter, progression.titre());
    const Cadre zone = Placer(p, progression, cadre.size(), style);
    DessinerLegendes(p, cadre.width(), style);
    DessinerEchelles(p, zone, style);
    if (!progression.points.isEmpty()) {
        DessinerPoints(p, zone, progression.points, teintes);
        DessinerDates(p, zone, progression.points, style);
    }
    p.restore();
}
