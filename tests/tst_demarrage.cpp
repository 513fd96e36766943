// The start-up: version and title, the program file, the display checks.
#include "Outils.h"
#include "core/Textes.h"
#include "core/platform/FichierProgramme.h"
#include "core/startup/Demarrage.h"
#include "ui/mainwindow/F_Calkado.h"
#include "ui/platform/Ressources.h"

#include <QFile>
#include <QTest>
#include <QtEndian>

namespace {

// A file holding a fixed file information record at the given offset, after
// a decoy: the signature alone, followed by something else.
QByteArray fichierAvecVersion(quint16 a, quint16 b, quint16 c, quint16 d)
{
    QByteArray contenu(300, 'x');
    auto mot = [&contenu](int position, quint32 valeur) {
        qToLittleEndian(valeur, contenu.data() + position);
    };
    mot(40, 0xFEEF04BDu);
    mot(44, 0x12345678u);
    mot(101, 0xFEEF04BDu);          // not aligned: found all the same
    mot(105, 0x00010000u);
    mot(109, quint32(a) << 16 | b);
    mot(113, quint32(c) << 16 | d);
    return contenu;
}

} // namespace

class TestDemarrage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ChargerPolices(); }
    void versionProgramme_data();
    void versionProgramme();
    void lireVersionFichier();
    void tailleEcran_data();
    void tailleEcran();
    void couleursSuffisantes();
    void fichierProgrammeAbsent();
    void titreAvecLaVersionDuProgramme();
};

void TestDemarrage::versionProgramme_data()
{
    QTest::addColumn<int>("majeur");
    QTest::addColumn<int>("mineur");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("texte");
    QTest::newRow("2.0.0.1") << 2 << 0 << 1 << "2.01";
    QTest::newRow("1.2.3.4") << 1 << 2 << 4 << "1.24";
    QTest::newRow("sans version") << 0 << 0 << 0 << "0.00";
    QTest::newRow("grands nombres") << 10 << 12 << 345 << "10.12345";
}

void TestDemarrage::versionProgramme()
{
    QFETCH(int, majeur);
    QFETCH(int, mineur);
    QFETCH(int, revision);
    QFETCH(QString, texte);
    const VersionFichier version{std::int16_t(majeur), std::int16_t(mineur), std::int16_t(revision)};
    QCOMPARE(VersionProgramme(version), texte);
    QCOMPARE(TitreFenetre(texte),
             "Calkado   -   Version " + texte + "   -   " + Textes::MentionDroits);
}

void TestDemarrage::lireVersionFichier()
{
    QTemporaryDir dossier;
    const auto ecrire = [&dossier](const QString& nom, const QByteArray& contenu) {
        QFile fichier(dossier.filePath(nom));
        fichier.open(QIODevice::WriteOnly);
        fichier.write(contenu);
        return fichier.fileName();
    };
    const auto lire = [](const QString& chemin) {
        const VersionFichier v = LireVersionFichier(chemin);
        return QList<int>{v.majeur, v.mineur, v.revision};
    };
    QCOMPARE(lire(ecrire("avec", fichierAvecVersion(2, 0, 7, 1))), (QList<int>{2, 0, 1}));
    QCOMPARE(lire(ecrire("sans", QByteArray(1000, '\0'))), (QList<int>{0, 0, 0}));
    QCOMPARE(lire(ecrire("court", QByteArray(10, '\xBD'))), (QList<int>{0, 0, 0}));
    QCOMPARE(lire(dossier.filePath("absent")), (QList<int>{0, 0, 0}));
    // This test program holds the reading code, with its constants, but no
    // record: the search must not find its own constant.
    QCOMPARE(lire(QCoreApplication::applicationFilePath()), (QList<int>{0, 0, 0}));
    QCOMPARE(lire(QStringLiteral(CALKADO_PROGRAMME)),
             (QList<int>{CALKADO_VERSION_MAJEUR, CALKADO_VERSION_MINEUR, CALKADO_VERSION_REVISION}));
}

void TestDemarrage::tailleEcran_data()
{
    QTest::addColumn<int>("largeur");
    QTest::addColumn<int>("hauteur");
    QTest::addColumn<int>("code");
    QTest::newRow("1024 x 600") << 1024 << 600 << 0;
    QTest::newRow("800 x 1200") << 800 << 1200 << 0;
    QTest::newRow("1024 x 768") << 1024 << 768 << 1;
    QTest::newRow("1280 x 768") << 1280 << 768 << 1;
    QTest::newRow("1024 x 1024") << 1024 << 1024 << 1;
    QTest::newRow("1025 x 769") << 1025 << 769 << 2;
    QTest::newRow("1920 x 1080") << 1920 << 1080 << 2;
}

void TestDemarrage::tailleEcran()
{
    QFETCH(int, largeur);
    QFETCH(int, hauteur);
    QFETCH(int, code);
    QCOMPARE(TailleEcran(largeur, hauteur), code);
}

void TestDemarrage::couleursSuffisantes()
{
    QVERIFY(CouleursSuffisantes(1, 16));
    QVERIFY(CouleursSuffisantes(1, 32));
    QVERIFY(CouleursSuffisantes(2, 8));
    QVERIFY(!CouleursSuffisantes(1, 15));
    QVERIFY(!CouleursSuffisantes(1, 8));
    QVERIFY(TailleTexteNormale(96));
    QVERIFY(!TailleTexteNormale(120));
}

void TestDemarrage::fichierProgrammeAbsent()
{
    // The program looks in the working directory, not where it was started from.
    DossierProgramme dossier(false);
    Repondeur repondeur;
    F_Calkado fenetre;
    QVERIFY(!fenetre.Form_Load());
    QCOMPARE(repondeur.vus.size(), 1);   // the display checks are skipped
    const MessageVu& m1 = repondeur.vus.first();
    QCOMPARE(m1.titre, QStringLiteral("Fin du programme"));
    QCOMPARE(m1.texte, "Le fichier " + Textes::NomFichierProgramme
                           + " n'existe pas !\n\nLe programme se termine");
    QCOMPARE(m1.icone, QMessageBox::Critical);
    QCOMPARE(m1.textesBoutons, QStringList{"OK"});
    QVERIFY(m1.applicationModale);
}

void TestDemarrage::titreAvecLaVersionDuProgramme()
{
    DossierProgramme dossier;
    Repondeur repondeur;
    F_Calkado fenetre;
    QVERIFY(fenetre.Form_Load());
    QVERIFY(repondeur.vus.isEmpty());
    const QString version = QStringLiteral("%1.%2%3").arg(CALKADO_VERSION_MAJEUR)
                                .arg(CALKADO_VERSION_MINEUR).arg(CALKADO_VERSION_REVISION);
    QCOMPARE(fenetre.windowTitle(),
             "Calkado   -   Version " + version + "   -   " + Textes::MentionDroits);
}

QTEST_MAIN(TestDemarrage)
#include "tst_demarrage.moc"
