// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the results are kept, as the configuration files say: the SQLite
// file of the working folder by default, or a PostgreSQL server named the way
// PostgreSQL's own tools name one (a service of pg_service.conf, or a host, a
// port and a database). No credential is ever read here: the server is
// reached as the user, by what the school uses (peer or Kerberos login, or
// the user's ~/.pgpass). The system's file is read first, then the user's,
// whose keys win. A file that is there but cannot be read or understood is
// never passed over: the results would go where its author did not mean.
#pragma once

#include <QString>

struct ConfigurationServeur
{
    QString service;
    QString hote;
    int port = 0;
    QString base;
    // A configuration file that cannot be read or understood, and why.
    QString fichierIllisible;
    QString raison;

    bool definie() const
    {
        return !service.isEmpty() || !hote.isEmpty() || !base.isEmpty() || !fichierIllisible.isEmpty();
    }
    // As the user is told of it: "service « calkado »", "calkado sur ecole.lan:5432".
    QString description() const;
};

// The system's file is /etc/calkado/calkado.conf, unless CALKADO_CONFIGURATION_SYSTEME
// names another; the user's is calkado/calkado.conf in their configuration folder.
ConfigurationServeur LireConfiguration();
