// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ResumeJour.h"

#include <set>

ResumeJour Resumer(const MemoirePaires& avant, const Bilan& bilan, const QList<Fait>& faits, const QDate& jour)
{
    ResumeJour resume;
    std::set<int> vus;
    for (const Fait& f : faits) {
        const std::optional<int> paire = Paires::Indice(f.livret, f.multiplicateur);
        if (!paire || !vus.insert(IndexFait(f.livret, f.multiplicateur)).second)
            continue;
        ++(avant.paire(*paire).statut == StatutPaire::Connue ? resume.revues : resume.nouvelles);
    }
    Bilan apres = bilan;
    apres.Ajouter(faits, jour);
    for (const int i : vus) {
        const int livret = i / NbMultiplicateurs + PremierLivret, multiplicateur = i % NbMultiplicateurs + 1;
        const bool automatise = Evaluer(apres.fait(livret, multiplicateur)).etat == EtatFait::Automatise;
        resume.automatisees += automatise && Evaluer(bilan.fait(livret, multiplicateur)).etat != EtatFait::Automatise;
    }
    return resume;
}
