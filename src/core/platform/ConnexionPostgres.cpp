// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ConnexionPostgres.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

// A server that does not answer is waited for this long.
constexpr int DelaiConnexionS = 5;

QString Code(const QSqlError& erreur)
{
    return erreur.nativeErrorCode();
}

} // namespace

ConnexionPostgres::ConnexionPostgres(QString nomConnexion, ConfigurationServeur configuration_,
                                     Verification controle)
    : Connexion(std::move(nomConnexion), std::move(controle)), configuration(std::move(configuration_))
{
}

ConnexionPostgres::~ConnexionPostgres()
{
    Fermer();
}

ProblemeBase ConnexionPostgres::Joindre(QString& marque) const
{
    // Only connecting tells whether the server answers.
    marque = configuration.description();
    return ProblemeBase::Aucun;
}

ProblemeBase ConnexionPostgres::Connecter(const QString& nomQt)
{
    QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), nomQt);
    if (!base.isValid())
        return ProblemeBase::Absent;   // the driver is not installed
    base.setHostName(configuration.hote);
    if (configuration.port > 0)
        base.setPort(configuration.port);
    base.setDatabaseName(configuration.base);
    QString options = QStringLiteral("connect_timeout=%1").arg(DelaiConnexionS);
    if (!configuration.service.isEmpty())
        options += QStringLiteral(";service=") + configuration.service;
    base.setConnectOptions(options);
    return base.open() ? ProblemeBase::Aucun : Probleme(base.lastError());
}

QStringList ConnexionPostgres::DebutEcriture() const
{
    // One user's saves one after the other, whatever program makes them, so
    // that a save finds the date and time the one before took; other users
    // are not held.
    return {QStringLiteral("BEGIN"), QStringLiteral("SELECT pg_advisory_xact_lock(hashtext(current_user))")};
}

bool ConnexionPostgres::Perdue(const QSqlError& erreur) const
{
    const QString code = Code(erreur);
    return code.startsWith(QStringLiteral("08")) || code.startsWith(QStringLiteral("57P"))
        || (code.isEmpty() && erreur.type() == QSqlError::ConnectionError)
        || !connexion().isOpen();
}

ProblemeBase ConnexionPostgres::Probleme(const QSqlError& erreur) const
{
    const QString code = Code(erreur);
    if (code.isEmpty()) {
        // A connection refused: the message alone says why.
        const QString texte = erreur.databaseText();
        if (texte.contains(QStringLiteral("authentication")) || texte.contains(QStringLiteral("role")))
            return ProblemeBase::Inaccessible;
        if (texte.contains(QStringLiteral("database")) && texte.contains(QStringLiteral("does not exist")))
            return ProblemeBase::PasUneBase;
        return ProblemeBase::Absent;
    }
    if (code.startsWith(QStringLiteral("08")) || code.startsWith(QStringLiteral("57P")))
        return ProblemeBase::Absent;
    if (code.startsWith(QStringLiteral("28")) || code == QStringLiteral("42501"))
        return ProblemeBase::Inaccessible;
    if (code == QStringLiteral("42P01") || code == QStringLiteral("42703") || code == QStringLiteral("3D000"))
        return ProblemeBase::PasUneBase;
    if (code == QStringLiteral("25006"))
        return ProblemeBase::LectureSeule;
    if (code == QStringLiteral("55P03") || code.startsWith(QStringLiteral("40")))
        return ProblemeBase::Verrouille;
    if (code.startsWith(QStringLiteral("53")))
        return ProblemeBase::DisquePlein;
    return ProblemeBase::Inaccessible;
}

QStringList ConnexionPostgres::ColonnesObligatoires(QSqlDatabase& base, const QString& table) const
{
    QSqlQuery requete(base);
    requete.prepare(QStringLiteral(
        "SELECT column_name FROM information_schema.columns WHERE table_schema = current_schema() "
        "AND table_name = ? AND is_nullable = 'NO' AND column_default IS NULL AND is_identity = 'NO'"));
    requete.addBindValue(table);
    QStringList colonnes;
    if (requete.exec())
        while (requete.next())
            colonnes << requete.value(0).toString();
    return colonnes;
}
