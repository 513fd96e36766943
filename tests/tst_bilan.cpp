// The grid of the facts opened from the main window: what a run saved shows
// in its cells, its details and its legend, read through the model and the
// accessibility interface and driven by keys; a store that cannot be read.
#include "FenetrePrincipale.h"

#include <QAccessible>
#include <QAccessibleTableCellInterface>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace {

// Clicks B_Bilan; once the grid is up, modal, the action runs on it.
bool ouvrirBilan(Fenetre& p, const std::function<void(QDialog*)>& action)
{
    bool ouverte = false;
    QTimer attente;
    QObject::connect(&attente, &QTimer::timeout, [&] {
        auto* b = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!b || b->objectName() != "F_Bilan" || !b->isVisible())
            return;
        attente.stop();
        ouverte = true;
        action(b);
        if (b->isVisible())   // a check that failed left it open
            b->reject();
    });
    attente.start(10);
    p.cliquer("B_Bilan");
    return ouverte;
}

QString cellule(QDialog* b, int ligne, int colonne, int role)
{
    const auto* grille = b->findChild<QTableView*>("T_Faits");
    return grille->model()->index(ligne, colonne).data(role).toString();
}

} // namespace

class TestBilan : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { PreparerFenetres(); }

    void grilleDesFaits()
    {
        Fenetre p({{QMessageBox::Yes, 0}});
        p.hasard.suite = questions({});
        p.horloge.date = QDateTime(QDate(2026, 12, 3), QTime(17, 0), Qt::UTC);
        QVERIFY(p.ouvrir());
        // 1 x 7 right at once in 2.4 s, 2 x 7 at the second try, 3 x 7 given; saved.
        p.commencer({7}, false, false);
        p.horloge.ms += 2400;
        p.repondreJuste();
        p.entree();
        p.repondre("1");
        p.repondreJuste();
        p.entree();
        for (const char* faux : {"1", "2", "3"})
            p.repondre(faux);
        p.entree();
        p.cliquer("B_Entrainement");
        p.cliquer("B_Enregistrer");
        // Then 4 x 7 on screen, not saved.
        p.commencer({7}, false, false);
        p.repondreJuste();
        p.cliquer("B_Entrainement");

        QStringList vus;
        QVERIFY(ouvrirBilan(p, [&](QDialog* b) {
            QCOMPARE(b->windowTitle(), u"Bilan des tables"_s);
            auto* grille = b->findChild<QTableView*>("T_Faits");
            QCOMPARE(grille->model()->rowCount(), 11);
            QCOMPARE(grille->model()->columnCount(), 12);
            QCOMPARE(cellule(b, 5, 6, Qt::DisplayRole), u"49"_s);
            vus << cellule(b, 5, 0, Qt::ToolTipRole) << cellule(b, 5, 1, Qt::ToolTipRole)
                << cellule(b, 5, 2, Qt::ToolTipRole) << cellule(b, 5, 3, Qt::ToolTipRole);
            for (const char* n : {"L_Legende_0", "L_Legende_1", "L_Legende_2", "L_Dus", "L_NonEnregistres"})
                vus << b->findChild<QLabel*>(n)->text();
            // Arrows from the first cell; its row and column read with it.
            QTRY_COMPARE(QApplication::focusWidget(), grille);
            for (const Qt::Key touche : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down,
                                         Qt::Key_Right})
                QTest::keyClick(QApplication::focusWidget(), touche);
            QCOMPARE(grille->currentIndex(), grille->model()->index(5, 1));
            QAccessibleInterface* tableau = QAccessible::queryAccessibleInterface(grille);
            QAccessibleTableCellInterface* case_ = tableau->tableInterface()->cellAt(5, 1)->tableCellInterface();
            QCOMPARE(case_->rowHeaderCells().value(0)->text(QAccessible::Name), u"Table de 7"_s);
            QCOMPARE(case_->columnHeaderCells().value(0)->text(QAccessible::Name), u"2"_s);
            QAccessibleInterface* cellule = tableau->tableInterface()->cellAt(5, 1);
            QCOMPARE(cellule->text(QAccessible::Name), u"2 x 7 = 14 : à revoir"_s);
            QCOMPARE(cellule->text(QAccessible::Description), vus[1]);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QVERIFY(!b->isVisible());
        }));
        QCOMPARE(vus, (QStringList{
            "1 x 7 = 7 : en cours, 1 fois de suite du premier coup ; dernière fois le 03/12/2026 ; 2,4 s en moyenne "
            "; à revoir le 04/12/2026",
            "2 x 7 = 14 : à revoir ; dernière fois le 03/12/2026 ; à revoir le 03/12/2026",
            "3 x 7 = 21 : à revoir ; dernière fois le 03/12/2026 ; à revoir le 03/12/2026", "4 x 7 = 28 : jamais vu",
            "jamais vu : 129", "à revoir : 2", "en cours : 1", "À revoir aujourd'hui : 2",
            "Les résultats affichés dans la fenêtre principale ne sont pas encore enregistrés : ils ne sont pas dans "
            "ce bilan."}));

        // A store that cannot be read: said, and the grid stays closed.
        QVERIFY(QFile::rename("CalkadoVa.sqlite", "ailleurs.sqlite"));
        QVERIFY(!ouvrirBilan(p, [](QDialog*) {}));
        QCOMPARE(p.repondeur.vus.last().icone, QMessageBox::Critical);
        QVERIFY(p.repondeur.vus.last().texte.endsWith("Le bilan des tables ne peut pas être affiché."));
    }
};

QTEST_MAIN(TestBilan)
#include "tst_bilan.moc"
