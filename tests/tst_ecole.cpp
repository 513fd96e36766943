// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Calkado at school, on a PostgreSQL server of the test's own (tests/ecole.sh):
// what each role can read, write, delete and lock, tried in SQL as a curious
// child or teacher could with psql; the server down at start-up and stopped
// in the middle of a save, then started again: nothing lost, nothing twice;
// a lock held, a slow statement and a server that never answers: told within
// seconds; each fault told by its SQLSTATE, whatever the server's language;
// classes of long names; the teacher's view of their class.
#include "Ecole.h"
#include "FenetrePrincipale.h"
#include "core/results/DateHeure.h"
#include "core/storage/MagasinResultats.h"
#include "ui/classe/F_Classe.h"
#include "ui/classe/ModeleClasse.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QToolButton>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString Colonnes = uR"("DateHeure", "Multiplicateur1a12", "Aléatoire", "NumLivret", "NbQuestionParLivret",
    "NbQuestionEssai1", "TempsTotalEssai1", "NbQuestionEssai2", "NbQuestionRéponse")"_s;
const QString ColonnesFaits = uR"("DateHeure", "NumLivret", "Multiplicateur", "Issue", "NbEssais", "Dixiemes")"_s;
const QDateTime Premier(QDate(2026, 12, 1), QTime(10, 0), Qt::UTC);

// A row of a save, values in the order of Colonnes, as a pupil adds it in SQL.
QString Ligne(const QString& valeurs)
{
    return uR"(INSERT INTO "TCalkado" ()"_s + Colonnes + ") VALUES (" + valeurs + ")";
}
QString LigneFait(const QString& valeurs)
{
    return uR"(INSERT INTO "TFait" ()"_s + ColonnesFaits + ") VALUES (" + valeurs + ")";
}

QString cellule(const QTableView* vue, int ligne, int colonne, int role = Qt::DisplayRole)
{
    return vue->model()->index(ligne, colonne).data(role).toString();
}
QString cellule(const ModeleClasse& modele, int colonne, int role = Qt::DisplayRole)
{
    return modele.index(0, colonne).data(role).toString();
}

// A tooltip as Qt shows it: rich text when it looks like it.
QString Affiche(const QString& bulle)
{
    if (!Qt::mightBeRichText(bulle))
        return bulle;
    QTextDocument document;
    document.setHtml(bulle);
    return document.toPlainText();
}

// The server, stopped or started again.
void Serveur(const char* action)
{
    const QStringList arguments = {qEnvironmentVariable("PGVERSION"), "regress", action, "-m", "immediate"};
    QCOMPARE(QProcess::execute("pg_ctlcluster", QString(action) == "stop" ? arguments : arguments.mid(0, 3)), 0);
}

// A saved training of the pupil named, with its facts.
void Enregistrer(const char* eleve, const QList<Fait>& faits, const QDateTime& moment)
{
    qputenv("PGUSER", eleve);
    MagasinResultats magasin(eleve);
    QCOMPARE(magasin.EcrireResultats(ResultatsDesComptes(ComptesDesFaits(faits), true, true), faits, moment),
             ProblemeBase::Aucun);
}

// Lea and zoe, in two classes, one saved training each; nothing else.
void DeuxEntrainements()
{
    Administrer({R"(DELETE FROM "TCalkado")", R"(DELETE FROM "TFait")"});
    for (const char* eleve : {"lea", "zoe"})
        Enregistrer(eleve, {{7, 3, Issue::Essai1, 1, 24}}, Premier);
}

// A server that accepts connections and never answers: a socket listening
// on the loopback, whose connections the system accepts and no one reads.
class ServeurMuet
{
public:
    ServeurMuet()
    {
        sockaddr_in adresse{};
        adresse.sin_family = AF_INET;
        adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t taille = sizeof adresse;
        if (prise < 0 || bind(prise, reinterpret_cast<sockaddr*>(&adresse), taille) != 0 || listen(prise, 16) != 0
            || getsockname(prise, reinterpret_cast<sockaddr*>(&adresse), &taille) != 0)
            qFatal("Impossible d'écouter sur la boucle locale");
        port = ntohs(adresse.sin_port);
    }
    ~ServeurMuet() { close(prise); }
    ServeurMuet(const ServeurMuet&) = delete;
    ServeurMuet& operator=(const ServeurMuet&) = delete;

    int prise = socket(AF_INET, SOCK_STREAM, 0);
    int port = 0;
};

// Lea on Tuesday 1 and 8 December, tom and zoe on the 8th; nothing else.
void TroisSemaines()
{
    Administrer({R"(DELETE FROM "TCalkado")", R"(DELETE FROM "TFait")"});
    const QDateTime mardi(QDate(2026, 12, 8), QTime(16, 30), Qt::UTC);
    Enregistrer("lea", {{7, 3, Issue::Essai1, 1, 16}}, mardi.addDays(-7));
    Enregistrer("lea", {{7, 3, Issue::Essai1, 1, 24}, {7, 8, Issue::Reponse, 3, 300}}, mardi);
    Enregistrer("tom", {{7, 8, Issue::Reponse, 3, 250}, {6, 6, Issue::Essai2, 2, 80}}, mardi);
    Enregistrer("zoe", {{9, 9, Issue::Reponse, 3, 90}}, mardi);
}

} // namespace

class TestEcole : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { PreparerFenetres(); }
    void init() { qputenv("PGUSER", "lea"); }

    // What each role gets of what it tries, with psql as anyone can: its own
    // rows for a pupil, its classes' pupils' for a teacher, and nothing else;
    // never a temporary object, a lock that holds the class, the class's
    // composition, a row that Calkado would not write, nor more rows in a
    // day than a child ever saves. With the
    // TEMPORARY right given all the same, nothing of it reaches the server's
    // functions.
    void attaques_data();
    void attaques()
    {
        QFETCH(QString, role);
        QFETCH(bool, temporaire);
        QFETCH(QString, sql);
        QFETCH(QString, attendu);
        DossierProgramme dossier;
        DeuxEntrainements();
        if (temporaire)
            Administrer({"GRANT TEMPORARY ON DATABASE calkado TO tom, lea, prof_a"});
        const QString obtenu = Comme(role, sql);
        if (temporaire)
            Administrer({"REVOKE TEMPORARY ON DATABASE calkado FROM tom, lea, prof_a"});
        QCOMPARE(obtenu, attendu);
    }

    // An account that teaches one class and is a pupil of another (the
    // administrator gave it both groups) is told the class it teaches only,
    // and reads that class's pupils only.
    void enseignantEleveAilleurs()
    {
        DossierProgramme dossier;
        Administrer({"GRANT calkado_eleves TO prof_a", "SELECT calkado_ajouter_eleve('cm2', 'prof_a')"});
        qputenv("PGUSER", "prof_a");
        MagasinResultats prof("prof_a");
        const Lecture<Enseignant> enseignant = prof.LireEnseignant();
        QStringList eleves;
        for (const EleveClasse& e : prof.LireClasse({}, QDate(2026, 12, 9)).valeur)
            eleves << e.eleve;
        prof.Fermer();
        Administrer({"SELECT calkado_retirer('cm2', 'prof_a')", "REVOKE calkado_eleves FROM prof_a"});
        QCOMPARE(enseignant.valeur.classes, QStringList{"cm1a"});
        QCOMPARE(eleves, (QStringList{"lea", "tom"}));
    }

    // A classmate who holds every lock they can take (the others are refused
    // them), in a session kept open, holds no one: lea saves and deletes at
    // once, her teacher reads.
    void classeJamaisFigee()
    {
        DossierProgramme dossier;
        Session tom("tom");
        QVERIFY(tom.executer("BEGIN; SELECT pg_advisory_lock(hashtext('lea')); SELECT calkado_verrouiller(); "
                             R"(LOCK TABLE "TCalkado" IN ACCESS SHARE MODE; LOCK TABLE "TFait" IN ACCESS SHARE MODE)"));
        DeuxEntrainements();
        MagasinResultats lea("lea");
        QCOMPARE(lea.SupprimerEntrainement(TexteBase(Premier)), ProblemeBase::Aucun);
        qputenv("PGUSER", "prof_a");
        MagasinResultats prof("prof_a");
        QCOMPARE(prof.LireClasse({}, Premier.date()).probleme, ProblemeBase::Aucun);
    }

    // The pupil's save, while the server is held: the busy message within
    // 5 s, everything still on screen; the cause gone, the save is made once.
    void attente_data();
    void attente()
    {
        QFETCH(QString, cause);
        QFETCH(QString, message);
        Fenetre p({Oui});
        p.hasard.suite = questions({{4, 1}});
        p.horloge.date = QDateTime(QDate(2026, 12, 3), QTime(17, 0), Qt::UTC);
        QVERIFY(p.ouvrir());
        p.jouer({7}, false, true, {"0:="});
        std::optional<Session> administrateur;
        if (cause == "verrou")
            QVERIFY(administrateur.emplace(Administrateur()).executer(R"(BEGIN; LOCK TABLE "TCalkado")"));
        else
            Administrer({"CREATE FUNCTION lent() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN PERFORM pg_sleep(8); "
                         "RETURN NULL; END $$",
                         R"(CREATE TRIGGER lent AFTER INSERT ON "TFait" FOR EACH ROW EXECUTE FUNCTION lent())"});
        QElapsedTimer duree;
        duree.start();
        p.cliquer("B_Enregistrer");
        QVERIFY2(duree.elapsed() < 5000, qPrintable(QString::number(duree.elapsed())));
        QCOMPARE(p.repondeur.vus.size(), 2);
        QVERIFY(p.repondeur.vus[1].texte.contains(message));
        QCOMPARE(p.texte("L_NbQuestionTotal"), u"1"_s);
        administrateur.reset();
        Administrer({R"(DROP TRIGGER IF EXISTS lent ON "TFait")", "DROP FUNCTION IF EXISTS lent()"});
        p.cliquer("B_Enregistrer");
        QCOMPARE(Magasin::lignes(), QStringList{"2026-12-03 17:00:00|1|1|7|1|1|0|0|0"});
    }

    // A server that accepts connections and never answers: said at start and
    // at a save, each within 5 s; the child trains all the same, and the
    // results stay on screen.
    void serveurMuet()
    {
        ServeurMuet muet;
        // The machine's configuration names it; the user's, the database.
        QTemporaryDir systeme;
        QFile configuration(systeme.filePath("calkado.conf"));
        QVERIFY(configuration.open(QIODevice::WriteOnly));
        configuration.write(QStringLiteral("[serveur]\nhote=127.0.0.1\nport=%1\n").arg(muet.port).toUtf8());
        configuration.close();
        qputenv("CALKADO_CONFIGURATION_SYSTEME", QFile::encodeName(configuration.fileName()));
        Fenetre p({Oui});
        qunsetenv("CALKADO_CONFIGURATION_SYSTEME");
        p.hasard.suite = questions({{4, 1}});
        QElapsedTimer duree;
        duree.start();
        QVERIFY(p.ouvrir());
        QVERIFY2(duree.elapsed() < 5000, qPrintable(QString::number(duree.elapsed())));
        QCOMPARE(p.repondeur.vus.size(), 1);
        QVERIFY(p.repondeur.vus[0].texte.startsWith("Le serveur des résultats (calkado sur 127.0.0.1:"));
        QVERIFY(p.repondeur.vus[0].texte.contains("ne répond pas"));
        p.jouer({7}, false, true, {"0:="});
        duree.restart();
        p.cliquer("B_Enregistrer");
        QVERIFY2(duree.elapsed() < 5000, qPrintable(QString::number(duree.elapsed())));
        QVERIFY(p.repondeur.vus.last().texte.contains("ne répond pas"));
        QCOMPARE(p.texte("L_NbQuestionTotal"), u"1"_s);
    }

    // Down at start-up: said once, naming the server, and the child trains.
    // Stopped while a save commits: said, kept on screen; started again, the
    // save then writes each row once. A save that was in fact kept is not
    // written twice: only what came after it.
    void serveurArrete()
    {
        Fenetre p({Oui});
        p.hasard.suite = questions({{4, 1}, {6, 1}, {8, 1}});
        p.horloge.date = QDateTime(QDate(2026, 12, 3), QTime(17, 0), Qt::UTC);
        Serveur("stop");
        QVERIFY(p.ouvrir());
        Serveur("start");
        QCOMPARE(p.repondeur.vus.size(), 1);
        QVERIFY(p.repondeur.vus[0].texte.startsWith("Le serveur des résultats (calkado) ne répond pas"));
        p.jouer({7}, false, true, {"0:="});

        ArreterEnEnregistrant(p);
        QCOMPARE(p.repondeur.vus.size(), 3);
        QVERIFY(p.repondeur.vus[2].texte.contains("ne répond pas"));
        QCOMPARE(p.texte("L_NbQuestionTotal"), u"1"_s);
        QCOMPARE(Magasin::lignes().size(), 0);
        p.cliquer("B_Enregistrer");
        QCOMPARE(Magasin::lignes(), QStringList{"2026-12-03 17:00:00|1|1|7|1|1|0|0|0"});
        QCOMPARE(Magasin::faits(), QStringList{"2026-12-03 17:00:00|7|4|1|1|0"});

        // Lost again as it commits, but kept after all this time (its rows put
        // back as the server would have kept them); one more question meanwhile.
        p.jouer({7}, false, true, {"0:="});
        ArreterEnEnregistrant(p);
        Magasin::ajouter("2026-12-03 17:00:01|1|1|7|1|1|0|0|0");
        p.entree();
        p.entree();
        p.repondreJuste();
        p.cliquer("B_Entrainement");
        p.cliquer("B_Enregistrer");
        QCOMPARE(Magasin::lignes().mid(1), QStringList({"2026-12-03 17:00:01|1|1|7|1|1|0|0|0",
                                                        "2026-12-03 17:00:02|1|1|7|1|1|0|0|0"}));
        QCOMPARE(Magasin::faits().last(), u"2026-12-03 17:00:02|7|8|1|1|0"_s);
    }

    // The server restarted between two uses: the next save and the next
    // consultation reconnect without a word.
    void redemarrageSilencieux()
    {
        Fenetre p({Oui});
        p.hasard.suite = questions({{4, 1}, {6, 1}});
        p.horloge.date = QDateTime(QDate(2026, 12, 3), QTime(17, 0), Qt::UTC);
        QVERIFY(p.ouvrir());
        for (int tour = 0; tour < 2; ++tour) {
            p.jouer({7}, false, true, {"0:="});
            Serveur("stop");
            Serveur("start");
            p.cliquer("B_Enregistrer");
        }
        QCOMPARE(p.repondeur.vus.size(), 2);   // the two confirmations
        QCOMPARE(Magasin::lignes().size(), 2);
        MagasinResultats lecture("lecture");
        QCOMPARE(lecture.LireDates().valeur.size(), 2);
        Serveur("stop");
        Serveur("start");
        QCOMPARE(lecture.LireDates().valeur.size(), 2);
    }

    // Each SQLSTATE the program knows, raised by the server as a save
    // writes: the message that goes with it.
    void etats_data();
    void etats()
    {
        QFETCH(QString, etat);
        QFETCH(QString, message);
        DossierProgramme dossier;
        Administrer({"CREATE FUNCTION echec() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
                     "RAISE EXCEPTION 'échec' USING ERRCODE = '" + etat + "'; END $$",
                     R"(CREATE TRIGGER echec BEFORE INSERT ON "TFait" FOR EACH ROW EXECUTE FUNCTION echec())"});
        MagasinResultats magasin("etat");
        const ProblemeBase probleme = magasin.EcrireResultats(
            ResultatsDesComptes(ComptesDesFaits({{7, 3, Issue::Essai1, 1, 24}}), true, true),
            {{7, 3, Issue::Essai1, 1, 24}}, Premier);
        Administrer({R"(DROP TRIGGER echec ON "TFait")", "DROP FUNCTION echec()"});
        QVERIFY2(magasin.Expliquer(probleme, {}).startsWith(message), qPrintable(magasin.Expliquer(probleme, {})));
    }

    // A connection refused, or a server that only reads, told as it is in
    // either language of the server's messages.
    void refus_data();
    void refus();

    // Classes whose names share their first 60 bytes, each with a pupil and a
    // teacher: each teacher reads their own pupil only, and no role tells a
    // class. The administrator's commands run twice change nothing more, and
    // refuse an account that is not of their kind or too long a name. Every
    // function of the script runs with its own search path.
    void administration_data();
    void administration();

    // The teacher's view of the class on Wednesday 9 December: lea and tom
    // in cm1a, zoe in cm2 whom prof_a does not see.
    void vueClasse()
    {
        DossierProgramme dossier;
        TroisSemaines();
        qputenv("PGUSER", "prof_a");
        Repondeur repondeur;
        HorlogeFactice horloge;
        horloge.date = QDateTime(QDate(2026, 12, 9), QTime(10, 0), Qt::UTC);
        F_Classe f(&horloge);
        QVERIFY(f.Form_Load());
        f.show();
        auto* eleves = f.findChild<QTableView*>("T_Eleves");
        QCOMPARE(f.findChild<QLabel*>("L_Titre_Principal")->text(), u"La classe cm1a"_s);
        QCOMPARE(eleves->model()->rowCount(), 2);
        QCOMPARE(ligneClasse(eleves, 0), u"lea|cm1a|08/12/2026||||||50 %\n2,4 s|||||"_s);
        QCOMPARE(ligneClasse(eleves, 1), u"tom|cm1a|08/12/2026|||||0 %|0 %|||||"_s);
        QCOMPARE(Affiche(cellule(eleves, 0, 8, Qt::ToolTipRole)),
                 u"lea, table de 7 : 50 % OK au 1er essai sur 2 questions, 2,4 s en moyenne"_s);
        QCOMPARE(f.findChild<QLabel*>("L_ARevoir")->text(),
                 u"À revoir le plus souvent : 8 x 7 (2 élèves), 6 x 6 (1 élève)"_s);

        // Everything: lea's first saved training too.
        f.findChild<QRadioButton*>("O_Periode_2")->click();
        QCOMPARE(cellule(eleves, 0, 8), u"67 %\n2,0 s"_s);

        // The server stopped: said, and the figures stay with their period.
        Serveur("stop");
        f.findChild<QRadioButton*>("O_Periode_0")->click();
        Serveur("start");
        QCOMPARE(repondeur.vus.size(), 1);
        QVERIFY(repondeur.vus[0].texte.contains("ne répond pas"));
        QVERIFY(f.findChild<QRadioButton*>("O_Periode_2")->isChecked());
        QCOMPARE(cellule(eleves, 0, 8), u"67 %\n2,0 s"_s);

        verifierBilanEleve(eleves);
        verifierExport(f, dossier, repondeur);
    }

    // The view shows the names of pupils and classes as written, never as
    // markup, and no date where there is none.
    void textesEnClair()
    {
        ModeleClasse modele;
        modele.Afficher({{"<b>lea</b>", "<i>cm1a</i>", "<img src='file:///etc/passwd'>", {}}});
        const auto bulle = [&](int colonne) { return Affiche(cellule(modele, colonne, Qt::ToolTipRole)); };
        QCOMPARE(bulle(0), u"<b>lea</b>"_s);
        QCOMPARE(bulle(1), u"<i>cm1a</i>"_s);
        QCOMPARE(bulle(2) + cellule(modele, 2), QString());
        QCOMPARE(bulle(8), u"<b>lea</b>, table de 7 : aucune question"_s);
    }

    // Not for a pupil, nor without the school's server.
    void vueClasseRefusee()
    {
        qputenv("PGUSER", "lea");
        DossierProgramme dossier;
        Repondeur repondeur;
        QVERIFY(!F_Classe().Form_Load());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dossier.chemin()));
        QVERIFY(!F_Classe().Form_Load());
        QCOMPARE(repondeur.vus.size(), 2);
        QVERIFY(repondeur.vus[0].texte.startsWith("Le compte « lea » n'enseigne dans aucune classe"));
        QVERIFY(repondeur.vus[1].texte.contains("aucun serveur n'est configuré"));
    }

    // A server set up by Calkado 1.0 (tests/calkado-postgresql-1.0.sql), with
    // a year of results and the rows a curious pupil forged, brought up to
    // date by running today's script: every row kept, the classes as they
    // were, the attacks that worked now refused, and the forged rows shown
    // to no teacher. Runs on such a server only (CALKADO_MISE_A_JOUR names
    // today's script).
    void miseAJour();

private:
    // Tom's grid, read only, from the view: 3 x 7 never asked, 8 x 7 to review.
    void verifierBilanEleve(QTableView* eleves)
    {
        eleves->setFocus();
        QTest::keyClick(eleves->viewport(), Qt::Key_Down);
        QStringList vus;
        QTimer attente;
        QObject::connect(&attente, &QTimer::timeout, [&] {
            auto* b = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!b || !b->isVisible())
                return;
            const auto* grille = b->findChild<QTableView*>("T_Faits");
            vus << b->windowTitle();
            for (const QPoint& fait : {QPoint(5, 2), QPoint(5, 7)})
                vus << cellule(grille, fait.x(), fait.y(), Qt::ToolTipRole).section(" : ", 1).section(" ; ", 0, 0);
            b->reject();
        });
        attente.start(10);
        QTest::keyClick(eleves->viewport(), Qt::Key_Return);
        attente.stop();
        QCOMPARE(vus, QStringList({"Bilan des tables de tom", "jamais vu", "à revoir"}));
    }

    // The export: for a French spreadsheet, and a folder that does not exist.
    void verifierExport(F_Classe& f, const DossierProgramme& dossier, const Repondeur& repondeur)
    {
        f.ChoisirFichier = [&](const QString& propose) {
            return propose.endsWith("calkado-classe-2026-12-09.csv") ? dossier.chemin() + "/classe.csv" : QString();
        };
        f.findChild<QToolButton*>("B_Exporter")->click();
        QFile csv(dossier.chemin() + "/classe.csv");
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> lignes = csv.readAll().split('\n');
        QCOMPARE(lignes.size(), 2 * NbLivrets + 2);
        QVERIFY(lignes[0].startsWith("\xEF\xBB\xBF"));
        QCOMPARE(QString::fromUtf8(lignes[0]), u"Élève;Classe;Depuis le;Dernier entraînement;Table;"
                                               "Nombre de questions;OK au 1er essai;% OK au 1er essai;"
                                               "Temps 1er essai (s);OK 2ème essai ou +;Réponse fournie\r"_s);
        QCOMPARE(lignes[6], "lea;cm1a;;08/12/2026 16:30:00;7;3;2;66,7;2,0;0;1\r");
        QCOMPARE(repondeur.vus.last().icone, QMessageBox::Information);
        f.ChoisirFichier = [&](const QString&) { return dossier.chemin() + "/absent/classe.csv"; };
        f.findChild<QToolButton*>("B_Exporter")->click();
        QCOMPARE(repondeur.vus.last().icone, QMessageBox::Critical);
        QVERIFY(repondeur.vus.last().texte.contains("n'a pas pu être écrit"));
    }

    static QString ligneClasse(const QTableView* eleves, int i)
    {
        QStringList l;
        for (int c = 0; c < eleves->model()->columnCount(); ++c)
            l << cellule(eleves, i, c);
        return l.join('|');
    }

    // A save that the server, stopped from outside, leaves as it commits;
    // then the server started again.
    void ArreterEnEnregistrant(Fenetre& p)
    {
        Administrer({"CREATE OR REPLACE FUNCTION lent() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
                     "PERFORM pg_sleep(3); RETURN NULL; END $$",
                     R"(CREATE CONSTRAINT TRIGGER lent AFTER INSERT ON "TFait" DEFERRABLE INITIALLY DEFERRED
                        FOR EACH ROW EXECUTE FUNCTION lent())"});
        QProcess::startDetached("sh", {"-c", "sleep 1; pg_ctlcluster \"$PGVERSION\" regress stop -m immediate"});
        p.cliquer("B_Enregistrer");
        Serveur("start");
        Administrer({R"(DROP TRIGGER lent ON "TFait")"});
    }
};

namespace {

// One try of the attacks' table: by whom, with the TEMPORARY right given or
// not, what, and what it gives.
void Attaque(const char* tag, const char* role, const QString& sql, const QString& attendu, bool temporaire = false)
{
    QTest::newRow(tag) << QString::fromUtf8(role) << temporaire << sql << attendu;
}

const QString Juste = u"'2026-12-02 10:00:00', 1, 1, 7, 2, 1, 10, 1, 0"_s;
const QString Lus = uR"(SELECT STRING_AGG(DISTINCT "Eleve", ',') FROM "TCalkado")"_s;
const QString VueRoles = u"CREATE TEMP VIEW pg_roles AS SELECT * FROM pg_catalog.pg_roles; "_s + Lus;
const QString Verrou = uR"(BEGIN; LOCK TABLE "TCalkado" IN ACCESS EXCLUSIVE MODE)"_s;

// Tom, lea's classmate, as curious as a child with psql.
void AttaquesEleve()
{
    Attaque("élève : ses lignes", "lea", Lus, "lea");
    Attaque("élève : celles des autres", "tom", R"(SELECT COUNT(*) FROM "TCalkado")", "0");
    Attaque("élève : leurs faits", "tom", R"(SELECT COUNT(*) FROM "TFait")", "0");
    Attaque("élève : pg_roles temporaire", "tom", VueRoles, "refusé");
    Attaque("élève : TFait temporaire", "tom", R"(CREATE TEMP TABLE "TFait" (x int))", "refusé");
    Attaque("élève : verrou de la table", "tom", Verrou, "refusé");
    Attaque("élève : verrou partagé des faits", "tom", R"(BEGIN; LOCK TABLE "TFait" IN SHARE MODE)", "refusé");
    Attaque("élève : verrou des enregistrements de lea", "tom",
            R"(SELECT 1 FROM calkado_verrous WHERE "Eleve" = 'lea' FOR UPDATE)", "refusé");
    Attaque("élève : supprimer", "tom", R"(DELETE FROM "TCalkado")", "refusé");
    Attaque("élève : supprimer des faits", "tom", R"(DELETE FROM "TFait")", "refusé");
    Attaque("élève : vider", "tom", R"(TRUNCATE "TFait")", "refusé");
    Attaque("élève : changer", "tom", R"(UPDATE "TCalkado" SET "NumLivret" = 8)", "refusé");
    Attaque("élève : supprimer l'entraînement de lea", "tom",
            "SELECT calkado_supprimer_entrainement('2026-12-01 10:00:00')", "0");
    Attaque("élève : les classes", "tom", "SELECT COUNT(*) FROM calkado_membres", "refusé");
    Attaque("élève : les élèves d'une classe", "tom", "SELECT * FROM calkado_eleves_lisibles()", "refusé");
    Attaque("élève : ses classes", "tom", "SELECT COUNT(*) FROM calkado_classes_enseignees()", "0");
    Attaque("élève : des rôles sans classe", "tom",
            "SELECT STRING_AGG(rolname, ',' ORDER BY rolname) FROM pg_roles WHERE rolname LIKE 'calkado%'",
            "calkado_eleves,calkado_enseignants");
    Attaque("élève : au nom de lea", "tom",
            uR"(INSERT INTO "TCalkado" ()"_s + Colonnes + R"(, "Eleve") VALUES ()" + Juste + ", 'lea')", "refusé");
    Attaque("élève : sa clé", "tom",
            uR"(INSERT INTO "TCalkado" OVERRIDING SYSTEM VALUE ("Id", )"_s + Colonnes + ") VALUES (99, " + Juste + ")",
            "refusé");
    Attaque("élève : sous un autre rôle", "tom", "SET ROLE calkado_eleves; " + Ligne(Juste) + R"( RETURNING "Eleve")",
            "tom");
    Attaque("élève : une ligne juste", "tom", Ligne(Juste), "1");
}

// Rows that Calkado never writes, and more of them in a day than a child saves.
void LignesImpossibles()
{
    const char* lignes[][2] = {
        {"élève : compte négatif", "'2026-12-02 10:00:00', 1, 1, 7, 2, -1, 10, 3, 0"},
        {"élève : comptes incohérents", "'2026-12-02 10:00:00', 1, 1, 7, 2, 2, 10, 1, 0"},
        {"élève : temps négatif", "'2026-12-02 10:00:00', 1, 1, 7, 2, 1, -14, 1, 0"},
        {"élève : temps sans réussite", "'2026-12-02 10:00:00', 1, 1, 7, 2, 0, 10, 2, 0"},
        {"élève : table 13", "'2026-12-02 10:00:00', 1, 1, 13, 2, 1, 10, 1, 0"},
        {"élève : table 0", "'2026-12-02 10:00:00', 1, 1, 0, 2, 1, 10, 1, 0"},
        {"élève : option 2", "'2026-12-02 10:00:00', 2, 1, 7, 2, 1, 10, 1, 0"},
        {"élève : an 9999", "'9999-12-31 23:59:59', 1, 1, 7, 2, 1, 10, 1, 0"},
        {"élève : 30 février", "'2026-02-30 10:00:00', 1, 1, 7, 2, 1, 10, 1, 0"},
        {"élève : formule", "'=HYPERLINK(\"x\")', 1, 1, 7, 2, 1, 10, 1, 0"},
        {"élève : HTML", "'<img src=\"file:///etc/passwd\">', 1, 1, 7, 2, 1, 10, 1, 0"}};
    for (const auto& [tag, valeurs] : lignes)
        Attaque(tag, "tom", Ligne(valeurs), "refusé");
    const char* faits[][2] = {{"élève : multiplicateur 99", "'2026-12-02 10:00:00', 7, 99, 1, 1, 10"},
                              {"élève : issue 7", "'2026-12-02 10:00:00', 7, 3, 7, 1, 10"},
                              {"élève : essais impossibles", "'2026-12-02 10:00:00', 7, 3, 3, 1, 10"},
                              {"élève : dixièmes négatifs", "'2026-12-02 10:00:00', 7, 3, 1, 1, -5"}};
    for (const auto& [tag, valeurs] : faits)
        Attaque(tag, "tom", LigneFait(valeurs), "refusé");
    Attaque("élève : 1 001 lignes en un jour", "tom",
            uR"(INSERT INTO "TCalkado" ()"_s + Colonnes + ") SELECT " + Juste + " FROM generate_series(1, 1001)",
            "refusé");
    Attaque("élève : 20 001 faits en un jour", "tom",
            uR"(INSERT INTO "TFait" ()"_s + ColonnesFaits
                + ") SELECT '2026-12-02 10:00:00', 7, 3, 1, 1, 10 FROM generate_series(1, 20001)",
            "refusé");
}

// Prof_a, lea's teacher, and prof_b, zoe's.
void AttaquesEnseignant()
{
    Attaque("enseignant : ses élèves", "prof_a", Lus, "lea");
    Attaque("enseignant : leurs faits", "prof_a", R"(SELECT COUNT(*) FROM "TFait")", "1");
    Attaque("enseignant : une autre classe", "prof_b", Lus, "zoe");
    Attaque("enseignant : pg_roles temporaire", "prof_a", VueRoles, "refusé");
    Attaque("enseignant : verrou de la table", "prof_a", Verrou, "refusé");
    Attaque("enseignant : écrire", "prof_a", Ligne(Juste), "refusé");
    Attaque("enseignant : supprimer", "prof_a", R"(DELETE FROM "TCalkado")", "refusé");
    Attaque("enseignant : supprimer par la fonction", "prof_a",
            "SELECT calkado_supprimer_entrainement('2026-12-01 10:00:00')", "refusé");
    Attaque("enseignant : les classes", "prof_a", "SELECT COUNT(*) FROM calkado_membres", "refusé");
}

// The TEMPORARY right given all the same: the server's functions and rules
// never read what a session puts in its temporary schema.
void AttaquesTemporaires()
{
    Attaque("temporaire : pg_roles", "tom", VueRoles, "", true);
    Attaque("temporaire : calkado_membres", "prof_a",
            R"(CREATE TEMP TABLE calkado_membres AS SELECT 1 AS "Cle", 'zoe'::text AS "Role", false AS "Enseignant"
               UNION ALL SELECT 1, 'prof_a', true; )" + Lus,
            "lea", true);
    Attaque("temporaire : TFait", "lea",
            uR"(CREATE TEMP TABLE "TFait" (LIKE public."TFait"); )"_s
                + "SELECT calkado_supprimer_entrainement('2026-12-01 10:00:00'); SELECT COUNT(*) FROM public.\"TFait\"",
            "0", true);
}

} // namespace

void TestEcole::attaques_data()
{
    QTest::addColumn<QString>("role");
    QTest::addColumn<bool>("temporaire");
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("attendu");
    AttaquesEleve();
    LignesImpossibles();
    AttaquesEnseignant();
    AttaquesTemporaires();
}

void TestEcole::attente_data()
{
    QTest::addColumn<QString>("cause");
    QTest::addColumn<QString>("message");
    QTest::newRow("verrou tenu") << "verrou" << "est occupé";
    QTest::newRow("instruction trop longue") << "lent" << "est occupé";
}

void TestEcole::etats_data()
{
    QTest::addColumn<QString>("etat");
    QTest::addColumn<QString>("message");
    const QString absent = "Le serveur des résultats (calkado) ne répond pas";
    const QString refuseCompte = "Le serveur des résultats (calkado) refuse ce compte";
    const QString pasUneBase = "La base du serveur des résultats (calkado) n'existe pas";
    const QString occupe = "Le serveur des résultats (calkado) est occupé";
    const QString refuseResultats = "Le serveur des résultats (calkado) refuse ces résultats";
    for (const char* etat : {"08006", "08001", "57P01", "57P02", "57P03"})
        QTest::newRow(etat) << etat << absent;
    for (const char* etat : {"28000", "28P01", "42501", "XX000"})
        QTest::newRow(etat) << etat << refuseCompte;
    for (const char* etat : {"3D000", "42P01", "42703", "42883"})
        QTest::newRow(etat) << etat << pasUneBase;
    QTest::newRow("25006") << "25006" << "Le serveur des résultats (calkado) n'accepte que la lecture";
    for (const char* etat : {"55P03", "57014", "40001", "40P01", "53200", "53300"})
        QTest::newRow(etat) << etat << occupe;
    QTest::newRow("53100") << "53100" << "Le disque du serveur des résultats (calkado) est plein";
    for (const char* etat : {"23514", "23505", "22003", "22008"})
        QTest::newRow(etat) << etat << refuseResultats;
}

void TestEcole::refus_data()
{
    QTest::addColumn<QString>("langue");
    QTest::addColumn<QString>("cas");
    QTest::addColumn<QString>("message");
    for (const char* langue : {"C", "fr_FR.UTF-8"}) {
        const QString l = QString::fromLatin1(langue);
        QTest::addRow("%s, mauvais mot de passe", langue) << l << "mot de passe" << "refuse ce compte";
        QTest::addRow("%s, compte inconnu", langue) << l << "compte inconnu" << "refuse ce compte";
        QTest::addRow("%s, sans mot de passe", langue) << l << "sans mot de passe" << "refuse ce compte";
        QTest::addRow("%s, base absente", langue) << l << "base absente" << "n'existe pas";
        QTest::addRow("%s, base en lecture seule", langue) << l << "lecture seule" << "n'accepte que la lecture";
    }
}

void TestEcole::refus()
{
    QFETCH(QString, langue);
    QFETCH(QString, cas);
    QFETCH(QString, message);
    if (!ParlerLangue(langue))
        QSKIP("Cette langue n'est pas installée ici (scripts/preparer.sh l'installe)");
    DossierProgramme dossier;
    if (cas == "mot de passe")
        qputenv("PGPASSWORD", "faux");
    else if (cas == "compte inconnu")
        qputenv("PGUSER", "inconnu"), qputenv("PGPASSWORD", "inconnu");
    else if (cas == "sans mot de passe")
        qputenv("PGUSER", "inconnu");
    else if (cas == "base absente")
        EcrireConfiguration("[serveur]\nbase=absente\n");
    else
        Administrer({"ALTER DATABASE calkado SET default_transaction_read_only = on"});
    MagasinResultats magasin("refus");
    const ProblemeBase probleme = magasin.EcrireResultats(
        ResultatsDesComptes(ComptesDesFaits({{7, 3, Issue::Essai1, 1, 24}}), true, true), {}, Premier);
    qunsetenv("PGPASSWORD");
    Administrer({"SET default_transaction_read_only = off", "ALTER DATABASE calkado RESET default_transaction_read_only"});
    ParlerLangue("C");
    QVERIFY2(magasin.Expliquer(probleme, {}).contains(message), qPrintable(magasin.Expliquer(probleme, {})));
}

void TestEcole::administration_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("attendu");
    const QString classe = QString(30, u'é');   // 60 bytes
    QTest::newRow("deux classes") << "SELECT calkado_ajouter_eleve('" + classe + "A', 'eleve_a'), "
                                     "calkado_ajouter_eleve('" + classe + "B', 'eleve_b'), "
                                     "calkado_ajouter_enseignant('" + classe + "A', 'prof_long_a'), "
                                     "calkado_ajouter_enseignant('" + classe + "B', 'prof_long_b'); "
                                     "SELECT COUNT(*) FROM calkado_membres" << "9";
    QTest::newRow("encore une fois") << "SELECT calkado_ajouter_eleve('" + classe + "A', 'eleve_a'), "
                                        "calkado_ajouter_enseignant('" + classe + "A', 'prof_long_a'), "
                                        "calkado_creer_classe('" + classe + "A'); SELECT COUNT(*) FROM calkado_membres"
                                     << "9";
    QTest::newRow("l'administrateur comme élève") << "SELECT calkado_ajouter_eleve('cm1a', current_user)" << "refusé";
    QTest::newRow("un enseignant comme élève") << "SELECT calkado_ajouter_eleve('cm1a', 'prof_a')" << "refusé";
    QTest::newRow("un élève comme enseignant") << "SELECT calkado_ajouter_enseignant('cm1a', 'lea')" << "refusé";
    QTest::newRow("un nom de 64 octets") << "SELECT calkado_ajouter_eleve('cm1a', repeat('x', 64))" << "refusé";
    QTest::newRow("une classe sans nom") << "SELECT calkado_ajouter_eleve(' ', 'eleve_c')" << "refusé";
    QTest::newRow("aucun rôle de classe") << "SELECT COUNT(*) FROM pg_roles WHERE rolname LIKE '%é%'" << "0";
    QTest::newRow("des fonctions à leur chemin") << "SELECT COUNT(*) FROM pg_proc WHERE proname LIKE 'calkado%' AND "
                                                    "proconfig IS DISTINCT FROM '{\"search_path=pg_catalog, pg_temp\"}'"
                                                 << "0";
}

void TestEcole::administration()
{
    QFETCH(QString, sql);
    QFETCH(QString, attendu);
    QCOMPARE(Comme(Administrateur(), sql), attendu);
    if (QString(QTest::currentDataTag()) != "deux classes")
        return;
    Administrer({R"(DELETE FROM "TCalkado")", "ALTER ROLE eleve_a PASSWORD 'eleve_a'",
                 "ALTER ROLE eleve_b PASSWORD 'eleve_b'", "ALTER ROLE prof_long_a PASSWORD 'prof_long_a'",
                 "ALTER ROLE prof_long_b PASSWORD 'prof_long_b'"});
    for (const char* eleve : {"eleve_a", "eleve_b"})
        QCOMPARE(Comme(eleve, Ligne("'2026-12-02 10:00:00', 1, 1, 7, 2, 1, 10, 1, 0")), u"1"_s);
    const QString lus = uR"(SELECT STRING_AGG("Eleve", ',') FROM "TCalkado")"_s;
    QCOMPARE(Comme("prof_long_a", lus), u"eleve_a"_s);
    QCOMPARE(Comme("prof_long_b", lus), u"eleve_b"_s);
}

void TestEcole::miseAJour()
{
    const QString script = qEnvironmentVariable("CALKADO_MISE_A_JOUR");
    if (script.isEmpty())
        QSKIP("Seulement sur un serveur installé par Calkado 1.0 (ctest -R mise_a_jour_serveur)");
    DossierProgramme dossier;
    const QString lignes = uR"(SELECT STRING_AGG("Eleve" || ' ' || "DateHeure" || ' ' || "NumLivret", ',' ORDER BY "Id")
                               FROM "TCalkado")"_s;
    // A year of results, and what a curious pupil could do then.
    QCOMPARE(Comme("lea", Ligne("'2026-12-01 10:00:00', 1, 1, 7, 2, 1, 10, 1, 0") + "; "
                             + LigneFait("'2026-12-01 10:00:00', 7, 3, 1, 1, 10")), u"1"_s);
    QCOMPARE(Comme("zoe", Ligne("'2026-12-02 10:00:00', 0, 0, 9, 1, 0, 0, 0, 1")), u"1"_s);
    QCOMPARE(Comme("tom", Ligne("'9999-12-31 23:59:59', 1, 1, 7, 2, -1, -14, 3, 0")), u"1"_s);
    QCOMPARE(Comme("tom", "CREATE TEMP VIEW pg_roles AS SELECT rolname, (SELECT oid FROM pg_catalog.pg_roles "
                          "WHERE rolname = 'tom') AS oid FROM pg_catalog.pg_roles; SELECT COUNT(*) FROM \"TCalkado\""),
             u"3"_s);
    const QString avant = Comme(Administrateur(), lignes);

    QCOMPARE(LancerScript(script), 0);
    QCOMPARE(LancerScript(script), 0);
    QCOMPARE(Comme(Administrateur(), lignes), avant);
    QCOMPARE(Comme("prof_a", uR"(SELECT STRING_AGG(DISTINCT "Eleve", ',') FROM "TCalkado")"_s), u"lea,tom"_s);
    QCOMPARE(Comme("prof_b", uR"(SELECT STRING_AGG(DISTINCT "Eleve", ',') FROM "TCalkado")"_s), u"zoe"_s);
    QCOMPARE(Comme("tom", "SELECT COUNT(*) FROM pg_roles WHERE rolname LIKE 'calkado\\_classe%'"), u"0"_s);
    QCOMPARE(Comme("tom", "CREATE TEMP VIEW pg_roles AS SELECT 1"), u"refusé"_s);
    QCOMPARE(Comme("tom", R"(BEGIN; LOCK TABLE "TCalkado" IN ACCESS EXCLUSIVE MODE)"), u"refusé"_s);
    QCOMPARE(Comme("tom", Ligne("'9999-12-31 23:59:59', 1, 1, 7, 2, -1, -14, 3, 0")), u"refusé"_s);
    Enregistrer("lea", {{7, 4, Issue::Essai1, 1, 20}}, Premier.addDays(1));

    // Tom's forged row is shown to no teacher.
    qputenv("PGUSER", "prof_a");
    MagasinResultats prof("prof_a");
    const Lecture<QList<EleveClasse>> classe = prof.LireClasse({}, QDate(2026, 12, 9));
    QCOMPARE(classe.probleme, ProblemeBase::Aucun);
    QCOMPARE(classe.valeur.size(), 2);
    QCOMPARE(classe.valeur[0].dernier, u"2026-12-02 10:00:00"_s);
    QCOMPARE(classe.valeur[1].eleve + "|" + classe.valeur[1].dernier, u"tom|"_s);
    QCOMPARE(classe.valeur[1].livrets[5].NbQuestionParLivret, 0);
}

QTEST_MAIN(TestEcole)
#include "tst_ecole.moc"
