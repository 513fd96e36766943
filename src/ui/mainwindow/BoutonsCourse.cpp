// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoutonsCourse.h"

#include "core/Textes.h"
#include "ui/platform/Controles.h"

#include <QPushButton>

namespace {

constexpr BoutonCourse Tous[] = {BoutonCourse::Nouveau, BoutonCourse::Test, BoutonCourse::Resultat,
                                 BoutonCourse::Entrainement};

} // namespace

BoutonsCourse::BoutonsCourse(QWidget* fenetre)
    : QObject(fenetre)
{
    B_Nouveau = CreerBouton<QPushButton>(fenetre, "B_Nouveau", Textes::NouveauCalcul, Twips(240, 7800, 3255, 750), 14.25);
    B_Test = CreerBouton<QPushButton>(fenetre, "B_Test", Textes::TesterLaReponse, Twips(4080, 7800, 3255, 750), 14.25);
    B_Résultat = CreerBouton<QPushButton>(fenetre, "B_Résultat", Textes::DonnerLaReponse,
                                          Twips(7965, 7800, 3255, 750), 14.25);
    B_Entrainement = CreerBouton<QPushButton>(fenetre, "B_Entrainement", Textes::SEntrainer,
                                              Twips(11760, 7800, 3255, 735), 14.25);
    for (const BoutonCourse b : Tous)
        bouton(b)->setAutoDefault(false);
    connect(B_Nouveau, &QPushButton::clicked, this, &BoutonsCourse::nouveau);
    connect(B_Test, &QPushButton::clicked, this, &BoutonsCourse::tester);
    connect(B_Résultat, &QPushButton::clicked, this, &BoutonsCourse::donner);
    connect(B_Entrainement, &QPushButton::clicked, this, &BoutonsCourse::entrainement);
}

QPushButton* BoutonsCourse::bouton(BoutonCourse b) const
{
    switch (b) {
    case BoutonCourse::Nouveau:
        return B_Nouveau;
    case BoutonCourse::Test:
        return B_Test;
    case BoutonCourse::Resultat:
        return B_Résultat;
    case BoutonCourse::Entrainement:
        return B_Entrainement;
    }
    return nullptr;
}

void BoutonsCourse::Ouvrir(const Configuration& c)
{
    B_Entrainement->setText(c.enCours ? Textes::Interrompre : Textes::SEntrainer);
    for (const BoutonCourse b : Tous)
        if (c.active(b))
            bouton(b)->setEnabled(true);
}

void BoutonsCourse::Fermer(const Configuration& c)
{
    for (const BoutonCourse b : Tous)
        if (!c.active(b))
            bouton(b)->setEnabled(false);
    // Without one, the last default keeps its look, disabled, and Enter does nothing.
    defaut = c.defaut;
    if (defaut)
        RendreParDefaut(bouton(*defaut));
}

void BoutonsCourse::RendreParDefaut(QPushButton* choisi)
{
    // The window has at most one default button.
    for (const BoutonCourse b : Tous)
        if (bouton(b) != choisi)
            bouton(b)->setDefault(false);
    choisi->setDefault(true);
}

bool BoutonsCourse::PresserDefaut()
{
    if (!defaut)
        return false;
    bouton(*defaut)->click();
    return true;
}
