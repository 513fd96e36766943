// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The class on paper, A4 portrait: the pupils with their figures table by
// table over the period, as the teacher's view shows them (on as many pages
// as they take), the facts most often to review across the class, then the
// report of each pupil who trained in the period, a page each.
#pragma once

#include "Document.h"
#include "core/papier/PageClasse.h"

// The pupils each page of the class holds: from the first, that many; the
// facts to review go under the last one.
struct TrancheEleves
{
    qsizetype premier = 0;
    qsizetype nombre = 0;

    bool operator==(const TrancheEleves&) const = default;
};
QList<TrancheEleves> PagesDeLaClasse(qsizetype eleves);

Document DocumentPourClasse(const DocumentClasse& classe);
