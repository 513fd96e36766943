// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Hasard.h"

#include <chrono>

HasardHorloge::HasardHorloge()
    : generateur(static_cast<std::uint32_t>(
          std::chrono::system_clock::now().time_since_epoch().count()))
{
}
