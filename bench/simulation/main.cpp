// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints the table of the simulated children: each way of training, each
// profile, the children with fixed seeds, shared among worker processes
// (each child its own results file in its worker's own working folder), so
// that the table never depends on how many workers there were.
#include "Tableau.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <cstdio>

namespace {

struct Options
{
    Reglages reglages;
    int travailleurs = 1;
    int travailleur = -1;   // this process is that worker
};

// A child of the table: profile by profile, way by way, child by child.
struct Tache
{
    std::size_t profil, facon;
    int enfant;
};

std::vector<Tache> Taches(const Reglages& reglages)
{
    std::vector<Tache> taches;
    for (std::size_t p = 0; p < Profils().size(); ++p)
        for (std::size_t f = 0; f < Facons().size(); ++f)
            for (int e = 0; e < reglages.enfants; ++e)
                taches.push_back({p, f, e});
    return taches;
}

QCommandLineOption Option(const char* nom, const char* aide, const QString& defaut)
{
    return {QString::fromUtf8(nom), QString::fromUtf8(aide), QStringLiteral("n"), defaut};
}

std::optional<Options> LireOptions(const QCoreApplication& application)
{
    QCommandLineParser analyse;
    analyse.setApplicationDescription(QStringLiteral("Les enfants simulés devant Calkado."));
    analyse.addHelpOption();
    const QCommandLineOption enfants = Option("enfants", "Enfants par ligne.", QStringLiteral("100"));
    const QCommandLineOption jours = Option("jours", "Jours au plus.", QStringLiteral("120"));
    const QCommandLineOption graine = Option("graine", "Graine des enfants.", QStringLiteral("2026"));
    const QCommandLineOption travailleurs =
        Option("travailleurs", "Processus.", QString::number(QThread::idealThreadCount()));
    QCommandLineOption travailleur = Option("travailleur", "", QString());
    travailleur.setFlags(QCommandLineOption::HiddenFromHelp);
    analyse.addOptions({enfants, jours, graine, travailleurs, travailleur});
    analyse.process(application);
    Options o;
    bool ok[5] = {};
    o.reglages.enfants = analyse.value(enfants).toInt(&ok[0]);
    o.reglages.jours = analyse.value(jours).toInt(&ok[1]);
    o.reglages.graine = analyse.value(graine).toULongLong(&ok[2]);
    o.travailleurs = std::max(1, analyse.value(travailleurs).toInt(&ok[3]));
    ok[4] = !analyse.isSet(travailleur);
    if (!ok[4])
        o.travailleur = analyse.value(travailleur).toInt(&ok[4]);
    const bool lues = std::all_of(std::begin(ok), std::end(ok), [](bool b) { return b; });
    if (!lues || o.reglages.enfants < 1 || o.reglages.jours < 1 || o.travailleur >= o.travailleurs)
        return std::nullopt;
    return o;
}

// One worker: its share of the children, one line each, "task figures".
int Travailler(const Options& o)
{
    // In memory where the system offers it: a save waits for the disk
    // otherwise, and the simulation would measure the disk.
    const QString shm = QStringLiteral("/dev/shm");
    const bool memoire = QFileInfo(shm).isDir() && QFileInfo(shm).isWritable();
    QTemporaryDir dossier(memoire ? shm + QStringLiteral("/calkado-simulation-XXXXXX") : QString());
    if (!dossier.isValid() || !QDir::setCurrent(dossier.path()))
        qFatal("Dossier de travail impossible : %s", qPrintable(dossier.errorString()));
    // Always the file of the working folder, never a school's server that
    // this machine's configuration might name.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dossier.filePath(QStringLiteral("configuration"))));
    qputenv("CALKADO_CONFIGURATION_SYSTEME",
            QFile::encodeName(dossier.filePath(QStringLiteral("aucune.conf"))));
    QTextStream sortie(stdout);
    const std::vector<Tache> taches = Taches(o.reglages);
    for (std::size_t i = std::size_t(o.travailleur); i < taches.size(); i += std::size_t(o.travailleurs)) {
        const Tache& t = taches[i];
        const Parcours p = SimulerEnfant(Facons()[t.facon], Profils()[t.profil], t.enfant, o.reglages);
        sortie << i << ' ' << p.Ecrire() << Qt::endl;
    }
    QDir::setCurrent(QDir::tempPath());
    return 0;
}

// The workers' lines, each child in its place; false if any is missing.
bool Recueillir(const Options& o, std::vector<std::optional<Parcours>>& resultats)
{
    std::vector<std::unique_ptr<QProcess>> processus;
    for (int k = 0; k < o.travailleurs; ++k) {
        auto p = std::make_unique<QProcess>();
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // The options given, then the share of this worker (the last value
        // of an option given twice counts).
        const QStringList arguments = QCoreApplication::arguments().mid(1)
            + QStringList{QStringLiteral("--travailleurs"), QString::number(o.travailleurs),
                          QStringLiteral("--travailleur"), QString::number(k)};
        p->start(QCoreApplication::applicationFilePath(), arguments);
        processus.push_back(std::move(p));
    }
    bool reussi = true;
    for (const auto& p : processus) {
        p->waitForFinished(-1);
        reussi = reussi && p->exitStatus() == QProcess::NormalExit && p->exitCode() == 0;
        for (const QByteArray& ligne : p->readAllStandardOutput().split('\n')) {
            const QString texte = QString::fromUtf8(ligne);
            const qsizetype blanc = texte.indexOf(QLatin1Char(' '));
            bool lu = false;
            const auto i = std::size_t(texte.left(blanc).toULongLong(&lu));
            if (lu && i < resultats.size())
                resultats[i] = Parcours::Lire(texte.mid(blanc + 1));
        }
    }
    return reussi && std::all_of(resultats.cbegin(), resultats.cend(), [](const auto& r) { return r.has_value(); });
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const std::optional<Options> o = LireOptions(application);
    if (!o) {
        std::fputs("Options invalides (--help)\n", stderr);
        return 2;
    }
    if (o->travailleur >= 0)
        return Travailler(*o);
    QElapsedTimer chrono;
    chrono.start();
    const std::vector<Tache> taches = Taches(o->reglages);
    std::vector<std::optional<Parcours>> resultats(taches.size());
    if (!Recueillir(*o, resultats)) {
        std::fputs("Un processus de la simulation a échoué.\n", stderr);
        return 1;
    }
    std::vector<Groupe> groupes;
    for (std::size_t i = 0; i < taches.size(); ++i) {
        if (taches[i].enfant == 0)
            groupes.push_back({Facons()[taches[i].facon].nom, Profils()[taches[i].profil].nom, {}});
        groupes.back().parcours.push_back(*resultats[i]);
    }
    QTextStream(stdout) << TableauMarkdown(groupes, o->reglages);
    const QString secondes = QString::number(double(chrono.elapsed()) / 1000.0, 'f', 1);
    QTextStream(stderr) << taches.size() << " enfants simulés en " << secondes << " s, " << o->travailleurs
                        << " processus\n";
    return 0;
}
