// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Connexion.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>

QString NomSql(const QString& nom)
{
    return QLatin1Char('"') + QString(nom).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

Connexion::Connexion(QString nomConnexion, Verification verification_)
    : nom(std::move(nomConnexion)), verification(std::move(verification_))
{
}

Connexion::~Connexion()
{
    Fermer();
}

QSqlDatabase Connexion::connexion() const
{
    return QSqlDatabase::database(nom, false);
}

std::optional<int> Connexion::Version(QSqlDatabase&) const
{
    return std::nullopt;
}

ProblemeBase Connexion::Ouvrir()
{
    QString actuelle;
    const ProblemeBase joint = Joindre(actuelle);
    if (ouverte && joint == ProblemeBase::Aucun && actuelle == identite)
        return ProblemeBase::Aucun;
    Fermer();
    if (joint != ProblemeBase::Aucun)
        return joint;

    ouverte = true;
    identite = actuelle;
    ProblemeBase probleme = Connecter(nom);
    if (probleme == ProblemeBase::Aucun) {
        QSqlDatabase base = connexion();
        probleme = Essayer([&] { return verification(base); });
    }
    if (probleme != ProblemeBase::Aucun)
        Fermer();
    return probleme;
}

void Connexion::Fermer()
{
    if (!QSqlDatabase::contains(nom))
        return;
    connexion().close();
    QSqlDatabase::removeDatabase(nom);
    ouverte = false;
    identite.clear();
}

ProblemeBase Connexion::Essayer(const std::function<ProblemeBase()>& essai)
{
    ProblemeBase probleme = essai();
    if (probleme != ProblemeBase::Verrouille)
        return probleme;
    // Another program holds the store: tried again until it lets go or the
    // wait is over, the windows painted meanwhile.
    if (quandAttente)
        quandAttente(true);
    QElapsedTimer attente;
    attente.start();
    while (probleme == ProblemeBase::Verrouille && attente.elapsed() < AttenteMs) {
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        probleme = essai();
    }
    if (quandAttente)
        quandAttente(false);
    return probleme;
}

ProblemeBase Connexion::Executer(QSqlQuery& requete, const QString& sql, const QVariantList& valeurs)
{
    if (const ProblemeBase probleme = Ouvrir(); probleme != ProblemeBase::Aucun)
        return probleme;
    requete = QSqlQuery(connexion());
    requete.setForwardOnly(true);
    const ProblemeBase probleme = Essayer([&] {
        if (!requete.prepare(sql))
            return Probleme(requete.lastError());
        for (const QVariant& valeur : valeurs)
            requete.addBindValue(valeur);
        return requete.exec() ? ProblemeBase::Aucun : Probleme(requete.lastError());
    });
    if (probleme != ProblemeBase::Aucun) {
        requete = QSqlQuery();
        Fermer();
    }
    return probleme;
}

ProblemeBase Connexion::Transaction(const Travail& travail)
{
    if (const ProblemeBase probleme = Ouvrir(); probleme != ProblemeBase::Aucun)
        return probleme;
    QSqlDatabase base = connexion();
    const ProblemeBase probleme = Ecrire(base, travail, true);
    if (probleme != ProblemeBase::Aucun) {
        // The next use starts afresh from the store as it is then.
        base = QSqlDatabase();
        Fermer();
    }
    return probleme;
}

ProblemeBase Connexion::EcrireSansAttendre(QSqlDatabase& base, const Travail& travail)
{
    return Ecrire(base, travail, false);
}

ProblemeBase Connexion::Ecrire(QSqlDatabase& base, const Travail& travail, bool attendre)
{
    incertain = false;
    QSqlQuery commande(base);
    const auto executer = [&](const QString& sql) {
        const auto essai = [&] { return commande.exec(sql) ? ProblemeBase::Aucun : Probleme(commande.lastError()); };
        return attendre ? Essayer(essai) : essai();
    };
    ProblemeBase probleme = ProblemeBase::Aucun;
    for (const QString& debut : DebutEcriture())
        if (probleme == ProblemeBase::Aucun)
            probleme = executer(debut);
    if (probleme == ProblemeBase::Aucun)
        probleme = travail(base);
    if (probleme == ProblemeBase::Aucun) {
        probleme = executer(QStringLiteral("COMMIT"));
        incertain = probleme != ProblemeBase::Aucun && Perdue(commande.lastError());
    }
    if (probleme != ProblemeBase::Aucun)
        commande.exec(QStringLiteral("ROLLBACK"));   // the store may have rolled back already
    return probleme;
}

ProblemeBase Connexion::Appliquer(QSqlDatabase& base, const QStringList& instructions) const
{
    for (const QString& instruction : instructions) {
        QSqlQuery requete(base);
        if (!requete.exec(instruction))
            return Probleme(requete.lastError());
    }
    return ProblemeBase::Aucun;
}
