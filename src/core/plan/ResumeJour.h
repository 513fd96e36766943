// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What a run of « Du jour » did, told at its end: the facts reviewed (of
// pairs known before it), the new facts met (of pairs never met or being
// learnt), and the facts that became automatisé in the grid.
#pragma once

#include "core/memory/MemoirePaires.h"
#include "core/results/Bilan.h"

#include <QDate>
#include <QList>

struct ResumeJour
{
    int revues = 0;
    int nouvelles = 0;
    int automatisees = 0;

    bool operator==(const ResumeJour&) const = default;
};

// From the memory the run was planned on, the grid of the saved trainings
// before it, and the facts the run settled that day; each fact counts once.
ResumeJour Resumer(const MemoirePaires& avant, const Bilan& bilan, const QList<Fait>& faits, const QDate& jour);
