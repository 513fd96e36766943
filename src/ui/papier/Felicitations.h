// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// After a save: the child congratulated for each table it made automatisé
// (with the save's range, 1 to 10 or 1 to 12), once, and their diplomas
// offered on paper.
#pragma once

#include "core/storage/MagasinResultats.h"

#include <QDate>
#include <QList>

class QWidget;

// The grid before the save, the questions it kept, the day they were
// settled, and its range's last multiplier.
void FeliciterTables(QWidget* parent, MagasinResultats& magasin, const Bilan& avant, const QList<Fait>& faits,
                     const QDate& jour, int multMax);
