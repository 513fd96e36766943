// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the start-up checks read of the display that shows the main window.
#pragma once

#include "core/startup/Demarrage.h"

class QWidget;

MesuresEcran MesurerEcran(const QWidget& fenetre);
