// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up of a program as a user starts it: from the exec of its file to its
// first window mapped by the X server, then drawn, and its resident memory a
// while later; or, when that first window asks a question answered by a key,
// from the key to the next window mapped, then drawn.
#pragma once

#include <QString>
#include <cstdint>

struct Lancement
{
    double carte = -1;           // window mapped, in ms; negative: none came up
    double dessin = -1;          // first drawing into it, in ms
    double megaoctets = -1;      // resident memory after the wait
    double carteApres = -1;      // after the key: the next window mapped, in ms from the key
    double dessinApres = -1;     // and first drawn into
};

// Starts the program in that folder, watches the X display for its first
// top-level window and its first drawing, reads its resident memory after
// attenteMs, then ends it. With a key (an X keysym, such as '1'), the key is
// pressed in the first window once drawn, and the next window is watched.
Lancement Lancer(const QString& programme, const QString& dossier, int attenteMs, std::uint32_t touche = 0);
