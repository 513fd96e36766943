// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Who trains now, for the whole program: the one place that says which
// results file the store opens, and whose name the windows and the pages on
// paper show. Nobody is chosen until the family names its children: the
// program then works on the account's file, as it always has.
#pragma once

#include "Enfant.h"

#include <optional>

void ChoisirEnfant(const std::optional<Enfant>& enfant);
const std::optional<Enfant>& EnfantChoisi();

// The results file in use, relative to the working folder: the chosen child's,
// or the account's CalkadoVa.sqlite.
QString FichierResultats();

// The chosen child's first name, for a title; empty when the family names nobody.
QString NomEnfantCourant();

// The name a page on paper carries: the chosen child's, or the account's.
QString NomSurPapier();
