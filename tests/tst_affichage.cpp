// The display checks on the screen the test runs on. Arguments: the message
// expected, by its name in Textes ("aucun" for none), and whether the program
// goes on ("continue") or must end ("fin").
#include "FenetrePrincipale.h"
#include "core/Textes.h"

namespace {
QString attendu;
bool continue_ = true;
} // namespace

class TestAffichage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { PreparerFenetres(); }
    void verifications()
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
    if (arguments.size() < 3)
        qFatal("usage: tst_affichage attendu continue|fin");
    continue_ = arguments.takeLast() == QLatin1String("continue");
    attendu = arguments.takeLast();
    TestAffichage test;
    return QTest::qExec(&test, arguments);
}

#include "tst_affichage.moc"
