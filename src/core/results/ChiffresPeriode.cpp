// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChiffresPeriode.h"

#include "core/results/Automatisation.h"
#include "core/results/TableauResultats.h"

#include <QSet>
#include <cmath>

qint64 ChiffresPeriode::minutes() const
{
    return std::llround(double(dixiemes) / 600.0);
}

double ChiffresPeriode::part() const
{
    return PartEssai1(essai1, questions);
}

QDate DebutDerniersJours(const QDate& aujourdhui, int jours)
{
    return aujourdhui.addDays(1 - jours);
}

ChiffresPeriode Chiffres(const QList<ActiviteJour>& activite, const QDate& debut, const QDate& fin,
                         const Bilan& auDebut, const Bilan& aLaFin)
{
    ChiffresPeriode c;
    c.debut = debut;
    c.fin = fin;
    QSet<QDate> jours;
    for (const ActiviteJour& jour : activite) {
        if (jour.jour < debut || jour.jour > fin || jour.questions < 1)
            continue;
        jours.insert(jour.jour);
        c.questions += jour.questions;
        c.essai1 += jour.essai1;
        c.dixiemes += jour.dixiemes;
    }
    c.jours = int(jours.size());
    c.devenusAutomatises = int(FaitsDevenusAutomatises(auDebut, aLaFin).size());
    return c;
}
