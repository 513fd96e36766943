// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The questions at random among the tables ticked, with replacement, only
// kept from asking the last question drawn at random again, even across runs.
#pragma once

#include "Livrets.h"
#include "SourceQuestions.h"

class SourceHasard : public SourceQuestions
{
public:
    SourceHasard(const Coches& coches, int multMax);
    std::optional<Question> Suivante(Tirages& tirages) override;

private:
    Coches coches;
    int multMax;
};
