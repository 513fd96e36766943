// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A store in an SQLite file of the working folder, which the set-up provides
// (the program never creates the file). Each use checks that the connection
// still reaches the file at that name, so a store put back or replaced while
// the program runs is the one used, and so is another file named since. Everything that only SQLite has (the
// file's identity, the URI, the wait for a lock, the write transaction, its
// result codes, the schema's versions) is here.
#pragma once

#include "Connexion.h"

class ConnexionSqlite : public Connexion
{
public:
    // The file is named relative to the working folder, at each use.
    ConnexionSqlite(QString nomConnexion, std::function<QString()> fichier, Verification controle);
    ~ConnexionSqlite() override;

    ProblemeBase Probleme(const QSqlError& erreur) const override;
    QStringList ColonnesObligatoires(QSqlDatabase& base, const QString& table) const override;
    // The file's user_version, 0 for a file made before there were versions.
    std::optional<int> Version(QSqlDatabase& base) const override;
    bool serveur() const override { return false; }

protected:
    ProblemeBase Joindre(QString& marque) const override;
    ProblemeBase Connecter(const QString& nomQt) override;
    QStringList DebutEcriture() const override;
    ProblemeBase Patienter(QSqlDatabase& base, bool longtemps) const override;
    bool Perdue() const override { return false; }

private:
    QString chemin() const;

    std::function<QString()> fichier;
};
