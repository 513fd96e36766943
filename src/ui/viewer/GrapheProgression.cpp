// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GrapheProgression.h"

#include "core/Textes.h"
#include "core/results/DateHeure.h"
#include "core/results/MagasinResultats.h"
#include "ui/platform/Accessibilite.h"
#include "ui/platform/Contraste.h"
#include "ui/platform/Controles.h"
#include "ui/platform/Couleurs.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>
#include <optional>

namespace {

// The colour mixed with that part of the other.
QColor Melanger(const QColor& couleur, const QColor& autre, double part)
{
    const auto canal = [part](int a, int b) { return qRound(a + (b - a) * part); };
    return {canal(couleur.red(), autre.red()), canal(couleur.green(), autre.green()),
            canal(couleur.blue(), autre.blue())};
}

const QColor Blanc(Qt::white);

// Bars of the first tries in the results table's green, paler but for the
// saved training shown; the times in the same green, drawn as a line. The
// saved training shown stands on a light band of the viewer's blue.
struct Teintes
{
    QColor titre = Couleurs::Bleu;
    QColor vert = Couleurs::Vert;   // legends, the times' line and the bar shown
    QColor barre = Melanger(Couleurs::Vert, Blanc, 0.6);
    QColor noir = Couleurs::Noir;
    QColor axe = Couleurs::Gris;
    QColor quadrillage = Melanger(Couleurs::Gris, Blanc, 0.7);
    QColor fondChoisi = QColor(Couleurs::Bleu.red(), Couleurs::Bleu.green(), Couleurs::Bleu.blue(), 24);
    QColor point = Blanc;
};

// As designed on a light palette, the paler bars dark enough to keep 3:1
// against the window. On a dark one the same hues, texts at 4.5:1 and bars
// and lines at 3:1 against the window; the paler bars and the grid fade into
// the window rather than into white.
Teintes TeintesPour(const QPalette& palette)
{
    Teintes t;
    const QColor fond = palette.color(QPalette::Window);
    if (!PaletteSombre(palette)) {
        t.barre = CouleurLisible(t.barre, fond, 3);
        return t;
    }
    t.titre = CouleurLisible(Couleurs::Bleu, fond, 4.5);
    t.vert = CouleurLisible(Couleurs::Vert, fond, 4.5);
    t.barre = CouleurLisible(Melanger(t.vert, fond, 0.5), fond, 3);
    t.noir = CouleurLisible(Couleurs::Noir, fond, 4.5);
    t.axe = CouleurLisible(Couleurs::Gris, fond, 3);
    t.quadrillage = Melanger(t.axe, fond, 0.6);
    t.fondChoisi = QColor(t.titre.red(), t.titre.green(), t.titre.blue(), 40);
    t.point = fond;
    return t;
}

constexpr int HauteurTitre = 22;
constexpr int HauteurEchelles = 18;
constexpr int HauteurDates = 16;
constexpr int Marge = 6;
constexpr qreal LargeurBarreMax = 22;
constexpr qreal RayonPoint = 3.5;
constexpr qreal RayonPointChoisi = 5;

QString TexteEchelle(double valeur, const QLocale& locale)
{
    return locale.toString(valeur, 'g', 6);
}

// Where the bars go, and the top of the seconds scale.
struct Cadre
{
    QRectF zone;
    double echelle = 1;
};

const std::array<double, 3> Graduations = {0.0, 0.5, 1.0};

QFont PolicePetite()
{
    return Police(8.25);
}

// The two scales' numbers set the room left and right of the plot.
Cadre Placer(const Progression& progression, QSize taille, const QLocale& locale)
{
    const QFontMetrics mesure(PolicePetite());
    const double echelle = progression.echelleTemps();
    int largeurSecondes = 0;
    for (const double g : Graduations)
        largeurSecondes = std::max(largeurSecondes, mesure.horizontalAdvance(TexteEchelle(g * echelle, locale)));
    const QRectF zone(QPointF(mesure.horizontalAdvance(QStringLiteral("100")) + 2 * Marge,
                              HauteurTitre + HauteurEchelles + mesure.height() / 2.0),
                      QPointF(taille.width() - largeurSecondes - 2 * Marge - 1, taille.height() - HauteurDates));
    return {zone, echelle};
}

// Legends above the scales: a bar, and a point on its line.
void DessinerLegendes(QPainter& p, int largeur, const Teintes& t)
{
    const QFont legende = Police(9);
    p.setFont(legende);
    const int milieuEchelles = HauteurTitre + HauteurEchelles / 2;
    p.setPen(t.vert);
    p.fillRect(QRectF(0, milieuEchelles - 5, 10, 10), t.barre);
    p.drawRect(QRectF(0, milieuEchelles - 5, 10, 10));
    p.drawText(QRect(14, HauteurTitre, largeur / 2, HauteurEchelles), Qt::AlignLeft | Qt::AlignVCenter,
               Textes::EchellePart);
    const int largeurTemps = QFontMetrics(legende).horizontalAdvance(Textes::EchelleTemps);
    p.drawText(QRect(largeur - largeurTemps - 1, HauteurTitre, largeurTemps, HauteurEchelles),
               Qt::AlignRight | Qt::AlignVCenter, Textes::EchelleTemps);
    const qreal xLegende = largeur - largeurTemps - 14;
    p.setPen(QPen(t.vert, 2));
    p.drawLine(QPointF(xLegende - 8, milieuEchelles), QPointF(xLegende + 8, milieuEchelles));
    p.setBrush(t.point);
    p.drawEllipse(QPointF(xLegende, milieuEchelles), RayonPoint, RayonPoint);
    p.setBrush(Qt::NoBrush);
}

// Grid lines at 0, 50 and 100 % and at half and all of the seconds scale.
void DessinerEchelles(QPainter& p, const Cadre& cadre, const QLocale& locale, const Teintes& t)
{
    const QFont petite = PolicePetite();
    p.setFont(petite);
    const QFontMetrics mesure(petite);
    const QRectF& zone = cadre.zone;
    for (const double g : Graduations) {
        const qreal y = zone.bottom() - g * zone.height();
        p.setPen(g == 0.0 ? t.axe : t.quadrillage);
        p.drawLine(QPointF(zone.left(), y), QPointF(zone.right(), y));
        p.setPen(t.noir);
        const QRectF ligne(0, y - mesure.height() / 2.0, zone.left() - Marge, mesure.height());
        p.drawText(ligne, Qt::AlignRight | Qt::AlignVCenter, QString::number(qRound(g * 100)));
        p.drawText(ligne.translated(zone.right() + Marge, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   TexteEchelle(g * cadre.echelle, locale));
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

// The bars, the band of the saved training shown, and the line of the times.
void DessinerPoints(QPainter& p, const Cadre& cadre, const QList<PointProgression>& points, const Teintes& t)
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
void DessinerDates(QPainter& p, const Cadre& cadre, const QList<PointProgression>& points,
                   const QLocale& locale, const Teintes& t)
{
    const QFont petite = PolicePetite();
    p.setFont(petite);
    const QFontMetrics mesure(petite);
    const auto date = [&](qsizetype i, const QColor& couleur) {
        const QString texte = ElementListe(points[i].dateHeure, locale);
        const qreal largeur = mesure.horizontalAdvance(texte);
        const qreal gauche =
            std::clamp(Centre(cadre, points, i) - largeur / 2, cadre.zone.left(), cadre.zone.right() - largeur);
        p.setPen(couleur);
        p.drawText(QRectF(gauche, cadre.zone.bottom() + 2, largeur + 1, HauteurDates - 2),
                   Qt::AlignLeft | Qt::AlignVCenter, texte);
    };
    date(points.size() - 1, points.last().choisi ? t.titre : t.noir);
    if (points.size() > 1)
        date(0, t.noir);
}

// The table a key chooses from the one shown: the digits 2 to 9, 1 then 0,
// 1 or 2 for 10 to 12, the arrows one table on (all tables come before 2),
// 0 or Home all tables, End the 12. None for any other key.
std::optional<int> LivretDeTouche(int touche, int livret, bool apresUn)
{
    if (apresUn && touche >= Qt::Key_0 && touche <= Qt::Key_2)
        return 10 + (touche - Qt::Key_0);
    const int dernier = PremierLivret + NbLivrets - 1;
    switch (touche) {
    case Qt::Key_0:
    case Qt::Key_Home:
        return TousLesLivrets;
    case Qt::Key_1:
        return livret;   // the first digit of 10, 11 or 12
    case Qt::Key_End:
        return dernier;
    case Qt::Key_Right:
    case Qt::Key_Down:
        return livret == TousLesLivrets ? PremierLivret : std::min(livret + 1, dernier);
    case Qt::Key_Left:
    case Qt::Key_Up:
        return livret <= PremierLivret ? TousLesLivrets : livret - 1;
    default:
        break;
    }
    if (touche >= Qt::Key_2 && touche <= Qt::Key_9)
        return touche - Qt::Key_0;
    return std::nullopt;
}

} // namespace

GrapheProgression::GrapheProgression(MagasinResultats& magasin_, QWidget* parent)
    : QWidget(parent), magasin(magasin_)
{
    DefinirRoleAccessible(this, QAccessible::Chart);
    setObjectName(QStringLiteral("G_Progression"));
    // Reached by Tab, its table chosen by keys; what they are is its help.
    setFocusPolicy(Qt::StrongFocus);
    setWhatsThis(Textes::AideGraphe);
    setAccessibleName(progression.titre());
}

void GrapheProgression::keyPressEvent(QKeyEvent* event)
{
    const bool apresUn = dizaine;
    dizaine = event->key() == Qt::Key_1 && !apresUn;
    const std::optional<int> livret = LivretDeTouche(event->key(), progression.livret, apresUn);
    if (!livret) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (*livret != progression.livret)
        ChoisirLivret(*livret);
    event->accept();
}

void GrapheProgression::Afficher(const QString& dateHeure_)
{
    dateHeure = dateHeure_;
    Lire();
    update();
}

void GrapheProgression::ChoisirLivret(int livret)
{
    progression.livret = livret;
    Lire();
    update();
}

void GrapheProgression::Redessiner()
{
    Lire();
    repaint();
}

void GrapheProgression::Lire()
{
    progression.points.clear();
    if (!dateHeure.isEmpty()) {
        // A store that fails leaves the chart empty: the viewer tells of the
        // fault where it reads the results.
        const Lecture<QList<PointProgression>> lus = magasin.LireProgression(dateHeure, progression.livret);
        if (lus)
            progression.points = lus.valeur;
    }
    const QString description = progression.description();
    setAccessibleName(progression.titre());
    setAccessibleDescription(description);
    setToolTip(description);
}

void GrapheProgression::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QLocale locale;
    const Teintes teintes = TeintesPour(palette());
    p.setFont(Police(12, true));
    p.setPen(teintes.titre);
    p.drawText(QRect(0, 0, width(), HauteurTitre), Qt::AlignCenter, progression.titre());

    const Cadre cadre = Placer(progression, size(), locale);
    DessinerLegendes(p, width(), teintes);
    DessinerEchelles(p, cadre, locale, teintes);
    if (!progression.points.isEmpty()) {
        DessinerPoints(p, cadre, progression.points, teintes);
        DessinerDates(p, cadre, progression.points, locale, teintes);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect cadreFocus;
        cadreFocus.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &cadreFocus, &p, this);
    }
}
