// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules of what happens before the child can tick a table: the title
// with the program's version, the check that the program file is there, and
// the checks of the display. They decide; the main window shows what they say.
#pragma once

#include "core/platform/FichierProgramme.h"

#include <QString>
#include <optional>

// What the start-up checks read of the display that shows the main window.
struct MesuresEcran
{
    int largeur = 0;       // device-independent pixels
    int hauteur = 0;
    int dpiLogique = 0;    // horizontal logical dots per inch
    int plans = 1;
    int bitsParPixel = 0;
};

// A message of the start-up: a stop or a notice, and whether the program
// must end once it is read.
struct AvisDemarrage
{
    QString texte;
    bool critique = false;
    bool fin = false;
};

// "2.01" for the file version 2.0.0.1: minor and revision are written
// side by side, the third number is not used.
QString VersionProgramme(const VersionFichier& version);
QString TitreFenetre(const QString& versionProgramme);

// 0: below 1024 x 768; 1: at the minimum in at least one direction; 2: above it in both.
int TailleEcran(int largeur, int hauteur);
bool TailleTexteNormale(int dpiLogique);
// At least 65536 colours.
bool CouleursSuffisantes(int plans, int bitsParPixel);

// The window title, from the program file of the working folder; nothing when
// that file is missing (the program must then end).
std::optional<QString> PreparerTitre();

// Refuses a display too small, or at the minimum with its text scaled, and
// warns of scaled text on a larger one.
std::optional<AvisDemarrage> VerifierAffichage(const MesuresEcran& ecran);

// Warns of a display with too few colours; the program goes on.
std::optional<AvisDemarrage> VerifierCouleurs(const MesuresEcran& ecran);
