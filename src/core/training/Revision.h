// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A review of mistakes: the facts to train, asked in rounds. Each round asks
// every fact still listed once, in order (table after table, multipliers
// rising) or at random; a fact right at the first try leaves the list, one
// missed again comes back in the next round, after the others. The run is
// over when no fact is left.
#pragma once

#include "SourceQuestions.h"

#include <QList>

class Revision : public SourceQuestions
{
public:
    // The facts, in order; with none the review is over at once.
    Revision(const QList<Question>& faits, bool aleatoire);

    // At random, a rank among the facts of the round from the multipliers'
    // pool; never the fact just asked while there are two facts or more.
    std::optional<Question> Suivante(Tirages& tirages) override;
    // A fact right at the first try leaves the list.
    void Regler(const Fait& fait) override;
    bool Terminee() const override { return aPoser.isEmpty() && manques.isEmpty(); }
    // The facts that have left the list, of all those listed at the start.
    std::optional<Avancement> avancement() const override;

private:
    qsizetype Choisir(Tirages& tirages);

    bool aleatoire;
    int total;
    QList<Question> aPoser;    // this round's, not asked yet
    QList<Question> manques;   // missed in this round, for the next one
    Question derniere;
    int connus = 0;
};
