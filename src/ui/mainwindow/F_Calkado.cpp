// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "F_Calkado.h"

#include "core/Textes.h"
#include "core/platform/Hasard.h"
#include "core/platform/Horloge.h"
#include "ui/platform/Accessibilite.h"
#include "ui/platform/Attente.h"
#include "ui/platform/Ressources.h"
#include "ui/results/GrilleResultats.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

F_Calkado::F_Calkado(Hasard* hasard, const Horloge* horloge, QWidget* parent)
    : QWidget(parent),
      hasardPropre(hasard ? nullptr : std::make_unique<HasardHorloge>()),
      horlogePropre(horloge ? nullptr : std::make_unique<HorlogeMonotone>()),
      horlogeUtilisee(horloge ? *horloge : *horlogePropre),
      entrainement(hasard ? *hasard : *hasardPropre, horlogeUtilisee),
      BaseDonnées(QStringLiteral("BaseDonnées"))
{
    setObjectName(QStringLiteral("F_Calkado"));
    BaseDonnées.QuandAttente(SignalerAttente);
    setWindowIcon(Icone(QStringLiteral("fenetre")));
    // The layout is designed for this client area; the window never gets smaller.
    setMinimumSize(1024, 700);
    resize(1024, 700);
    InstallerAccessibilite();
    CreerControles();
    RendreAccessible();
    ConnecterEvenements();
}

F_Calkado::~F_Calkado() = default;

void F_Calkado::ConnecterEvenements()
{
    connect(B_Entrainement, &QPushButton::clicked, this, &F_Calkado::B_Entrainement_Click);
    connect(B_Nouveau, &QPushButton::clicked, this, &F_Calkado::NouvelleQuestion);
    connect(B_Test, &QPushButton::clicked, this, &F_Calkado::TesterReponse);
    connect(B_Résultat, &QPushButton::clicked, this, &F_Calkado::DonnerReponse);
    connect(Timer1, &QTimer::timeout, this, &F_Calkado::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &F_Calkado::Timer2_Timer);
    for (QCheckBox* livret : C_Livret)
        connect(livret, &QCheckBox::toggled, this, &F_Calkado::C_Livret_Click);
    connect(O_1a10, &QRadioButton::toggled, this, [this](bool choisi) { if (choisi) O_1a10_Click(); });
    connect(O_1a12, &QRadioButton::toggled, this, [this](bool choisi) { if (choisi) O_1a12_Click(); });
    connect(C_Aléatoire, &QCheckBox::toggled, this, &F_Calkado::C_Aléatoire_Click);
    connect(C_Revoir, &QCheckBox::toggled, this, &F_Calkado::C_Revoir_Click);
    connect(B_Aide, &QToolButton::clicked, this, &F_Calkado::B_Aide_Click);
    connect(B_Consulter, &QToolButton::clicked, this, &F_Calkado::B_Consulter_Click);
    connect(B_Raz, &QToolButton::clicked, this, &F_Calkado::B_Raz_Click);
    connect(B_Enregistrer, &QToolButton::clicked, this, &F_Calkado::B_Enregistrer_Click);
    connect(B_Bilan, &QToolButton::clicked, this, &F_Calkado::B_Bilan_Click);
    connect(B_Quitter, &QToolButton::clicked, this, &F_Calkado::B_Quitter_Click);
}

void F_Calkado::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (PremierAffichage && !activationPrevue) {
        // Once the window is on screen, as the child first sees it.
        activationPrevue = true;
        QTimer::singleShot(0, this, &F_Calkado::Form_Activate);
    }
}

void F_Calkado::keyPressEvent(QKeyEvent* event)
{
    // Enter activates the default button, whichever control has the focus.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        for (QPushButton* bouton : BoutonsCourse()) {
            if (bouton->isDefault() && bouton->isEnabled() && bouton->isVisible()) {
                bouton->click();
                event->accept();
                return;
            }
        }
    }
    QWidget::keyPressEvent(event);
}

void F_Calkado::AfficherResultats()
{
    grille->Afficher(TextesDuTableau(entrainement.compteurs));
}

bool F_Calkado::ResultatsPresents() const
{
    return TotalQuestionsPositif(grille->totalQuestions()->text());
}
