// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Connexion.h"

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
        probleme = Essayer(base, [&] { return verification(base); });
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

ProblemeBase Connexion::Essayer(QSqlDatabase& base, const std::function<ProblemeBase()>& essai)
{
    QElapsedTimer duree;
    duree.start();
    ProblemeBase probleme = essai();
    if (probleme != ProblemeBase::Verrouille || duree.elapsed() >= EssaiCourtMs)
        return probleme;
    // Another program holds the store: once more, waiting for it this time,
    // with the windows told so that they show the wait.
    if (quandAttente)
        quandAttente(true);
    probleme = Patienter(base, true);
    if (probleme == ProblemeBase::Aucun)
        probleme = essai();
    Patienter(base, false);
    if (quandAttente)
        quandAttente(false);
    return probleme;
}

ProblemeBase Connexion::Utiliser(const Travail& usage)
{
    incertain = false;
    const bool dejaOuverte = ouverte;
    QElapsedTimer duree;
    duree.start();
    ProblemeBase probleme = Ouvrir();
    if (probleme == ProblemeBase::Aucun) {
        QSqlDatabase base = connexion();
        probleme = Essayer(base, [&] { return usage(base); });
    }
    if (probleme != ProblemeBase::Aucun && dejaOuverte && !incertain && Perdue()
        && duree.elapsed() < EssaiCourtMs) {
        Fermer();
        probleme = Ouvrir();
        QSqlDatabase base = connexion();
        if (probleme == ProblemeBase::Aucun)
            probleme = Essayer(base, [&] { return usage(base); });
    }
    if (probleme != ProblemeBase::Aucun)
        Fermer();   // the next use starts afresh from the store as it is then
    return probleme;
}

ProblemeBase Connexion::Executer(QSqlQuery& requete, const QString& sql, const QVariantList& valeurs)
{
    return Utiliser([&](QSqlDatabase& base) {
        requete = QSqlQuery(base);
        // Qt's PostgreSQL driver reads a forward-only result row by row, each
        // its own allocations: a server's result is read whole, a file's as
        // it goes.
        requete.setForwardOnly(!serveur());
        bool reussi = requete.prepare(sql);
        for (const QVariant& valeur : valeurs)
            requete.addBindValue(valeur);
        reussi = reussi && requete.exec();
        const ProblemeBase probleme = reussi ? ProblemeBase::Aucun : Probleme(requete.lastError());
        if (!reussi)
            requete = QSqlQuery();
        return probleme;
    });
}

ProblemeBase Connexion::Transaction(const Travail& travail)
{
    return Utiliser([&](QSqlDatabase& base) { return Ecrire(base, travail); });
}

ProblemeBase Connexion::EcrireSansAttendre(QSqlDatabase& base, const Travail& travail)
{
    return Ecrire(base, travail);
}

ProblemeBase Connexion::Ecrire(QSqlDatabase& base, const Travail& travail)
{
    incertain = false;
    QSqlQuery commande(base);
    ProblemeBase probleme = ProblemeBase::Aucun;
    for (const QString& debut : DebutEcriture())
        if (probleme == ProblemeBase::Aucun && !commande.exec(debut))
            probleme = Probleme(commande.lastError());
    if (probleme == ProblemeBase::Aucun)
        probleme = travail(base);
    if (probleme == ProblemeBase::Aucun && !commande.exec(QStringLiteral("COMMIT"))) {
        probleme = Probleme(commande.lastError());
        incertain = Perdue();
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
