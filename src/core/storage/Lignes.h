// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The rows of a statement's result read by the names of their columns, each
// name looked up once for the whole result: a statement may list its columns
// in any order, and one read from the wrong column fails loudly (an unknown
// name reads nothing).
#pragma once

#include "core/results/Bilan.h"
#include "core/results/Progression.h"
#include "core/results/Resultats.h"

#include <QSqlQuery>
#include <QString>

// A stored whole number as the program keeps it, held within 32 bits.
qint32 Entier(const QVariant& valeur);

// Where a column of that name stands in the result; -1 where there is none.
int Position(const QSqlQuery& requete, const QString& colonne);

// One table's record of a saved training, from the columns of TCalkado's
// record.
class LecteurEnregistrement
{
public:
    explicit LecteurEnregistrement(const QSqlQuery& requete);
    // The row's record takes its place in the results, unless its table is
    // not one of 2 to 12 (which the program never writes) or it has none.
    void Lire(const QSqlQuery& requete, Resultats& resultats) const;

private:
    int livret, multiplicateur1a12, aleatoire, questions, essai1, temps, essai2, reponse;
};

// One settling of a fact, from TFait's columns: the date and time of its
// saved training, its issue, its time.
class LecteurReglement
{
public:
    explicit LecteurReglement(const QSqlQuery& requete);
    Reglement Lire(const QSqlQuery& requete) const;

private:
    int date, issue, dixiemes;
};

// The column that marks the saved training the viewer shows.
inline const QString ColonneChoisi = QStringLiteral("Choisi");

// The saved trainings of a statement's result, as the progress chart shows
// them for that table (or all): each one's rows next to each other, with its
// "Id" (that of its latest row), its date and time and each table's record;
// the one shown marked in a column ColonneChoisi, where there is one.
QList<PointProgression> LirePoints(QSqlQuery& requete, int livret);
