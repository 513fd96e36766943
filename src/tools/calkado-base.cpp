// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Puts an empty results store at the path given, from the schema file, unless
// a store is there already: the build and the install run it so that the
// program always finds its store and never loses one.
// Usage: calkado-base <schema.sql> <CalkadoVa.sqlite>
#include "core/storage/Schema.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 3) {
        QTextStream(stderr) << "Usage : calkado-base <schéma.sql> <fichier des résultats>\n";
        return 2;
    }
    if (QFileInfo::exists(arguments[2]))
        return 0;
    QString erreur;
    if (!CreerBase(arguments[1], arguments[2], &erreur)) {
        QTextStream(stderr) << erreur << '\n';
        return 1;
    }
    return 0;
}
