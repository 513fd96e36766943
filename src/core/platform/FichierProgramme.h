// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the start-up needs to know of the program file: that it is there, in
// the working directory, and which version it carries.
#pragma once

#include <QString>
#include <cstdint>

struct VersionFichier
{
    std::int16_t majeur = 0;
    std::int16_t mineur = 0;
    std::int16_t revision = 0;
};

// The current directory followed by the separator, so that a file name can be
// appended to it.
QString RepertoireCourant();

// True for a regular file, hidden or not.
bool FichierExiste(const QString& chemin);

// Reads the fixed file information record that the build embeds in the
// program file (the 52-byte record a Windows version resource holds: signature
// 0xFEEF04BD, structure version 0x00010000). The first record whose signature
// and structure version both match gives the numbers: major and minor from the
// high and low halves of the first file-version word, revision from the low
// half of the second. A file without one gives 0, 0, 0.
VersionFichier LireVersionFichier(const QString& chemin);
