// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The results store on real files: the dates of the list read back exactly in
// every language, files that are not a results store, a store replaced while
// in use, the facts with their saved training, old stores, a store made
// read-only, rows another program wrote, configuration files that cannot be
// understood. The store's verbs on the file and on the school's server are
// tst_magasin's.
#include "Dates.h"
#include "Magasin.h"
#include "Outils.h"
#include "core/storage/Schema.h"
#include "core/results/DateHeure.h"
#include "core/memory/Paires.h"
#include "core/storage/MagasinResultats.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDateTime Moment(QDate(2026, 3, 14), QTime(10, 0, 5), Qt::UTC);

// The results of the tables given, each with counts it can be recognised by.
Resultats resultats(std::initializer_list<int> tables)
{
    Resultats r{};
    for (const int table : tables)
        r[std::size_t(table - 2)] = {{table + 3, table, 2, 1, table * 10}, true, 1};
    return r;
}

// A save's row of the results above, as Magasin::lignes() reads it.
QString ligne(const QString& date, int table)
{
    return QStringLiteral("%1|1|1|%2|%3|%2|%4|2|1").arg(date).arg(table).arg(table + 3).arg(table * 10);
}

// A store as Calkado made them before it kept the facts (version 0), or
// the memory of their pairs (version 1).
void AncienMagasin(int version = 0)
{
    QFile schema(CALKADO_SCHEMA);
    QVERIFY(schema.open(QIODevice::ReadOnly));
    const QString texte = QString::fromUtf8(schema.readAll());
    QStringList anciennes = InstructionsSchema(texte);
    anciennes.resize(anciennes.size() - InstructionsSchema(texte, version).size());
    Magasin::executer(anciennes);
}

// The results file made read-only for as long as it lives, where the file
// system lets this user.
struct Protection
{
    bool active = Magasin::proteger("CalkadoVa.sqlite", true);
    ~Protection() { Magasin::proteger("CalkadoVa.sqlite", false); }
};

// The same memory of each pair, and of as many facts.
bool MemesPaires(const MemoirePaires& a, const MemoirePaires& b)
{
    for (int p = 0; p < Paires::Nb; ++p)
        if (!(a.paire(p) == b.paire(p)))
            return false;
    return a.nbFaits() == b.nbFaits();
}

// A thousand and one facts, enough for the memory to be kept, saved at the
// date given: a good many tables, by another program.
void MilleFaits(const QString& date)
{
    QList<QVariantList> faits;
    for (int i = 0; i <= 1000; ++i)
        faits.append({date, 2 + i % 11, 1 + i % 12, 1 + i % 3, 1 + i % 3, 10 + i % 40});
    Magasin::ajouter(ligne(date, 5));
    Magasin::ajouterFaits(faits);
}

} // namespace

class TestDonnees : public QObject
{
    Q_OBJECT

private slots:
    void dates_relues_exactement_dans_chaque_langue()
    {
        const QList<QDateTime> moments = {
            Moment, QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59), Qt::UTC),
            QDateTime(QDate(2026, 1, 2), QTime(0, 0), Qt::UTC),      // midnight: no time shown
            QDateTime(QDate(2026, 1, 2), QTime(0, 0, 1), Qt::UTC),
            QDateTime(QDate(1999, 2, 3), QTime(4, 5, 6), Qt::UTC),   // a year of two digits would come back as 2099 or 1999
            QDateTime(QDate(2026, 3, 29), QTime(2, 30), Qt::UTC)};  // no such local time in France
        const QList<QLocale> langues = {QLocale(QLocale::French, QLocale::France), QLocale(QLocale::English, QLocale::UnitedStates),
                                        QLocale(QLocale::German, QLocale::Germany), QLocale::c(),
                                        QLocale(QLocale::Chinese, QLocale::China), QLocale(QLocale::Arabic, QLocale::Egypt),
                                        // digits of two UTF-16 units
                                        QLocale(QLocale::Chakma, QLocale::Bangladesh),
                                        QLocale(QLocale::Fulah, QLocale::AdlamScript, QLocale::Senegal)};
        for (const QLocale& langue : langues)
            for (const QDateTime& moment : moments) {
                const QString texte = TexteDateHeure(moment, langue);
                QCOMPARE(LireDateHeure(texte, langue), moment);
                QCOMPARE(CleElement(ElementListe(TexteBase(moment), langue), langue), TexteBase(moment));
            }

        // The French list, the stored text and the moment of a save cut to the
        // second are the viewer's and the save's tests.
        for (const QString autre : {"2026-3-14 10:00:05", "2026-03-14T10:00:05", "2026-02-30 10:00:00", ""})
            QVERIFY2(!LireTexteBase(autre).isValid(), qPrintable(autre));
        // A stored value that is no date is listed, and found again, as it is.
        QCOMPARE(ElementListe("hier", langues[0]), QString("hier"));
        QCOMPARE(CleElement("hier", langues[0]), QString("hier"));
    }

    void fichiers_qui_ne_sont_pas_le_magasin()
    {
        // A missing store and a text file in its place are the main window's
        // tests. An empty file is an empty SQLite database, without the table.
        DossierProgramme dossier(true, false);
        MagasinResultats base("test");
        QVERIFY(QFile("CalkadoVa.sqlite").open(QIODevice::WriteOnly));
        QCOMPARE(base.Verifier(), ProblemeBase::PasUneBase);
        QCOMPARE(base.LireDates().probleme, ProblemeBase::PasUneBase);
        QCOMPARE(QFile("CalkadoVa.sqlite").size(), 0);

        QFile::remove("CalkadoVa.sqlite");
        Magasin::executer({"CREATE TABLE \"Autre\" (\"x\" INTEGER)"});
        QCOMPARE(base.ContientDesResultats().probleme, ProblemeBase::PasUneBase);
        QFile::remove("CalkadoVa.sqlite");
        Magasin::executer({"CREATE TABLE %T (\"DateHeure\" TEXT, \"NumLivret\" INTEGER)"});
        QCOMPARE(base.EcrireResultats(resultats({3}), {}, Moment), ProblemeBase::PasUneBase);

        // The set-up never replaces a store that is there.
        QFile::remove("CalkadoVa.sqlite");
        QVERIFY(CreerBase(CALKADO_SCHEMA, "CalkadoVa.sqlite"));
        QCOMPARE(base.EcrireResultats(resultats({3}), {}, Moment), ProblemeBase::Aucun);
        QVERIFY(!CreerBase(CALKADO_SCHEMA, "CalkadoVa.sqlite"));
        QCOMPARE(Magasin::lignes().size(), 1);
    }

    void magasin_remplace_pendant_l_usage()
    {
        DossierProgramme dossier;
        MagasinResultats base("test");
        // Removed while open, the fault is the viewer's test; replaced between
        // two saves that both succeed, the new one is written.
        QCOMPARE(base.EcrireResultats(resultats({3}), {}, Moment), ProblemeBase::Aucun);
        QVERIFY(QFile::rename("CalkadoVa.sqlite", "ancien.sqlite"));
        QVERIFY(CreerBase(CALKADO_SCHEMA, "CalkadoVa.sqlite"));
        QCOMPARE(base.EcrireResultats(resultats({6}), {}, Moment), ProblemeBase::Aucun);
        QCOMPARE(Magasin::lignes(), QStringList{ligne("2026-03-14 10:00:05", 6)});
        QCOMPARE(Magasin::lignes("ancien.sqlite").size(), 1);
    }

    // The facts go with their saved training: written with it or not at all,
    // deleted with it, twins together, and with a row another program
    // deletes. An old store is brought up to date once, its rows kept.
    void faitsAvecLeurEntrainement()
    {
        DossierProgramme dossier(true, false);
        AncienMagasin();
        Magasin::ajouter(ligne("2026-01-02 08:00:00", 5));
        MagasinResultats base("test");
        QCOMPARE(base.Verifier(), ProblemeBase::Aucun);
        QCOMPARE(Magasin::faits(), QStringList());
        const QList<Fait> faits = {{7, 3, Issue::Essai1, 1, 12}, {8, 4, Issue::Reponse, 3, 40}};
        QCOMPARE(base.EcrireResultats(resultats({7, 8}), faits, Moment), ProblemeBase::Aucun);
        QCOMPARE(Magasin::faitsDe(TexteBase(Moment)), faits);
        QCOMPARE(Magasin::faits().value(1), u"2026-03-14 10:00:05|8|4|3|3|40"_s);
        MagasinResultats encore("encore");
        QCOMPARE(encore.Verifier(), ProblemeBase::Aucun);
        QCOMPARE(Magasin::lignes().size(), 3);

        Magasin::executer({"CREATE TRIGGER echec BEFORE INSERT ON %F WHEN NEW.\"NumLivret\" = 8 "
                           "BEGIN SELECT RAISE(ABORT, 'refus'); END"});
        QVERIFY(base.EcrireResultats(resultats({7, 8}), faits, Moment.addDays(1)) != ProblemeBase::Aucun);
        QCOMPARE(Magasin::lignes().size(), 3);
        QCOMPARE(Magasin::faits().size(), 2);
        Magasin::executer({"DROP TRIGGER echec"});

        // A series longer than the settlings the grid keeps, counted whole.
        QList<Fait> serie = {{9, 9, Issue::Essai2, 2, 30}};
        serie.insert(1, 12, {9, 9, Issue::Essai1, 1, 30});
        QCOMPARE(base.EcrireResultats(resultats({9}), serie, Moment.addDays(2)), ProblemeBase::Aucun);
        QCOMPARE(base.LireBilan().valeur.fait(9, 9).serie, 12);
        QCOMPARE(base.SupprimerEntrainement(TexteBase(Moment.addDays(2))), ProblemeBase::Aucun);

        Magasin::executer({"DELETE FROM %T WHERE \"NumLivret\" = 7"});
        QCOMPARE(Magasin::faitsDe(TexteBase(Moment)), faits.mid(1));
        Magasin::ajouter(ligne(TexteBase(Moment), 9));   // a twin
        QCOMPARE(base.SupprimerEntrainement(TexteBase(Moment)), ProblemeBase::Aucun);
        QCOMPARE(Magasin::lignes(), QStringList{ligne("2026-01-02 08:00:00", 5)});
        QCOMPARE(Magasin::faits(), QStringList());
    }

    // The memory of the pairs that the file keeps is a copy, never a truth:
    // any change another program (an older Calkado) makes to the facts
    // empties it, but the facts it adds after the last replayed, which are
    // replayed on top of it; a copy of another version or unreadable is
    // rebuilt. The store of the version before it is brought up to date.
    void memoireGardee()
    {
        DossierProgramme dossier(true, false);
        AncienMagasin(1);
        MilleFaits("2026-03-01 17:00:00");
        MagasinResultats base("test");
        QCOMPARE(base.Verifier(), ProblemeBase::Aucun);
        Magasin::executer({"SELECT \"Etat\" FROM \"TMemoire\" WHERE 1 = 0"});
        const auto relue = [&base](qint64 rejoues) {
            const Lecture<MemoireLue> lue = base.LireMemoire();
            QVERIFY(lue && MemesPaires(lue.valeur.memoire, Magasin::memoire()));
            QCOMPARE(lue.valeur.rejoues, rejoues);
        };
        relue(1001);
        relue(0);
        QCOMPARE(base.EcrireResultats(resultats({7}), {{7, 3, Issue::Essai1, 1, 12}}, Moment), ProblemeBase::Aucun);
        relue(1);
        // Changed by another program: rebuilt, then kept again.
        const QStringList changements = {
            "UPDATE %F SET \"Issue\" = 3 WHERE \"Id\" = 5",
            "INSERT INTO %F (\"Id\", \"DateHeure\", \"NumLivret\", \"Multiplicateur\", \"Issue\", \"NbEssais\", "
            "\"Dixiemes\") VALUES (-1, '2026-02-01 10:00:00', 8, 7, 1, 1, 20)",
            "DELETE FROM %T WHERE \"DateHeure\" = '2026-03-14 10:00:05'",
            "DELETE FROM %F WHERE \"Id\" = 7",
            "UPDATE \"TMemoire\" SET \"Version\" = 99",
            "UPDATE \"TMemoire\" SET \"Etat\" = '1 2'"};
        for (const QString& changement : changements) {
            Magasin::executer({changement});
            relue(Magasin::faits().size());
            relue(0);
        }
        // A fact added after the last replayed is replayed on top.
        Magasin::ajouterFaits({{"2026-03-15 09:00:00", 9, 6, 2, 2, 40}});
        relue(1);
    }

    // A store made read-only, as it is now or as Calkado made them before it
    // kept the facts (then read as it is, without them): nothing is saved,
    // nothing deleted, nothing lost.
    void magasin_en_lecture_seule()
    {
        for (const bool ancien : {false, true}) {
            DossierProgramme dossier(true, !ancien);
            if (ancien)
                AncienMagasin();
            Magasin::ajouter(ligne("2026-01-02 08:00:00", 5));
            const Protection protection;
            if (!protection.active)
                QSKIP("this file system cannot make a file read-only for this user");
            MagasinResultats base("test");
            QCOMPARE(base.Verifier(), ProblemeBase::Aucun);
            const Lecture<Bilan> bilan = base.LireBilan();
            QVERIFY(bilan && bilan.valeur.fait(5, 3).derniers.isEmpty());
            QCOMPARE(base.EcrireResultats(resultats({7}), {{7, 3, Issue::Essai1, 1, 12}}, Moment),
                     ProblemeBase::LectureSeule);
            QCOMPARE(base.SupprimerEntrainement("2026-01-02 08:00:00"), ProblemeBase::LectureSeule);
            QCOMPARE(base.LireDates().valeur, QStringList{"2026-01-02 08:00:00"});
        }
    }

    // A store made read-only keeps no memory of the pairs: each read replays
    // every fact, whether the file has room for the memory (emptied by
    // another program) or was made before it and cannot be brought up to date.
    void memoireEnLectureSeule()
    {
        for (const int version : {1, 2}) {
            DossierProgramme dossier(true, false);
            AncienMagasin(version);
            MilleFaits("2026-03-01 17:00:00");
            const Protection protection;
            if (!protection.active)
                QSKIP("this file system cannot make a file read-only for this user");
            MagasinResultats base("test");
            QCOMPARE(base.Verifier(), ProblemeBase::Aucun);
            for (int lecture = 0; lecture < 2; ++lecture) {
                const Lecture<MemoireLue> lue = base.LireMemoire();
                QVERIFY(lue && MemesPaires(lue.valeur.memoire, Magasin::memoire()));
                QCOMPARE(lue.valeur.rejoues, 1001);
            }
        }
    }

    // What stands at the file's name, and rows another program wrote: each
    // named as it is.
    void diagnostics_et_lignes_etrangeres()
    {
        DossierProgramme dossier(true, false);
        MagasinResultats base("test");
        QVERIFY(QFile::link("CalkadoVa.sqlite", "CalkadoVa.sqlite"));   // a link that loops
        QCOMPARE(base.Verifier(), ProblemeBase::Inaccessible);
        QFile::remove("CalkadoVa.sqlite");
        QVERIFY(QFile::link("ailleurs.sqlite", "CalkadoVa.sqlite"));    // a link to nothing
        QCOMPARE(base.Verifier(), ProblemeBase::Absent);
        QFile::remove("CalkadoVa.sqlite");

        // A column that a save would leave without a value: not a results file.
        const QString colonnes = "\"Id\" INTEGER PRIMARY KEY, \"DateHeure\" TEXT, \"Multiplicateur1a12\" INTEGER, "
                                 "\"Aléatoire\" INTEGER, \"NumLivret\" INTEGER, \"NbQuestionParLivret\" INTEGER, "
                                 "\"NbQuestionEssai1\" INTEGER, \"TempsTotalEssai1\" INTEGER, "
                                 "\"NbQuestionEssai2\" INTEGER, \"NbQuestionRéponse\" INTEGER";
        Magasin::executer({"CREATE TABLE %T (" + colonnes + ", \"Eleve\" TEXT NOT NULL)"});
        QCOMPARE(base.Verifier(), ProblemeBase::PasUneBase);
        Magasin::executer({"DROP TABLE %T", "CREATE TABLE %T (" + colonnes + ", \"Eleve\" TEXT NOT NULL DEFAULT '')"});
        QCOMPARE(base.Verifier(), ProblemeBase::Aucun);

        // A row without a date is no saved training; one with an empty date
        // is, and goes when deleted. What is not there cannot be deleted.
        Magasin::executer({"INSERT INTO %T (\"DateHeure\", \"NumLivret\") VALUES (NULL, 3), ('', 4)"});
        QCOMPARE(base.LireDates().valeur, QStringList{""});
        QCOMPARE(base.SupprimerEntrainement(""), ProblemeBase::Aucun);
        QCOMPARE(base.SupprimerEntrainement(""), ProblemeBase::Introuvable);
        QCOMPARE(Magasin::lignes().size(), 1);
    }

    // A configuration file that is there but cannot be read or understood,
    // the user's or the machine's, names no server and is never passed over
    // for the file of the computer: each use says so, naming the file and why.
    void configurationsIncomprises_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QString>("raison");
        const QByteArray base = "[serveur]\nbase=calkado\n";
        QTest::newRow("section en capitales") << QByteArray("[Serveur]\nbase=calkado\n") << "ligne 1, la section [Serveur]";
        QTest::newRow("une phrase") << QByteArray("Les résultats vont sur le serveur.\n") << "ligne 1, « Les résultats vont sur le serveur. » n'est ni une section";
        QTest::newRow("une clé hors section") << QByteArray("base=calkado\n") << "ligne 1, « base=calkado »";
        QTest::newRow("une clé inconnue") << base + "hôte=ecole.lan\n" << "ligne 3, la clé « hôte »";
        QTest::newRow("port=abc") << base + "port=abc\n" << "ligne 3, le port « abc » n'est pas un nombre de 1 à 65535";
        QTest::newRow("port=-5") << base + "port=-5\n" << "ligne 3, le port « -5 »";
        QTest::newRow("port=70000") << base + "port=70000\n" << "ligne 3, le port « 70000 »";
        QTest::newRow("octets quelconques") << QByteArray("\x89PNG\r\n\x1a\n\xff\xfe", 10) << "ce n'est pas un texte";
        QTest::newRow("trop grand") << QByteArray(100000, '#') << "ce n'est pas un texte";
        QTest::newRow("un dossier") << QByteArray() << "ce n'est pas un fichier";
        QTest::newRow("/dev/zero") << QByteArray("/dev/zero") << "ce n'est pas un fichier";
        QTest::newRow("un lien vers rien") << QByteArray("/absent/calkado.conf") << "ce n'est pas un fichier";
    }
    void configurationsIncomprises()
    {
        QFETCH(QByteArray, contenu);
        QFETCH(QString, raison);
        for (const bool systeme : {false, true}) {
            DossierProgramme dossier;
            const QString fichier = dossier.chemin() + "/configuration/calkado/calkado.conf";
            QVERIFY(QDir().mkpath(dossier.chemin() + "/configuration/calkado"));
            if (contenu.isEmpty())
                QVERIFY(QDir().mkpath(fichier));
            else if (contenu.startsWith('/'))
                QVERIFY(QFile::link(contenu, fichier));
            else if (QFile f(fichier); !f.open(QIODevice::WriteOnly) || f.write(contenu) != contenu.size())
                QFAIL("configuration non écrite");
            qputenv(systeme ? "CALKADO_CONFIGURATION_SYSTEME" : "XDG_CONFIG_HOME",
                    QFile::encodeName(systeme ? fichier : dossier.chemin() + "/configuration"));
            MagasinResultats magasin("test");
            qunsetenv("CALKADO_CONFIGURATION_SYSTEME");
            qunsetenv("XDG_CONFIG_HOME");
            QCOMPARE(magasin.Verifier(), ProblemeBase::Configuration);
            QCOMPARE(magasin.EcrireResultats(resultats({3}), {}, Moment), ProblemeBase::Configuration);
            const QString message = magasin.Expliquer(ProblemeBase::Configuration, "Suite.");
            QVERIFY2(message.startsWith("Le fichier de configuration " + fichier + ", qui dit où Calkado garde les "
                                        "résultats, ne peut pas être compris : " + raison),
                     qPrintable(message));
            QVERIFY(message.endsWith("ni sur cet ordinateur.\n\nSuite."));
            QVERIFY(Magasin::lignes().isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestDonnees)
#include "tst_donnees.moc"
