// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GrilleResultats.h"

#include "core/Textes.h"
#include "ui/platform/Controles.h"
#include "ui/platform/Couleurs.h"

#include <QLabel>

namespace {

struct Ligne
{
    const char* nomCellules;
    const char* nomTotal;
    QColor couleur;
};

Ligne LigneDe(LigneResultats ligne)
{
    switch (ligne) {
    case LigneResultats::Questions:
        return {"L_NbQuestion", "L_NbQuestionTotal", Couleurs::Noir};
    case LigneResultats::Essai1:
        return {"L_NbQuestionEssai1", "L_NbQuestionEssai1Total", Couleurs::Vert};
    case LigneResultats::Temps:
        return {"L_Temps", "L_TempsTotal", Couleurs::Vert};
    case LigneResultats::Essai2:
        return {"L_NbQuestionEssai2", "L_NbQuestionEssai2Total", Couleurs::Orange};
    case LigneResultats::Réponse:
        return {"L_NbQuestionRéponse", "L_NbQuestionRéponseTotal", Couleurs::Rouge};
    }
    return {};
}

QFont PoliceCellules()
{
    return Police(14.25);
}

// A cell shows its whole text within its own width: a text too wide for the
// designed font is written smaller.
void Ecrire(QLabel* cellule, const QString& texte)
{
    const QFont police = PoliceCellules();
    const int largeur = cellule->contentsRect().width();
    QFont ajustee = police;
    for (qreal points = police.pointSizeF();
         QFontMetricsF(ajustee).horizontalAdvance(texte) > largeur && points > 1; points -= 0.25)
        ajustee.setPointSizeF(points - 0.25);
    if (cellule->font() != ajustee)
        cellule->setFont(ajustee);
    cellule->setText(texte);
}

} // namespace

GrilleResultats::GrilleResultats(QWidget* parent, const DispositionResultats& d)
{
    const Qt::Alignment droite = Qt::AlignRight | Qt::AlignTop;
    for (int ligne = 0; ligne < NbLignesResultats; ++ligne) {
        const Ligne l = LigneDe(LigneResultats(ligne));
        const int haut = d.hautLignes[ligne];
        const int titre = TitreDeLigne(LigneResultats(ligne));
        titres[titre] = CreerEtiquette(parent, NomIndexe("L_Titre", titre),
                                       Twips(d.gaucheTitres, haut, d.largeurTitres, d.hauteurLigne),
                                       Police(14.25), l.couleur);
        for (int i = 0; i < NbLivrets; ++i)
            cellules[ligne][i] = CreerEtiquette(
                parent, NomIndexe(l.nomCellules, i),
                Twips(d.gaucheCellules[i], haut, d.largeurCellule, d.hauteurLigne), PoliceCellules(),
                l.couleur, droite);
        totaux[ligne] = CreerEtiquette(parent, QString::fromUtf8(l.nomTotal),
                                       Twips(d.gaucheTotal, haut, d.largeurTotal, d.hauteurLigne),
                                       PoliceCellules(), l.couleur, droite);
    }
    titres[NbTitresResultats - 1] =
        CreerEtiquette(parent, NomIndexe("L_Titre", NbTitresResultats - 1),
                       Twips(d.titreTotal),
                       Police(d.pointsTitreTotal, d.grasTitreTotal), Couleurs::Bleu, droite);
}

void GrilleResultats::Afficher(const TextesResultats& textes)
{
    for (int titre = 0; titre < NbTitresResultats; ++titre)
        titres[titre]->setText(Textes::TitresResultats.at(titre));
    for (int ligne = 0; ligne < NbLignesResultats; ++ligne) {
        for (int i = 0; i < NbLivrets; ++i)
            Ecrire(cellules[ligne][i], textes.cellules[ligne][i]);
        Ecrire(totaux[ligne], textes.totaux[ligne]);
    }
    Nommer(textes);
}

void GrilleResultats::Nommer(const TextesResultats& textes)
{
    for (int ligne = 0; ligne < NbLignesResultats; ++ligne) {
        const QString& titre = Textes::TitresResultats.at(TitreDeLigne(LigneResultats(ligne)));
        for (int i = 0; i < NbLivrets; ++i)
            cellules[ligne][i]->setAccessibleName(
                Textes::NomCellule(titre, Textes::ColonneLivret(i + PremierLivret), textes.cellules[ligne][i]));
        totaux[ligne]->setAccessibleName(Textes::NomCellule(titre, Textes::ColonneTotal, textes.totaux[ligne]));
    }
}

void GrilleResultats::MontrerTableauResultats(bool visible)
{
    for (QLabel* titre : titres)
        titre->setVisible(visible);
    for (const auto& ligne : cellules)
        for (QLabel* cellule : ligne)
            cellule->setVisible(visible);
    for (QLabel* total : totaux)
        total->setVisible(visible);
}
