// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A store on the school's PostgreSQL server, reached through Qt's QPSQL
// driver as the user running the program: the server itself keeps each
// child's rows closed to the others. Everything that only PostgreSQL has (the
// connection's parameters and time limits, the lock that orders one pupil's
// saves, its error codes) is here. A fault is known by its SQLSTATE, never by
// its message, which is in the server's language.
#pragma once

#include "Configuration.h"
#include "Connexion.h"

class ConnexionPostgres : public Connexion
{
public:
    // A server that does not answer is waited for this long, at each address.
    static constexpr int DelaiConnexionS = 2;
    // The time limits of every statement: a lock waited for a moment at a
    // first try (AttenteMs at the second), and a statement.
    static constexpr int MomentVerrouMs = 200;
    static constexpr int LimiteInstructionMs = 3500;

    ConnexionPostgres(QString nomConnexion, ConfigurationServeur configuration, Verification controle);
    ~ConnexionPostgres() override;

    ProblemeBase Probleme(const QSqlError& erreur) const override;
    QStringList ColonnesObligatoires(QSqlDatabase& base, const QString& table) const override;
    bool serveur() const override { return true; }
    // What a SQLSTATE means for the user; an empty one, that no server answered.
    static ProblemeBase ProblemeEtat(const QString& etat);

protected:
    ProblemeBase Joindre(QString& marque) const override;
    ProblemeBase Connecter(const QString& nomQt) override;
    QStringList DebutEcriture() const override;
    ProblemeBase Patienter(QSqlDatabase& base, bool longtemps) const override;
    bool Perdue() const override;

private:
    ConfigurationServeur configuration;
};
