// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the memory model knows of a pair of facts after its reviews. Days are
// day numbers (any count of days, e.g. QDate::toJulianDay()); a pair never
// reviewed has no stability.
#pragma once

#include <QtGlobal>

struct EtatMemoire
{
    double stabilite = 0;     // days for the chance of recall to fall to 90 %
    double difficulte = 0;    // 1, the easiest, to 10
    qint64 dernierJour = 0;   // of the last review
    qint64 jourDu = 0;        // when it should be reviewed again

    bool vu() const { return stabilite > 0; }
    bool operator==(const EtatMemoire&) const = default;
};
