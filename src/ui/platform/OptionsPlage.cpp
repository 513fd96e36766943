// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OptionsPlage.h"

#include "core/Textes.h"
#include "ui/platform/Controles.h"
#include "ui/platform/Couleurs.h"

#include <QFrame>
#include <QLabel>
#include <QRadioButton>

OptionsPlage CreerOptionsPlage(QWidget* parent, const DispositionPlage& d)
{
    OptionsPlage o;
    o.L_Mul = CreerEtiquette(parent, QStringLiteral("L_Mul"), Twips(d.legende), Police(14.25), Couleurs::Bleu);
    o.L_Mul->setText(Textes::Multiplicateur);
    o.Fr_Multiplicateur = CreerCadre(parent, QStringLiteral("Fr_Multiplicateur"), Twips(d.cadre));
    o.Fr_Multiplicateur->setFont(Police(14.25));
    o.O_1a10 = CreerBouton<QRadioButton>(o.Fr_Multiplicateur, "O_1a10", Textes::Plage1a10, Twips(d.option1a10),
                                         14.25);
    o.O_1a12 = CreerBouton<QRadioButton>(o.Fr_Multiplicateur, "O_1a12", Textes::Plage1a12, Twips(d.option1a12),
                                         14.25);
    o.O_1a12->setChecked(true);
    o.Fr_Multiplicateur->setAccessibleName(Textes::Multiplicateur);
    o.O_1a10->setAccessibleName(Textes::NomPlage1a10);
    o.O_1a12->setAccessibleName(Textes::NomPlage1a12);
    DefinirCouleurTexte(o.O_1a10, Couleurs::Bleu);
    DefinirCouleurTexte(o.O_1a12, Couleurs::Bleu);
    return o;
}
