// A connection to an SQLite file of the working folder, made for a store that
// the set-up provides: the program never creates the file or its table. Each
// use checks that the connection still reaches the file at that name, so a
// store put back or replaced while the program runs is the one used. Faults
// come back as what went wrong, for the windows to tell in plain words.
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <functional>

class QSqlError;
class QSqlQuery;

enum class ProblemeBase {
    Aucun,
    Absent,         // no file of that name
    Inaccessible,   // the file or its folder cannot be read or written
    PasUneBase,     // not an SQLite file, damaged, or without the expected table
    LectureSeule,   // the file cannot be written
    Verrouille,     // another program holds it longer than we wait
    DisquePlein,
};

// A value read from the store, or the reason it could not be.
template<typename T>
struct Lecture
{
    T valeur{};
    ProblemeBase probleme = ProblemeBase::Aucun;
    explicit operator bool() const { return probleme == ProblemeBase::Aucun; }
};

class BaseDonnees
{
public:
    // Another program holding the file is waited for this long.
    static constexpr int AttenteMs = 5000;

    // The connection's name is Qt's; the table must hold at least these columns.
    BaseDonnees(QString nomConnexion, QString fichier, QString table, QStringList colonnes);
    ~BaseDonnees();
    BaseDonnees(const BaseDonnees&) = delete;
    BaseDonnees& operator=(const BaseDonnees&) = delete;

    // Opens the file unless the connection is open on it already.
    ProblemeBase Ouvrir();
    void Fermer();
    QString nomConnexion() const { return nom; }

    // Opens if need be, then prepares and runs the statement with its values.
    ProblemeBase Executer(QSqlQuery& requete, const QString& sql, const QVariantList& valeurs = {});
    // Runs the work inside one write transaction: all of it is kept, or none.
    ProblemeBase Transaction(const std::function<ProblemeBase(QSqlDatabase&)>& travail);
    // What a failed statement means for the user.
    ProblemeBase Probleme(const QSqlError& erreur) const;

private:
    ProblemeBase Connecter(const QString& chemin);
    ProblemeBase VerifierTable();
    QSqlDatabase connexion() const;

    QString nom;
    QString fichier;
    QString table;
    QStringList colonnes;
    bool ouverte = false;
    QString identite;
};

// A table or column name as SQL reads it, quoted.
QString NomSql(const QString& nom);

// Makes a new store at that path from a file of SQL statements separated by
// ";" (lines starting with "--" are comments). An existing file is never
// replaced. On failure, says why in the text given.
bool CreerBase(const QString& schema, const QString& fichier, QString* erreur = nullptr);
