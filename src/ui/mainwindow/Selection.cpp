// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The choice of tables and options between runs, with the guards that keep
// it as it was while the results table holds results, the blinking hint and
// the help button.
#include "F_Calkado.h"

#include "core/Textes.h"
#include "ui/platform/BoiteMessage.h"
#include "ui/platform/Controles.h"
#include "ui/platform/Couleurs.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

namespace {

void MessageOptionBloquee(QWidget* parent)
{
    AfficherMessage(parent, {QMessageBox::Information, {}, Textes::MessageOptionBloquee});
}

} // namespace

Coches F_Calkado::LivretsCoches() const
{
    Coches coches{};
    for (int i = 0; i < NbLivrets; ++i)
        coches[i] = C_Livret[i]->isChecked();
    return coches;
}

// Changing a value from here raises the same handler again, nested: the
// re-entry counters make those nested calls do nothing, so that each refused
// change shows its message once.

void F_Calkado::C_Livret_Click()
{
    if (!ResultatsPresents()) {
        NbLivretCoche = 0;
        for (int i = 0; i < NbLivrets; ++i) {
            const bool coche = C_Livret[i]->isChecked();
            NbLivretCoche += coche ? 1 : 0;
            DefinirCouleurTexte(L_Livret[i], coche ? Couleurs::Bleu : Couleurs::Gris);
        }
        ChangerEtat(NbLivretCoche == 0 ? EtatEntrainement::EtatAucunLivret : EtatEntrainement::EtatPret);
        return;
    }
    // The label colours keep the accepted selection: the boxes go back to it.
    if (++CompteurLivret >= 2)
        return;
    for (int i = 0; i < NbLivrets; ++i) {
        if (CouleurTexte(L_Livret[i]) == Couleurs::Gris && C_Livret[i]->isChecked())
            C_Livret[i]->setChecked(false);
        if (CouleurTexte(L_Livret[i]) == Couleurs::Bleu && !C_Livret[i]->isChecked())
            C_Livret[i]->setChecked(true);
    }
    MessageOptionBloquee(this);
    CompteurLivret = 0;
}

void F_Calkado::O_1a10_Click()
{
    RefuserPlage(O_1a12);
}

void F_Calkado::O_1a12_Click()
{
    RefuserPlage(O_1a10);
}

void F_Calkado::RefuserPlage(QRadioButton* precedente)
{
    if (!ResultatsPresents() || ++CompteurOption >= 2)
        return;
    // Selecting the other button deselects this one and raises its handler,
    // which the counter keeps from acting.
    precedente->setChecked(true);
    MessageOptionBloquee(this);
    CompteurOption = 0;
}

void F_Calkado::C_Aléatoire_Click()
{
    RefuserCoche(C_Aléatoire, CompteurAleatoire);
}

void F_Calkado::C_Revoir_Click()
{
    RefuserCoche(C_Revoir, CompteurRevoir);
}

void F_Calkado::RefuserCoche(QCheckBox* option, int& compteur)
{
    if (!ResultatsPresents() || ++compteur >= 2)
        return;
    option->setChecked(!option->isChecked());
    MessageOptionBloquee(this);
    compteur = 0;
}

void F_Calkado::Timer2_Timer()
{
    // Two seconds shown, one blank, over and over.
    L_Sélection->show();
    L_Sélection->setText(Textes::IndicationSelection);
    if (++CompteurClignotement > 2) {
        CompteurClignotement = 0;
        L_Sélection->clear();
    }
}

void F_Calkado::B_Aide_Click()
{
    AfficherMessage(this, {QMessageBox::Information, {}, Textes::MessageAide});
}
