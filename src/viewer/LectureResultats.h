// What the viewer reads from the results store and deletes from it. A saved
// training is known by its stored date and time alone.
#pragma once

#include "results/Donnees.h"

// The stored dates and times of the saved trainings, the newest first: rows
// next to each other with the same value make one saved training.
Lecture<QStringList> LireDates(BaseDonnees& base);

// The results of the saved training of that date and time; when two rows
// carry the same table, the one added later counts.
Lecture<Resultats> LireResultats(BaseDonnees& base, const QString& dateHeure);

// Deletes every row of that date and time, in one transaction.
ProblemeBase SupprimerEntrainement(BaseDonnees& base, const QString& dateHeure);
