// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The run of « Du jour »: it asks the day's plan, one question after the
// other. The due pairs first, then the checks, then the pairs to learn, each
// asking of one after questions the child knows when there are some, until
// it has been right at the first try twice. A fact missed comes back after
// two to four other questions, until it is right at the first try. Never the
// same pair twice in a row while another is left; each asking of a pair
// alternates its two orders. The run ends when the plan is done, or once
// its time is up, at the end of the question under way.
#pragma once

#include "PlanJour.h"
#include "core/training/SourceQuestions.h"

#include <QList>
#include <array>

class Horloge;

class SourceJour : public SourceQuestions
{
public:
    // The run starts now, by that clock.
    SourceJour(const PlanJour& plan, const MemoirePaires& memoire, const Horloge& horloge,
               const ReglagesJour& reglages = {});

    std::optional<Question> Suivante(Tirages& tirages) override;
    void Regler(const Fait& fait) override;
    bool Terminee() const override;
    // The questions settled, of those the plan needs at least from now on.
    std::optional<Avancement> avancement() const override;

private:
    enum class Role { Due, Verification, Apprentissage, Connue };
    struct Choix
    {
        int paire = -1;
        Role role = Role::Due;
        std::optional<Question> question;   // a missed fact comes back as it was asked
        bool retour = false;
    };
    struct Apprise
    {
        int paire = 0;
        int justes = 0;
        int derniere = -1;   // the question at which it was last asked
    };
    // A fact missed, back after other questions.
    struct Retour
    {
        int paire = 0;
        Role role = Role::Due;
        Question question;
        int manquee = 0;   // the question at which it was missed
    };

    std::optional<Choix> Choisir(int exclue) const;
    std::optional<Choix> ChoisirRetour(int exclue, int attente) const;
    std::optional<Choix> ChoisirApprentissage(int exclue) const;
    std::optional<Choix> Premiere(const QList<int>& paires, Role role, int exclue) const;
    bool ConnueDisponible() const;
    bool EnRetour(int paire) const;
    bool Fini() const;
    void Apprendre(int paire, const Fait& fait);
    void Retirer(const Choix& choix);

    ReglagesJour reglages;
    int multMax;
    const Horloge& horloge;
    qint64 debut;
    QList<int> dues, verifications, gardees, connues;
    QList<Apprise> apprentissage;
    QList<Retour> retours;
    int nouvellesPermises;
    std::array<int, Paires::Nb> ordres{};   // the order of each pair asked last
    int reglees = 0;
    int connuesDepuisNouvelle = 0;
    int dernierePaire = -1;
    std::optional<Choix> enCours;
};
