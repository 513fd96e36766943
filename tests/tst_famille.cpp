// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The family's list and the children's results files, on real files in a
// working folder of the test's own: the names let in and refused, the first
// child taking the account's file as it is, two children's saves kept apart,
// adding, renaming, removing and bringing back, a list that cannot be read
// left as it is, a writer killed while it writes the list, and the child
// named on the command line, answered by the built program on the terminal.
#include "Magasin.h"
#include "Outils.h"
#include "core/Textes.h"
#include "core/family/EnfantCourant.h"
#include "core/family/Famille.h"
#include "core/family/Prenom.h"
#include "core/storage/Schema.h"
#include "core/storage/MagasinResultats.h"
#include "core/startup/DepartEnfant.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <csignal>

namespace {

const QString Liste = Textes::NomFichierListeEnfants;

// Every file under the working folder, with a digest of its bytes: what
// "nothing changed" compares.
QStringList etatDuDossier()
{
    QStringList etat;
    QDirIterator i(QDir::currentPath(), QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::System,
                   QDirIterator::Subdirectories);
    while (i.hasNext()) {
        const QString chemin = i.next();
        QFile fichier(chemin);
        const QByteArray octets = fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray("-");
        etat << QDir::current().relativeFilePath(chemin) + " " + QCryptographicHash::hash(octets, QCryptographicHash::Md5).toHex();
    }
    etat.sort();
    return etat;
}

void ecrire(const QString& fichier, const QByteArray& octets)
{
    QFile f(fichier);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size());
}

// A family made through its list, children in order.
Famille famille(const QStringList& noms)
{
    Famille f;
    for (const QString& nom : noms)
        if (!f.Ajouter(nom).isEmpty())
            qFatal("Impossible d'ajouter %s", qPrintable(nom));
    return f;
}

// The tables, indexes and triggers of a file and its version, as SQLite keeps them.
QStringList schemaDe(const QString& fichier)
{
    QStringList schema;
    {
        QSqlDatabase base = QSqlDatabase::addDatabase("QSQLITE", "schema");
        base.setDatabaseName(fichier);
        QSqlQuery requete(base);
        if (base.open() && requete.exec("PRAGMA user_version") && requete.next())
            schema << "version " + requete.value(0).toString();
        if (requete.exec("SELECT sql FROM sqlite_master ORDER BY name"))
            while (requete.next())
                schema << requete.value(0).toString();
    }
    QSqlDatabase::removeDatabase("schema");
    return schema;
}

QString ligne(int livret) { return QString("2026-03-14 10:00:0%1|1|1|%1|3|2|45|1|0").arg(livret); }

// The child of the test program run as a writer: adds a second child,
// renames them over and over, removes them, without end, until it is
// killed. The one a killed writer left is removed first.
int EcrireSansFin(const QString& dossier)
{
    QDir::setCurrent(dossier);
    Famille f;
    if (!f.Lire().isEmpty() || (f.enfants().size() > 1 && !f.Retirer(f.enfants().last().numero).isEmpty()))
        return 1;
    QTextStream sortie(stdout);
    for (int tour = 0;; ++tour) {
        if (!f.Ajouter(QStringLiteral("Enfant")).isEmpty())
            return 1;
        const int numero = f.Trouver(QStringLiteral("Enfant"))->numero;
        for (int fois = 0; fois < 20; ++fois)
            if (!f.Renommer(numero, fois % 2 ? QStringLiteral("Enfant") : QStringLiteral("Autre")).isEmpty())
                return 1;
        if (!f.Retirer(numero).isEmpty())
            return 1;
        if (tour == 0)
            sortie << "prêt" << Qt::endl;
    }
}

} // namespace

class TestFamille : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { PreparerFenetres(); }
    void cleanup() { ChoisirEnfant(std::nullopt); }

    // A name refused says why in French, and the list and the files stay as
    // they were; a name let in is kept without the spaces around it.
    void prenoms_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QStringList>("autres");
        QTest::addColumn<QString>("refus");
        const QString a30(30, 'a');
        QTest::newRow("accent") << "Zoé" << QStringList{"Léo"} << QString();
        QTest::newRow("trait d'union") << "Jean-Éric" << QStringList() << QString();
        QTest::newRow("apostrophe") << "N'Golo" << QStringList{"Zoé"} << QString();
        QTest::newRow("apostrophe typographique") << "N’Golo" << QStringList() << QString();
        QTest::newRow("espaces") << "Marie Anne" << QStringList() << QString();
        QTest::newRow("espaces autour") << "  Léa  " << QStringList() << QString();
        QTest::newRow("30 caractères") << a30 << QStringList() << QString();
        QTest::newRow("30 caractères, accents décomposés") << QString(29, 'e') + "e\u0301" << QStringList() << QString();
        QTest::newRow("proche d'un autre") << "Zoélie" << QStringList{"Zoé"} << QString();
        QTest::newRow("vide") << "" << QStringList() << Textes::PrenomVide;
        QTest::newRow("espaces seuls") << "   " << QStringList() << Textes::PrenomVide;
        QTest::newRow("31 caractères") << a30 + "b" << QStringList() << "Le prénom a 31 caractères : il en faut 30 au plus.";
        QTest::newRow("barre oblique") << "Zoé/Léo" << QStringList() << Textes::PrenomBarre;
        QTest::newRow("barre inverse") << "Zoé\\Léo" << QStringList() << Textes::PrenomBarre;
        QTest::newRow("deux points") << "Zoé..Léo" << QStringList() << Textes::PrenomPoints;
        QTest::newRow("point-point seul") << ".." << QStringList() << Textes::PrenomPoints;
        QTest::newRow("tabulation") << "Zo\té" << QStringList() << Textes::PrenomInvisible;
        QTest::newRow("retour à la ligne") << "Zoé\nLéo" << QStringList() << Textes::PrenomInvisible;
        QTest::newRow("sonnerie") << "Zo\ae" << QStringList() << Textes::PrenomInvisible;
        QTest::newRow("sens d'écriture") << "Zo\u202Eé" << QStringList() << Textes::PrenomInvisible;
        QTest::newRow("moitié de paire") << "Zo" + QString(QChar(0xD800)) << QStringList() << Textes::PrenomInvisible;
        QTest::newRow("même prénom") << "Zoé" << QStringList{"Léo", "Zoé"} << Textes::PrenomPris("Zoé");
        QTest::newRow("majuscules") << "ZOÉ" << QStringList{"Zoé"} << Textes::PrenomPris("Zoé");
        QTest::newRow("sans accent") << "zoe" << QStringList{"Zoé"} << Textes::PrenomPris("Zoé");
        QTest::newRow("autre accent") << "Zoë" << QStringList{"Zoé"} << Textes::PrenomPris("Zoé");
        QTest::newRow("accent décomposé") << "Le\u0301a" << QStringList{"Léa"} << Textes::PrenomPris("Léa");
    }
    void prenoms()
    {
        QFETCH(QString, nom);
        QFETCH(QStringList, autres);
        QFETCH(QString, refus);
        QCOMPARE(RefusPrenom(nom, autres), refus);

        DossierProgramme dossier;
        Famille f = famille(autres);
        const QStringList avant = etatDuDossier();
        QCOMPARE(f.Ajouter(nom), refus);
        if (!refus.isEmpty()) {
            QCOMPARE(etatDuDossier(), avant);
            QCOMPARE(f.noms(), autres);
            return;
        }
        QCOMPARE(f.noms(), autres + QStringList{nom.normalized(QString::NormalizationForm_C).trimmed()});
        QVERIFY(QFile::exists(f.enfants().last().fichier()));
    }

    // The first child takes the account's file as it is: nothing made,
    // copied or lost. The next one gets a new file of today's schema.
    void premierEnfant()
    {
        DossierProgramme dossier;
        Magasin::ajouter(ligne(3));
        Magasin::ajouter(ligne(7));
        const QStringList avant = etatDuDossier();
        Famille f;
        QCOMPARE(f.Ajouter("Zoé"), QString());
        QCOMPARE(f.enfants(), (QList<Enfant>{{"Zoé", 1}}));
        QStringList apres = etatDuDossier();
        QCOMPARE(apres.filter(QRegularExpression("^(?!" + QRegularExpression::escape(Liste) + ")")), avant);
        ChoisirEnfant(f.enfants().first());
        MagasinResultats magasin("test");
        QCOMPARE(magasin.LireDates().valeur.size(), 2);

        QCOMPARE(f.Ajouter("Jean-Éric"), QString());
        const Enfant second = f.enfants().last();
        QCOMPARE(second.fichier(), QString("CalkadoVa-2.sqlite"));
        ChoisirEnfant(second);
        QCOMPARE(magasin.Verifier(), ProblemeBase::Aucun);
        QCOMPARE(magasin.LireDates().valeur, QStringList());
        QCOMPARE(Magasin::lignes(second.fichier()), QStringList());
        QCOMPARE(Magasin::faits(second.fichier()), QStringList());
        // Today's schema, as the set-up makes the account's file.
        QCOMPARE(schemaDe(second.fichier()), schemaDe(dossier.base()));
        QVERIFY(schemaDe(second.fichier()).first().startsWith("version "));
        QCOMPARE(Magasin::lignes(Textes::NomFichierBase).size(), 2);
    }

    // One store, two children: each save goes to the file of the child who
    // trains, and each reads back their own.
    void deuxEnfants()
    {
        DossierProgramme dossier;
        Famille f = famille({"Zoé", "Léo"});
        MagasinResultats magasin("test");
        const QList<Fait> faitsZoe{{7, 3, Issue::Essai1, 1, 24}}, faitsLeo{{3, 8, Issue::Reponse, 3, 90}, {3, 9, Issue::Essai2, 2, 40}};
        const QDateTime moment(QDate(2026, 3, 14), QTime(10, 0, 5));
        for (const auto& [enfant, faits] : {std::pair{f.enfants()[0], faitsZoe}, std::pair{f.enfants()[1], faitsLeo}}) {
            ChoisirEnfant(enfant);
            QCOMPARE(magasin.EcrireResultats(ResultatsDesComptes(ComptesDesFaits(faits), true, false), faits, moment),
                     ProblemeBase::Aucun);
        }
        QCOMPARE(Magasin::faits("CalkadoVa.sqlite"), QStringList{"2026-03-14 10:00:05|7|3|1|1|24"});
        QCOMPARE(Magasin::faits("CalkadoVa-2.sqlite"),
                 (QStringList{"2026-03-14 10:00:05|3|8|3|3|90", "2026-03-14 10:00:05|3|9|2|2|40"}));
        ChoisirEnfant(f.enfants()[0]);
        QCOMPARE(Magasin::faitsDe("2026-03-14 10:00:05", "CalkadoVa.sqlite"), faitsZoe);
        QCOMPARE(magasin.LireBilan().valeur.fait(7, 3).derniers.size(), 1);
        QCOMPARE(magasin.LireBilan().valeur.fait(3, 8).derniers.size(), 0);
    }

    // Renamed, the child keeps their file; removed, their file goes into the
    // removed children's folder, whole; added again under that name, they
    // come back with it. Nothing is ever deleted.
    void ajouterRenommerRetirerReprendre()
    {
        DossierProgramme dossier;
        Famille f = famille({"Zoé", "Léo", "Max"});
        Magasin::ajouter(ligne(7), "CalkadoVa-2.sqlite");
        QCOMPARE(f.Renommer(2, "Léon"), QString());
        QCOMPARE(f.Renommer(1, "zoé"), QString());
        QCOMPARE(f.Renommer(3, "LEON"), Textes::PrenomPris("Léon"));
        QCOMPARE(f.noms(), (QStringList{"zoé", "Léon", "Max"}));
        QCOMPARE(Magasin::lignes("CalkadoVa-2.sqlite"), QStringList{ligne(7)});

        QCOMPARE(f.Retirer(2), QString());
        QCOMPARE(f.noms(), (QStringList{"zoé", "Max"}));
        QVERIFY(!QFile::exists("CalkadoVa-2.sqlite"));
        QCOMPARE(Magasin::lignes("enfants-retires/CalkadoVa-2.sqlite"), QStringList{ligne(7)});
        QVERIFY(f.Retire("leon") && !f.Retire("Max"));
        QCOMPARE(f.Reprendre("Zoé"), Textes::RetraitIntrouvable("Zoé", "enfants-retires"));

        // Back under their number, with their results.
        QCOMPARE(f.Reprendre("LÉON"), QString());
        QCOMPARE(f.enfants().last(), (Enfant{"LÉON", 2}));
        QCOMPARE(Magasin::lignes("CalkadoVa-2.sqlite"), QStringList{ligne(7)});
        QVERIFY(!f.Retire("Léon"));

        // A child of that number removed before keeps their place.
        QVERIFY(QDir().mkpath("enfants-retires"));
        ecrire("enfants-retires/CalkadoVa-3.sqlite", "déjà là");
        QCOMPARE(f.Retirer(3), QString());
        QVERIFY(QFile::exists("enfants-retires/CalkadoVa-3-2.sqlite"));
        QCOMPARE(f.Retirer(2), QString());
        QCOMPARE(f.Retirer(1), Textes::DernierEnfant("zoé"));
        QCOMPARE(f.noms(), QStringList{"zoé"});

        // New children take numbers never given, up to nine.
        for (int i = 2; i <= NbEnfantsMax; ++i)
            QCOMPARE(f.Ajouter(QString("Enfant %1").arg(i)), QString());
        QCOMPARE(f.enfants()[1].numero, 4);
        QCOMPARE(f.Ajouter("Dixième"), Textes::TropDEnfants(NbEnfantsMax));
        QCOMPARE(f.Reprendre("Max"), Textes::TropDEnfants(NbEnfantsMax));
        QCOMPARE(QDir("enfants-retires").entryList(QDir::Files).size(), 3);
    }

    // A list that cannot be read is told, never written over: every change
    // is refused and the folder stays as it was; the program would end.
    void listeIllisible_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QString>("message");
        const QString abimee = Textes::ListeAbimee(Liste);
        const auto enfants = [](const char* json) { return QByteArray(R"({"enfants": [)") + json + "]}"; };
        QTest::newRow("pas du JSON") << QByteArray("{\"enfants\": [") << abimee;
        QTest::newRow("vide") << QByteArray() << abimee;
        QTest::newRow("un tableau") << QByteArray("[]") << abimee;
        QTest::newRow("deux fois le même prénom")
            << enfants(R"({"prenom": "Zoé", "numero": 1}, {"prenom": "ZOE", "numero": 2})") << abimee;
        QTest::newRow("deux fois le même numéro")
            << enfants(R"({"prenom": "Zoé", "numero": 2}, {"prenom": "Léo", "numero": 2})") << abimee;
        QTest::newRow("numéro en chemin") << enfants(R"({"prenom": "Zoé", "numero": "../../etc/passwd"})") << abimee;
        QTest::newRow("numéro zéro") << enfants(R"({"prenom": "Zoé", "numero": 0})") << abimee;
        QTest::newRow("prénom refusé") << enfants(R"({"prenom": "../Zoé", "numero": 1})") << abimee;
        QTest::newRow("prénom entouré d'espaces") << enfants(R"({"prenom": " Zoé", "numero": 1})") << abimee;
        QTest::newRow("retrait hors de son dossier")
            << QByteArray(R"({"enfants": [], "retires": [{"prenom": "Léo", "fichier": "../CalkadoVa-2.sqlite"}]})") << abimee;
        QTest::newRow("retrait absolu")
            << QByteArray(R"({"enfants": [], "retires": [{"prenom": "Léo", "fichier": "/etc/passwd"}]})") << abimee;
        QTest::newRow("un dossier à sa place") << QByteArray() << Textes::ListeIllisible(Liste);
    }
    void listeIllisible()
    {
        QFETCH(QByteArray, contenu);
        QFETCH(QString, message);
        DossierProgramme dossier;
        if (message == Textes::ListeIllisible(Liste))
            QVERIFY(QDir().mkdir(Liste));
        else
            ecrire(Liste, contenu);
        ecrire("CalkadoVa-2.sqlite", "un fichier");
        const QStringList avant = etatDuDossier();
        Famille f;
        QCOMPARE(f.Lire(), message);
        QCOMPARE(f.Ajouter("Zoé"), message);
        QCOMPARE(f.Renommer(1, "Léo"), message);
        QCOMPARE(f.Retirer(2), message);
        QCOMPARE(f.Reprendre("Léo"), message);
        QCOMPARE(etatDuDossier(), avant);
        QCOMPARE(PreparerEnfant(f, {}, false).message, message + Textes::EnfantsAuDemarrage);
        DemandeLigneCommande demande;
        demande.enfant = "Zoé";
        const DepartEnfant depart = PreparerEnfant(f, demande, false);
        QVERIFY(depart.reponse && depart.reponse->codeSortie == 1);
        QCOMPARE(depart.reponse->reponse, "calkado : " + message + "\n");
    }

    // A list that cannot be written leaves everything as it was: no file
    // made for the child, nor moved.
    void listeNonEcrite()
    {
        DossierProgramme dossier;
        Famille f = famille({"Zoé", "Léo"});
        const QStringList avant = etatDuDossier();
        if (!Magasin::proteger(dossier.chemin(), true) || QFile(dossier.chemin() + "/essai").open(QIODevice::WriteOnly)) {
            Magasin::proteger(dossier.chemin(), false);
            QSKIP("Ce système de fichiers ne peut pas protéger un dossier");
        }
        const QString ajout = f.Ajouter("Max"), retrait = f.Retirer(2), renommage = f.Renommer(1, "Zoë");
        Magasin::proteger(dossier.chemin(), false);
        QVERIFY(QFile::setPermissions(dossier.chemin(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QCOMPARE(ajout, Textes::FichierEnfantNonCree("Max"));
        QCOMPARE(retrait, Textes::ListeNonEcrite(Liste));
        QCOMPARE(renommage, Textes::ListeNonEcrite(Liste));
        QCOMPARE(f.noms(), (QStringList{"Zoé", "Léo"}));
        QCOMPARE(etatDuDossier(), avant);
    }

    // A program killed (SIGKILL) at random while it writes the list over and
    // over, again and again: the list left is always whole, the old one or
    // the new one, and each child it names has their file.
    void listeTueeEnEcrivant()
    {
        DossierProgramme dossier;
        Famille f = famille({"Zoé"});
        QRandomGenerator hasard(7);
        for (int fois = 0; fois < 20; ++fois) {
            QProcess ecrivain;
            ecrivain.start(QCoreApplication::applicationFilePath(), {"ecrire", dossier.chemin()});
            QVERIFY(ecrivain.waitForReadyRead(10000));
            QTest::qSleep(int(hasard.bounded(1, 40)));
            QCOMPARE(ecrivain.state(), QProcess::Running);
            ::kill(pid_t(ecrivain.processId()), SIGKILL);
            QVERIFY(ecrivain.waitForFinished(10000));
            QCOMPARE(ecrivain.exitStatus(), QProcess::CrashExit);
            QCOMPARE(f.Lire(), QString());
            QVERIFY(f.noms().size() <= 2 && f.noms().first() == "Zoé");
            for (const Enfant& enfant : f.enfants())
                QVERIFY2(QFile::exists(enfant.fichier()), qPrintable(enfant.fichier()));
        }
        QVERIFY(!QDir("enfants-retires").isEmpty());
    }

    // Who trains as the program starts: the only child, the one named up to
    // case and accents, the question for two, nothing to choose on the
    // school's server; a name not in the list, answered on the terminal.
    void auDemarrage_data()
    {
        QTest::addColumn<QStringList>("noms");
        QTest::addColumn<QString>("demande");   // "-" for none
        QTest::addColumn<bool>("serveur");
        QTest::addColumn<QString>("attendu");
        const QString ensavoirplus = "\nPour en savoir plus, tapez « calkado --help ».\n";
        QTest::newRow("personne") << QStringList() << "-" << false << "compte";
        QTest::newRow("un enfant") << QStringList{"Zoé"} << "-" << false << "Zoé 1";
        QTest::newRow("deux enfants") << QStringList{"Zoé", "Léo"} << "-" << false << "demander";
        QTest::newRow("--enfant") << QStringList{"Zoé", "Léo"} << "LEO" << false << "Léo 2";
        QTest::newRow("--enfant inconnu") << QStringList{"Zoé", "Léo"} << "Max" << false
                                          << "2 calkado : " + Textes::EnfantInconnu("Max", {"Zoé", "Léo"}) + ensavoirplus;
        QTest::newRow("--enfant sans liste") << QStringList() << "Zoé" << false
                                             << "2 calkado : " + Textes::EnfantInconnu("Zoé", {}) + ensavoirplus;
        QTest::newRow("serveur") << QStringList{"Zoé", "Léo"} << "-" << true << "compte";
        QTest::newRow("--enfant sur le serveur") << QStringList{"Zoé", "Léo"} << "Zoé" << true
                                                 << "2 calkado : " + Textes::EnfantSurServeur + ensavoirplus;
    }
    void auDemarrage()
    {
        QFETCH(QStringList, noms);
        QFETCH(QString, demande);
        QFETCH(bool, serveur);
        QFETCH(QString, attendu);
        DossierProgramme dossier;
        Famille f = famille(noms);
        DemandeLigneCommande ligne;
        if (demande != "-")
            ligne.enfant = demande;
        const DepartEnfant d = PreparerEnfant(f, ligne, serveur);
        const QString vu = d.reponse ? QString::number(d.reponse->codeSortie) + " " + d.reponse->reponse
                         : d.demander ? "demander"
                         : d.enfant   ? d.enfant->nom + " " + QString::number(d.enfant->numero)
                                      : "compte";
        QCOMPARE(vu, attendu);
        QVERIFY(d.message.isEmpty());
    }

    // The built program, run as a terminal runs it without a display: a name
    // the family does not know gets a message and the code 2, and nothing
    // is made; a list that cannot be read, the code 1.
    void enfantInconnuAuTerminal_data()
    {
        QTest::addColumn<bool>("abimee");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("inconnu") << false << 2 << "calkado : " + Textes::EnfantInconnu("Max", {"Zoé", "Léo"}) + "\n";
        QTest::newRow("liste abîmée") << true << 1 << "calkado : " + Textes::ListeAbimee(Liste) + "\n";
    }
    void enfantInconnuAuTerminal()
    {
        QFETCH(bool, abimee);
        QFETCH(int, code);
        QFETCH(QString, message);
        DossierProgramme dossier;
        famille({"Zoé", "Léo"});
        if (abimee)
            ecrire(Liste, "{");
        const QStringList avant = etatDuDossier();
        QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
        environnement.remove("DISPLAY");
        environnement.remove("WAYLAND_DISPLAY");
        environnement.insert("QT_QPA_PLATFORM", "xcb");
        QProcess programme;
        programme.setProcessEnvironment(environnement);
        programme.start(QStringLiteral(CALKADO_PROGRAMME), {"--enfant", "Max"});
        QVERIFY(programme.waitForFinished(30000));
        QCOMPARE(programme.exitStatus(), QProcess::NormalExit);
        QCOMPARE(programme.exitCode(), code);
        const QString erreurs = QString::fromUtf8(programme.readAllStandardError());
        QVERIFY2(erreurs.startsWith(message), qPrintable(erreurs));
        QCOMPARE(programme.readAllStandardOutput(), QByteArray());
        QCOMPARE(etatDuDossier(), avant);
    }
};

int main(int argc, char* argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "ecrire") == 0) {
        QCoreApplication application(argc, argv);
        return EcrireSansFin(QString::fromLocal8Bit(argv[2]));
    }
    QApplication application(argc, argv);
    TestFamille test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_famille.moc"
