// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Progression.h"

#include "core/Textes.h"
#include "core/results/DateHeure.h"
#include "core/results/TableauResultats.h"

#include <algorithm>
#include <cmath>

double PointProgression::part() const
{
    return PartEssai1(comptes.NbQuestionEssai1, comptes.NbQuestionParLivret);
}

std::optional<double> PointProgression::tempsMoyen() const
{
    return TempsMoyen(comptes.TempsTotalEssai1, comptes.NbQuestionEssai1);
}

QString Progression::titre() const
{
    return livret == TousLesLivrets ? Textes::ProgressionTotaux
                                    : Textes::ProgressionLivret + QString::number(livret);
}

double Progression::echelleTemps() const
{
    double plusLong = 0;
    for (const PointProgression& p : points)
        if (const std::optional<double> temps = p.tempsMoyen(); temps && p.aUneBarre())
            plusLong = std::max(plusLong, *temps);
    // 1, 2, 5, 10, 20, 50... seconds
    for (double puissance = 1;; puissance *= 10)
        for (const double facteur : {1.0, 2.0, 5.0})
            if (facteur * puissance >= plusLong || puissance > 1e12)
                return facteur * puissance;
}

QString Progression::description(const QLocale& locale) const
{
    QStringList lignes = {titre()};
    for (const PointProgression& p : points) {
        if (!p.aUneBarre())
            continue;
        const std::optional<double> temps = p.tempsMoyen();
        lignes << Textes::LigneProgression(ElementListe(p.dateHeure, locale), TextePart(p.part()),
                                           temps ? FormatTemps(*temps, locale) : QString(), p.choisi);
    }
    return lignes.join(QLatin1Char('\n'));
}

QString TextePart(double part)
{
    return QString::number(std::lround(part)) + QStringLiteral(" %");
}

PointProgression PointDe(const QString& dateHeure, const Resultats& resultats, int livret, bool choisi)
{
    // Only the table chosen: the others' counts left out.
    Comptes comptes;
    if (livret == TousLesLivrets)
        comptes = Total(ComptesDesResultats(resultats));
    else if (EstUnLivret(livret))
        comptes += resultats[std::size_t(IndexLivret(livret))];
    return {dateHeure, comptes, choisi};
}
