// The display checks on the screen the test runs on. Arguments: the message
// expected ("aucun", "M2" ... "M5") and whether the program goes on
// ("continue") or must end ("fin").
#include "Outils.h"
#include "core/Textes.h"
#include "ui/mainwindow/F_Calkado.h"
#include "ui/platform/Ressources.h"

#include <QTest>
#include <QToolButton>

namespace {
QString attendu;
bool continue_ = true;
} // namespace

class TestAffichage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ChargerPolices(); }
    void verifications();
};

void TestAffichage::verifications()
{
    const QHash<QString, std::pair<QString, QMessageBox::Icon>> messages = {
        {"M2", {Textes::MessageResolutionInsuffisante, QMessageBox::Critical}},
        {"M3", {Textes::MessageTailleTexteObligatoire, QMessageBox::Critical}},
        {"M4", {Textes::MessageTailleTexteConseillee, QMessageBox::Information}},
        {"M5", {Textes::MessageCouleurs, QMessageBox::Information}},
    };
    DossierProgramme dossier;
    Repondeur repondeur;
    F_Calkado fenetre;
    QCOMPARE(fenetre.Form_Load(), continue_);
    if (continue_) {
        fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
        // The colour check comes as the window is first activated.
        QTRY_VERIFY(fenetre.findChild<QToolButton*>("B_Consulter")->isEnabled());
    }
    if (attendu == QLatin1String("aucun")) {
        QVERIFY(repondeur.vus.isEmpty());
        return;
    }
    QCOMPARE(repondeur.vus.size(), 1);
    const MessageVu& vu = repondeur.vus.first();
    QCOMPARE(vu.titre, QStringLiteral("Calkado"));
    QCOMPARE(vu.texte, messages.value(attendu).first);
    QCOMPARE(vu.icone, messages.value(attendu).second);
    QCOMPARE(vu.textesBoutons, QStringList{"OK"});
}

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
