// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DessinRapport.h"

#include "Papier.h"
#include "core/Textes.h"
#include "core/results/DateHeure.h"
#include "core/results/Progression.h"
#include "ui/bilan/SigneEtat.h"
#include "ui/results/DessinProgression.h"

#include <QPainter>

using namespace Papier;

namespace {

constexpr qreal HauteurTitre = 30;
constexpr qreal LargeurEnTeteLigne = 58;
constexpr qreal HauteurEnTeteGrille = 14;
constexpr qreal HauteurCase = 20;
constexpr qreal TailleSigne = 8;
constexpr qreal HauteurLegende = 18;
constexpr qreal HauteurSection = 18;
constexpr qreal HauteurLigneChiffres = 15;
constexpr qreal HauteurLigneFait = 13;
constexpr qreal HauteurGraphe = 262;
constexpr qreal LargeurLibelle = 160;
constexpr qreal LargeurAReviser = 130;

// The title and its line; the height it took.
qreal DessinerTitre(QPainter& p, const QRectF& zone, const QString& titre)
{
    Ecrire(p, QRectF(zone.left(), zone.top(), zone.width(), HauteurTitre - 4), Qt::AlignLeft | Qt::AlignVCenter,
           titre, PoliceTitre(20), Titre);
    p.setPen(QPen(Titre, 1.5));
    p.drawLine(QPointF(zone.left(), zone.top() + HauteurTitre), QPointF(zone.right(), zone.top() + HauteurTitre));
    return HauteurTitre + 6;
}

qreal DessinerSection(QPainter& p, const QRectF& place, const QString& titre)
{
    Ecrire(p, QRectF(place.left(), place.top(), place.width(), HauteurSection), Qt::AlignLeft | Qt::AlignVCenter,
           titre, Police(11, true), Titre);
    return HauteurSection;
}

// One fact's cell: its pale fill, its sign on the left, its product.
void DessinerCase(QPainter& p, const QRectF& cellule, int produit, EtatFait etat)
{
    p.fillRect(cellule, Fond(etat));
    p.setPen(QPen(Trait, 0.5));
    p.drawRect(cellule);
    const QRectF signe(cellule.left() + 3, cellule.center().y() - TailleSigne / 2, TailleSigne, TailleSigne);
    DessinerSigne(p, etat, Signe(etat), signe);
    Ecrire(p, cellule.adjusted(TailleSigne + 3, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter,
           QString::number(produit), Police(10));
}

// The 132 facts: a row per table, a column per multiplier; its height.
qreal DessinerGrille(QPainter& p, const QPointF& origine, qreal largeur, const RapportEnfant& r)
{
    const qreal colonne = (largeur - LargeurEnTeteLigne) / NbMultiplicateurs;
    for (int m = 1; m <= NbMultiplicateurs; ++m)
        Ecrire(p, QRectF(origine.x() + LargeurEnTeteLigne + (m - 1) * colonne, origine.y(), colonne,
                         HauteurEnTeteGrille),
               Qt::AlignCenter, QString::number(m), Police(9, true));
    for (int i = 0; i < NbLivrets; ++i) {
        const int livret = i + PremierLivret;
        const qreal haut = origine.y() + HauteurEnTeteGrille + i * HauteurCase;
        Ecrire(p, QRectF(origine.x(), haut, LargeurEnTeteLigne - 4, HauteurCase), Qt::AlignLeft | Qt::AlignVCenter,
               Textes::TableDe(livret), Police(9, true));
        for (int m = 1; m <= NbMultiplicateurs; ++m)
            DessinerCase(p, QRectF(origine.x() + LargeurEnTeteLigne + (m - 1) * colonne, haut, colonne, HauteurCase),
                         m * livret, r.etat(livret, m));
    }
    return HauteurEnTeteGrille + NbLivrets * HauteurCase;
}

// Each state's sign and count, side by side.
void DessinerLegende(QPainter& p, const QRectF& place, const std::array<int, NbEtatsFait>& parEtat)
{
    const qreal largeur = place.width() / NbEtatsFait;
    for (int etat = 0; etat < NbEtatsFait; ++etat) {
        const QRectF carre(place.left() + etat * largeur, place.center().y() - 6, 12, 12);
        p.fillRect(carre, Fond(EtatFait(etat)));
        p.setPen(QPen(Trait, 0.5));
        p.drawRect(carre);
        DessinerSigne(p, EtatFait(etat), Signe(EtatFait(etat)), carre.adjusted(2, 2, -2, -2));
        Ecrire(p, QRectF(carre.right() + 4, place.top(), largeur - 16, place.height()),
               Qt::AlignLeft | Qt::AlignVCenter, Textes::LegendeEtat(NomEtatFait(EtatFait(etat)), parEtat[std::size_t(etat)]), Police(9));
    }
}

QStringList ValeursChiffres(const ChiffresPeriode& c)
{
    return {QString::number(c.jours), QString::number(c.minutes()), QString::number(c.questions),
            c.questions < 1 ? QStringLiteral("–") : TextePart(c.part()), QString::number(c.devenusAutomatises)};
}

// The figures of the 7 and the 30 days, a column each.
void DessinerChiffres(QPainter& p, const QRectF& place, const RapportEnfant& r)
{
    const qreal haut = place.top() + DessinerSection(p, place, Textes::TitreChiffres);
    const qreal libelle = LargeurLibelle, colonne = (place.width() - libelle) / 2;
    const std::array<const ChiffresPeriode*, 2> periodes = {&r.semaine, &r.mois};
    for (std::size_t i = 0; i < periodes.size(); ++i) {
        const QRectF tete(place.left() + libelle + qreal(i) * colonne, haut, colonne, 13);
        Ecrire(p, tete, Qt::AlignCenter, Textes::DerniersJours(i == 0 ? JoursSemaine : JoursMois), Police(9, true));
        Ecrire(p, tete.translated(0, 12), Qt::AlignCenter,
               Textes::DuAu(TexteJour(periodes[i]->debut), TexteJour(periodes[i]->fin)), Police(7), Discret);
    }
    const std::array<QStringList, 2> valeurs = {ValeursChiffres(r.semaine), ValeursChiffres(r.mois)};
    for (int l = 0; l < Textes::LignesChiffres.size(); ++l) {
        const QRectF ligne(place.left(), haut + 28 + l * HauteurLigneChiffres, place.width(), HauteurLigneChiffres);
        if (l % 2 == 0)
            p.fillRect(ligne, Ligne);
        Ecrire(p, ligne.adjusted(3, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, Textes::LignesChiffres.at(l),
               Police(9));
        for (std::size_t i = 0; i < valeurs.size(); ++i)
            Ecrire(p, QRectF(place.left() + libelle + qreal(i) * colonne, ligne.top(), colonne, ligne.height()),
                   Qt::AlignCenter, valeurs[i].at(l), Police(10, true));
    }
}

// The facts to review first, one a line.
void DessinerAReviser(QPainter& p, const QRectF& place, const QList<FaitAReviser>& faits)
{
    const qreal haut = place.top() + DessinerSection(p, place, Textes::TitreAReviser);
    if (faits.isEmpty())
        Ecrire(p, QRectF(place.left(), haut, place.width(), 40), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               Textes::RienAReviser, Police(9));
    for (qsizetype i = 0; i < faits.size(); ++i) {
        const FaitAReviser& f = faits[i];
        const QRectF ligne(place.left(), haut + qreal(i) * HauteurLigneFait, place.width(), HauteurLigneFait);
        DessinerSigne(p, f.etat, Signe(f.etat), QRectF(ligne.left(), ligne.center().y() - 4, 8, 8));
        Ecrire(p, ligne.adjusted(12, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
               Textes::FaitAReviser(f.multiplicateur, f.livret, NomEtatFait(f.etat)), Police(9));
    }
}

// The chart of the last saved trainings, as the viewer draws it.
void DessinerGraphe(QPainter& p, const QRectF& place, const Progression& progression)
{
    TeintesProgression teintes;
    teintes.titre = Titre;
    DessinerProgression(p, place.adjusted(0, 0, 0, -14), progression, teintes,
                        {Police(11, true), Police(8), Police(7)});
    Ecrire(p, QRectF(place.left(), place.bottom() - 12, place.width(), 12), Qt::AlignCenter,
           progression.points.isEmpty() ? Textes::AucunEntrainement
                                        : Textes::SousTitreProgression(int(progression.points.size())),
           Police(8, false, true), Discret);
}

} // namespace

void DessinerRapport(QPainter& p, const QRectF& zone, const RapportEnfant& r)
{
    qreal y = zone.top() + DessinerTitre(p, zone, Textes::TitreRapport(r.nom, TexteJour(r.jour)));
    y += DessinerSection(p, QRectF(zone.left(), y, zone.width(), 0), Textes::SousTitreGrille);
    y += DessinerGrille(p, QPointF(zone.left(), y), zone.width(), r) + 4;
    DessinerLegende(p, QRectF(zone.left(), y, zone.width(), HauteurLegende), r.parEtat);
    y += HauteurLegende + 10;
    const qreal gauche = zone.width() - LargeurAReviser;
    DessinerChiffres(p, QRectF(zone.left(), y, gauche - 16, 120), r);
    DessinerAReviser(p, QRectF(zone.left() + gauche, y, zone.width() - gauche, 150), r.aReviser);
    y += HauteurSection + NbFaitsAReviser * HauteurLigneFait + 14;
    DessinerGraphe(p, QRectF(zone.left(), y, zone.width(), HauteurGraphe), r.progression);
    DessinerPied(p, zone);
}

Document DocumentRapport(const RapportEnfant& rapport)
{
    Document document(Textes::NomDocumentRapport(rapport.nom, rapport.jour.toString(Qt::ISODate)),
                      QPageLayout::Portrait);
    document.Ajouter([rapport](QPainter& p, const QRectF& zone) { DessinerRapport(p, zone, rapport); });
    return document;
}
