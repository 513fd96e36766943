#include "GrapheProgression.h"

#include "Couleurs.h"
#include "Textes.h"
#include "platform/Controles.h"
#include "results/DateHeure.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {

// The colour with that part of white in it.
QColor Pali(const QColor& couleur, double blanc)
{
    const auto canal = [blanc](int valeur) { return qRound(valeur + (255 - valeur) * blanc); };
    return {canal(couleur.red()), canal(couleur.green()), canal(couleur.blue())};
}

// Bars of the first tries in the results table's green, paler but for the
// saved training shown; the times in the same green, drawn as a line. The
// saved training shown stands on a light band of the viewer's blue.
const QColor Barre = Pali(Couleurs::Vert, 0.6);
const QColor BarreChoisie = Couleurs::Vert;
const QColor Temps = Couleurs::Vert;
const QColor Quadrillage = Pali(Couleurs::Gris, 0.7);
const QColor FondChoisi(Couleurs::Bleu.red(), Couleurs::Bleu.green(), Couleurs::Bleu.blue(), 24);

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

} // namespace

GrapheProgression::GrapheProgression(BaseDonnees& base_, QWidget* parent)
    : QWidget(parent), base(base_)
{
    setObjectName(QStringLiteral("G_Progression"));
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(progression.titre());
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
        const Lecture<QList<PointProgression>> lus = LireProgression(base, dateHeure, progression.livret);
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

    p.setFont(Police(12, true));
    p.setPen(Couleurs::Bleu);
    p.drawText(QRect(0, 0, width(), HauteurTitre), Qt::AlignCenter, progression.titre());

    // The two scales' numbers set the room left and right of the plot.
    const QFont petite = Police(8.25);
    p.setFont(petite);
    const QFontMetrics mesure(petite);
    const double echelle = progression.echelleTemps();
    const std::array<double, 3> graduations = {0.0, 0.5, 1.0};
    int largeurSecondes = 0;
    for (const double g : graduations)
        largeurSecondes = std::max(largeurSecondes, mesure.horizontalAdvance(TexteEchelle(g * echelle, locale)));
    const QRectF zone(QPointF(mesure.horizontalAdvance(QStringLiteral("100")) + 2 * Marge,
                              HauteurTitre + HauteurEchelles + mesure.height() / 2.0),
                      QPointF(width() - largeurSecondes - 2 * Marge - 1, height() - HauteurDates));

    // Legends above the scales: a bar, and a point on its line.
    const QFont legende = Police(9);
    p.setFont(legende);
    const QFontMetrics mesureLegende(legende);
    const int milieuEchelles = HauteurTitre + HauteurEchelles / 2;
    p.setPen(Couleurs::Vert);
    p.fillRect(QRectF(0, milieuEchelles - 5, 10, 10), Barre);
    p.drawRect(QRectF(0, milieuEchelles - 5, 10, 10));
    p.drawText(QRect(14, HauteurTitre, width() / 2, HauteurEchelles), Qt::AlignLeft | Qt::AlignVCenter,
               Textes::EchellePart);
    const int largeurTemps = mesureLegende.horizontalAdvance(Textes::EchelleTemps);
    p.drawText(QRect(width() - largeurTemps - 1, HauteurTitre, largeurTemps, HauteurEchelles),
               Qt::AlignRight | Qt::AlignVCenter, Textes::EchelleTemps);
    const qreal xLegende = width() - largeurTemps - 14;
    p.setPen(QPen(Temps, 2));
    p.drawLine(QPointF(xLegende - 8, milieuEchelles), QPointF(xLegende + 8, milieuEchelles));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(xLegende, milieuEchelles), RayonPoint, RayonPoint);
    p.setBrush(Qt::NoBrush);

    // Grid lines at 0, 50 and 100 % and at half and all of the seconds scale.
    p.setFont(petite);
    for (const double g : graduations) {
        const qreal y = zone.bottom() - g * zone.height();
        p.setPen(g == 0.0 ? Couleurs::Gris : Quadrillage);
        p.drawLine(QPointF(zone.left(), y), QPointF(zone.right(), y));
        p.setPen(Couleurs::Noir);
        const QRectF ligne(0, y - mesure.height() / 2.0, zone.left() - Marge, mesure.height());
        p.drawText(ligne, Qt::AlignRight | Qt::AlignVCenter, QString::number(qRound(g * 100)));
        p.drawText(ligne.translated(zone.right() + Marge, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   TexteEchelle(g * echelle, locale));
    }

    const QList<PointProgression>& points = progression.points;
    if (points.isEmpty())
        return;
    const qreal largeurCase = zone.width() / qreal(points.size());
    const qreal largeurBarre = std::min(largeurCase * 0.6, LargeurBarreMax);
    const auto centre = [&](qsizetype i) { return zone.left() + largeurCase * (qreal(i) + 0.5); };

    QPainterPath ligneTemps;
    QList<std::pair<QPointF, bool>> marques;
    for (qsizetype i = 0; i < points.size(); ++i) {
        const PointProgression& point = points[i];
        if (point.choisi)
            p.fillRect(QRectF(zone.left() + largeurCase * qreal(i), zone.top(), largeurCase, zone.height()),
                       FondChoisi);
        if (!point.aUneBarre())
            continue;
        const qreal hauteur = point.part() / 100.0 * zone.height();
        const QRectF barre(centre(i) - largeurBarre / 2, zone.bottom() - hauteur, largeurBarre, hauteur);
        p.fillRect(barre, point.choisi ? BarreChoisie : Barre);
        if (const std::optional<double> temps = point.tempsMoyen()) {
            const QPointF marque(centre(i), zone.bottom() - std::min(*temps / echelle, 1.0) * zone.height());
            marques.append({marque, point.choisi});
            if (marques.size() == 1)
                ligneTemps.moveTo(marque);
            else
                ligneTemps.lineTo(marque);
        }
    }
    p.setPen(QPen(Temps, 2));
    p.drawPath(ligneTemps);
    p.setBrush(Qt::white);
    for (const auto& [marque, choisi] : marques) {
        const qreal rayon = choisi ? RayonPointChoisi : RayonPoint;
        p.drawEllipse(marque, rayon, rayon);
    }

    // The dates of the first and the last saved training, under their bars.
    const auto date = [&](qsizetype i, const QColor& couleur) {
        const QString texte = ElementListe(points[i].dateHeure, locale);
        const qreal largeur = mesure.horizontalAdvance(texte);
        const qreal gauche = std::clamp(centre(i) - largeur / 2, zone.left(), zone.right() - largeur);
        p.setPen(couleur);
        p.drawText(QRectF(gauche, zone.bottom() + 2, largeur + 1, HauteurDates - 2),
                   Qt::AlignLeft | Qt::AlignVCenter, texte);
    };
    date(points.size() - 1, points.last().choisi ? Couleurs::Bleu : Couleurs::Noir);
    if (points.size() > 1)
        date(0, Couleurs::Noir);
}
