// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A store on the school's PostgreSQL server, reached through Qt's QPSQL
// driver as the user running the program: the server itself keeps each
// child's rows closed to the others. Everything that only PostgreSQL has (the
// connection's parameters, the lock that orders one user's saves, its error
// codes) is here.
#pragma once

#include "Configuration.h"
#include "Connexion.h"

class ConnexionPostgres : public Connexion
{
public:
    ConnexionPostgres(QString nomConnexion, ConfigurationServeur configuration, Verification controle);
    ~ConnexionPostgres() override;

    ProblemeBase Probleme(const QSqlError& erreur) const override;
    QStringList ColonnesObligatoires(QSqlDatabase& base, const QString& table) const override;
    bool serveur() const override { return true; }

protected:
    ProblemeBase Joindre(QString& marque) const override;
    ProblemeBase Connecter(const QString& nomQt) override;
    QStringList DebutEcriture() const override;
    bool Perdue(const QSqlError& erreur) const override;

private:
    ConfigurationServeur configuration;
};
