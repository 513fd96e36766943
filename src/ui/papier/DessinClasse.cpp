// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DessinClasse.h"

#include "DessinRapport.h"
#include "Papier.h"
#include "core/Textes.h"
#include "core/results/DateHeure.h"

#include <QPainter>

using namespace Papier;

namespace {

constexpr qreal HauteurEnTete = 60;
constexpr qreal HauteurTitres = 24;
constexpr qreal HauteurLigne = 22;
constexpr qreal HauteurPied = 20;
constexpr qreal HauteurARevoir = 130;
constexpr qreal LargeurNom = 96;
constexpr qreal LargeurDate = 60;

qsizetype LignesParPage(bool avecARevoir)
{
    const qreal place = Zone(QPageLayout::Portrait).height() - HauteurEnTete - HauteurTitres - HauteurPied
                      - (avecARevoir ? HauteurARevoir : 0);
    return qsizetype(place / HauteurLigne);
}

qreal DessinerEnTete(QPainter& p, const QRectF& zone, const PageClasse& page)
{
    Ecrire(p, QRectF(zone.left(), zone.top(), zone.width(), 30), Qt::AlignLeft | Qt::AlignVCenter, page.classes,
           PoliceTitre(20), Titre);
    Ecrire(p, QRectF(zone.left(), zone.top() + 30, zone.width(), 18), Qt::AlignLeft | Qt::AlignVCenter,
           page.textePeriode(), Police(11, true));
    p.setPen(QPen(Titre, 1.5));
    p.drawLine(QPointF(zone.left(), zone.top() + 52), QPointF(zone.right(), zone.top() + 52));
    return HauteurEnTete;
}

// Thin lines between the tables' columns, along the row.
void DessinerColonnes(QPainter& p, const QRectF& ligne, qreal colonne)
{
    p.setPen(QPen(Trait, 0.4));
    for (int i = 0; i <= NbLivrets; ++i) {
        const qreal x = ligne.left() + LargeurNom + LargeurDate + i * colonne;
        p.drawLine(QPointF(x, ligne.top()), QPointF(x, ligne.bottom()));
    }
}

void DessinerTitres(QPainter& p, const QRectF& ligne, qreal colonne)
{
    DessinerColonnes(p, ligne.adjusted(0, 4, 0, 0), colonne);
    const int centre = Qt::AlignCenter | Qt::TextWordWrap;
    Ecrire(p, QRectF(ligne.left(), ligne.top(), LargeurNom, ligne.height()), Qt::AlignLeft | Qt::AlignVCenter,
           Textes::TitresClasse.value(0), Police(9, true));
    Ecrire(p, QRectF(ligne.left() + LargeurNom, ligne.top(), LargeurDate, ligne.height()), centre,
           Textes::TitresClasse.value(2), Police(7, true));
    for (int i = 0; i < NbLivrets; ++i)
        Ecrire(p, QRectF(ligne.left() + LargeurNom + LargeurDate + i * colonne, ligne.top(), colonne, ligne.height()),
               Qt::AlignCenter, QString::number(i + PremierLivret), Police(10, true));
    p.setPen(QPen(Encre, 0.75));
    p.drawLine(ligne.bottomLeft(), ligne.bottomRight());
}

// One pupil: name, last saved training, then a cell per table; a line that
// says so for a pupil who did not train in the period.
void DessinerEleve(QPainter& p, const QRectF& ligne, qreal colonne, const EleveClasse& e)
{
    Ecrire(p, QRectF(ligne.left() + 2, ligne.top(), LargeurNom - 4, ligne.height()), Qt::AlignLeft | Qt::AlignVCenter,
           e.eleve, Police(9, true));
    const QString dernier = e.dernier.isEmpty() ? Textes::JamaisEntraine : TexteJour(LireTexteBase(e.dernier).date());
    Ecrire(p, QRectF(ligne.left() + LargeurNom, ligne.top(), LargeurDate, ligne.height()), Qt::AlignCenter, dernier,
           Police(8));
    const qreal debut = ligne.left() + LargeurNom + LargeurDate;
    if (!SEstEntraine(e)) {
        Ecrire(p, QRectF(debut + 4, ligne.top(), ligne.right() - debut, ligne.height()),
               Qt::AlignLeft | Qt::AlignVCenter, Textes::RienSurLaPeriode, Police(8, false, true), Discret);
        return;
    }
    DessinerColonnes(p, ligne, colonne);
    for (int i = 0; i < NbLivrets; ++i)
        Ecrire(p, QRectF(debut + i * colonne, ligne.top(), colonne, ligne.height()), Qt::AlignCenter,
               TexteCelluleClasse(e.livrets[std::size_t(i)]), Police(8));
}

qreal DessinerEleves(QPainter& p, const QRectF& place, const QList<EleveClasse>& eleves, TrancheEleves tranche)
{
    const qreal colonne = (place.width() - LargeurNom - LargeurDate) / NbLivrets;
    DessinerTitres(p, QRectF(place.left(), place.top(), place.width(), HauteurTitres), colonne);
    for (qsizetype i = 0; i < tranche.nombre; ++i) {
        const QRectF ligne(place.left(), place.top() + HauteurTitres + qreal(i) * HauteurLigne, place.width(),
                           HauteurLigne);
        if (i % 2 == 1)
            p.fillRect(ligne, Ligne);
        DessinerEleve(p, ligne, colonne, eleves.at(tranche.premier + i));
    }
    const qreal bas = place.top() + HauteurTitres + qreal(tranche.nombre) * HauteurLigne;
    p.setPen(QPen(Trait, 0.4));
    p.drawLine(QPointF(place.left(), bas), QPointF(place.right(), bas));
    return bas - place.top();
}

// The legend, then the facts most often to review, in two columns.
void DessinerARevoir(QPainter& p, const QRectF& place, const QList<FaitARevoir>& faits)
{
    Ecrire(p, QRectF(place.left(), place.top(), place.width(), 26), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
           Textes::LegendePageClasse, Police(8, false, true), Discret);
    Ecrire(p, QRectF(place.left(), place.top() + 30, place.width(), 18), Qt::AlignLeft | Qt::AlignVCenter,
           Textes::TitreARevoirClasse, Police(11, true), Titre);
    if (faits.isEmpty())
        Ecrire(p, QRectF(place.left(), place.top() + 50, place.width(), 14), Qt::AlignLeft | Qt::AlignVCenter,
               Textes::LigneARevoir({}, false), Police(9));
    const qsizetype parColonne = std::max<qsizetype>((faits.size() + 1) / 2, 1);
    for (qsizetype i = 0; i < faits.size(); ++i) {
        const FaitARevoir& f = faits[i];
        const QRectF ligne(place.left() + (i < parColonne ? 0 : place.width() / 2),
                           place.top() + 50 + qreal(i % parColonne) * 14, place.width() / 2, 14);
        Ecrire(p, ligne, Qt::AlignLeft | Qt::AlignVCenter,
               Textes::FaitARevoirClasse(f.multiplicateur, f.livret, f.eleves), Police(9));
    }
}

void DessinerPageClasse(QPainter& p, const QRectF& zone, const PageClasse& page, TrancheEleves tranche, bool derniere)
{
    qreal y = zone.top() + DessinerEnTete(p, zone, page);
    y += DessinerEleves(p, QRectF(zone.left(), y, zone.width(), 0), page.eleves, tranche) + 12;
    if (derniere)
        DessinerARevoir(p, QRectF(zone.left(), y, zone.width(), HauteurARevoir), page.aRevoir);
    DessinerPied(p, zone);
}

} // namespace

QList<TrancheEleves> PagesDeLaClasse(qsizetype eleves)
{
    QList<TrancheEleves> pages;
    qsizetype premier = 0;
    while (eleves - premier > LignesParPage(true)) {
        const qsizetype nombre = std::min(eleves - premier, LignesParPage(false));
        pages.append({premier, nombre});
        premier += nombre;
    }
    pages.append({premier, eleves - premier});
    return pages;
}

Document DocumentPourClasse(const DocumentClasse& classe)
{
    Document document(classe.classe.classes, QPageLayout::Portrait);
    const QList<TrancheEleves> tranches = PagesDeLaClasse(classe.classe.eleves.size());
    for (qsizetype i = 0; i < tranches.size(); ++i) {
        const bool derniere = i + 1 == tranches.size();
        document.Ajouter([page = classe.classe, tranche = tranches[i], derniere](QPainter& p, const QRectF& zone) {
            DessinerPageClasse(p, zone, page, tranche, derniere);
        });
    }
    for (const RapportEnfant& rapport : classe.rapports)
        document.Ajouter([rapport](QPainter& p, const QRectF& zone) { DessinerRapport(p, zone, rapport); });
    return document;
}
