// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The controls of the viewer at their designed places, sizes, fonts and
// colours, designed for 1000 x 650 pixels at 96 dpi.
#include "F_Consulter.h"

#include "GrapheProgression.h"
#include "core/Textes.h"
#include "ui/platform/Controles.h"
#include "ui/platform/Couleurs.h"
#include "ui/platform/OptionsPlage.h"
#include "ui/platform/Ressources.h"
#include "ui/results/GrilleResultats.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QToolButton>

namespace {

// Left edge of the cells of each table's column, tables 2 to 12; each table
// number shares its column's right edge.
constexpr std::array<int, NbLivrets> GaucheColonnes = {3630, 4515, 5400, 6300, 7185, 8070,
                                          8955, 9840, 10740, 11625, 12510};
constexpr int LargeurCellule = 825;
constexpr int LargeurLivret = 495;

DispositionResultats dispositionResultats()
{
    DispositionResultats d;
    d.gaucheTitres = 375;
    d.largeurTitres = 3000;
    d.hautLignes = {3600, 4170, 4740, 5310, 5880};
    d.hauteurLigne = 375;
    for (int i = 0; i < NbLivrets; ++i)
        d.gaucheCellules[i] = GaucheColonnes[i];
    d.largeurCellule = LargeurCellule;
    d.gaucheTotal = 13770;
    d.largeurTotal = 870;
    d.titreTotal = QRect(13440, 2805, 1200, 495);
    d.grasTitreTotal = false;
    return d;
}

} // namespace

void F_Consulter::CreerControles()
{
    CreerEnTete();
    CreerOptions();
    for (int i = 0; i < NbLivrets; ++i) {
        L_Livret[i] = CreerEtiquette(this, NomIndexe("L_Livret", i),
                                     Twips(GaucheColonnes[i] + LargeurCellule - LargeurLivret, 2805, LargeurLivret, 495),
                                     Police(20.25), Couleurs::Bleu, Qt::AlignRight | Qt::AlignTop);
        L_Livret[i]->setText(QString::number(i + PremierLivret));
    }
    grille = std::make_unique<GrilleResultats>(this, dispositionResultats());
    CreerLigne(this, QStringLiteral("Line2"), 360, 6480, 14640, Couleurs::Bleu);

    L_Date = new QListWidget(this);
    L_Date->setObjectName(QStringLiteral("L_Date"));
    L_Date->setGeometry(Twips(360, 6720, 3375, 2760));
    L_Date->setFont(Police(12));
    L_Date->setAccessibleName(Textes::NomListeDates);
    // One line each in one font: the list lays out thousands at once.
    L_Date->setUniformItemSizes(true);
    B_Supprimer = CreerBoutonImage(this, "B_Supprimer", Textes::Supprimer, Twips(4080, 8520, 1335, 975),
                                   QStringLiteral("supprimer"), QSize(32, 32));
    C_Fermer = CreerBoutonImage(this, "C_Fermer", Textes::Fermer, Twips(13320, 8520, 1335, 975),
                                QStringLiteral("fermer"), QSize(32, 32));
    // In the band left free between Supprimer and Fermer.
    G_Progression = new GrapheProgression(BaseDonnéesConsulter, this);
    G_Progression->setGeometry(Twips(5640, 6720, 7440, 2760));
    for (QLabel* livret : L_Livret)
        RendreCliquable(livret);
    RendreCliquable(grille->titreTotal());
    DefinirOrdreTabulation();
}

void F_Consulter::CreerEnTete()
{
    L_Titre_Principal = CreerEtiquette(this, QStringLiteral("L_Titre_Principal"),
                                       Twips(360, 120, 13095, 975),
                                       Police(36, false, true, QStringLiteral("Comic Sans MS")),
                                       Couleurs::Bleu);
    Image1 = CreerEtiquette(this, QStringLiteral("Image1"), Twips(13680, 210, 915, 975), font());
    Image1->setPixmap(Image(QStringLiteral("consulter_image"), QSize(61, 65)));
    CreerLigne(this, QStringLiteral("Line1"), 360, 1320, 14640, Couleurs::Bleu);
}

void F_Consulter::CreerOptions()
{
    const OptionsPlage plage = CreerOptionsPlage(
        this, {{360, 1680, 1935, 375}, {2520, 1680, 2655, 300}, {120, 0, 972, 330}, {1200, 0, 924, 330}});
    L_Mul = plage.L_Mul;
    Fr_Multiplicateur = plage.Fr_Multiplicateur;
    O_1a10 = plage.O_1a10;
    O_1a12 = plage.O_1a12;
    // The user cannot change the options shown; they keep the colours of
    // enabled controls, as designed.
    Fr_Multiplicateur->setEnabled(false);
    F_Aléatoire = CreerCadre(this, QStringLiteral("F_Aléatoire"), Twips(12720, 1680, 2055, 450));
    F_Aléatoire->setEnabled(false);
    C_Aléatoire = CreerBouton<QCheckBox>(F_Aléatoire, "C_Aléatoire", Textes::Aleatoire,
                                         Twips(240, 0, 1605, 330), 14.25);
    DefinirCouleurTexte(C_Aléatoire, Couleurs::Bleu);
    CreerLigne(this, QStringLiteral("Line3"), 360, 2400, 14640, Couleurs::Bleu);
}

void F_Consulter::RendreCliquable(QLabel* etiquette)
{
    etiquette->setCursor(Qt::PointingHandCursor);
    etiquette->installEventFilter(this);
}

void F_Consulter::DefinirOrdreTabulation()
{
    setTabOrder(C_Fermer, L_Date);
    setTabOrder(L_Date, B_Supprimer);
    // The chart after the designed ones: its keys do what clicks on the
    // table numbers do.
    setTabOrder(B_Supprimer, G_Progression);
    C_Fermer->setFocus();
}
