// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line: what each one asks, and the built program answering on
// the terminal without any display to open a window on.
#include "core/startup/LigneCommande.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

namespace {

const QString Version = QStringLiteral("Calkado " CALKADO_VERSION "\n");
const QString Aide = QStringLiteral("Utilisation : calkado [OPTION]\n");

} // namespace

class TestLigneCommande : public QObject
{
    Q_OBJECT

private slots:
    void lire_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("fenetre");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("debut");
        QTest::addColumn<QString>("contient");
        QTest::addColumn<bool>("lance");   // the built program run too

        const QString inconnue = QStringLiteral("calkado : option inconnue « ");
        QTest::newRow("rien") << QStringList() << true << 0 << QString() << QString() << false;
        QTest::newRow("--help") << QStringList{"--help"} << false << 0 << Aide
                                << "  -v, --version    affiche la version de Calkado et quitte\n" << false;
        QTest::newRow("-h") << QStringList{"-h"} << false << 0 << Aide << "  -h, --help       affiche cette aide et quitte\n"
                            << true;
        QTest::newRow("--version") << QStringList{"--version"} << false << 0 << Version
                                   << "GNU GPL version 3 ou ultérieure" << true;
        QTest::newRow("-v") << QStringList{"-v"} << false << 0 << Version << "AUCUNE GARANTIE" << false;
        QTest::newRow("l'aide avant la version") << QStringList{"-v", "-h"} << false << 0 << Aide << "Options :\n" << false;
        QTest::newRow("--inconnue") << QStringList{"--inconnue"} << false << 2 << inconnue + "--inconnue »\n"
                                    << "Pour en savoir plus, tapez « calkado --help ».\n" << true;
        QTest::newRow("-x") << QStringList{"-x"} << false << 2 << inconnue + "-x »\n" << "--help" << false;
        QTest::newRow("une erreur passe avant l'aide") << QStringList{"--help", "--inconnue"} << false << 2
                                                       << inconnue + "--inconnue »\n" << "--help" << false;
        QTest::newRow("-platform n'est pas lu par Qt") << QStringList{"-platform", "offscreen"} << false << 2
                                                       << inconnue + "-p »\n" << "--help" << false;
        QTest::newRow("argument") << QStringList{"3"} << false << 2
                                  << "calkado : argument inattendu « 3 » : Calkado ne prend que des options\n" << "--help"
                                  << false;
        QTest::newRow("--enfant") << QStringList{"--enfant", "Zoé"} << true << 0 << QString() << QString() << false;
        QTest::newRow("--enfant=") << QStringList{"--enfant=Jean-Éric"} << true << 0 << QString() << QString() << false;
        QTest::newRow("--enfant sans prénom") << QStringList{"--enfant"} << false << 2
                                              << "calkado : ligne de commande incomprise « --enfant »\n" << "--help" << true;
        QTest::newRow("--enfant et --classe") << QStringList{"--classe", "--enfant", "Zoé"} << false << 2
                                              << "calkado : --enfant et --classe ne vont pas ensemble\n" << "--help" << true;
        QTest::newRow("--enfant dans l'aide") << QStringList{"-h"} << false << 0 << Aide
                                              << "  --enfant PRÉNOM  ouvre Calkado pour l'enfant de ce prénom" << false;
        QTest::newRow("valeur en trop") << QStringList{"--version=2"} << false << 2
                                        << "calkado : ligne de commande incomprise « --version=2 »\n" << "--help" << false;
    }
    // Where told, the program as a terminal runs it, with no display and Qt
    // told to use X11: had it made its QApplication, it would have failed to
    // connect. The answer goes to the standard output, a mistake to the error
    // output, and nothing to the other.
    void lire()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, fenetre);
        QFETCH(int, code);
        QFETCH(QString, debut);
        QFETCH(QString, contient);
        QFETCH(bool, lance);
        const DemandeLigneCommande demande
            = LireLigneCommande(QStringList{QStringLiteral("/usr/lib/calkado/Calkado")} + arguments);
        QCOMPARE(demande.ouvrirFenetre, fenetre);
        QCOMPARE(demande.codeSortie, code);
        QCOMPARE(demande.enfant.value_or("-"), fenetre && arguments.size() > 0 ? arguments.last().section('=', -1) : "-");
        QVERIFY2(demande.reponse.startsWith(debut), qPrintable(demande.reponse));
        QVERIFY2(demande.reponse.contains(contient), qPrintable(demande.reponse));
        if (!lance)
            return;
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
        QVERIFY2((code == 0 ? sortie : erreurs).startsWith(debut), qPrintable(sortie + erreurs));
        QVERIFY2((code == 0 ? erreurs : sortie).isEmpty(), qPrintable(sortie + erreurs));
    }
};

QTEST_GUILESS_MAIN(TestLigneCommande)
#include "tst_lignecommande.moc"
