// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A table's diploma on one A4 page, landscape, drawn for Calkado: a double
// frame with stars in its corners, a rosette with the table's number and its
// ribbons, the title, the child's name, the day it was earned and the facts
// of the table.
#pragma once

#include "Document.h"
#include "core/papier/Diplome.h"

class QPainter;

void DessinerDiplome(QPainter& p, const QRectF& zone, const Diplome& diplome);

// The diplomas given, a page each.
Document DocumentDiplomes(const QList<Diplome>& diplomes);
