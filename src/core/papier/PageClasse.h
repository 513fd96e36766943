// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the class's pages on paper say, without their drawing: the pupils of
// the teacher's classes with their figures table by table over the period
// chosen, as the teacher's view shows them, the facts most often to review
// across the class, then the report of each pupil who trained in the period.
#pragma once

#include "core/papier/Rapport.h"
#include "core/results/Classe.h"

#include <QDate>
#include <QList>
#include <QString>

// The class's facts to review on paper, at most.
inline constexpr int NbFaitsARevoirClasse = 10;

struct PageClasse
{
    QString classes;             // "La classe cm1a"
    Periode periode = Periode::Semaine;
    QDate jour;
    QList<EleveClasse> eleves;
    QList<FaitARevoir> aRevoir;

    // "Cette semaine, du 07/12/2026 au 09/12/2026"
    QString textePeriode() const;
};

// A question settled in the period.
bool SEstEntraine(const EleveClasse& eleve);

struct DocumentClasse
{
    PageClasse classe;
    QList<RapportEnfant> rapports;   // one for each pupil who trained in the period, in the class's order
};

// The classes the user teaches and their pupils as the teacher's view reads
// them, then each report: the fault of the first read that fails.
Lecture<DocumentClasse> LireDocumentClasse(MagasinResultats& magasin, Periode periode, const QDate& jour);
