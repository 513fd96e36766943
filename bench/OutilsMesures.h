// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the in-process measurements add to the tools they share with the
// tests: results files of a given size, and an action timed until the screen
// shows its outcome.
#pragma once

#include "Magasin.h"
#include "Outils.h"
#include "core/results/Resultats.h"

#include <QString>
#include <functional>

// Saved trainings ten minutes apart from 2020 on, that many, each with the
// tables chosen by chance (six on average), plausible counts, and the facts
// that agree with them (about 60 a saved training).
void RemplirEntrainements(const QString& fichier, int entrainements);

// Three tables of ten questions each: seven right at once in 2.5 s, two
// later, one given; and the facts that agree with them.
Resultats TroisTables();
QList<Fait> LeursFaits();

// Runs the action, then lets the windows process what it caused (painting
// included): the time until the screen is up to date, in milliseconds.
double Chronometrer(const std::function<void()>& action);
