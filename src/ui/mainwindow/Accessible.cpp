// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window for a screen reader and the keyboard alone: the names of
// its controls, the question named on the answer box, the typed digits
// readable on any palette, and Enter going to the default button.
#include "F_Calkado.h"

#include "ChampReponse.h"
#include "core/Textes.h"
#include "ui/platform/Clavier.h"
#include "ui/platform/Contraste.h"

#include <QCheckBox>
#include <QLabel>

void F_Calkado::RendreAccessible()
{
    for (int i = 0; i < NbLivrets; ++i)
        C_Livret[i]->setAccessibleName(Textes::NomLivret(i + PremierLivret));
    L_Fois->setAccessibleName(Textes::NomFois);
    L_Egal->setAccessibleName(Textes::NomEgal);
    T_Résultat->setAccessibleName(Textes::NomReponse);
    RendreSaisieLisible(T_Résultat);
    EntreeALaFenetre(this);
}

void F_Calkado::NommerQuestion()
{
    T_Résultat->setAccessibleName(Textes::NomQuestion(L_Terme1->text(), L_Terme2->text()));
}
