// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Ecole.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

namespace {

// A connection of that name, as that role.
QSqlDatabase Connecter(const QString& nom, const QString& role)
{
    QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), nom);
    base.setDatabaseName(QStringLiteral("calkado"));
    base.setUserName(role);
    base.setPassword(role == Administrateur() ? qEnvironmentVariable("CALKADO_MOT_DE_PASSE_ADMINISTRATEUR") : role);
    base.open();
    return base;
}

// Runs the statements one after the other (Qt's driver would run the first
// alone), stopping at the first that fails.
bool Executer(QSqlQuery& requete, const QString& sql)
{
    static const QRegularExpression separateur(QStringLiteral(";\\s+"));
    for (const QString& instruction : sql.split(separateur, Qt::SkipEmptyParts))
        if (!requete.exec(instruction))
            return false;
    return true;
}

} // namespace

QString Administrateur()
{
    return qEnvironmentVariable("CALKADO_ADMINISTRATEUR");
}

QString Comme(const QString& role, const QString& sql)
{
    QString issue;
    const QString nom = QStringLiteral("comme ") + role;
    {
        QSqlDatabase base = Connecter(nom, role);
        QSqlQuery requete(base);
        if (!base.isOpen() || !Executer(requete, sql))
            issue = QStringLiteral("refusé");
        else if (requete.isSelect())
            issue = requete.next() ? requete.value(0).toString() : QString();
        else
            issue = QString::number(requete.numRowsAffected());
    }
    QSqlDatabase::removeDatabase(nom);
    return issue;
}

void Administrer(const QStringList& sql, QStringList* lus)
{
    {
        QSqlDatabase base = Connecter(QStringLiteral("administrateur"), Administrateur());
        if (!base.isOpen())
            qFatal("%s", qPrintable(base.lastError().text()));
        QSqlQuery requete(base);
        for (const QString& s : sql) {
            if (!requete.exec(s))
                qFatal("%s : %s", qPrintable(s), qPrintable(requete.lastError().text()));
            if (lus && requete.isSelect() && requete.next())
                *lus << requete.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("administrateur"));
}

Session::Session(const QString& role)
    : nom(QStringLiteral("session ") + role)
{
    Connecter(nom, role);
}

Session::~Session()
{
    QSqlDatabase::database(nom, false).close();
    QSqlDatabase::removeDatabase(nom);
}

bool Session::executer(const QString& sql)
{
    QSqlQuery requete(QSqlDatabase::database(nom, false));
    return Executer(requete, sql);
}

bool ParlerLangue(const QString& langue)
{
    if (Comme(Administrateur(), QStringLiteral("ALTER SYSTEM SET lc_messages = '%1'").arg(langue)) == QLatin1String("refusé"))
        return false;
    Administrer({QStringLiteral("SELECT pg_reload_conf()")});
    // A new session speaks it: its division by zero says so.
    QString message;
    {
        QSqlDatabase base = Connecter(QStringLiteral("langue"), Administrateur());
        QSqlQuery requete(base);
        requete.exec(QStringLiteral("SELECT 1 / 0"));
        message = requete.lastError().databaseText();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("langue"));
    const bool francais = langue.startsWith(QLatin1String("fr"));
    return message.contains(francais ? QStringLiteral("division par zéro") : QStringLiteral("division by zero"));
}

int LancerScript(const QString& script)
{
    QProcess psql;
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.insert(QStringLiteral("PGUSER"), Administrateur());
    environnement.insert(QStringLiteral("PGPASSWORD"), qEnvironmentVariable("CALKADO_MOT_DE_PASSE_ADMINISTRATEUR"));
    psql.setProcessEnvironment(environnement);
    psql.setProcessChannelMode(QProcess::ForwardedChannels);
    psql.start(QStringLiteral("psql"), {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-v"),
                                        QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-d"),
                                        QStringLiteral("calkado"), QStringLiteral("-f"), script});
    return psql.waitForFinished(120000) && psql.exitStatus() == QProcess::NormalExit ? psql.exitCode() : -1;
}
