// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The schema of the results file: a text of SQL statements, each ending with
// a ";" that ends its line ("--" starts a comment), in sections that each end
// with the version they bring a store to ("PRAGMA user_version = 1"). The
// program carries it, makes a new file from it and brings an older one up to
// date with the sections after its version.
#pragma once

#include "core/storage/Connexion.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The schema's statements after the section of the version given, all of
// them by default.
QStringList InstructionsSchema(const QString& schema, int depuis = -1);
// The version a store made from the whole schema has.
int VersionSchema(const QString& schema);

// Makes a new store at that path from a schema file. An existing file is
// never replaced. On failure, says why in the text given.
bool CreerBase(const QString& schema, const QString& fichier, QString* erreur = nullptr);

// The schema the program carries.
const QString& SchemaProgramme();
// Brings a store that the program keeps up to the schema it carries, inside
// a write transaction; a store its administrator keeps is left alone.
ProblemeBase MettreAJour(QSqlDatabase& base, const Connexion& connexion);
