// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The measurements, each adding its lines to the report.
#pragma once

#include "Statistiques.h"

// Start-up time and resident memory of the program against a minimal window.
void MesurerDemarrage(Rapport& rapport);
// One answer tested and one new question on the main window.
void MesurerReponses(Rapport& rapport);
// The viewer and one save, as the store grows.
void MesurerConsultation(Rapport& rapport);
// From the click on « Du jour » to its first question, as the store grows.
void MesurerJour(Rapport& rapport);
// The child's report and a diploma on paper, as the store grows.
void MesurerPapier(Rapport& rapport);
// The time recorded for a right first try while both cores are busy.
void MesurerChronometre(Rapport& rapport);
// Thirty pupils saving within the same second on the school's server.
void MesurerClasse(Rapport& rapport);
// The school's server after a year: a pupil's windows and save, the
// teacher's view of the class.
void MesurerAnnee(Rapport& rapport);
// The program of one pupil of the class above: says "prêt" once connected,
// then saves at the instant it reads (milliseconds since the epoch).
int EnregistrerEleve();
