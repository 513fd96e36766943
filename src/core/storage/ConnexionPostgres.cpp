// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ConnexionPostgres.h"

#include <QElapsedTimer>
#include <QLibrary>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include <libpq-fe.h>
#include <poll.h>

#include <memory>
#include <type_traits>
#include <vector>

namespace {

// libpq, loaded the first time the school's server is reached rather than
// at start-up: a computer at home never pays for it (it brings some twenty
// libraries: Kerberos, LDAP, TLS). Qt's PostgreSQL driver loads the same
// library for its own connections. Empty when it cannot be loaded.
struct Libpq
{
    decltype(&PQconnectStartParams) connectStartParams = nullptr;
    decltype(&PQconnectPoll) connectPoll = nullptr;
    decltype(&PQconnectionNeedsPassword) connectionNeedsPassword = nullptr;
    decltype(&PQerrorMessage) errorMessage = nullptr;
    decltype(&PQfinish) finish = nullptr;
    decltype(&PQsetErrorVerbosity) setErrorVerbosity = nullptr;
    decltype(&PQsocket) socket = nullptr;
    decltype(&PQstatus) status = nullptr;

    bool chargee() const
    {
        return connectStartParams && connectPoll && connectionNeedsPassword && errorMessage && finish
            && setErrorVerbosity && socket && status;
    }
};

Libpq ChargerLibpq()
{
    QLibrary bibliotheque(QStringLiteral("pq"), 5);   // never unloaded: Qt's driver shares it
    Libpq pq;
    if (!bibliotheque.load())
        return pq;
    const auto resoudre = [&bibliotheque](auto& fonction, const char* nom) {
        fonction = reinterpret_cast<std::remove_reference_t<decltype(fonction)>>(bibliotheque.resolve(nom));
    };
    resoudre(pq.connectStartParams, "PQconnectStartParams");
    resoudre(pq.connectPoll, "PQconnectPoll");
    resoudre(pq.connectionNeedsPassword, "PQconnectionNeedsPassword");
    resoudre(pq.errorMessage, "PQerrorMessage");
    resoudre(pq.finish, "PQfinish");
    resoudre(pq.setErrorVerbosity, "PQsetErrorVerbosity");
    resoudre(pq.socket, "PQsocket");
    resoudre(pq.status, "PQstatus");
    return pq.chargee() ? pq : Libpq{};
}

const Libpq& Pq()
{
    static const Libpq pq = ChargerLibpq();
    return pq;
}

// What each SQLSTATE means for the user, a whole code before its class (its
// first two characters). The codes are those of PostgreSQL's manual,
// appendix A, "PostgreSQL Error Codes".
struct SensEtat
{
    const char* etat;
    ProblemeBase probleme;
};
constexpr SensEtat Sens[] = {
    {"57P01", ProblemeBase::Absent},        // admin_shutdown
    {"57P02", ProblemeBase::Absent},        // crash_shutdown
    {"57P03", ProblemeBase::Absent},        // cannot_connect_now: starting or stopping
    {"42501", ProblemeBase::Inaccessible},  // insufficient_privilege
    {"3D000", ProblemeBase::PasUneBase},    // invalid_catalog_name: no such database
    {"25006", ProblemeBase::LectureSeule},  // read_only_sql_transaction
    {"55P03", ProblemeBase::Verrouille},    // lock_not_available: lock_timeout
    {"57014", ProblemeBase::Verrouille},    // query_canceled: statement_timeout
    {"53100", ProblemeBase::DisquePlein},   // disk_full
    {"08", ProblemeBase::Absent},           // connection exception
    {"28", ProblemeBase::Inaccessible},     // invalid authorization: unknown account, wrong password
    {"42", ProblemeBase::PasUneBase},       // a table, column or function that is not there
    {"40", ProblemeBase::Verrouille},       // transaction rollback: deadlock, serialization
    {"53", ProblemeBase::Verrouille},       // insufficient resources: too many connections, memory
    {"23", ProblemeBase::Refuse},           // integrity constraint violation: the tables' rules
    {"22", ProblemeBase::Refuse},           // data exception: a value out of range
};

// Qt's driver keeps no SQLSTATE of a connection refused: connects again
// through libpq, asking for the codes alone in its messages, within the same
// time. The SQLSTATE of its refusal, "00000" when it was let in, or nothing
// when no server answered in time.
QString EtatConnexion(const ConfigurationServeur& c)
{
    std::vector<const char*> cles, valeurs;
    const QByteArray hote = c.hote.toUtf8(), port = QByteArray::number(c.port), base = c.base.toUtf8(),
                     service = c.service.toUtf8(), delai = QByteArray::number(ConnexionPostgres::DelaiConnexionS);
    for (const auto& [cle, valeur] : {std::pair{"host", &hote}, {"port", &port}, {"dbname", &base},
                                      {"service", &service}, {"connect_timeout", &delai}})
        if (!valeur->isEmpty() && *valeur != "0") {
            cles.push_back(cle);
            valeurs.push_back(valeur->constData());
        }
    cles.push_back(nullptr);
    valeurs.push_back(nullptr);
    const Libpq& pq = Pq();
    if (!pq.chargee())
        return {};
    const std::unique_ptr<PGconn, decltype(&PQfinish)> essai(pq.connectStartParams(cles.data(), valeurs.data(), 0),
                                                             pq.finish);
    if (!essai || pq.status(essai.get()) == CONNECTION_BAD)
        return {};
    pq.setErrorVerbosity(essai.get(), PQERRORS_SQLSTATE);
    QElapsedTimer duree;
    duree.start();
    PostgresPollingStatusType etat = PGRES_POLLING_WRITING;
    while (etat != PGRES_POLLING_OK && etat != PGRES_POLLING_FAILED) {
        pollfd attente{pq.socket(essai.get()), short(etat == PGRES_POLLING_READING ? POLLIN : POLLOUT), 0};
        const qint64 reste = ConnexionPostgres::DelaiConnexionS * 1000 - duree.elapsed();
        if (reste <= 0 || poll(&attente, 1, int(reste)) <= 0)
            return {};
        etat = pq.connectPoll(essai.get());
    }
    if (etat == PGRES_POLLING_OK)
        return QStringLiteral("00000");
    // The server asked for a password that the user does not have (none in
    // their ~/.pgpass): libpq gave up without asking the server more.
    if (pq.connectionNeedsPassword(essai.get()))
        return QStringLiteral("28P01");
    // "FATAL:  28P01" in the server's language for its severity; the code last.
    static const QRegularExpression code(QStringLiteral(R"(:\s+([0-9A-Z]{5})\s*$)"));
    return code.match(QString::fromUtf8(pq.errorMessage(essai.get())).trimmed()).captured(1);
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
    return configuration.fichierIllisible.isEmpty() ? ProblemeBase::Aucun : ProblemeBase::Configuration;
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
    // A server that accepts and never answers is given up; a network cut
    // while a statement runs is noticed within seconds (keepalives, and the
    // time unacknowledged data may wait); a lock or a statement that would
    // hold the window longer is cancelled by the server itself. The queries
    // are small: compiling them (JIT) would take longer than running them.
    QString options = QStringLiteral("connect_timeout=%1;keepalives_idle=2;keepalives_interval=1;keepalives_count=2;"
                                     "tcp_user_timeout=%2;options='-c lock_timeout=%3 -c statement_timeout=%4 -c jit=off'")
                          .arg(DelaiConnexionS)
                          .arg(LimiteInstructionMs)
                          .arg(MomentVerrouMs)
                          .arg(LimiteInstructionMs);
    if (!configuration.service.isEmpty())
        options += QStringLiteral(";service=") + configuration.service;
    base.setConnectOptions(options);
    QElapsedTimer duree;
    duree.start();
    if (base.open())
        return ProblemeBase::Aucun;
    // A server that let no one in within the time: it does not answer.
    if (duree.elapsed() >= DelaiConnexionS * 1000 - 100)
        return ProblemeBase::Absent;
    const QString etat = EtatConnexion(configuration);
    if (etat == QLatin1String("00000"))
        return base.open() ? ProblemeBase::Aucun : ProblemeBase::Absent;   // it has just come up
    return ProblemeEtat(etat);
}

QStringList ConnexionPostgres::DebutEcriture() const
{
    // One pupil's saves one after the other, whatever program makes them, so
    // that a save finds the date and time the one before took; others are
    // not held. Only the pupil's own sessions can take that lock.
    return {QStringLiteral("BEGIN"), QStringLiteral("SELECT calkado_verrouiller()")};
}

ProblemeBase ConnexionPostgres::Patienter(QSqlDatabase& base, bool longtemps) const
{
    QSqlQuery requete(base);
    return requete.exec(QStringLiteral("SET lock_timeout = %1").arg(longtemps ? AttenteMs : MomentVerrouMs))
               ? ProblemeBase::Aucun
               : Probleme(requete.lastError());
}

bool ConnexionPostgres::Perdue() const
{
    const QSqlDatabase base = connexion();
    const QVariant poignee = base.driver() ? base.driver()->handle() : QVariant();
    if (!poignee.isValid() || qstrcmp(poignee.typeName(), "PGconn*") != 0)
        return true;
    PGconn* const lien = *static_cast<PGconn* const*>(poignee.constData());
    return !lien || !Pq().chargee() || Pq().status(lien) != CONNECTION_OK;
}

ProblemeBase ConnexionPostgres::Probleme(const QSqlError& erreur) const
{
    return ProblemeEtat(erreur.nativeErrorCode());
}

ProblemeBase ConnexionPostgres::ProblemeEtat(const QString& etat)
{
    // libpq's own failures carry no SQLSTATE: the server never answered.
    if (etat.isEmpty())
        return ProblemeBase::Absent;
    for (const SensEtat& s : Sens)
        if (etat == QLatin1String(s.etat))
            return s.probleme;
    for (const SensEtat& s : Sens)
        if (qstrlen(s.etat) == 2 && etat.startsWith(QLatin1String(s.etat)))
            return s.probleme;
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
