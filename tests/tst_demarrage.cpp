// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The start-up: version and title, the program file, the display checks. A
// display test runs affichage() on a screen of its own, with the message
// expected, by its name in Textes ("aucun" for none), and whether the program
// goes on ("continue") or must end ("fin") before the function's name.
#include "FenetrePrincipale.h"
#include "core/Textes.h"
#include "core/platform/FichierProgramme.h"
#include "core/startup/Demarrage.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

namespace {

// A file holding a fixed file information record at an odd offset, after a
// decoy: the signature alone, followed by something else.
QByteArray fichierAvecVersion(quint16 a, quint16 b, quint16 c, quint16 d)
{
    QByteArray contenu(300, 'x');
    const std::pair<int, quint32> mots[] = {{40, 0xFEEF04BDu}, {44, 0x12345678u}, {101, 0xFEEF04BDu},
                                            {105, 0x00010000u}, {109, quint32(a) << 16 | b}, {113, quint32(c) << 16 | d}};
    for (const auto& [position, valeur] : mots)
        qToLittleEndian(valeur, contenu.data() + position);
    return contenu;
}

const QString FinTitre = "   -   © 2026 L'équipe Calkado - logiciel libre";
QString attendu = "aucun";
bool continue_ = true;

} // namespace

class TestDemarrage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { PreparerFenetres(); }

    // Minor and revision side by side, the third number left out.
    void versionProgramme()
    {
        for (const auto& [version, texte] : QList<QPair<VersionFichier, QString>>{
                 {{2, 0, 1}, "2.01"}, {{1, 2, 4}, "1.24"}, {{0, 0, 0}, "0.00"}, {{10, 12, 345}, "10.12345"}})
            QCOMPARE(TitreFenetre(VersionProgramme(version)), "Calkado   -   Version " + texte + FinTitre);
    }

    void lireVersionFichier()
    {
        QTemporaryDir dossier;
        const auto lire = [&dossier](const QString& nom, const QByteArray& contenu = {}) {
            QFile fichier(QDir::isAbsolutePath(nom) ? nom : dossier.filePath(nom));
            if (!contenu.isEmpty() && fichier.open(QIODevice::WriteOnly)) {
                fichier.write(contenu);
                fichier.close();
            }
            const VersionFichier v = LireVersionFichier(fichier.fileName());
            return QList<int>{v.majeur, v.mineur, v.revision};
        };
        QCOMPARE(lire("avec", fichierAvecVersion(2, 0, 7, 1)), (QList<int>{2, 0, 1}));
        QCOMPARE(lire("sans", QByteArray(1000, '\0')), (QList<int>{0, 0, 0}));
        QCOMPARE(lire("court", QByteArray(10, '\xBD')), (QList<int>{0, 0, 0}));
        QCOMPARE(lire("absent"), (QList<int>{0, 0, 0}));
        // This test program holds the reading code, with its constants, but no
        // record: the search must not find its own constant.
        QCOMPARE(lire(QCoreApplication::applicationFilePath()), (QList<int>{0, 0, 0}));
    }

    void tailleEcranEtCouleurs()
    {
        // 0: below 1024 x 768; 1: at it in one direction; 2: above it in both.
        // The display tests try the usual screens.
        const QList<QList<int>> tailles = {{800, 1200, 0}, {1024, 767, 0}, {1024, 1024, 1}, {1025, 768, 1}, {1025, 769, 2}};
        for (const QList<int>& t : tailles)
            QVERIFY2(TailleEcran(t[0], t[1]) == t[2], qPrintable(QString("%1 x %2").arg(t[0]).arg(t[1])));
        QVERIFY(CouleursSuffisantes(1, 16) && CouleursSuffisantes(2, 8) && !CouleursSuffisantes(1, 15));
        QVERIFY(TailleTexteNormale(96) && !TailleTexteNormale(120));
    }

    void fichierProgrammeAbsent()
    {
        // The program looks in the working directory, not where it was started from.
        DossierProgramme dossier(false);
        Repondeur repondeur;
        F_Calkado fenetre;
        QVERIFY(!fenetre.Form_Load());
        // The display checks are skipped.
        QCOMPARE(boites(repondeur.vus), QStringList{"Fin du programme | critique | Le fichier " + Textes::NomFichierProgramme
                                                    + " n'existe pas !\n\nLe programme se termine | OK"});
    }

    // The display checks on the screen of the test; the title with the version
    // the build gave the program file, read back from it.
    void affichage()
    {
        const QHash<QString, QString> messages = {
            {"MessageResolutionInsuffisante", "critique | " + Textes::MessageResolutionInsuffisante},
            {"MessageTailleTexteObligatoire", "critique | " + Textes::MessageTailleTexteObligatoire},
            {"MessageTailleTexteConseillee", "information | " + Textes::MessageTailleTexteConseillee},
            {"MessageCouleurs", "information | " + Textes::MessageCouleurs}};
        QVERIFY2(attendu == "aucun" || messages.contains(attendu), qPrintable(attendu));
        DossierProgramme dossier;
        Repondeur repondeur;
        F_Calkado fenetre;
        QCOMPARE(fenetre.Form_Load(), continue_);
        QCOMPARE(fenetre.windowTitle(), "Calkado   -   Version " CALKADO_VERSION_TEXTE + FinTitre);
        if (continue_) {
            fenetre.show();
            QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
            // The colour check comes as the window is first activated.
            QTRY_VERIFY(enfant(&fenetre, "B_Consulter")->isEnabled());
        }
        QCOMPARE(boites(repondeur.vus), attendu == "aucun" ? QStringList() : QStringList{"Calkado | " + messages[attendu] + " | OK"});
    }
};

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QStringList arguments = QApplication::arguments();
    if (arguments.size() > 3) {
        attendu = arguments.takeAt(1);
        continue_ = arguments.takeAt(1) == QLatin1String("continue");
    }
    TestDemarrage test;
    return QTest::qExec(&test, arguments);
}

#include "tst_demarrage.moc"
