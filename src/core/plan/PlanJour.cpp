// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlanJour.h"

#include "core/memory/ModeleFsrs.h"
#include "core/results/Bilan.h"

#include <algorithm>
#include <set>

namespace {

const ModeleFsrs& Modele()
{
    static const ModeleFsrs modele;
    return modele;
}

bool AvecFacteur(int paire, int facteur)
{
    const Question& q = Paires::Faits(paire).front();
    return facteur == 0 ? q.multiplicateur == q.livret : q.multiplicateur == facteur || q.livret == facteur;
}

// The pair's other factor, by which a table's pairs are taught.
int AutreFacteur(int paire, int facteur)
{
    const Question& q = Paires::Faits(paire).front();
    return q.multiplicateur == facteur ? q.livret : q.multiplicateur;
}

// The day's limits already used by the runs of the day: pairs met, and pairs
// begun as pairs to learn.
struct Aujourdhui
{
    int verifiees = 0;
    int commencees = 0;
};

Aujourdhui Compter(const MemoirePaires& memoire, qint64 jour)
{
    Aujourdhui a;
    for (int p = 0; p < Paires::Nb; ++p) {
        const MemoirePaire& m = memoire.paire(p);
        a.verifiees += m.statut != StatutPaire::JamaisVue && m.premierJour == jour ? 1 : 0;
        a.commencees += m.debutApprentissage == jour ? 1 : 0;
    }
    return a;
}

// The pairs to learn today: those begun today take no more room, those begun
// earlier come first, then the others in the teaching order.
QList<int> AApprendre(const MemoirePaires& memoire, qint64 jour, int multMax, const ReglagesJour& r, int& places)
{
    QList<int> aujourdhui, avant, nouvelles;
    for (const int p : r.ordre) {
        const MemoirePaire& m = memoire.paire(p);
        if (m.statut != StatutPaire::AApprendre || OrdresPermis(p, multMax).isEmpty())
            continue;
        (m.debutApprentissage == jour ? aujourdhui : m.debutApprentissage != 0 ? avant : nouvelles) << p;
    }
    const QList<int> suite = avant + nouvelles;
    const qsizetype prises = std::clamp<qsizetype>(places, 0, suite.size());
    places -= int(prises);
    return aujourdhui + suite.first(prises);
}

} // namespace

OrdrePaires OrdreDesTables(const QList<int>& tables)
{
    OrdrePaires ordre{};
    std::set<int> pris;
    std::size_t n = 0;
    const auto prendre = [&](int paire) {
        if (pris.insert(paire).second)
            ordre[n++] = paire;
    };
    for (const int table : tables) {
        QList<int> paires;
        for (int p = 0; p < Paires::Nb; ++p)
            if (AvecFacteur(p, table) && !pris.count(p))
                paires << p;
        std::stable_sort(paires.begin(), paires.end(),
                         [table](int a, int b) { return AutreFacteur(a, table) < AutreFacteur(b, table); });
        for (const int p : paires)
            prendre(p);
    }
    for (int p = 0; p < Paires::Nb; ++p)
        prendre(p);
    return ordre;
}

OrdrePaires OrdreEnseignement()
{
    return OrdreDesTables({2, 10, 5, 0, 3, 4, 9, 11, 6, 8, 7, 12});
}

Coches PlanJour::livrets() const
{
    Coches coches{};
    for (const QList<int>* liste : {&dues, &verifications, &aApprendre, &duesGardees, &connues})
        for (const int p : *liste)
            for (const int ordre : OrdresPermis(p, multMax))
                coches[std::size_t(IndexLivret(Paires::Faits(p)[ordre].livret))] = true;
    return coches;
}

QList<int> OrdresPermis(int paire, int multMax)
{
    QList<int> ordres;
    const std::span<const Question> faits = Paires::Faits(paire);
    for (std::size_t i = 0; i < faits.size(); ++i)
        if (faits[i].multiplicateur <= multMax)
            ordres << int(i);
    return ordres;
}

int OrdreSuivant(int paire, int dernierOrdre, int multMax)
{
    const QList<int> ordres = OrdresPermis(paire, multMax);
    if (ordres.isEmpty())
        return 0;
    for (const int ordre : ordres)
        if (ordre != dernierOrdre)
            return ordre;
    return ordres.front();
}

double Rappel(const MemoirePaire& paire, qint64 jour, MemoireJour memoire)
{
    if (memoire == MemoireJour::Fsrs)
        return Modele().ProbabiliteRappel(paire.fsrs, jour);
    // The boxes know no chance: the lower box first, then the longer overdue.
    const qint64 retard = std::max<qint64>(0, jour - paire.dernierJour - JoursAvantRetour(paire.serie));
    return std::min(paire.serie, 5) + 1.0 / double(1 + retard);
}

bool Due(const MemoirePaire& paire, qint64 jour, MemoireJour memoire)
{
    if (memoire == MemoireJour::Fsrs)
        return paire.fsrs.jourDu <= jour;
    return paire.dernierJour + JoursAvantRetour(paire.serie) <= jour;
}

PlanJour Planifier(const MemoirePaires& memoire, qint64 jour, int multMax, const ReglagesJour& r)
{
    PlanJour plan;
    plan.multMax = multMax;
    const Aujourdhui fait = Compter(memoire, jour);
    QList<int> dues, connues;
    for (int p = 0; p < Paires::Nb; ++p)
        if (memoire.paire(p).statut == StatutPaire::Connue && !OrdresPermis(p, multMax).isEmpty())
            (Due(memoire.paire(p), jour, r.memoire) ? dues : connues) << p;
    const auto moinsRappelee = [&](int a, int b) {
        return Rappel(memoire.paire(a), jour, r.memoire) < Rappel(memoire.paire(b), jour, r.memoire);
    };
    std::stable_sort(dues.begin(), dues.end(), moinsRappelee);
    std::stable_sort(connues.begin(), connues.end(), moinsRappelee);
    for (const int p : r.ordre)
        if (memoire.paire(p).statut == StatutPaire::JamaisVue && !OrdresPermis(p, multMax).isEmpty()
            && plan.verifications.size() < r.verificationsParJour - fait.verifiees)
            plan.verifications << p;
    plan.nouvellesPermises = std::max(0, r.nouvellesParJour - fait.commencees);
    plan.aApprendre = AApprendre(memoire, jour, multMax, r, plan.nouvellesPermises);
    plan.nouvellesPermises = std::min(plan.nouvellesPermises, int(plan.verifications.size()));
    // Questions the child knows to go between the askings of new pairs: the
    // due pairs most likely recalled first, then known pairs not due yet.
    const int apprenantes = int(plan.aApprendre.size()) + plan.nouvellesPermises;
    const int connuesVoulues = std::max(0, r.connuesAvantNouvelle * r.justesPourApprendre * apprenantes);
    const qsizetype gardees = std::min<qsizetype>(dues.size(), connuesVoulues);
    plan.dues = dues.first(dues.size() - gardees);
    plan.duesGardees = dues.last(gardees);
    plan.connues = connues.first(std::min<qsizetype>(connues.size(), 2 * connuesVoulues));
    return plan;
}
