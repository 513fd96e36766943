// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line: what each one asks, and the built program answering on
// the terminal without any display to open a window on.
#include "core/startup/LigneCommande.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

class TestLigneCommande : public QObject
{
    Q_OBJECT

private slots:
    void lire_data();
    void lire();
    void programme_data();
    void programme();
};

namespace {

const QString Version = QStringLiteral("Calkado " CALKADO_VERSION "\n");
const QString Aide = QStringLiteral("Utilisation : calkado [OPTION]\n");

} // namespace

void TestLigneCommande::lire_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("fenetre");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("debut");
    QTest::addColumn<QString>("contient");

    const QString inconnue = QStringLiteral("calkado : option inconnue « ");
    QTest::newRow("rien") << QStringList() << true << 0 << QString() << QString();
    QTest::newRow("--help") << QStringList{"--help"} << false << 0 << Aide
                            << "  -v, --version  affiche la version de Calkado et quitte\n";
    QTest::newRow("-h") << QStringList{"-h"} << false << 0 << Aide
                        << "  -h, --help     affiche cette aide et quitte\n";
    QTest::newRow("--version") << QStringList{"--version"} << false << 0 << Version
                               << "GNU GPL version 3 ou ultérieure";
    QTest::newRow("-v") << QStringList{"-v"} << false << 0 << Version << "AUCUNE GARANTIE";
    QTest::newRow("l'aide avant la version") << QStringList{"-v", "-h"} << false << 0 << Aide
                                             << "Options :\n";
    QTest::newRow("--inconnue") << QStringList{"--inconnue"} << false << 2
                                << inconnue + "--inconnue »\n"
                                << "Pour en savoir plus, tapez « calkado --help ».\n";
    QTest::newRow("-x") << QStringList{"-x"} << false << 2 << inconnue + "-x »\n" << "--help";
    QTest::newRow("une erreur passe avant l'aide")
        << QStringList{"--help", "--inconnue"} << false << 2 << inconnue + "--inconnue »\n"
        << "--help";
    QTest::newRow("-platform n'est pas lu par Qt")
        << QStringList{"-platform", "offscreen"} << false << 2 << inconnue + "-p »\n" << "--help";
    QTest::newRow("argument")
        << QStringList{"3"} << false << 2
        << "calkado : argument inattendu « 3 » : Calkado ne prend que des options\n" << "--help";
    QTest::newRow("valeur en trop") << QStringList{"--version=2"} << false << 2
                                    << "calkado : ligne de commande incomprise « --version=2 »\n"
                                    << "--help";
}

void TestLigneCommande::lire()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, fenetre);
    QFETCH(int, code);
    QFETCH(QString, debut);
    QFETCH(QString, contient);
    const DemandeLigneCommande demande
        = LireLigneCommande(QStringList{QStringLiteral("/usr/lib/calkado/Calkado")} + arguments);
    QCOMPARE(demande.ouvrirFenetre, fenetre);
    QCOMPARE(demande.codeSortie, code);
    QVERIFY2(demande.reponse.startsWith(debut), qPrintable(demande.reponse));
    QVERIFY2(demande.reponse.contains(contient), qPrintable(demande.reponse));
}

void TestLigneCommande::programme_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("debut");

    QTest::newRow("--version") << QStringList{"--version"} << 0 << Version;
    QTest::newRow("-h") << QStringList{"-h"} << 0 << Aide;
    QTest::newRow("--inconnue") << QStringList{"--inconnue"} << 2
                                << "calkado : option inconnue « --inconnue »\n";
}

// The program as a terminal runs it, with no display and Qt told to use X11:
// had it made its QApplication, it would have failed to connect. The answer
// goes to the standard output, a mistake to the error output, and nothing to
// the other.
void TestLigneCommande::programme()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QString, debut);
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.remove(QStringLiteral("DISPLAY"));
    environnement.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environnement.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QProcess programme;
    programme.setProcessEnvironment(environnement);
    programme.start(QStringLiteral(CALKADO_PROGRAMME), arguments);
    QVERIFY(programme.waitForFinished(30000));
    const QString sortie = QString::fromUtf8(programme.readAllStandardOutput());
    const QString erreurs = QString::fromUtf8(programme.readAllStandardError());
    QCOMPARE(programme.exitStatus(), QProcess::NormalExit);
    QCOMPARE(programme.exitCode(), code);
    const QString& reponse = code == 0 ? sortie : erreurs;
    const QString& silence = code == 0 ? erreurs : sortie;
    QVERIFY2(reponse.startsWith(debut), qPrintable(reponse));
    QVERIFY2(silence.isEmpty(), qPrintable(silence));
}

QTEST_GUILESS_MAIN(TestLigneCommande)
#include "tst_lignecommande.moc"
