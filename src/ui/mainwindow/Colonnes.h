// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The columns of the tables 2 to 12 on the main window, which the choice of
// tables and the results table share: the left edge of each, in twips.
#pragma once

#include "core/training/Livrets.h"

#include <array>

inline constexpr std::array<int, NbLivrets> GaucheColonnes = {3720, 4650, 5565, 6495, 7410, 8340,
                                                              9270, 10185, 11115, 12030, 12960};
