// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChoixLivrets.h"

#include "Colonnes.h"
#include "core/Textes.h"
#include "ui/platform/BoiteMessage.h"
#include "ui/platform/Controles.h"
#include "ui/platform/Couleurs.h"
#include "ui/platform/OptionsPlage.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>

ChoixLivrets::ChoixLivrets(QWidget* fenetre_)
    : QObject(fenetre_), fenetre(fenetre_)
{
    CreerOptions(fenetre);
    CreerLivrets(fenetre);
}

void ChoixLivrets::CreerOptions(QWidget* parent)
{
    plage = CreerOptionsPlage(
        parent, {{240, 1680, 2295, 375}, {2280, 1680, 2535, 375}, {120, 10, 1080, 330}, {1320, 10, 960, 330}});
    C_Aléatoire = CreerBouton<QCheckBox>(parent, "C_Aléatoire", Textes::TirageAleatoire,
                                         Twips(12360, 1680, 2610, 330), 14.25);
    C_Aléatoire->setChecked(accepte.aleatoire);
    DefinirCouleurTexte(C_Aléatoire, Couleurs::Bleu);
    C_Revoir = CreerBouton<QCheckBox>(parent, "C_Revoir", Textes::RevoirMesErreurs, Twips(8760, 1680, 3360, 330), 14.25);
    DefinirCouleurTexte(C_Revoir, Couleurs::Bleu);
    CreerLigne(parent, QStringLiteral("Line2"), 240, 2280, 15000, Couleurs::Bleu);
    connect(plage.O_1a10, &QRadioButton::toggled, this, [this](bool choisi) { if (choisi) O_1a10_Click(); });
    connect(plage.O_1a12, &QRadioButton::toggled, this, [this](bool choisi) { if (choisi) O_1a12_Click(); });
    connect(C_Aléatoire, &QCheckBox::toggled, this, &ChoixLivrets::C_Aléatoire_Click);
    connect(C_Revoir, &QCheckBox::toggled, this, &ChoixLivrets::C_Revoir_Click);
}

void ChoixLivrets::CreerLivrets(QWidget* parent)
{
    for (int i = 0; i < NbLivrets; ++i) {
        L_Livret[i] = CreerEtiquette(parent, NomIndexe("L_Livret", i), Twips(GaucheColonnes[i], 2520, 495, 495),
                                     Police(20.25, true), Couleurs::Gris, Qt::AlignRight | Qt::AlignTop);
        L_Livret[i]->setText(QString::number(i + PremierLivret));
        C_Livret[i] = new QCheckBox(parent);
        C_Livret[i]->setObjectName(NomIndexe("C_Livret", i));
        C_Livret[i]->setGeometry(Twips(GaucheColonnes[i] + 180, 3120, 300, 330));
        C_Livret[i]->setFont(Police(14.25));
        C_Livret[i]->setAccessibleName(Textes::NomLivret(i + PremierLivret));
        connect(C_Livret[i], &QCheckBox::toggled, this, [this, i](bool coche) { C_Livret_Click(i, coche); });
    }
}

QList<QWidget*> ChoixLivrets::ordreTabulation() const
{
    QList<QWidget*> ordre = {plage.O_1a10, plage.O_1a12, C_Aléatoire, C_Revoir};
    for (QCheckBox* livret : C_Livret)
        ordre << livret;
    return ordre;
}

void ChoixLivrets::ActiverSelection(bool actif)
{
    for (QCheckBox* livret : C_Livret)
        livret->setEnabled(actif);
    for (QWidget* controle : {static_cast<QWidget*>(plage.Fr_Multiplicateur), static_cast<QWidget*>(plage.O_1a10),
                              static_cast<QWidget*>(plage.O_1a12), static_cast<QWidget*>(plage.L_Mul),
                              static_cast<QWidget*>(C_Aléatoire), static_cast<QWidget*>(C_Revoir)})
        controle->setEnabled(actif);
}

void ChoixLivrets::Proteger(bool resultats)
{
    protege = resultats;
}

void ChoixLivrets::DecocherLivrets()
{
    Cocher({});
}

void ChoixLivrets::Cocher(const Coches& livrets)
{
    for (int i = 0; i < NbLivrets; ++i)
        C_Livret[i]->setChecked(livrets[std::size_t(i)]);
}

void ChoixLivrets::C_Livret_Click(int index, bool coche)
{
    if (Refuser())
        return;
    accepte.livrets[std::size_t(index)] = coche;
    MontrerLivrets();
    emit livretsChoisis(NbCoches(accepte.livrets));
}

void ChoixLivrets::O_1a10_Click()
{
    if (!Refuser())
        accepte.de1a10 = true;
}

void ChoixLivrets::O_1a12_Click()
{
    if (!Refuser())
        accepte.de1a10 = false;
}

void ChoixLivrets::C_Aléatoire_Click(bool coche)
{
    if (!Refuser())
        accepte.aleatoire = coche;
}

void ChoixLivrets::C_Revoir_Click(bool coche)
{
    if (!Refuser())
        accepte.revoir = coche;
}

bool ChoixLivrets::Refuser()
{
    if (!protege)
        return false;
    // Back to the choice accepted, whatever was clicked; these changes run
    // no handler, so that the message shows once.
    {
        const QSignalBlocker de1a10(plage.O_1a10), de1a12(plage.O_1a12), aleatoire(C_Aléatoire), revoir(C_Revoir);
        (accepte.de1a10 ? plage.O_1a10 : plage.O_1a12)->setChecked(true);
        C_Aléatoire->setChecked(accepte.aleatoire);
        C_Revoir->setChecked(accepte.revoir);
        for (int i = 0; i < NbLivrets; ++i) {
            const QSignalBlocker livret(C_Livret[i]);
            C_Livret[i]->setChecked(accepte.livrets[std::size_t(i)]);
        }
    }
    AfficherMessage(fenetre, {QMessageBox::Information, {}, Textes::MessageOptionBloquee});
    return true;
}

void ChoixLivrets::MontrerLivrets()
{
    for (int i = 0; i < NbLivrets; ++i)
        DefinirCouleurTexte(L_Livret[i], accepte.livrets[std::size_t(i)] ? Couleurs::Bleu : Couleurs::Gris);
}
