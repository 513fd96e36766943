// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The simulation's figures, way of training by way and profile by profile,
// as one Markdown table for the README.
#pragma once

#include "Simulation.h"

#include <QString>
#include <vector>

// The children of one way of training with one profile.
struct Groupe
{
    QString facon;
    QString profil;
    std::vector<Parcours> parcours;
};

// A child who never gets all 132 facts automatisé counts as all the days
// simulated (Reglages::jours × Reglages::minutesParJour).
QString TableauMarkdown(const std::vector<Groupe>& groupes, const Reglages& reglages);

// The quantile q (0 to 1) of the values, by linear interpolation between
// the sorted values around it.
double Quantile(std::vector<double> valeurs, double q);
