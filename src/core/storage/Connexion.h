// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A store of the program as Qt SQL reaches it, whatever the engine: a named
// connection opened on demand and checked as it opens, statements run with
// their values, work done in one write transaction, and faults in a few kinds
// that the windows tell in plain words. A failed use closes the connection,
// so that the next one starts afresh. Nothing here waits longer than a few
// seconds, and nothing runs the windows' events meanwhile: a store held by
// another program is waited for a moment, then once more up to AttenteMs
// with the windows told (they show the busy cursor), then reported. What
// each engine has of its own (the SQLite file, the PostgreSQL server) is in
// its subclass.
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>
#include <optional>

class QSqlError;
class QSqlQuery;

enum class ProblemeBase {
    Aucun,
    Absent,         // no file of that name, or no server answering
    Inaccessible,   // the file or its folder cannot be read or written, or the server refuses the user
    PasUneBase,     // not an SQLite file, damaged, or without the expected tables
    LectureSeule,   // nothing can be written
    Verrouille,     // another program holds it longer than we wait, or the server is too busy
    DisquePlein,
    Introuvable,    // what was to be deleted is not there any more
    Refuse,         // the server refuses values that Calkado does not write, or too many of them
    Configuration,  // the configuration file that names the server cannot be read or understood
};

// A value read from the store, or the reason it could not be.
template<typename T>
struct Lecture
{
    T valeur{};
    ProblemeBase probleme = ProblemeBase::Aucun;
    explicit operator bool() const { return probleme == ProblemeBase::Aucun; }
};

// A table or column name as SQL reads it, quoted.
QString NomSql(const QString& nom);

class Connexion
{
public:
    // Another program holding the store is waited for this long, after a
    // first try that waits a moment only.
    static constexpr int AttenteMs = 3000;
    // A first try that failed after this long is not tried again.
    static constexpr int EssaiCourtMs = 1000;

    // Checks a freshly opened connection: whether it holds the expected tables.
    using Verification = std::function<ProblemeBase(QSqlDatabase&)>;
    using Travail = std::function<ProblemeBase(QSqlDatabase&)>;

    // The connection's name is Qt's.
    Connexion(QString nomConnexion, Verification verification);
    virtual ~Connexion();
    Connexion(const Connexion&) = delete;
    Connexion& operator=(const Connexion&) = delete;

    // Opens the store unless the connection is open on it already.
    ProblemeBase Ouvrir();
    void Fermer();
    QString nomConnexion() const { return nom; }

    // Opens if need be, then prepares and runs the statement with its values.
    ProblemeBase Executer(QSqlQuery& requete, const QString& sql, const QVariantList& valeurs = {});
    // Runs the work inside one write transaction: all of it is kept, or none.
    ProblemeBase Transaction(const Travail& travail);
    // The same on a connection being opened, without waiting for another
    // program: a failure leaves the store as it was.
    ProblemeBase EcrireSansAttendre(QSqlDatabase& base, const Travail& travail);
    // Runs the statements in order, stopping at the first that fails.
    ProblemeBase Appliquer(QSqlDatabase& base, const QStringList& instructions) const;

    // Told true when a use starts waiting for another program to let go of
    // the store, false when the wait is over.
    void QuandAttente(std::function<void(bool)> signal) { quandAttente = std::move(signal); }

    // The last transaction failed as it committed, the store out of reach:
    // whether it was kept can only be told by looking.
    bool commitIncertain() const { return incertain; }

    // What a failed statement means for the user.
    virtual ProblemeBase Probleme(const QSqlError& erreur) const = 0;
    // The columns of the table that a row must be given, having neither a
    // default value nor a key that fills itself.
    virtual QStringList ColonnesObligatoires(QSqlDatabase& base, const QString& table) const = 0;
    // The version of the schema of a store that the program brings up to
    // date itself; none for one that its administrator keeps.
    virtual std::optional<int> Version(QSqlDatabase& base) const;
    // A server shared by many users, rather than a file of the user's own.
    virtual bool serveur() const = 0;

protected:
    // Whether the store can be reached, with what tells it from another put
    // in its place under the same name.
    virtual ProblemeBase Joindre(QString& marque) const = 0;
    // Adds the connection of that name to Qt and opens it.
    virtual ProblemeBase Connecter(const QString& nomQt) = 0;
    // The statements that begin a write transaction.
    virtual QStringList DebutEcriture() const = 0;
    // Makes the connection wait for another program a moment, or up to AttenteMs.
    virtual ProblemeBase Patienter(QSqlDatabase& base, bool longtemps) const = 0;
    // Whether the connection itself is lost (a server stopped or restarted).
    virtual bool Perdue() const = 0;

    QSqlDatabase connexion() const;

private:
    // Runs the use on the store, opened if need be. A connection lost since
    // the last use (a server restarted meanwhile) is opened afresh and the
    // use made again, unless a commit may have been kept.
    ProblemeBase Utiliser(const Travail& usage);
    // Runs the try; when another program held the store, and the try was
    // short, once more waiting for it up to AttenteMs.
    ProblemeBase Essayer(QSqlDatabase& base, const std::function<ProblemeBase()>& essai);
    ProblemeBase Ecrire(QSqlDatabase& base, const Travail& travail);

    QString nom;
    Verification verification;
    std::function<void(bool)> quandAttente;
    bool ouverte = false;
    bool incertain = false;
    QString identite;
};
