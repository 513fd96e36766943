// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's command line: either a window opens (the child's, or the
// teacher's view of their classes), or the program answers on the terminal
// (help, version, a mistake in the options) and ends.
// It is read before any window system is reached, so that `calkado --help`
// works on a terminal without a display.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

struct DemandeLigneCommande
{
    bool ouvrirFenetre = true;
    // When the window does not open: what to print, on the standard output
    // for the exit code 0, on the error output for any other.
    QString reponse;
    int codeSortie = 0;
    // The teacher's view of their classes rather than the child's window.
    bool classe = false;
    // The child of the family named, rather than asking who trains.
    std::optional<QString> enfant = std::nullopt;
};

// Exit code of a command line that is not understood.
inline constexpr int CodeLigneCommandeIncorrecte = 2;

// The arguments as the program received them, its own name first.
QStringList ArgumentsProgramme(int argc, char* argv[]);
DemandeLigneCommande LireLigneCommande(const QStringList& arguments);
// A command line that cannot be followed, and why, with the code of a mistake.
DemandeLigneCommande ErreurLigneCommande(const QString& message);
// Prints the answer where it belongs; returns the exit code.
int Repondre(const DemandeLigneCommande& demande);
