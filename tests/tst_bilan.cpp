// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The facts from the main window: the grid, with what a run saved in its
// cells, its details and its legend, read through the model and the
// accessibility interface and driven by keys, and a store that cannot be
// read; then reviewing the mistakes.
#include "FenetrePrincipale.h"

#include <QAccessible>
#include <QAccessibleTableCellInterface>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace {

// Facts saved on 5 December at 9:00, with no row.
void Enregistrer(const QList<Fait>& faits)
{
    MagasinResultats magasin("avant");
    QCOMPARE(magasin.EcrireResultats({}, faits, QDateTime(QDate(2026, 12, 5), QTime(9, 0), Qt::UTC)),
             ProblemeBase::Aucun);
}

// The name a screen reader hears for a cell's header. Qt gives header cells
// away without keeping them in its cache: handed to it here, to be deleted.
QString texteEnTete(const QList<QAccessibleInterface*>& cellules)
{
    const QString texte = cellules.value(0) ? cellules.value(0)->text(QAccessible::Name) : QString();
    for (QAccessibleInterface* cellule : cellules)
        if (QAccessible::uniqueId(cellule) == 0)
            QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(cellule));
    return texte;
}

void jouerEtEnregistrer(Fenetre& p)
{
    p.hasard.suite = questions({});
    p.horloge.date = QDateTime(QDate(2026, 12, 3), QTime(17, 0), Qt::UTC);
    QVERIFY(p.ouvrir());
    p.jouer({7}, false, false, {"24:=", "0:x=", "0:xxx?"});
    p.cliquer("B_Enregistrer");
    p.jouer({7}, false, false, {"0:="});
}

// Arrows from the first cell to 2 x 7: its row and column read with it, its
// name and its details as given.
void lireAuClavier(QTableView* grille, const QString& details)
{
    QTRY_COMPARE(QApplication::focusWidget(), grille);
    for (int k = 0; k < 6; ++k)
        QTest::keyClick(QApplication::focusWidget(), k < 5 ? Qt::Key_Down : Qt::Key_Right);
    QCOMPARE(grille->currentIndex(), grille->model()->index(5, 1));
    QAccessibleInterface* tableau = QAccessible::queryAccessibleInterface(grille);
    QAccessibleTableCellInterface* case_ = tableau->tableInterface()->cellAt(5, 1)->tableCellInterface();
    QCOMPARE(texteEnTete(case_->rowHeaderCells()), u"Table de 7"_s);
    QCOMPARE(texteEnTete(case_->columnHeaderCells()), u"2"_s);
    QAccessibleInterface* cellule = tableau->tableInterface()->cellAt(5, 1);
    QCOMPARE(cellule->text(QAccessible::Name), u"2 x 7 = 14 : à revoir"_s);
    QCOMPARE(cellule->text(QAccessible::Description), details);
}

} // namespace

class TestBilan : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { PreparerFenetres(); }

    // On 3 December: 1 x 7 right at once in 2.4 s, 2 x 7 at the second try,
    // 3 x 7 given, saved; then 4 x 7 on screen, not saved. The grid's cells
    // and legend, read through the model, the keys and assistive technology.
    void grilleDesFaits()
    {
        Fenetre p({Oui});
        jouerEtEnregistrer(p);
        QStringList vus;
        QVERIFY(modale("F_Bilan", [&p] { p.cliquer("B_Bilan"); }, [&](QDialog* b) {
            QCOMPARE(b->windowTitle(), u"Bilan des tables"_s);
            auto* grille = b->findChild<QTableView*>("T_Faits");
            QCOMPARE(QSize(grille->model()->columnCount(), grille->model()->rowCount()), QSize(12, 11));
            QCOMPARE(grille->model()->index(5, 6).data().toString(), u"49"_s);
            for (int m = 0; m < 4; ++m)
                vus << grille->model()->index(5, m).data(Qt::ToolTipRole).toString();
            for (const char* n : {"L_Legende_0", "L_Legende_1", "L_Legende_2", "L_Dus", "L_NonEnregistres"})
                vus << b->findChild<QLabel*>(n)->text();
            lireAuClavier(grille, vus[1]);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QVERIFY(!b->isVisible());
        }));
        QCOMPARE(vus, (QStringList{
            "1 x 7 = 7 : en cours, 1 fois de suite du premier coup ; dernière fois le 03/12/2026 ; 2,4 s en moyenne "
            "; à revoir le 05/12/2026",
            "2 x 7 = 14 : à revoir ; dernière fois le 03/12/2026 ; à revoir le 03/12/2026",
            "3 x 7 = 21 : à revoir ; dernière fois le 03/12/2026 ; à revoir le 03/12/2026", "4 x 7 = 28 : jamais vu",
            "jamais vu : 129", "à revoir : 2", "en cours : 1", "À revoir aujourd'hui : 2",
            "Les résultats affichés dans la fenêtre principale ne sont pas encore enregistrés : ils ne sont pas dans "
            "ce bilan."}));
    }

    // A store that cannot be read: said, and the grid stays closed.
    void magasinIlisible()
    {
        Fenetre p({Oui});
        jouerEtEnregistrer(p);
        QVERIFY(QFile::rename("CalkadoVa.sqlite", "ailleurs.sqlite"));
        QVERIFY(!modale("F_Bilan", [&p] { p.cliquer("B_Bilan"); }, [](QDialog*) {}));
        verifierPanne(p.repondeur.vus.last(), {"Le bilan des tables ne peut pas être affiché."});
    }

    // On 7 December, table 7 from 1 to 10 in order: 2 x 7 to review and 3 x 7
    // due that day, two days after its first right answer; 11 x 7 out of
    // range, 5 x 3 out of the tables. Asked until each is right at once, then
    // the run ends by itself; nothing is left.
    void revoirMesErreurs()
    {
        Fenetre p;
        p.horloge.date = QDateTime(QDate(2026, 12, 7), QTime(17, 0), Qt::UTC);
        Enregistrer({{7, 2, Issue::Essai2, 2, 50}, {7, 3, Issue::Essai1, 1, 20}, {7, 11, Issue::Reponse, 3, 90},
                     {3, 5, Issue::Reponse, 3, 90}});
        QVERIFY(p.ouvrir());
        p.cliquer("C_Revoir");
        p.commencer({7}, true, false);
        QStringList vues = {p.question()};
        p.repondre("1");
        p.repondreJuste();
        for (int i = 0; i < 2; ++i) {
            p.entree();
            vues << p.question();
            p.repondreJuste();
        }
        QCOMPARE(vues, (QStringList{"2x7", "3x7", "2x7"}));
        QCOMPARE(p.etat(), EtatPret);
        QVERIFY(p.ctrl("L_Vérification")->isVisible());
        QCOMPARE(p.texte("L_Vérification"), u"Toutes les erreurs sont revues !"_s);
        QCOMPARE(p.texte("L_NbQuestionTotal"), u"3"_s);
        // Those answered today count: nothing is due any more.
        p.entree();
        QCOMPARE(p.repondeur.vus.last().texte, u"Rien à revoir aujourd'hui dans la table de 7. Bravo !"_s);
        QCOMPARE(p.etat(), EtatPret);
        // Guarded as the other options while results stand.
        p.cliquer("C_Revoir");
        QVERIFY(p.ctrl<QCheckBox>("C_Revoir")->isChecked());
        QCOMPARE(p.repondeur.vus.size(), 2);
        QVERIFY(p.repondeur.vus.last().texte.startsWith("Pour changer cette option"));
    }

    // Twenty facts to review, by Enter alone, in order; then tables 3, 4 and
    // 7 have nothing left.
    void vingtErreursAuClavier()
    {
        Fenetre p;
        p.horloge.date = QDateTime(QDate(2026, 12, 6), QTime(17, 0), Qt::UTC);
        QList<Fait> faits;
        QStringList attendues;
        for (const int livret : {3, 4})
            for (int m = 1; m <= 10; ++m) {
                faits.append({livret, m, Issue::Reponse, 3, 90});
                attendues << QString("%1x%2").arg(m).arg(livret);
            }
        Enregistrer(faits);
        QVERIFY(p.ouvrir());
        for (const char* n : {"C_Revoir", "C_Livret_1", "C_Livret_2", "C_Livret_5", "C_Aléatoire"})
            p.cliquer(n);
        p.entree();
        QStringList vues;
        for (int i = 0; i < 20; ++i) {
            p.entree();
            vues << p.question();
            p.repondreJuste();
        }
        QCOMPARE(vues, attendues);
        p.entree();
        QCOMPARE(p.repondeur.vus.last().texte, u"Rien à revoir aujourd'hui dans les tables de 3, de 4 et de 7. Bravo !"_s);
    }
};

QTEST_MAIN(TestBilan)
#include "tst_bilan.moc"
