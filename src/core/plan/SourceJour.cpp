// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SourceJour.h"

#include "core/memory/Note.h"
#include "core/platform/Horloge.h"

#include <algorithm>
#include <utility>

SourceJour::SourceJour(const PlanJour& plan, const MemoirePaires& memoire, const Horloge& horloge_,
                       const ReglagesJour& reglages_)
    : reglages(reglages_), multMax(plan.multMax), horloge(horloge_), debut(horloge_.millisecondes()),
      dues(plan.dues), verifications(plan.verifications), gardees(plan.duesGardees), connues(plan.connues),
      nouvellesPermises(plan.nouvellesPermises)
{
    for (int p = 0; p < Paires::Nb; ++p)
        ordres[std::size_t(p)] = memoire.paire(p).dernierOrdre;
    for (const int p : plan.aApprendre)
        apprentissage.append({p, 0, -1});
}

std::optional<Question> SourceJour::Suivante(Tirages& /*tirages*/)
{
    std::optional<Choix> choix = Choisir(dernierePaire);
    if (!choix)
        choix = Choisir(-1);
    if (!choix)
        return std::nullopt;
    const int p = choix->paire;
    if (!choix->question)
        choix->question = Paires::Faits(p)[std::size_t(OrdreSuivant(p, ordres[std::size_t(p)], multMax))];
    Retirer(*choix);
    dernierePaire = p;
    enCours = choix;
    return choix->question;
}

std::optional<SourceJour::Choix> SourceJour::Choisir(int exclue) const
{
    // A missed fact that has waited its most, or long enough; then the plan
    // in its order; then the missed facts that could not wait for others.
    for (const int attente : {reglages.retourMax, reglages.retourMin})
        if (std::optional<Choix> c = ChoisirRetour(exclue, attente))
            return c;
    for (const auto& [liste, role] : {std::pair{&dues, Role::Due}, std::pair{&verifications, Role::Verification}})
        if (std::optional<Choix> c = Premiere(*liste, role, exclue))
            return c;
    if (std::optional<Choix> c = ChoisirApprentissage(exclue))
        return c;
    if (std::optional<Choix> c = Premiere(gardees, Role::Due, exclue))
        return c;
    return ChoisirRetour(exclue, 0);
}

std::optional<SourceJour::Choix> SourceJour::ChoisirRetour(int exclue, int attente) const
{
    // A pair to learn comes back among known questions, unless it has waited its most.
    const bool nouvellePermise = connuesDepuisNouvelle >= reglages.connuesAvantNouvelle || !ConnueDisponible()
                              || attente >= reglages.retourMax || attente == 0;
    for (const Retour& r : retours)
        if (r.paire != exclue && reglees - r.manquee - 1 >= attente
            && (r.role != Role::Apprentissage || nouvellePermise))
            return Choix{r.paire, r.role, r.question, true};
    return std::nullopt;
}

std::optional<SourceJour::Choix> SourceJour::ChoisirApprentissage(int exclue) const
{
    const auto enCoursDApprentissage = [this](const Apprise& a) { return a.justes < reglages.justesPourApprendre; };
    if (std::none_of(apprentissage.cbegin(), apprentissage.cend(), enCoursDApprentissage))
        return std::nullopt;
    if (connuesDepuisNouvelle < reglages.connuesAvantNouvelle && ConnueDisponible()) {
        if (std::optional<Choix> c = Premiere(gardees, Role::Due, exclue))
            return c;
        return Premiere(connues, Role::Connue, exclue);
    }
    // The one asked longest ago, unless it waits to come back.
    const Apprise* choisie = nullptr;
    for (const Apprise& a : apprentissage)
        if (enCoursDApprentissage(a) && a.paire != exclue && !EnRetour(a.paire)
            && (!choisie || a.derniere < choisie->derniere))
            choisie = &a;
    return choisie ? std::optional<Choix>(Choix{choisie->paire, Role::Apprentissage, {}}) : std::nullopt;
}

std::optional<SourceJour::Choix> SourceJour::Premiere(const QList<int>& paires, Role role, int exclue) const
{
    for (const int p : paires)
        if (p != exclue)
            return Choix{p, role, {}};
    return std::nullopt;
}

bool SourceJour::ConnueDisponible() const
{
    return !gardees.isEmpty() || !connues.isEmpty();
}

bool SourceJour::EnRetour(int paire) const
{
    return std::any_of(retours.cbegin(), retours.cend(), [paire](const Retour& r) { return r.paire == paire; });
}

void SourceJour::Retirer(const Choix& choix)
{
    if (choix.retour) {
        retours.erase(std::find_if(retours.cbegin(), retours.cend(),
                                   [&choix](const Retour& r) { return r.paire == choix.paire; }));
        return;
    }
    for (QList<int>* liste : {&dues, &verifications, &gardees, &connues})
        liste->removeOne(choix.paire);
}

void SourceJour::Regler(const Fait& fait)
{
    if (!enCours)
        return;
    Choix c = *std::exchange(enCours, std::nullopt);
    const int question = reglees++;
    const std::span<const Question> faits = Paires::Faits(c.paire);
    ordres[std::size_t(c.paire)] = faits.front() == fait.question() ? 0 : 1;
    const bool juste = fait.issue == Issue::Essai1;
    // A check missed, or right but slow, makes a pair to learn, while today has room.
    if (c.role == Role::Verification && Noter(fait.issue, fait.dixiemes) != Note::Correct && nouvellesPermises > 0) {
        --nouvellesPermises;
        apprentissage.append({c.paire, 0, -1});
        c.role = Role::Apprentissage;
    }
    if (c.role == Role::Apprentissage)
        Apprendre(c.paire, fait);
    else if (c.role != Role::Verification)
        ++connuesDepuisNouvelle;
    if (!juste)
        retours.append({c.paire, c.role, fait.question(), question});
}

void SourceJour::Apprendre(int paire, const Fait& fait)
{
    connuesDepuisNouvelle = 0;
    for (Apprise& a : apprentissage)
        if (a.paire == paire) {
            a.justes += fait.issue == Issue::Essai1 ? 1 : 0;
            a.derniere = reglees;
        }
}

bool SourceJour::Fini() const
{
    return dues.isEmpty() && verifications.isEmpty() && gardees.isEmpty() && retours.isEmpty()
        && std::all_of(apprentissage.cbegin(), apprentissage.cend(),
                       [this](const Apprise& a) { return a.justes >= reglages.justesPourApprendre; });
}

bool SourceJour::Terminee() const
{
    return !enCours && (Fini() || horloge.millisecondes() - debut >= reglages.dureeMs);
}

std::optional<Avancement> SourceJour::avancement() const
{
    int reste = int(dues.size() + verifications.size() + gardees.size());
    int nouvelles = 0;
    for (const Apprise& a : apprentissage)
        nouvelles += std::max(0, reglages.justesPourApprendre - a.justes);
    for (const Retour& r : retours)
        reste += r.role == Role::Apprentissage ? 0 : 1;
    // Each asking of a new pair after questions the child knows, as long as
    // there are some to ask.
    const int entre = std::clamp(reglages.connuesAvantNouvelle * nouvelles - int(gardees.size()), 0,
                                 int(connues.size()));
    return Avancement{reglees, reglees + reste + nouvelles + entre};
}
