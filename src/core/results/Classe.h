// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The teacher's view of their classes without its window: the periods it
// sums over, each pupil's figures table by table (by the rules of the results
// table's totals), the facts most often à revoir across the class (by the
// grid's rules), and the figures as a file that a French spreadsheet opens as
// it is.
#pragma once

#include "core/results/Bilan.h"
#include "core/results/Resultats.h"
#include "core/results/TableauResultats.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <array>

enum class Periode { Semaine, Mois, Tout };
inline constexpr int NbPeriodes = 3;
// The periods in the order they are offered.
inline constexpr std::array<Periode, NbPeriodes> LesPeriodes = {Periode::Semaine, Periode::Mois, Periode::Tout};

// Its choice as offered, with the mark of its shortcut: "Cette &semaine".
QString NomDePeriode(Periode periode);

// The first day of the period that holds that day: the Monday of its week,
// the first of its month; none for everything.
QDate DebutPeriode(Periode periode, const QDate& aujourdhui);

// The user's account and the classes they teach; none for a pupil.
struct Enseignant
{
    QString compte;
    QStringList classes;
};

// One pupil of the teacher's classes, with the sums of their saved trainings
// of a period, table by table.
struct EleveClasse
{
    QString eleve;
    QString classe;                 // their classes that the teacher teaches
    QString dernier;                // stored date and time of their last saved training ever; empty: none
    ComptesLivrets livrets{};

    // Adds the records of one saved training, each table apart.
    void Ajouter(const Resultats& resultats);
};

// A fact à revoir for some pupils of the class.
struct FaitARevoir
{
    int livret = 0;
    int multiplicateur = 0;
    int eleves = 0;

    bool operator==(const FaitARevoir&) const = default;
};

// The facts à revoir (the grid's state) for at least one pupil, the most
// pupils first, then by table and multiplier.
QList<FaitARevoir> FaitsLesPlusARevoir(const QList<Bilan>& bilans);

// The class's line: the first few of those facts, "…" when more follow.
QString LigneARevoir(const QList<FaitARevoir>& faits);

// A pupil's table as the view's cell shows it, and in words; nothing
// without a question in the period.
QString TexteCelluleClasse(const Comptes& comptes, const QLocale& locale = QLocale());
QString DetailCelluleClasse(const EleveClasse& eleve, int livret, const QLocale& locale = QLocale());

// The figures of the class, one row per pupil and table after a header row:
// UTF-8 with a byte order mark, ';' between fields, French decimal commas
// and dates, lines ended by CR LF; the first day of the period, if any.
QByteArray CsvClasse(const QList<EleveClasse>& eleves, const QDate& depuis);
