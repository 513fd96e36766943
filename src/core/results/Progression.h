// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The progress chart of the viewer without its widget: for one table, or all
// of them, the share of questions right at the first try and the mean time of
// a right first try in each of the last saved trainings up to the one shown.
// A saved training is known by its stored date and time, as the viewer knows
// it: twins saved apart under the same value count as one, with the later row
// of a table winning, and that one stands where its latest row was added.
#pragma once

#include "core/results/Resultats.h"

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <optional>

// How many saved trainings the chart shows at most, the one shown last.
inline constexpr int NbEntrainementsProgression = 20;
// The chart's table meaning all tables, as the totals of the results table.
inline constexpr int TousLesLivrets = 0;

// One saved training on the chart, with the counts of the table chosen: the
// sums of the results table's totals when all tables are.
struct PointProgression
{
    QString dateHeure;          // as stored
    Comptes comptes;
    bool choisi = false;        // the one the viewer shows

    // Without a question of the table, the training leaves no bar and no point.
    bool aUneBarre() const { return comptes.NbQuestionParLivret >= 1; }
    // Share of the questions right at the first try, 0 to 100.
    double part() const;
    // Mean time of a right first try in seconds; none without one.
    std::optional<double> tempsMoyen() const;
};

// What the chart draws, oldest saved training first.
struct Progression
{
    int livret = TousLesLivrets;          // 2 to 12, or all tables
    QList<PointProgression> points;

    QString titre() const;
    // The top of the seconds scale: a round number at or above every mean time.
    double echelleTemps() const;
    // The figures of the chart in words, one saved training with a bar a line.
    QString description(const QLocale& locale = QLocale()) const;
};

// "80 %"
QString TextePart(double part);

// One saved training on the chart, from its records: the totals of the
// table chosen, or of all tables, as the results table sums them.
PointProgression PointDe(const QString& dateHeure, const Resultats& resultats, int livret, bool choisi);
