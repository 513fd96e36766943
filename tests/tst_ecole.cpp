// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Calkado at school, on a PostgreSQL server of the test's own (tests/ecole.sh):
// who may read, write and delete what, checked in SQL as each role as a
// child could with psql; the server down at start-up and stopped in the
// middle of a save, then started again: nothing lost, nothing twice; the
// teacher's view of their class.
#include "FenetrePrincipale.h"
#include "core/results/MagasinResultats.h"
#include "ui/classe/F_Classe.h"

#include <QFile>
#include <QProcess>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>
#include <QSqlError>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace {

const QString Colonnes = uR"("DateHeure", "Multiplicateur1a12", "Aléatoire", "NumLivret", "NbQuestionParLivret",
    "NbQuestionEssai1", "TempsTotalEssai1", "NbQuestionEssai2", "NbQuestionRéponse")"_s;

// What a statement gives when run as that role: its number of rows (read or
// changed), or "refusé".
QString Comme(const QString& role, const QString& sql)
{
    QString issue;
    {
        QSqlDatabase base = QSqlDatabase::addDatabase("QPSQL", "role " + role);
        base.setDatabaseName("calkado");
        base.setUserName(role);
        if (role == qEnvironmentVariable("CALKADO_ADMINISTRATEUR"))
            base.setPassword(qEnvironmentVariable("CALKADO_MOT_DE_PASSE_ADMINISTRATEUR"));
        QSqlQuery requete(base);
        if (!base.open() || !requete.exec(sql))
            issue = "refusé";
        else if (requete.isSelect())
            issue = requete.next() ? requete.value(0).toString() : "rien";
        else
            issue = QString::number(requete.numRowsAffected());
    }
    QSqlDatabase::removeDatabase("role " + role);
    return issue;
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

QString cellule(const QTableView* vue, int ligne, int colonne, int role = Qt::DisplayRole)
{
    return vue->model()->index(ligne, colonne).data(role).toString();
}

} // namespace

class TestEcole : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { PreparerFenetres(); }

    // Each pupil their own rows, each teacher their classes' pupils, read only.
    void droits()
    {
        DossierProgramme dossier;
        const Resultats r = ResultatsDesComptes(ComptesDesFaits({{7, 3, Issue::Essai1, 1, 24}}), true, true);
        for (const char* eleve : {"lea", "zoe"}) {
            qputenv("PGUSER", eleve);
            MagasinResultats magasin(eleve);
            QCOMPARE(magasin.EcrireResultats(r, {{7, 3, Issue::Essai1, 1, 24}},
                                             QDateTime(QDate(2026, 12, 1), QTime(10, 0), Qt::UTC)),
                     ProblemeBase::Aucun);
        }
        qputenv("PGUSER", "lea");
        const QString ligne = "'2026-12-02 10:00:00', 1, 1, 7, 1, 1, 10, 0, 0";
        const QList<std::pair<QString, QString>> essais = {
            {"tom", R"(SELECT COUNT(*) FROM "TCalkado")"},
            {"tom", R"(SELECT COUNT(*) FROM "TFait")"},
            {"tom", R"(DELETE FROM "TCalkado")"},
            {"tom", R"(DELETE FROM "TFait" WHERE "Eleve" = 'lea')"},
            {"tom", R"(UPDATE "TCalkado" SET "NumLivret" = 8)"},
            {"tom", R"(INSERT INTO "TCalkado" ()" + Colonnes + R"(, "Eleve") VALUES ()" + ligne + ", 'lea')"},
            {"tom", R"(INSERT INTO "TCalkado" ()" + Colonnes + ") VALUES (" + ligne + ")"},
            {"lea", R"(SELECT STRING_AGG("Eleve", ',' ORDER BY "Eleve") FROM "TCalkado")"},
            {"prof_a", R"(SELECT STRING_AGG("Eleve", ',' ORDER BY "Eleve") FROM "TCalkado")"},
            {"prof_a", R"(SELECT COUNT(*) FROM "TFait")"},
            {"prof_b", R"(SELECT STRING_AGG("Eleve", ',' ORDER BY "Eleve") FROM "TCalkado")"},
            {"prof_a", R"(DELETE FROM "TCalkado")"},
            {"prof_a", R"(INSERT INTO "TCalkado" ()" + Colonnes + ") VALUES (" + ligne + ")"},
            {"prof_a", R"(UPDATE "TFait" SET "Issue" = 1)"},
            {"lea", R"(SELECT COUNT(*) FROM "TCalkado")"},
        };
        QStringList vus;
        for (const auto& [role, sql] : essais)
            vus << role + " " + Comme(role, sql);
        QCOMPARE(vus, (QStringList{"tom 0", "tom 0", "tom 0", "tom 0", "tom refusé", "tom refusé", "tom 1",
                                   "lea lea", "prof_a lea,tom", "prof_a 1", "prof_b zoe", "prof_a refusé",
                                   "prof_a refusé", "prof_a refusé", "lea 1"}));
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

    // The teacher's view of the class on Wednesday 9 December: lea and tom
    // in cm1a, zoe in cm2 whom prof_a does not see.
    void vueClasse()
    {
        DossierProgramme dossier;
        Comme(qEnvironmentVariable("CALKADO_ADMINISTRATEUR"), R"(DELETE FROM "TCalkado")");
        const QDateTime mardi(QDate(2026, 12, 8), QTime(16, 30), Qt::UTC);
        Enregistrer("lea", {{7, 3, Issue::Essai1, 1, 16}}, QDateTime(QDate(2026, 12, 1), QTime(16, 30), Qt::UTC));
        Enregistrer("lea", {{7, 3, Issue::Essai1, 1, 24}, {7, 8, Issue::Reponse, 3, 300}}, mardi);
        Enregistrer("tom", {{7, 8, Issue::Reponse, 3, 250}, {6, 6, Issue::Essai2, 2, 80}}, mardi);
        Enregistrer("zoe", {{9, 9, Issue::Reponse, 3, 90}}, mardi);

        qputenv("PGUSER", "prof_a");
        Repondeur repondeur;
        HorlogeFactice horloge;
        horloge.date = QDateTime(QDate(2026, 12, 9), QTime(10, 0), Qt::UTC);
        F_Classe f(&horloge);
        QVERIFY(f.Form_Load());
        f.show();
        auto* eleves = f.findChild<QTableView*>("T_Eleves");
        const auto ligne = [&](int i) {
            QStringList l;
            for (int c = 0; c < eleves->model()->columnCount(); ++c)
                l << cellule(eleves, i, c);
            return l.join('|');
        };
        QCOMPARE(f.findChild<QLabel*>("L_Titre_Principal")->text(), u"La classe cm1a"_s);
        QCOMPARE(eleves->model()->rowCount(), 2);
        QCOMPARE(ligne(0), u"lea|cm1a|08/12/2026||||||50 %\n2,4 s|||||"_s);
        QCOMPARE(ligne(1), u"tom|cm1a|08/12/2026|||||0 %|0 %|||||"_s);
        QCOMPARE(cellule(eleves, 0, 8, Qt::ToolTipRole),
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

        // Tom's grid, read only: 3 x 7 never asked, 8 x 7 to review.
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

        // The export: for a French spreadsheet, and a folder that does not exist.
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

private:
    // A save that the server, stopped from outside, leaves as it commits;
    // then the server started again.
    void ArreterEnEnregistrant(Fenetre& p)
    {
        const QString administrateur = qEnvironmentVariable("CALKADO_ADMINISTRATEUR");
        Comme(administrateur, R"(
            CREATE OR REPLACE FUNCTION lent() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN PERFORM pg_sleep(3); RETURN NULL; END $$;
            CREATE CONSTRAINT TRIGGER lent AFTER INSERT ON "TFait" DEFERRABLE INITIALLY DEFERRED
                FOR EACH ROW EXECUTE FUNCTION lent())");
        QProcess::startDetached("sh", {"-c", "sleep 1; pg_ctlcluster \"$PGVERSION\" regress stop -m immediate"});
        p.cliquer("B_Enregistrer");
        Serveur("start");
        Comme(administrateur, R"(DROP TRIGGER lent ON "TFait")");
    }
};

QTEST_MAIN(TestEcole)
#include "tst_ecole.moc"
