// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Magasin.h"

#include "core/storage/Connexion.h"
#include "core/storage/MagasinResultats.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace Magasin {

bool SurServeur()
{
    return qEnvironmentVariable("CALKADO_SERVEUR") == QLatin1String("1");
}

namespace {

// The results file named, or the school's server as the pupil of the test
// (or as its administrator, who may delete rows).
template<typename Travail>
void avecConnexion(const QString& fichier, Travail travail, bool administrateur = false)
{
    const QString nom = QStringLiteral("test:") + fichier;
    {
        QSqlDatabase base = QSqlDatabase::addDatabase(SurServeur() ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"), nom);
        base.setDatabaseName(SurServeur() ? QStringLiteral("calkado") : fichier);
        if (SurServeur() && administrateur) {
            base.setUserName(qEnvironmentVariable("CALKADO_ADMINISTRATEUR"));
            base.setPassword(qEnvironmentVariable("CALKADO_MOT_DE_PASSE_ADMINISTRATEUR"));
        }
        if (!base.open())
            qFatal("%s", qPrintable(base.lastError().text()));
        travail(base);
        base.close();
    }
    QSqlDatabase::removeDatabase(nom);
}

// A table and its columns (those of a save unless named), quoted as SQL reads them.
QString table(const QString& nom = MagasinResultats::Table())
{
    return NomSql(nom);
}

QString colonnes(const QStringList& noms = MagasinResultats::Colonnes())
{
    QStringList sql;
    for (const QString& colonne : noms)
        sql << NomSql(colonne);
    return sql.join(QStringLiteral(", "));
}

void exiger(bool reussi, const QSqlQuery& requete)
{
    if (!reussi)
        qFatal("%s : %s", qPrintable(requete.lastQuery()), qPrintable(requete.lastError().text()));
}

// Every row of the table, in the order added, its values joined by "|".
QStringList lire(const QString& fichier, const QString& nomTable, const QStringList& noms)
{
    QStringList resultat;
    avecConnexion(fichier, [&](QSqlDatabase& base) {
        QSqlQuery requete(base);
        exiger(requete.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY \"Id\"").arg(colonnes(noms), table(nomTable))),
               requete);
        while (requete.next()) {
            QStringList valeurs;
            for (int i = 0; i < noms.size(); ++i)
                valeurs << requete.value(i).toString();
            resultat << valeurs.join(QLatin1Char('|'));
        }
    });
    return resultat;
}

void inserer(const QString& fichier, const QString& nomTable, const QStringList& noms, const QList<QVariantList>& lignes)
{
    avecConnexion(fichier, [&](QSqlDatabase& base) {
        base.transaction();
        QSqlQuery requete(base);
        const QString marques = QStringList(noms.size(), QStringLiteral("?")).join(", ");
        exiger(requete.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table(nomTable), colonnes(noms), marques)),
               requete);
        for (const QVariantList& ligne : lignes) {
            for (const QVariant& valeur : ligne)
                requete.addBindValue(valeur);
            exiger(requete.exec(), requete);
        }
        base.commit();
    });
}

} // namespace

QStringList lignes(const QString& fichier)
{
    return lire(fichier, MagasinResultats::Table(), MagasinResultats::Colonnes());
}

QStringList faits(const QString& fichier)
{
    return lire(fichier, MagasinResultats::TableFaits(), MagasinResultats::ColonnesFaits());
}

QList<Fait> faitsDe(const QString& dateHeure, const QString& fichier)
{
    QList<Fait> lus;
    for (const QString& fait : faits(fichier)) {
        const QStringList v = fait.split(QLatin1Char('|'));
        if (v.value(0) == dateHeure)
            lus.append({v[1].toInt(), v[2].toInt(), Issue(v[3].toInt()), v[4].toInt(), v[5].toInt()});
    }
    return lus;
}

MemoirePaires memoire(const QString& fichier)
{
    MemoirePaires m;
    const QStringList lus = faits(fichier);
    for (qsizetype i = 0; i < lus.size(); ++i) {
        const QStringList c = lus[i].split(QLatin1Char('|'));
        const QDate jour = QDate::fromString(c[0].left(10), Qt::ISODate);
        m.Rejouer({i + 1, jour.isValid() ? jour.toJulianDay() : 0,
                   {c[1].toInt(), c[2].toInt(), Issue(c[3].toInt()), c[4].toInt(), c[5].toInt()}});
    }
    return m;
}

void executer(const QStringList& sql, const QString& fichier)
{
    avecConnexion(fichier, [&](QSqlDatabase& base) {
        for (const QString& instruction : sql) {
            QSqlQuery requete(base);
            exiger(requete.exec(QString(instruction)
                                    .replace(QStringLiteral("%T"), table())
                                    .replace(QStringLiteral("%F"), table(MagasinResultats::TableFaits()))),
                   requete);
        }
    });
}

void vider(const QString& fichier)
{
    avecConnexion(fichier, [](QSqlDatabase& base) {
        const QString eleve = SurServeur() ? QStringLiteral(" WHERE \"Eleve\" = ?") : QString();
        for (const QString& nomTable : {MagasinResultats::Table(), MagasinResultats::TableFaits()}) {
            QSqlQuery requete(base);
            exiger(requete.prepare(QStringLiteral("DELETE FROM %1%2").arg(table(nomTable), eleve)), requete);
            if (SurServeur())
                requete.addBindValue(qEnvironmentVariable("PGUSER"));
            exiger(requete.exec(), requete);
        }
    }, true);
}

void ajouter(const QString& ligne, const QString& fichier)
{
    const QStringList valeurs = ligne.split(QLatin1Char('|'));
    if (valeurs.size() != MagasinResultats::Colonnes().size())
        qFatal("ligne mal formée : %s", qPrintable(ligne));
    ajouter(QList<QVariantList>{QVariantList(valeurs.begin(), valeurs.end())}, fichier);
}

void ajouter(const QList<QVariantList>& lignes, const QString& fichier)
{
    inserer(fichier, MagasinResultats::Table(), MagasinResultats::Colonnes(), lignes);
}

void ajouterFaits(const QList<QVariantList>& faits, const QString& fichier)
{
    inserer(fichier, MagasinResultats::TableFaits(), MagasinResultats::ColonnesFaits(), faits);
}

void remplir(const QString& connexion, const QString& fichier)
{
    qlonglong pages = 0;
    avecConnexion(fichier, [&](QSqlDatabase& base) {
        QSqlQuery requete(base);
        const auto nombrePages = [&] {
            requete.exec(QStringLiteral("PRAGMA page_count"));
            requete.next();
            return requete.value(0).toLongLong();
        };
        // Rows one at a time, the one that takes a new page taken back.
        for (pages = nombrePages();;) {
            requete.exec(QStringLiteral("SAVEPOINT ligne"));
            requete.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES ('2000-01-01 00:00:00', 0, 0, 2, 1, 0, 0, 0, 0)")
                             .arg(table(), colonnes()));
            const bool plein = nombrePages() > pages;
            if (plein)
                requete.exec(QStringLiteral("ROLLBACK TO ligne"));
            requete.exec(QStringLiteral("RELEASE ligne"));
            if (plein)
                break;
        }
    });
    QSqlQuery limite(QSqlDatabase::database(connexion, false));
    if (!limite.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages)))
        qFatal("%s", qPrintable(limite.lastError().text()));
}

bool proteger(const QString& fichier, bool protege)
{
#ifdef Q_OS_LINUX
    if (const int fd = ::open(QFile::encodeName(fichier).constData(), O_RDONLY); fd >= 0) {
        int attributs = 0;
        if (::ioctl(fd, FS_IOC_GETFLAGS, &attributs) == 0) {
            attributs = protege ? (attributs | FS_IMMUTABLE_FL) : (attributs & ~FS_IMMUTABLE_FL);
            ::ioctl(fd, FS_IOC_SETFLAGS, &attributs);
        }
        ::close(fd);
    }
#endif
    QFile::setPermissions(fichier, protege ? QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther
                                           : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    QFile essai(fichier);
    return essai.open(QIODevice::ReadWrite) != protege;
}

} // namespace Magasin
