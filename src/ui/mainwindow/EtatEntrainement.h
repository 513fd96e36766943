// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The run states of the main window, each with its own configuration of the
// buttons of a run, the answer box and the choice of tables and options.
#pragma once

#include <optional>

enum class EtatEntrainement {
    EtatRepondu = 1,       // run under way, no question pending
    EtatQuestion = 2,      // question shown, fewer than three wrong tries
    EtatQuestionAide = 3,  // question shown after three wrong tries: the answer may be asked for
    EtatAucunLivret = 4,   // no run, no table ticked
    EtatPret = 5,          // no run, at least one table ticked
};

// The buttons of a run, left to right.
enum class BoutonCourse { Nouveau, Test, Resultat, Entrainement };

// What a state does with the answer box.
enum class Reponse {
    Inchangee,
    Fermee,
    Selectionnee,    // its whole text selected, to be typed over, and the focus
    CurseurALaFin,   // the caret after its text, and the focus
};

struct Configuration
{
    // A run under way: "&Interrompre", the choice of tables and options
    // closed, the hint stopped.
    bool enCours = false;
    // The buttons of a run enabled.
    bool nouveau = false;
    bool test = false;
    bool resultat = false;
    bool entrainement = false;
    std::optional<BoutonCourse> defaut;
    Reponse reponse = Reponse::Inchangee;

    bool active(BoutonCourse bouton) const;
};

Configuration ConfigurationDe(EtatEntrainement etat);
