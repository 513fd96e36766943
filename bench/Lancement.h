// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up of a program as a user starts it: from the exec of its file to its
// first window mapped by the X server, then drawn, and its resident memory a
// while later.
#pragma once

#include <QString>

struct Lancement
{
    double carte = -1;           // window mapped, in ms; negative: none came up
    double dessin = -1;          // first drawing into it, in ms
    double megaoctets = -1;      // resident memory after the wait
};

// Starts the program in that folder, watches the X display for its first
// top-level window and its first drawing, reads its resident memory after attenteMs, then ends it.
Lancement Lancer(const QString& programme, const QString& dossier, int attenteMs);
