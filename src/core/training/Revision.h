// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A review run: the facts to train, asked in rounds. Each round asks every
// fact still listed once, in order (table after table, multipliers rising)
// or at random; a fact right at the first try leaves the list, one missed
// again comes back in the next round, after the others. The run is over when
// no fact is left.
#pragma once

#include "Fait.h"

#include <QList>
#include <functional>

class Revision
{
public:
    // The facts, in order; an empty list ends any review.
    void Commencer(const QList<Question>& faits);
    bool active() const { return enCours; }
    // Whether every fact has been answered right at the first try.
    bool terminee() const { return enCours && aPoser.isEmpty() && manques.isEmpty(); }

    // The next question. At random, the rank among the facts of the round
    // comes from the number given for the count of them; never the fact just
    // asked while there are two facts or more.
    Question Tirer(bool aleatoire, const std::function<int(int)>& rang);
    // The question settled: it leaves when right at the first try.
    void Regler(const Question& question, Issue issue);

private:
    bool enCours = false;
    QList<Question> aPoser;    // this round's, not asked yet
    QList<Question> manques;   // missed in this round, for the next one
    Question derniere;
};
