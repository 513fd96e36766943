// The SQLite side of a store: a named connection to a file of the working
// folder, which the set-up provides (the program never creates the file).
// Each use checks that the connection still reaches the file at that name, so
// a store put back or replaced while the program runs is the one used. A
// failed use closes the connection, so that the next one starts afresh.
// Everything that only SQLite has (the file's identity, the URI, the wait for
// a lock, the write transaction, its result codes) is here.
#pragma once

#include "Connexion.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>
#include <functional>

class QSqlError;
class QSqlQuery;

class ConnexionSqlite
{
public:
    // Another program holding the file is waited for this long.
    static constexpr int AttenteMs = 5000;

    // Checks a freshly opened connection: whether it holds the expected tables.
    using Verification = std::function<ProblemeBase(QSqlDatabase&)>;

    // The connection's name is Qt's.
    ConnexionSqlite(QString nomConnexion, QString fichier, Verification verification);
    ~ConnexionSqlite();
    ConnexionSqlite(const ConnexionSqlite&) = delete;
    ConnexionSqlite& operator=(const ConnexionSqlite&) = delete;

    // Opens the file unless the connection is open on it already.
    ProblemeBase Ouvrir();
    void Fermer();
    QString nomConnexion() const { return nom; }

    // Opens if need be, then prepares and runs the statement with its values.
    ProblemeBase Executer(QSqlQuery& requete, const QString& sql, const QVariantList& valeurs = {});
    // Runs the work inside one write transaction: all of it is kept, or none.
    ProblemeBase Transaction(const std::function<ProblemeBase(QSqlDatabase&)>& travail);
    // The same on a connection being opened, without waiting for another
    // program: a failure leaves the file as it was.
    ProblemeBase EcrireSansAttendre(QSqlDatabase& base, const std::function<ProblemeBase(QSqlDatabase&)>& travail);
    // Runs the statements in order, stopping at the first that fails.
    ProblemeBase Appliquer(QSqlDatabase& base, const QStringList& instructions) const;
    // What a failed statement means for the user.
    ProblemeBase Probleme(const QSqlError& erreur) const;

    // Told true when a use starts waiting for another program to let go of
    // the file, false when the wait is over.
    void QuandAttente(std::function<void(bool)> signal) { quandAttente = std::move(signal); }

    // The columns of the table that a row must be given, having neither a
    // default value nor a key that fills itself. Empty when the table cannot
    // be read.
    static QStringList ColonnesObligatoires(QSqlDatabase& base, const QString& table);
    // The version of the file's schema (its user_version), 0 for a file made
    // before there were versions.
    static int Version(QSqlDatabase& base);

private:
    ProblemeBase Connecter(const QString& chemin);
    // Runs the try again while another program holds the file, up to
    // AttenteMs, keeping the windows painted in between.
    ProblemeBase Essayer(const std::function<ProblemeBase()>& essai);
    ProblemeBase Ecrire(QSqlDatabase& base, const std::function<ProblemeBase(QSqlDatabase&)>& travail,
                        bool attendre);
    QSqlDatabase connexion() const;

    QString nom;
    QString fichier;
    Verification verification;
    std::function<void(bool)> quandAttente;
    bool ouverte = false;
    QString identite;
};

// A schema is a text of SQL statements, each ending with a ";" that ends its
// line ("--" starts a comment), in sections that each end with the version
// they bring a store to ("PRAGMA user_version = 1"). These are its statements
// after the section of the version given, all of them by default.
QStringList InstructionsSchema(const QString& schema, int depuis = -1);
// The version a store made from the whole schema has.
int VersionSchema(const QString& schema);

// Makes a new store at that path from a schema file. An existing file is
// never replaced. On failure, says why in the text given.
bool CreerBase(const QString& schema, const QString& fichier, QString* erreur = nullptr);
