// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The run states, each with its own configuration of the main window's
// buttons, answer box and selection controls.
#pragma once

enum class EtatEntrainement {
    EtatRepondu = 1,       // run under way, no question pending
    EtatQuestion = 2,      // question shown, fewer than three wrong tries
    EtatQuestionAide = 3,  // question shown after three wrong tries: the answer may be asked for
    EtatAucunLivret = 4,   // no run, no table ticked
    EtatPret = 5,          // no run, at least one table ticked
};
