// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A whole class saving within the same second on the school's server: thirty
// pupils, each their own program (a process of this benchmark) connected as
// their own role, each saving one training of three tables and thirty facts
// at the same instant. Run on a server made for it (tests/ecole.sh).
#include "Mesures.h"
#include "OutilsMesures.h"

#include "Ecole.h"
#include "core/storage/MagasinResultats.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>
#include <QThread>
#include <algorithm>
#include <cstdlib>

namespace {

constexpr int NbEleves = 30;

QString Eleve(int i)
{
    return QStringLiteral("eleve%1").arg(i, 2, 10, QLatin1Char('0'));
}

// The pupils' accounts, each password its own name in a password file of
// the run, as a school's ~/.pgpass would hold it.
QString PreparerEleves(const QString& dossier)
{
    QStringList sql;
    QFile pgpass(QDir(dossier).filePath(QStringLiteral("pgpass")));
    if (!pgpass.open(QIODevice::WriteOnly) || !pgpass.setPermissions(QFile::ReadOwner | QFile::WriteOwner))
        qFatal("Impossible d'écrire le fichier des mots de passe");
    for (int i = 0; i < NbEleves; ++i) {
        sql << QStringLiteral("SELECT calkado_ajouter_eleve('cm1a', '%1')").arg(Eleve(i))
            << QStringLiteral("ALTER ROLE %1 PASSWORD '%1'").arg(Eleve(i));
        pgpass.write(QStringLiteral("*:*:*:%1:%1\n").arg(Eleve(i)).toUtf8());
    }
    Administrer(sql);
    return pgpass.fileName();
}

// That many pupils, each their own program: once every one is connected,
// all told to save at the same instant, a moment ahead.
void Enregistrer(int eleves, const QString& pgpass, Serie& serie)
{
    std::vector<std::unique_ptr<QProcess>> programmes;
    for (int i = 0; i < eleves; ++i) {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PGUSER"), Eleve(i));
        env.insert(QStringLiteral("PGPASSFILE"), pgpass);
        p->setProcessEnvironment(env);
        p->start(QCoreApplication::applicationFilePath(), {QStringLiteral("élève")});
        programmes.push_back(std::move(p));
    }
    for (auto& p : programmes)
        if (!p->waitForReadyRead(60000) || p->readLine().trimmed() != "prêt")
            qFatal("Un élève n'a pas pu se connecter : %s", p->readAllStandardError().constData());
    const QByteArray instant = QByteArray::number(QDateTime::currentMSecsSinceEpoch() + 300) + '\n';
    for (auto& p : programmes)
        p->write(instant);
    for (auto& p : programmes) {
        if (!p->waitForFinished(60000) || p->exitCode() != EXIT_SUCCESS)
            qFatal("Un élève n'a pas pu enregistrer : %s", p->readAllStandardError().constData());
        serie.valeurs.push_back(p->readAllStandardOutput().trimmed().toDouble());
    }
}

} // namespace

int EnregistrerEleve()
{
    // Connected already, as a program that has shown its window; then the
    // save at the instant the class is told, timed alone.
    MagasinResultats magasin(QStringLiteral("eleve"));
    if (magasin.Verifier() != ProblemeBase::Aucun)
        return EXIT_FAILURE;
    QTextStream flux(stdout);
    flux << "prêt" << Qt::endl;
    const qint64 instant = QTextStream(stdin).readLine().toLongLong();
    QThread::msleep(std::max<qint64>(instant - QDateTime::currentMSecsSinceEpoch(), 0));
    const auto debut = Horodatage::now();
    if (magasin.EcrireResultats(TroisTables(), LeursFaits(), QDateTime::fromMSecsSinceEpoch(instant, Qt::UTC))
        != ProblemeBase::Aucun)
        return EXIT_FAILURE;
    flux << MillisecondesDepuis(debut) << Qt::endl;
    return EXIT_SUCCESS;
}

void MesurerClasse(Rapport& rapport)
{
    if (qEnvironmentVariable("CALKADO_SERVEUR") != QLatin1String("1")) {
        rapport.note(QStringLiteral("Classe : sautée, sans le serveur de l'école (scripts/mesurer.sh classe)."));
        return;
    }
    DossierProgramme dossier;
    Administrer({QStringLiteral(R"(DELETE FROM "TCalkado")")});
    const QString pgpass = PreparerEleves(dossier.chemin());
    // The floor: one pupil saving alone, the server otherwise idle.
    Serie seul, classe;
    for (int tour = 0; tour < 10; ++tour)
        Enregistrer(1, pgpass, seul);
    for (int tour = 0; tour < 5; ++tour)
        Enregistrer(NbEleves, pgpass, classe);
    // Every save whole, each once.
    QStringList lus;
    Administrer({QStringLiteral(R"(SELECT COUNT(*) FROM "TCalkado")"), QStringLiteral(R"(SELECT COUNT(*) FROM "TFait")")},
                &lus);
    const int attendus = 10 + 5 * NbEleves;
    if (lus != QStringList{QString::number(3 * attendus), QString::number(30 * attendus)})
        qFatal("Enregistrements incomplets : %s", qPrintable(lus.join(QLatin1Char(' '))));
    const QString ms = QStringLiteral("ms");
    rapport.ajouter({QStringLiteral("Classe de 30 élèves enregistrant la même seconde (serveur de l'école)"), classe,
                     ms, Nombre(seul.mediane(), ms), QStringLiteral("le plus lent < 200 ms"),
                     classe.maximum() < 200});
}
