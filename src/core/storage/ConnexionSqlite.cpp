// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ConnexionSqlite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/stat.h>
#endif

namespace {

// Result codes of SQLite (primary codes, as Qt's driver reports them).
enum CodeSqlite {
    SQLITE_ERROR_ = 1,
    SQLITE_BUSY_ = 5,
    SQLITE_LOCKED_ = 6,
    SQLITE_READONLY_ = 8,
    SQLITE_CORRUPT_ = 11,
    SQLITE_FULL_ = 13,
    SQLITE_NOTADB_ = 26,
};

// SQLite's own wait for a lock at a first try: a moment.
constexpr int MomentMs = 50;

// Tells one file from another put in its place under the same name; empty
// when nothing can be reached at that name.
QString IdentiteFichier(const QString& chemin)
{
#ifdef Q_OS_UNIX
    struct stat etat {};
    if (::stat(QFile::encodeName(chemin).constData(), &etat) != 0)
        return {};
    return QStringLiteral("%1:%2").arg(etat.st_dev).arg(etat.st_ino);
#else
    const QFileInfo info(chemin);
    return info.exists() ? info.birthTime().toString(Qt::ISODateWithMs) : QString();
#endif
}

// Why nothing can be reached at that name: no file there (a link to a file
// that is not there names a missing file), or something that cannot be
// read, such as a link that loops or a folder closed to the user.
ProblemeBase Injoignable(const QString& chemin)
{
#ifdef Q_OS_UNIX
    struct stat etat {};
    if (::stat(QFile::encodeName(chemin).constData(), &etat) == 0)
        return ProblemeBase::Inaccessible;
    return errno == ENOENT || errno == ENOTDIR ? ProblemeBase::Absent : ProblemeBase::Inaccessible;
#else
    return QFileInfo::exists(chemin) ? ProblemeBase::Inaccessible : ProblemeBase::Absent;
#endif
}

} // namespace

ConnexionSqlite::ConnexionSqlite(QString nomConnexion, std::function<QString()> fichier_, Verification controle)
    : Connexion(std::move(nomConnexion), std::move(controle)), fichier(std::move(fichier_))
{
}

QString ConnexionSqlite::chemin() const
{
    return QDir::current().absoluteFilePath(fichier());
}

ConnexionSqlite::~ConnexionSqlite()
{
    Fermer();
}

ProblemeBase ConnexionSqlite::Joindre(QString& marque) const
{
    const QString ici = chemin();
    marque = IdentiteFichier(ici);
    return marque.isEmpty() ? Injoignable(ici) : ProblemeBase::Aucun;
}

ProblemeBase ConnexionSqlite::Connecter(const QString& nomQt)
{
    QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nomQt);
    // "mode=rw": SQLite must never make the file when it is missing.
    QUrl adresse = QUrl::fromLocalFile(chemin());
    adresse.setQuery(QStringLiteral("mode=rw"));
    base.setDatabaseName(adresse.toString(QUrl::FullyEncoded));
    base.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(MomentMs));
    return base.open() ? ProblemeBase::Aucun : Probleme(base.lastError());
}

QStringList ConnexionSqlite::DebutEcriture() const
{
    // IMMEDIATE takes the write lock at once, so that waiting for another
    // program happens before anything is read or written.
    return {QStringLiteral("BEGIN IMMEDIATE")};
}

ProblemeBase ConnexionSqlite::Patienter(QSqlDatabase& base, bool longtemps) const
{
    QSqlQuery requete(base);
    return requete.exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(longtemps ? AttenteMs : MomentMs))
               ? ProblemeBase::Aucun
               : Probleme(requete.lastError());
}

ProblemeBase ConnexionSqlite::Probleme(const QSqlError& erreur) const
{
    switch (erreur.nativeErrorCode().toInt() & 0xff) {
    case SQLITE_BUSY_:
    case SQLITE_LOCKED_:
        return ProblemeBase::Verrouille;
    case SQLITE_READONLY_:
        return ProblemeBase::LectureSeule;
    case SQLITE_FULL_:
        return ProblemeBase::DisquePlein;
    case SQLITE_ERROR_:   // a table or column that is not there
    case SQLITE_CORRUPT_:
    case SQLITE_NOTADB_:
        return ProblemeBase::PasUneBase;
    default: {
        // A file made read-only after it was opened fails as a write error.
        const QFileInfo info(chemin());
        if (!info.exists())
            return Injoignable(info.absoluteFilePath());
        return info.isReadable() && !info.isWritable() ? ProblemeBase::LectureSeule
                                                       : ProblemeBase::Inaccessible;
    }
    }
}

std::optional<int> ConnexionSqlite::Version(QSqlDatabase& base) const
{
    QSqlQuery requete(base);
    return requete.exec(QStringLiteral("PRAGMA user_version")) && requete.next() ? requete.value(0).toInt() : 0;
}


QStringList ConnexionSqlite::ColonnesObligatoires(QSqlDatabase& base, const QString& table) const
{
    QSqlQuery requete(base);
    QStringList colonnes;
    if (!requete.exec(QStringLiteral("PRAGMA table_info(%1)").arg(NomSql(table))))
        return colonnes;
    // An INTEGER PRIMARY KEY is the row's own number and fills itself.
    const QSqlRecord champs = requete.record();
    const int colonne = champs.indexOf(QStringLiteral("name")), type = champs.indexOf(QStringLiteral("type")),
              obligatoire = champs.indexOf(QStringLiteral("notnull")),
              defaut = champs.indexOf(QStringLiteral("dflt_value")), cle = champs.indexOf(QStringLiteral("pk"));
    while (requete.next()) {
        const bool cleAuto = requete.value(cle).toInt() > 0
                          && requete.value(type).toString().compare(QStringLiteral("INTEGER"), Qt::CaseInsensitive) == 0;
        if (requete.value(obligatoire).toInt() != 0 && requete.value(defaut).isNull() && !cleAuto)
            colonnes << requete.value(colonne).toString();
    }
    return colonnes;
}
