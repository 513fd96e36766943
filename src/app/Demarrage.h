// Everything that happens before the child can tick a table: the title with
// the program's version, the check that the program file is there, and the
// checks of the display.
#pragma once

#include "platform/Ecran.h"
#include "platform/FichierProgramme.h"

#include <QString>
#include <optional>

class QWidget;

// "2.01" for the file version 2.0.0.1: minor and revision are written
// side by side, the third number is not used.
QString VersionProgramme(const VersionFichier& version);
QString TitreFenetre(const QString& versionProgramme);

// 0: below 1024 x 768; 1: at the minimum in at least one direction; 2: above it in both.
int TailleEcran(int largeur, int hauteur);
bool TailleTexteNormale(int dpiLogique);
// At least 65536 colours.
bool CouleursSuffisantes(int plans, int bitsParPixel);

// The window title, or nothing after telling that the program file is
// missing from the working directory (the program must then end).
std::optional<QString> PreparerTitre(QWidget* parent);

// Refuses a display too small, or at the minimum with its text scaled, and
// warns of scaled text on a larger one. False: the program must end.
bool VerifierAffichage(QWidget* parent, const MesuresEcran& ecran);

// Warns once of a display with too few colours; the program goes on.
void VerifierCouleurs(QWidget* parent, const MesuresEcran& ecran);
