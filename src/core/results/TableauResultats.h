// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The texts of a results table (main window and viewer alike), computed from
// the counts of each table: one column per table 2 to 12, a Total column,
// five rows of measures. The rules of the mean time and of the share of
// right first tries are here, for the table, the progress chart and the
// teacher's view.
#pragma once

#include "core/training/Comptes.h"

#include <QLocale>
#include <QString>
#include <array>
#include <optional>

// Rows of the table, top to bottom.
enum class LigneResultats { Questions, Essai1, Temps, Essai2, Réponse };
inline constexpr int NbLignesResultats = 5;
static_assert(int(LigneResultats::Réponse) + 1 == NbLignesResultats);
inline constexpr int NbTitresResultats = 6;   // the five row headings and "Total"

// The heading of a row, by its number among the headings: the time row
// comes third on screen but carries heading 4.
int TitreDeLigne(LigneResultats ligne);

struct TextesResultats
{
    // By row, top to bottom, then by table index.
    std::array<std::array<QString, NbLivrets>, NbLignesResultats> cellules;
    std::array<QString, NbLignesResultats> totaux;
};

// The share of the questions right at the first try, 0 to 100; 0 without a
// question.
double PartEssai1(qint64 essai1, qint64 questions);

// The mean time of a right first try in seconds; none without one.
std::optional<double> TempsMoyen(qint64 dixiemes, qint64 nbEssai1);

// A count as the table shows it: plain digits, and nothing for zero.
QString TexteCompte(qint64 compte);

// A time in seconds with the format "###0.0": at least one digit before the
// locale's decimal separator, none grouped, one after it, halves rounded away
// from zero as judged on the value's 15 significant digits (2.25 -> 2.3,
// 0.35 -> 0.4).
QString FormatTemps(double secondes, const QLocale& locale = QLocale());

// The mean time of a right first try as the table shows it, or nothing.
QString TexteTempsMoyen(qint64 dixiemes, qint64 nbEssai1, const QLocale& locale = QLocale());

// All cells and totals.
TextesResultats TextesDuTableau(const ComptesLivrets& comptes, const QLocale& locale = QLocale());
