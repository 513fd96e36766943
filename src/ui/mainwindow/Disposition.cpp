// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The controls of the main window at their designed places, sizes, fonts and
// colours, designed for 1024 x 700 pixels at 96 dpi.
#include "F_Calkado.h"

#include "ChampReponse.h"
#include "core/Textes.h"
#include "ui/platform/Controles.h"
#include "ui/platform/Couleurs.h"
#include "ui/platform/Ressources.h"
#include "ui/results/GrilleResultats.h"
#include "ui/results/OptionsPlage.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

namespace {

// Left edge of each table's column, tables 2 to 12.
constexpr std::array<int, NbLivrets> GaucheColonnes = {3720, 4650, 5565, 6495, 7410, 8340,
                                          9270, 10185, 11115, 12030, 12960};

DispositionResultats dispositionResultats()
{
    DispositionResultats d;
    d.gaucheTitres = 240;
    d.largeurTitres = 3000;
    d.hautLignes = {3720, 4170, 4620, 5070, 5520};
    d.hauteurLigne = 375;
    for (int i = 0; i < NbLivrets; ++i)
        d.gaucheCellules[i] = GaucheColonnes[i] - 390;
    d.largeurCellule = 870;
    d.gaucheTotal = 13800;
    d.largeurTotal = 1200;
    d.titreTotal = QRect(13560, 2520, 1440, 495);
    return d;
}

} // namespace

void F_Calkado::CreerControles()
{
    CreerEnTete();
    CreerSelection();
    grille = std::make_unique<GrilleResultats>(this, dispositionResultats());
    CreerLigne(this, QStringLiteral("Line4"), 240, 6240, 15000, Couleurs::Bleu);
    CreerQuestion();
    CreerBoutons();
    DefinirOrdreTabulation();
}

void F_Calkado::CreerEnTete()
{
    Image1 = CreerEtiquette(this, QStringLiteral("Image1"), Twips(240, 240, 975, 975), font());
    Image1->setPixmap(Image(QStringLiteral("image1"), QSize(65, 65)));
    L_Titre_Principal = CreerEtiquette(this, QStringLiteral("L_Titre_Principal"),
                                       Twips(1560, 180, 10935, 975),
                                       Police(36, false, true, QStringLiteral("Comic Sans MS")),
                                       Couleurs::Bleu);
    L_Titre_Principal->setText(Textes::TitreApplication);
    Image_Logo = CreerEtiquette(this, QStringLiteral("Image_Logo"), Twips(12720, 240, 2475, 1050), font());
    Image_Logo->setPixmap(Image(QStringLiteral("logo"), QSize(165, 70)));
    CreerLigne(this, QStringLiteral("Line1"), 240, 1440, 15000, Couleurs::Bleu);
}

void F_Calkado::CreerSelection()
{
    const OptionsPlage plage = CreerOptionsPlage(
        this, {{240, 1680, 2295, 375}, {2280, 1680, 2535, 375}, {120, 10, 1080, 330}, {1320, 10, 960, 330}});
    L_Mul = plage.L_Mul;
    Fr_Multiplicateur = plage.Fr_Multiplicateur;
    O_1a10 = plage.O_1a10;
    O_1a12 = plage.O_1a12;

    C_Aléatoire = CreerBouton<QCheckBox>(this, "C_Aléatoire", Textes::TirageAleatoire,
                                         Twips(12360, 1680, 2610, 330), 14.25);
    C_Aléatoire->setChecked(true);
    DefinirCouleurTexte(C_Aléatoire, Couleurs::Bleu);
    C_Revoir = CreerBouton<QCheckBox>(this, "C_Revoir", Textes::RevoirMesErreurs, Twips(8760, 1680, 3360, 330), 14.25);
    DefinirCouleurTexte(C_Revoir, Couleurs::Bleu);
    CreerLigne(this, QStringLiteral("Line2"), 240, 2280, 15000, Couleurs::Bleu);

    for (int i = 0; i < NbLivrets; ++i) {
        L_Livret[i] = CreerEtiquette(this, NomIndexe("L_Livret", i), Twips(GaucheColonnes[i], 2520, 495, 495),
                                     Police(20.25, true), Couleurs::Gris,
                                     Qt::AlignRight | Qt::AlignTop);
        L_Livret[i]->setText(QString::number(i + PremierLivret));
        C_Livret[i] = new QCheckBox(this);
        C_Livret[i]->setObjectName(NomIndexe("C_Livret", i));
        C_Livret[i]->setGeometry(Twips(GaucheColonnes[i] + 180, 3120, 300, 330));
        C_Livret[i]->setFont(Police(14.25));
    }
}

void F_Calkado::CreerQuestion()
{
    const QFont grande = Police(32.25);
    const Qt::Alignment centre = Qt::AlignHCenter | Qt::AlignTop;
    L_Terme1 = CreerEtiquette(this, QStringLiteral("L_Terme1"), Twips(480, 6660, 855, 855), grande,
                              {}, Qt::AlignRight | Qt::AlignTop);
    L_Fois = CreerEtiquette(this, QStringLiteral("L_Fois"), Twips(1500, 6660, 735, 855), grande, {},
                            centre);
    L_Terme2 = CreerEtiquette(this, QStringLiteral("L_Terme2"), Twips(2400, 6660, 855, 855), grande);
    L_Egal = CreerEtiquette(this, QStringLiteral("L_Egal"), Twips(3360, 6660, 495, 855), grande, {},
                            centre);

    T_Résultat = new ChampReponse(this);
    T_Résultat->setObjectName(QStringLiteral("T_Résultat"));
    T_Résultat->setGeometry(Twips(4080, 6600, 1335, 855));
    T_Résultat->setFont(grande);
    T_Résultat->setAlignment(Qt::AlignCenter);
    QPalette fond = T_Résultat->palette();
    fond.setColor(QPalette::Base, fond.color(QPalette::HighlightedText));
    T_Résultat->setPalette(fond);

    L_NbEssais = CreerEtiquette(this, QStringLiteral("L_NbEssais"), Twips(4080, 7470, 1335, 255),
                                Police(8.25), Couleurs::Bleu, centre);
    L_Vérification = CreerEtiquette(this, QStringLiteral("L_Vérification"),
                                    Twips(5760, 6660, 8055, 855), grande);
    L_Time = CreerEtiquette(this, QStringLiteral("L_Time"), Twips(13680, 6660, 1335, 855), grande,
                            Couleurs::Cyan, Qt::AlignRight | Qt::AlignTop);
    for (QWidget* controle : {static_cast<QWidget*>(L_Terme1), static_cast<QWidget*>(L_Fois),
                              static_cast<QWidget*>(L_Terme2), static_cast<QWidget*>(L_Egal),
                              static_cast<QWidget*>(T_Résultat), static_cast<QWidget*>(L_Vérification),
                              static_cast<QWidget*>(L_Time)})
        controle->hide();

    L_Sélection = CreerEtiquette(this, QStringLiteral("L_Sélection"), Twips(240, 6735, 14745, 585),
                                 Police(20.25), Couleurs::OrangeClair, centre);
}

void F_Calkado::CreerBoutons()
{
    B_Nouveau = CreerBouton<QPushButton>(this, "B_Nouveau", Textes::NouveauCalcul,
                                         Twips(240, 7800, 3255, 750), 14.25);
    B_Test = CreerBouton<QPushButton>(this, "B_Test", Textes::TesterLaReponse,
                                      Twips(4080, 7800, 3255, 750), 14.25);
    B_Résultat = CreerBouton<QPushButton>(this, "B_Résultat", Textes::DonnerLaReponse,
                                          Twips(7965, 7800, 3255, 750), 14.25);
    B_Entrainement = CreerBouton<QPushButton>(this, "B_Entrainement", Textes::SEntrainer,
                                              Twips(11760, 7800, 3255, 735), 14.25);
    for (QPushButton* bouton : BoutonsCourse())
        bouton->setAutoDefault(false);
    CreerLigne(this, QStringLiteral("Line3"), 240, 8880, 15000, Couleurs::Bleu);

    const QSize icone(32, 32);
    B_Aide = CreerBoutonImage(this, "B_Aide", Textes::Aide, Twips(2160, 9240, 1335, 975),
                              QStringLiteral("aide"), icone);
    B_Consulter = CreerBoutonImage(this, "B_Consulter", Textes::Consulter,
                                   Twips(4080, 9240, 1335, 975), QStringLiteral("consulter"), icone);
    B_Raz = CreerBoutonImage(this, "B_Raz", Textes::Raz, Twips(6000, 9240, 1335, 975),
                             QStringLiteral("raz"), icone);
    B_Enregistrer = CreerBoutonImage(this, "B_Enregistrer", Textes::Enregistrer,
                                     Twips(7920, 9240, 1335, 975), QStringLiteral("enregistrer"),
                                     icone);
    B_Bilan = CreerBoutonImage(this, "B_Bilan", Textes::Bilan, Twips(9840, 9240, 1335, 975),
                               QStringLiteral("bilan"), icone);
    B_Quitter = CreerBoutonImage(this, "B_Quitter", Textes::Quitter, Twips(13680, 9240, 1335, 975),
                                 QStringLiteral("quitter"), QSize(26, 23));
    // Enabled when the window becomes active.
    for (QToolButton* bouton : {B_Consulter, B_Raz, B_Enregistrer, B_Bilan})
        bouton->setEnabled(false);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);
}

void F_Calkado::DefinirOrdreTabulation()
{
    std::vector<QWidget*> ordre = {B_Quitter, O_1a10, O_1a12, C_Aléatoire, C_Revoir};
    ordre.insert(ordre.end(), C_Livret.begin(), C_Livret.end());
    ordre.insert(ordre.end(), {T_Résultat, B_Nouveau, B_Test, B_Résultat, B_Entrainement, B_Aide,
                               B_Consulter, B_Raz, B_Enregistrer, B_Bilan});
    for (std::size_t i = 1; i < ordre.size(); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);
    // The first control of that order has the focus when the window opens.
    B_Quitter->setFocus();
}
