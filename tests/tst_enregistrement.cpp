// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Saving the results from the main window, resetting them, consulting an
// empty store and leaving the program, with the store sound or faulty: what
// the parent reads, what the store holds afterwards, and what stays on screen.
#include "FenetrePrincipale.h"
#include "core/storage/Schema.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFontMetricsF>
#include <QSemaphore>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <optional>
#include <thread>

namespace {

// Written out here as the parent must read them, not taken from the program.
const QString AucunResultatASauvegarder = "Aucun résultat à sauvegarder !\n\n";
const QString AucunResultatAEffacer = "Aucun résultat à effacer !\n\n";
const QString AucunResultatAConsulter = "Aucun résultat enregistré à consulter !\n\n";
const QString MessageEnregistrer =
    "Voulez-vous enregistrer les résultats actuels afin de pouvoir les consulter plus tard ?\n\n"
    "L'affichage sera ensuite remis à zéro.\n\n\n<OUI> pour ENREGISTRER\n\n<NON> pour annuler l'enregistrement\n\n";
const QString MessageRaz =
    "Voulez-vous effacer les résultats actuels ?\n\n<OUI> pour EFFACER\n\n<NON> pour conserver les résultats\n\n";
const QString MessageQuitter = "Voulez-vous quitter le programme ?";
const QString MessageQuitterSansEnregistrer =
    "Vous désirez quitter le programme mais vos résultats ne sont pas enregistrés !\n\n"
    "Voulez-vous les enregistrer ?\n\n\n<OUI> pour ENREGISTRER et quitter\n\n"
    "<NON> pour quitter sans enregistrer\n\n<ANNULER> pour revenir dans le programme\n\n";
const QString NonEnregistres = "n'ont pas été enregistrés";
const QString Ancienne = "2026-03-14 10:00:00|1|1|7|3|2|45|1|0";   // a training saved before

// The rows of one save: the moment of the window's clock, cut to the second,
// then the values given.
QStringList enregistrees(const QStringList& valeurs)
{
    QStringList r;
    for (const QString& v : valeurs)
        r << "2026-03-14 10:00:05|" + v;
    return r;
}

// What must not move when a command is refused or fails.
QString apparence(const Fenetre& p) { return tableau(&p.f).join('|') + " # " + p.selection() + " # " + p.etat(); }

// What a save or a reset leaves: headings only, no table ticked.
void verifierEfface(const Fenetre& p, const QString& options)
{
    QCOMPARE(tableau(&p.f), QStringList(60) + Titres);
    QCOMPARE(p.selection() + " | " + p.etat(), "cochés  ; couleurs ggggggggggg ; " + options + " | " + EtatAucunLivret);
}

// Another program holding the store in a write transaction until it lets go.
struct AutreProgramme
{
    QSqlDatabase base = QSqlDatabase::addDatabase("QSQLITE", "autre");
    bool tient = (base.setDatabaseName(Magasin::Fichier), base.open()) && QSqlQuery(base).exec("BEGIN IMMEDIATE")
              && QSqlQuery(base).exec("DELETE FROM " + NomSql(MagasinResultats::Table()));
    bool lacher() { return !std::exchange(tient, false) || QSqlQuery(base).exec("ROLLBACK"); }
    ~AutreProgramme() { lacher(); base.close(); base = QSqlDatabase(); QSqlDatabase::removeDatabase("autre"); }
};

// Another program holding the store for that long, from a thread of its own
// while the window's thread waits in the store: whether the busy cursor was
// on the windows halfway.
class AutreProgrammeUnMoment
{
public:
    explicit AutreProgrammeUnMoment(std::chrono::milliseconds duree)
        : fil([this, duree] {
              {
                  QSqlDatabase base = QSqlDatabase::addDatabase("QSQLITE", "autre un moment");
                  base.setDatabaseName(Magasin::Fichier);
                  QSqlQuery transaction(base);
                  const bool tient = base.open() && transaction.exec("BEGIN IMMEDIATE");
                  pris.release();
                  std::this_thread::sleep_for(duree / 2);
                  const QCursor* curseur = QGuiApplication::overrideCursor();
                  attenteVue = tient && curseur && curseur->shape() == Qt::WaitCursor;
                  std::this_thread::sleep_for(duree / 2);
                  transaction.exec("ROLLBACK");
              }
              QSqlDatabase::removeDatabase("autre un moment");
          })
    {
        pris.acquire();
    }
    ~AutreProgrammeUnMoment() { curseurOccupe(); }
    bool curseurOccupe()
    {
        if (fil.joinable())
            fil.join();
        return attenteVue;
    }

private:
    QSemaphore pris;
    bool attenteVue = false;
    std::thread fil;
};

// A fault of the store made on purpose, by the name of its row: at start-up
// (the store missing, or something else in its place: a text file, a link
// that loops, a store of a version no Calkado writes or of version 0 with a
// table of another program where the facts go) or at a save; then taken away.
struct Panne
{
    explicit Panne(const QString& nom_) : nom(nom_) {}
    ~Panne() { Magasin::proteger(Magasin::Fichier, false); }   // made after the window, gone before its folder

    const QString nom;
    std::optional<AutreProgramme> autre;

    static bool AuDemarrage(const QString& nom)
    {
        return QStringList{"absent", "fichier texte", "lien qui boucle", "version négative", "TFait étranger"}.contains(nom);
    }
    bool auDemarrage() const { return AuDemarrage(nom); }
    static QByteArray contenu()
    {
        QFile f(Magasin::Fichier);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(absent)");
    }
    void avantDemarrage()
    {
        if (QFile texte(Magasin::Fichier); nom == "fichier texte")
            QVERIFY(texte.open(QIODevice::WriteOnly) && texte.write("Livret 7 : 10 questions, 9 justes\n") > 0);
        else if (nom == "lien qui boucle")
            QVERIFY(QFile::link(Magasin::Fichier, Magasin::Fichier));
        else if (nom == "version négative" || nom == "TFait étranger") {
            QVERIFY(CreerBase(QStringLiteral(CALKADO_SCHEMA), Magasin::Fichier));
            Magasin::executer(nom == "version négative" ? QStringList{"PRAGMA user_version = -1"}
                                                        : QStringList{"DROP TABLE %F", "CREATE TABLE %F (\"x\" TEXT)",
                                                                      "PRAGMA user_version = 0"});
        }
    }
    // False when this machine cannot make it.
    bool aEnregistrer()
    {
        if (nom == "lecture seule")
            return Magasin::proteger(Magasin::Fichier, true);
        if (nom == "bloqué")
            return autre.emplace().tient;
        if (nom == "disque plein")
            Magasin::remplir("BaseDonnées");
        else if (nom == "livret 7 refusé")
            Magasin::executer({"CREATE TRIGGER echec BEFORE INSERT ON %T WHEN NEW.\"NumLivret\" = 7 "
                               "BEGIN SELECT RAISE(ABORT, 'refus'); END"});
        return true;
    }
    void lever()
    {
        if (nom == "lecture seule")
            QVERIFY(Magasin::proteger(Magasin::Fichier, false));
        else if (nom == "bloqué")
            QVERIFY(autre->lacher());
        else if (nom == "disque plein")
            Magasin::executer({"DELETE FROM %T WHERE \"DateHeure\" = '2000-01-01 00:00:00'"});
        else if (nom == "livret 7 refusé")
            Magasin::executer({"DROP TRIGGER echec"});
        else {   // a sound store put in its place is used at once
            QFile::remove(Magasin::Fichier);
            QVERIFY(CreerBase(QStringLiteral(CALKADO_SCHEMA), Magasin::Fichier));
        }
    }
};

// How long it took, in milliseconds.
qint64 Duree(const std::function<void()>& action)
{
    QElapsedTimer attente;
    attente.start();
    action();
    return attente.elapsed();
}

// The question on leaving, with results on screen or not.
QString questionQuitter(bool resultats)
{
    return resultats ? "Quitter le programme | critique | " + MessageQuitterSansEnregistrer
                           + " | Annuler/Non/Oui | défaut Annuler, échap Annuler"
                     : "Quitter le programme | question | " + MessageQuitter + " | Non/Oui | défaut Non";
}

// The program still open after the question on leaving: as it was, the store
// that failed still missing, and a run under way going on where it was, back
// in the answer box (5 x 9).
void resteOuvert(Fenetre& p, const QString& avant, bool retire, bool enCours)
{
    QCOMPARE(apparence(p), avant);
    if (retire) {
        QVERIFY(p.f.close());   // Non this time
        QCOMPARE(p.repondeur.vus.size(), 3);
        QVERIFY(!QFile::exists(Magasin::Fichier));
    }
    if (enCours) {
        QVERIFY(p.activer());
        p.ctrl("T_Résultat")->setFocus(Qt::TabFocusReason);
        p.repondre("45");
        QCOMPARE(p.texte("L_NbQuestionTotal"), QString("3"));
    }
}

// Clicks Quitter with the event loop running, as in the program: 0 when the
// program ended, 1 when it still ran a moment after the answers.
int quitterParLeBouton(Fenetre& p)
{
    QObject garde;   // no exit left pending for a later test
    QTimer::singleShot(0, &garde, [&] {
        p.cliquer("B_Quitter");
        QTimer::singleShot(200, &garde, [] { QCoreApplication::exit(1); });
    });
    QTimer::singleShot(10000, &garde, [] { QCoreApplication::exit(99); });
    return QApplication::exec();
}

} // namespace

class TestEnregistrement : public QObject
{
    Q_OBJECT

private slots:
    // Local time far from UTC and without daylight saving, whatever the
    // machine: a save stamped in UTC cannot pass for local time.
    void initTestCase() { PreparerFenetres("CAL-5:30"); }

    // Nothing settled: nothing to save, reset or consult. A save or a reset
    // turned down changes nothing; one accepted clears the display and the
    // counters, a save after writing one row per table worked on, in order.
    void enregistrerEtRemettreAZero()
    {
        // 4 x 3 in 2.0 s, 6 x 3 at the second try, 8 x 7 in 1.2 s, 9 x 7 given, 3 x 7 in 0.5 s,
        // 2 x 12 given, 2 x 2 in 0.2 s: multiplier, and rank among the tables ticked.
        const QList<QPoint> posees = {{4, 2}, {6, 2}, {8, 3}, {9, 3}, {3, 3}, {2, 4}, {2, 1}};
        const QStringList coups = {"20:=", "0:x=", "12:=", "0:xxx?", "5:=", "0:xxx?", "2:="};
        const QStringList lignes = {"1|1|2|1|1|2|0|0", "1|1|3|2|1|20|1|0", "1|1|7|3|2|17|0|1", "1|1|12|1|0|0|0|1"};
        Fenetre p({Ok, Ok, Ok, Non, Non, Oui});
        p.hasard.suite = questions(posees);
        QVERIFY(p.ouvrir());
        p.cliquer("C_Livret_5");
        QString avant = apparence(p);
        for (const char* commande : {"B_Enregistrer", "B_Raz", "B_Consulter"}) {   // on an empty store the viewer would say "Pas de données" itself
            p.cliquer(commande);
            QCOMPARE(apparence(p), avant);
        }
        p.jouer({2, 3, 12}, false, true, coups);   // 7 ticked already
        avant = apparence(p);
        p.cliquer("B_Enregistrer");
        p.cliquer("B_Raz");
        QCOMPARE(apparence(p), avant);
        QCOMPARE(Magasin::lignes(), QStringList());
        QCOMPARE(boites(p.repondeur.vus), QStringList({"Calkado | avertissement | " + AucunResultatASauvegarder + " | OK",
                                                       "Calkado | avertissement | " + AucunResultatAEffacer + " | OK",
                                                       "Calkado | avertissement | " + AucunResultatAConsulter + " | OK",
                                                       "Enregistrer les résultats | question | " + MessageEnregistrer + " | Non/Oui | défaut Non",
                                                       "Remettre les résultats à zéro | critique | " + MessageRaz + " | Non/Oui | défaut Non"}));

        p.cliquer("B_Enregistrer");   // Oui from now on
        QCOMPARE(Magasin::lignes(), enregistrees(lignes));
        verifierEfface(p, "1-12 ; aléatoire");
        p.jouer({12}, true, false, {"3:="});
        p.cliquer("B_Raz");
        verifierEfface(p, "1-10 ; dans l'ordre");
        QCOMPARE(p.repondeur.vus.size(), 7);
    }

    // Leaving by the button or by closing the window: one row per way through.
    void quitter_data()
    {
        QTest::addColumn<bool>("bouton");     // B_Quitter, or the window closed
        QTest::addColumn<int>("resultats");   // 0 none, 1 present, 2 with a question pending
        QTest::addColumn<QString>("reponse");
        QTest::addColumn<bool>("fin");
        QTest::newRow("sans résultat, fermer, Oui") << false << 0 << "Oui" << true;
        QTest::newRow("sans résultat, bouton Quitter, Non") << true << 0 << "Non" << false;
        QTest::newRow("résultats, fermer, Annuler") << false << 1 << "Annuler" << false;
        QTest::newRow("résultats, bouton Quitter, Non") << true << 1 << "Non" << true;
        QTest::newRow("course en cours, fermer, Oui") << false << 2 << "Oui" << true;
        QTest::newRow("course en cours, bouton Quitter, Entrée") << true << 2 << "Entrée" << false;
        QTest::newRow("résultats, bouton Quitter, Oui, magasin retiré") << true << 1 << "Oui" << false;   // save fails
    }
    void quitter()
    {
        QFETCH(bool, bouton);
        QFETCH(int, resultats);
        QFETCH(QString, reponse);
        QFETCH(bool, fin);
        const bool retire = resultats == 1 && reponse == "Oui";
        Fenetre p({reponse == "Oui" ? Oui : reponse == "Non" ? Non : reponse == "Annuler" ? Annuler : Entree, Ok, Non});
        p.hasard.suite = questions({{3, 1}, {7, 2}, {5, 2}});
        QVERIFY(p.ouvrir());
        if (resultats == 0)
            p.cliquer("C_Livret_5");
        else   // 3 x 4 in 1.5 s, 7 x 9 at the second try, 5 x 9 tried once when the run goes on
            p.jouer({4, 9}, false, true, QStringList{"15:=", "0:x=", "0:x"}.mid(0, resultats + 1), resultats == 1);
        const QString avant = apparence(p);
        if (retire)
            QVERIFY(QFile::remove(Magasin::Fichier));
        if (bouton)
            QCOMPARE(quitterParLeBouton(p), fin ? 0 : 1);
        else
            QCOMPARE(p.f.close(), fin);
        QCOMPARE(p.repondeur.vus.size(), retire ? 2 : 1);   // asked once, even as the program closes its window
        QCOMPARE(boite(p.repondeur.vus[0]), questionQuitter(resultats > 0));
        QCOMPARE(p.f.isVisible(), !fin);
        if (retire)   // the program stays with its results, and asks again next time
            verifierPanne(p.repondeur.vus[1], {Magasin::Fichier, "introuvable", NonEnregistres, "reste ouvert"});
        else {   // the pending question counts nowhere; each settled one is a fact of the save
            const bool enregistre = reponse == "Oui" && resultats > 0;
            QCOMPARE(Magasin::lignes(), enregistre ? enregistrees({"1|1|4|1|1|15|0|0", "1|1|9|1|0|0|1|0"}) : QStringList());
            QCOMPARE(Magasin::faits(), enregistre ? enregistrees({"4|3|1|1|15", "9|7|2|2|0"}) : QStringList());
        }
        if (!fin)
            resteOuvert(p, avant, retire, resultats == 2);
    }

    // Another program holds the store a moment: the save waits for it with the
    // busy cursor (the store runs no event of the windows meanwhile), then saves.
    // A right first try of twenty minutes shows whole in its cell.
    void attenteVisibleEtTempsLarge()
    {
        Fenetre p({Oui});
        p.hasard.suite = questions({{2, 1}});
        QVERIFY(p.ouvrir());
        p.jouer({7}, false, true, {"12000:="});
        const QLabel* temps = p.ctrl<QLabel>("L_Temps_5");
        QCOMPARE(temps->text(), "1200,0");
        QVERIFY(QFontMetricsF(temps->font()).horizontalAdvance(temps->text()) <= temps->width());
        QCOMPARE(p.ctrl("L_NbQuestion_5")->font().pointSizeF(), 14.25);

        AutreProgrammeUnMoment autre(std::chrono::milliseconds(1000));
        p.cliquer("B_Enregistrer");
        QVERIFY(autre.curseurOccupe() && !QGuiApplication::overrideCursor());
        QCOMPARE(Magasin::lignes(), enregistrees({"1|1|7|1|1|12000|0|0"}));
    }

    // A store unusable at start-up (missing, or something else in its place, see Panne) is
    // told once as the window comes up; the child trains all the same, and a
    // save or a consultation tells it again, never making or writing it. At a
    // save, a fault writes no row and keeps the results on screen; only a
    // store held by another program is waited for. The cause gone, saving works.
    void pannes_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::newRow("absent") << "introuvable";
        QTest::newRow("fichier texte") << "n'est pas un fichier de résultats";
        QTest::newRow("lien qui boucle") << "ne peut pas être lu";
        QTest::newRow("version négative") << "n'est pas un fichier de résultats";
        QTest::newRow("TFait étranger") << "n'est pas un fichier de résultats";
        QTest::newRow("lecture seule") << "lecture seule";
        QTest::newRow("bloqué") << "bloqué par un autre programme";
        QTest::newRow("disque plein") << "disque est plein";
        QTest::newRow("livret 7 refusé") << "";
    }
    void pannes()
    {
        QFETCH(QString, cause);
        Fenetre p({Oui}, !Panne::AuDemarrage(QTest::currentDataTag()));
        Panne panne(QTest::currentDataTag());
        p.hasard.suite = questions({{2, 1}, {3, 2}, {4, 3}});
        panne.avantDemarrage();
        const QByteArray avant = panne.contenu();
        QVERIFY(p.f.Form_Load() && p.repondeur.vus.isEmpty() && p.montrer());
        p.f.Form_Activate();   // as when the viewer closes
        QCOMPARE(p.repondeur.vus.size(), panne.auDemarrage() ? 1 : 0);
        if (panne.auDemarrage())
            verifierPanne(p.repondeur.vus[0], {Magasin::Fichier, cause});
        else
            Magasin::ajouter(Ancienne);
        p.jouer({3, 7, 9}, false, true, {"5:=", "6:=", "7:="});
        const QString affichage = apparence(p);
        if (!panne.aEnregistrer())
            QSKIP("Le fichier ne peut pas être protégé en écriture ici");
        const qint64 ms = Duree([&p] { p.cliquer("B_Enregistrer"); });
        QVERIFY2(panne.nom == "bloqué" ? ms >= 3000 && ms < 5000 : ms < 2000, qPrintable(QString::number(ms)));
        if (panne.auDemarrage())
            p.cliquer("B_Consulter");
        QCOMPARE(p.repondeur.vus.size(), panne.auDemarrage() ? 4 : 2);
        verifierPanne(p.repondeur.vus[panne.auDemarrage() ? 2 : 1], {Magasin::Fichier, cause, NonEnregistres});
        if (panne.auDemarrage()) {
            verifierPanne(p.repondeur.vus[3], {Magasin::Fichier, cause, "ne peuvent pas être consultés"});
            QCOMPARE(panne.contenu(), avant);   // never made, never written over
        }
        QCOMPARE(apparence(p), affichage);

        // The cause gone, the store holds the earlier row, if any, and this save alone.
        panne.lever();
        p.cliquer("B_Enregistrer");
        QCOMPARE(Magasin::lignes(), (panne.auDemarrage() ? QStringList() : QStringList{Ancienne})
                                        + enregistrees({"1|1|3|1|1|5|0|0", "1|1|7|1|1|6|0|0", "1|1|9|1|1|7|0|0"}));
        verifierEfface(p, "1-12 ; aléatoire");
    }

    // A configuration file that cannot be understood is told once as the
    // window comes up, and again by a save, which writes nothing anywhere.
    void configurationIncomprise()
    {
        QTemporaryDir systeme;
        QFile configuration(systeme.filePath("calkado.conf"));
        QVERIFY(configuration.open(QIODevice::WriteOnly) && configuration.write("[serveur]\nport=abc\n") > 0);
        configuration.close();
        qputenv("CALKADO_CONFIGURATION_SYSTEME", QFile::encodeName(configuration.fileName()));
        Fenetre p({Oui});
        qunsetenv("CALKADO_CONFIGURATION_SYSTEME");
        p.hasard.suite = questions({{2, 1}});
        QVERIFY(p.ouvrir());
        QCOMPARE(p.repondeur.vus.size(), 1);
        verifierPanne(p.repondeur.vus[0], {configuration.fileName(), "le port « abc »"});
        p.jouer({3}, false, true, {"5:="});
        p.cliquer("B_Enregistrer");
        QCOMPARE(p.repondeur.vus.size(), 3);
        verifierPanne(p.repondeur.vus[2], {configuration.fileName(), NonEnregistres});
        QVERIFY(Magasin::lignes().isEmpty());
    }
};

QTEST_MAIN(TestEnregistrement)
#include "tst_enregistrement.moc"
