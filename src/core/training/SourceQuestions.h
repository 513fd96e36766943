// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the questions of a run come from. The training asks its source for
// each question and tells it each question settled; a source may end the
// run by itself and say how far it has come. The sources: the tables ticked
// in order (SourceOrdre) or at random (SourceHasard), the facts under review
// (Revision); a plan of the day would be another.
#pragma once

#include "Fait.h"

#include <optional>

class Tirages;

// How far a run that knows its end has come: so many facts done of a total.
struct Avancement
{
    int faits = 0;
    int total = 0;
    bool operator==(const Avancement&) const = default;
};

class SourceQuestions
{
public:
    virtual ~SourceQuestions() = default;

    // The next question, drawing on the training's chance if it needs to;
    // none when there is nothing to ask (the question shown stays).
    virtual std::optional<Question> Suivante(Tirages& tirages) = 0;
    // A question settled.
    virtual void Regler(const Fait& /*fait*/) {}
    // Whether the run is over by itself; otherwise it lasts until interrupted.
    virtual bool Terminee() const { return false; }
    // None for a run without an end of its own.
    virtual std::optional<Avancement> avancement() const { return std::nullopt; }
};
