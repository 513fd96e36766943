// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// How well a fact was recalled, in the four grades of the FSRS memory model,
// and a review so graded on a given day.
#pragma once

#include "core/training/Fait.h"

#include <QtGlobal>

// FSRS's Again, Hard, Good and Easy; the values are the model's own.
enum class Note {
    ARevoir = 1,
    Difficile = 2,
    Correct = 3,
    Facile = 4,
};

struct RevisionNotee
{
    qint64 jour = 0;   // a day number: any count of days, e.g. QDate::toJulianDay()
    Note note = Note::Correct;

    bool operator==(const RevisionNotee&) const = default;
};

// The grade of a settled question: right at the first try within 3,0 s is
// recalled at once (Correct), slower is recalled with effort (Difficile),
// anything else is not recalled (ARevoir). A time below zero measures
// nothing: the fact was recalled, not shown to be quick.
Note Noter(Issue issue, qint32 dixiemes);
