// Start-up of a program as a user starts it: from the exec of its file to its
// first window mapped by the X server, and its resident memory a while later.
#pragma once

#include <QString>

struct Lancement
{
    double millisecondes = -1;   // negative: no window came up
    double megaoctets = -1;      // resident memory after the wait
};

// Starts the program in that folder, watches the X display for its first
// top-level window, reads its resident memory after attenteMs, then ends it.
Lancement Lancer(const QString& programme, const QString& dossier, int attenteMs);
