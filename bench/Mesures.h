// The measurements, each adding its lines to the report.
#pragma once

#include "Statistiques.h"

// Start-up time and resident memory of the program against a minimal window.
void MesurerDemarrage(Rapport& rapport);
// One answer tested and one new question on the main window.
void MesurerReponses(Rapport& rapport);
// The viewer and one save, as the store grows.
void MesurerConsultation(Rapport& rapport);
// The time recorded for a right first try while both cores are busy.
void MesurerChronometre(Rapport& rapport);
// Thirty pupils saving within the same second on the school's server.
void MesurerClasse(Rapport& rapport);
// One pupil's save at the instant given (milliseconds since the epoch): the
// program of a pupil in the class measured above.
int EnregistrerEleve(qint64 instant);
