// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Resultats.h"

Resultats ResultatsDesCompteurs(const CompteursLivrets& c, bool multiplicateur1a12, bool aleatoire)
{
    Resultats resultats;
    for (int i = 0; i < NbLivrets; ++i)
        resultats[i] = {multiplicateur1a12,       aleatoire ? 1 : 0,     c.NbQuestionParLivret[i],
                        c.NbQuestionEssai1[i],    c.NbQuestionEssai2[i], c.NbQuestionRéponse[i],
                        c.TempsTotalEssai1[i]};
    return resultats;
}

CompteursLivrets CompteursDesResultats(const Resultats& resultats)
{
    CompteursLivrets c;
    for (int i = 0; i < NbLivrets; ++i) {
        const ResultatLivret& r = resultats[i];
        c.NbQuestionParLivret[i] = r.NbQuestionParLivret;
        c.NbQuestionEssai1[i] = r.NbQuestionEssai1;
        c.NbQuestionEssai2[i] = r.NbQuestionEssai2;
        c.NbQuestionRéponse[i] = r.NbQuestionRéponse;
        c.TempsTotalEssai1[i] = r.TempsTotalEssai1;
    }
    return c;
}

CompteursLivrets CompteursDesFaits(const QList<Fait>& faits)
{
    CompteursLivrets c;
    for (const Fait& f : faits) {
        const int i = f.livret - PremierLivret;
        if (i < 0 || i >= NbLivrets)
            continue;
        Ajouter(c.NbQuestionParLivret[i], 1);
        if (f.issue == Issue::Essai1) {
            Ajouter(c.NbQuestionEssai1[i], 1);
            Ajouter(c.TempsTotalEssai1[i], f.dixiemes);
        } else {
            Ajouter(f.issue == Issue::Essai2 ? c.NbQuestionEssai2[i] : c.NbQuestionRéponse[i], 1);
        }
    }
    return c;
}
