// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The child's report on one A4 page, portrait: the title with the name and
// the day, the grid of the 132 facts with their signs and the legend's
// counts, the figures of the last 7 and 30 days, the facts to review first,
// the progress of the last saved trainings, and the foot of the page.
#pragma once

#include "Document.h"
#include "core/papier/Rapport.h"

class QPainter;

void DessinerRapport(QPainter& p, const QRectF& zone, const RapportEnfant& rapport);

// The report alone, as a document.
Document DocumentRapport(const RapportEnfant& rapport);
