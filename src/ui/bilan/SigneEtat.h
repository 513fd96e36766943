// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The sign of a fact's state, which tells it where colours do not: an empty
// ring (never seen), a cross (to review), a half disc (in progress), a disc
// (known), a star (automatic). Drawn in a square of any size, on a window or
// on paper.
#pragma once

#include "core/results/Bilan.h"

#include <QColor>
#include <QRectF>

class QPainter;

void DessinerSigne(QPainter& p, EtatFait etat, const QColor& couleur, const QRectF& carre);
