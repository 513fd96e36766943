// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The colours of the windows' design.
#pragma once

#include <QColor>

namespace Couleurs {
inline const QColor Bleu(0, 0, 255);
inline const QColor Gris(128, 128, 128);
inline const QColor Noir(0, 0, 0);
inline const QColor Vert(0, 128, 0);        // rows of the right first tries
inline const QColor VertVif(0, 255, 0);     // refused answers and the given answer
inline const QColor Orange(192, 64, 0);
inline const QColor Rouge(255, 0, 0);
inline const QColor OrangeClair(255, 128, 0);
inline const QColor Cyan(0, 255, 255);
} // namespace Couleurs
