// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The questions in order: 1 x the first table ticked up to the last
// multiplier, then the next table, and round again from the first, without
// end (tables 3 and 7 from 1 to 10: 1 x 3 ... 10 x 3, 1 x 7 ... 10 x 7, 1 x 3...).
#pragma once

#include "Livrets.h"
#include "SourceQuestions.h"

class SourceOrdre : public SourceQuestions
{
public:
    SourceOrdre(const Coches& coches, int multMax);
    std::optional<Question> Suivante(Tirages& tirages) override;

private:
    Coches coches;
    int multMax;
    int multiplicateurCourant = 0;
    int rangLivretCourant = 1;   // among the tables ticked, from 1
};
