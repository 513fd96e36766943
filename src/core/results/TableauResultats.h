// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The texts of a results table (main window and viewer alike), computed from
// the five per-table counters: one column per table 2 to 12, a Total column,
// five rows of measures. The rules of the totals and of the mean time are
// here, for the table and for the progress chart.
#pragma once

#include "core/training/Compteurs.h"

#include <QLocale>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>

// Rows of the table, top to bottom, each with its heading index.
enum class LigneResultats { Questions, Essai1, Temps, Essai2, Réponse };
inline constexpr int NbLignesResultats = 5;
inline constexpr int NbTitresResultats = 6;   // the five row headings and "Total"

// Heading index of each row, top to bottom (the time row comes third on
// screen but carries heading 4).
inline constexpr std::array<int, NbLignesResultats> TitreDeLigne = {0, 1, 4, 2, 3};

struct TextesResultats
{
    std::array<std::array<QString, NbLivrets>, NbLignesResultats> cellules;
    std::array<QString, NbLignesResultats> totaux;
};

// The sums of the Total column. A count below 1 adds nothing, and the time of
// a table only counts with a right first try, so that the mean time is the
// mean over all right first tries.
struct TotauxResultats
{
    qint64 questions = 0;
    qint64 essai1 = 0;
    qint64 essai2 = 0;
    qint64 reponse = 0;
    qint64 temps = 0;   // tenths of a second

    TotauxResultats& operator+=(const TotauxResultats& autres);
};
TotauxResultats Totaliser(const CompteursLivrets& compteurs);

// The counters of one table alone, the others' left at zero: its totals are
// those of its column.
CompteursLivrets SeulLivret(const CompteursLivrets& compteurs, int livret);

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
TextesResultats TextesDuTableau(const CompteursLivrets& compteurs, const QLocale& locale = QLocale());

// Whether the table holds results: the caption of the questions total, read
// as a number (empty reads as 0), is above 0.
bool TotalQuestionsPositif(QStringView texteTotalQuestions);
