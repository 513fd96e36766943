// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The five counts of a table, which the results table shows, a save keeps
// and the viewer, the progress chart and the teacher's view read back; or of
// several tables, or several saved trainings, summed.
#pragma once

#include "Fait.h"
#include "Livrets.h"

#include <QList>
#include <QtGlobal>
#include <array>

struct Comptes
{
    qint64 NbQuestionParLivret = 0;   // settled: right at any try, or answer given
    qint64 NbQuestionEssai1 = 0;      // right at the first try
    qint64 NbQuestionEssai2 = 0;      // right at a later try
    qint64 NbQuestionRéponse = 0;     // answer shown on request
    qint64 TempsTotalEssai1 = 0;      // summed times of the right first tries, in tenths of a second

    // A question settled: one more question, and one more of its issue; only
    // a right first try brings its time.
    Comptes& operator+=(const Fait& fait);
    // Another table's counts, as the Total column sums them: a count below 1
    // adds nothing, and a table's time only with a right first try, so that
    // the mean time of a sum is the mean over all its right first tries.
    Comptes& operator+=(const Comptes& autres);
    bool operator==(const Comptes&) const = default;
};

// By table index.
using ComptesLivrets = std::array<Comptes, NbLivrets>;

// The counts of each table that the questions settled add up to; a fact of
// no table 2 to 12 counts nowhere.
ComptesLivrets ComptesDesFaits(const QList<Fait>& faits);

// All tables summed.
Comptes Total(const ComptesLivrets& livrets);
