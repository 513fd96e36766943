// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The viewer of saved trainings, driven as a parent uses it: the list of the
// trainings, the one shown with its options and its progress chart, deletions
// answered yes or no, the store faults. The long random session opens it from
// the main window.
#include "FenetrePrincipale.h"
#include "ui/viewer/F_Consulter.h"
#include "ui/viewer/GrapheProgression.h"

#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString ConnexionConsulter = "BaseDonnéesConsulter";

// The one question asked before deleting the item given.
QStringList confirmation(const QString& element)
{
    return {"Supprimer les résultats du fichier | critique | Voulez-vous supprimer les résultats sélectionnés ?\n\n"
            "Entraînement du " + element + "\n\n<OUI> pour EFFACER\n\n<NON> pour annuler\n\n | Non/Oui | défaut Non"};
}

// Saved trainings, as another program would have added their rows.
const QStringList Entrainements = {
    "2026-03-12 00:00:00|1|1|3|1|1|20|0|0",   // at midnight
    "2026-03-13 09:05:07|1|1|2|2|2|30|0|0",
    "2026-03-13 09:05:07|1|1|4|3|3|60|0|0",   // its neighbour: the same training
    "2026-03-14 10:00:05|0|1|2|5|3|50|1|1",
    "2026-03-14 10:00:05|1|0|13|9|9|90|0|0",  // no such table: left out
    "2026-03-14 10:00:05|0|1|7|4|0|0|2|2",
    "2026-03-14 10:00:05|1|0|1|9|9|90|0|0",
    "2026-03-14 10:00:05|0|1|12|10|10|123|0|0",
    "2026-03-13 09:05:07|1|1|8|1|0|0|1|0",    // apart: an item of its own
    "2025-12-31 23:59:59|1|1|9|6|6|72|0|0",   // added last: listed first
};
const QStringList DatesEntrainements = {"31/12/2025 23:59:59", "13/03/2026 09:05:07", "14/03/2026 10:00:05",
                                        "13/03/2026 09:05:07", "12/03/2026"};

// Two saved under the same date and time, another one between.
const QStringList Jumeaux = {"2026-03-14 10:00:05|1|1|2|3|3|60|0|0", "2026-03-14 10:00:05|1|1|5|2|1|15|1|0",
                             "2026-03-14 10:30:00|0|0|9|2|2|30|0|0", "2026-03-14 10:00:05|1|1|2|4|2|70|1|1",
                             "2026-03-14 10:00:05|1|1|4|1|1|12|0|0"};

// 23 saved trainings, one a minute: table 3 in each (4 questions, k % 5
// right at once in k tenths each), table 7 in the even ones (2 questions,
// both right in 2k/10 s each, but none at 10:06, whose time then counts for
// nothing).
QStringList VingtTrois()
{
    QStringList lignes;
    for (int k = 1; k <= 23; ++k) {
        const QString date = QString("2026-03-14 10:%1:00").arg(k, 2, 10, QChar('0'));
        lignes << QString("%1|1|1|3|4|%2|%3|%4|0").arg(date).arg(k % 5).arg(k % 5 * k).arg(4 - k % 5);
        if (k % 2 == 0)
            lignes << QString("%1|1|1|7|2|%2|%3|0|0").arg(date).arg(k == 6 ? 0 : 2).arg(k == 6 ? 50 : 4 * k);
    }
    return lignes;
}

// Waiting for the QWindow is not enough: a dialog's counts as active while its
// parent window still has the focus.
bool actif(QWidget* w) { return QTest::qWaitFor([w] { return QApplication::activeWindow() == w; }); }

// The main window, not shown, with the message boxes answered in turn as
// given, and the viewer over it: ctrl reads the viewer.
struct Banc : Fenetre
{
    explicit Banc(const QList<Repondeur::Reponse>& reponses = {Oui}) : Fenetre(reponses) {}
    std::unique_ptr<F_Consulter> v;

    // The rows added to the store, then the viewer loaded and shown on its own.
    bool consulter(const QStringList& lignes)
    {
        for (const QString& l : lignes)
            Magasin::ajouter(l);
        v = std::make_unique<F_Consulter>(&f);
        return v->Form_Load() && (v->show(), actif(v.get()));
    }

    template<typename T = QWidget>
    T* ctrl(const QString& n) const { return enfant<T>(v.get(), n); }
    QListWidget* liste() const { return ctrl<QListWidget>("L_Date"); }
    const GrapheProgression* graphe() const { return ctrl<GrapheProgression>("G_Progression"); }

    // The chart as its model has it: caption, top of the seconds scale, then
    // each saved training by the minute of its time, "*" for the one shown,
    // with its share and mean time when it has a bar ("04=100/0.8").
    QString progression() const
    {
        const Progression& m = graphe()->modele();
        QStringList r = {m.titre(), QString::number(m.echelleTemps()) + "s"};
        for (const PointProgression& p : m.points) {
            const std::optional<double> t = p.tempsMoyen();
            r << p.dateHeure.mid(14, 2) + (p.choisi ? "*" : "")
                     + (p.aUneBarre() ? "=" + QString::number(p.part()) + (t ? "/" + QString::number(*t) : "") : "");
        }
        return r.join(' ');
    }
    // What the viewer shows: any label hidden and the heading unless it names
    // the chosen item, then the items ("[" marks the current one, "]" the
    // selected one), the options, the tables that hold something ("7=4;;;2;2")
    // and the totals.
    QString vue() const
    {
        const QListWidget* l = liste();
        QStringList anomalies, items, tables;
        for (const QLabel* e : v->findChildren<QLabel*>())
            if (!e->isVisible())
                anomalies << e->objectName() + " cachée";
        for (int i = 0; i < l->count(); ++i)
            items << (i == l->currentRow() ? "[" : "") + l->item(i)->text() + (l->item(i)->isSelected() ? "]" : "");
        const QStringList t = tableau(v.get());
        for (int i = 0; i < NbLivrets; ++i)
            if (t.mid(5 * i, 5) != QStringList(5))
                tables << QString("%1=%2").arg(i + 2).arg(t.mid(5 * i, 5).join(';'));
        const QString options = QString(ctrl<QRadioButton>("O_1a10")->isChecked() ? "1-10" : "")
                              + (ctrl<QRadioButton>("O_1a12")->isChecked() ? "1-12" : "")
                              + (ctrl<QCheckBox>("C_Aléatoire")->isChecked() ? " aléatoire" : " dans l'ordre");
        const QString titre = ctrl<QLabel>("L_Titre_Principal")->text();
        if (!l->currentItem() || titre != "Entraînement du " + l->currentItem()->text())
            anomalies << titre;
        return (anomalies.isEmpty() ? QString() : anomalies.join(' ') + " | ")
             + QStringList{items.join(", "), options, tables.join(' '), t.mid(55, 5).join(';')}.join(" | ");
    }

    void choisir(int ligne)
    {
        QTest::mouseClick(liste()->viewport(), Qt::LeftButton, {},
                          liste()->visualItemRect(liste()->item(ligne)).center());
    }
    // The boxes that Supprimer brought up, clicked or pressed by Enter.
    QList<MessageVu> supprimer(bool parEntree = false)
    {
        const qsizetype avant = repondeur.vus.size();
        QWidget* bouton = ctrl("B_Supprimer");
        bouton->setFocus();
        parEntree ? QTest::keyClick(bouton, Qt::Key_Return) : QTest::mouseClick(bouton, Qt::LeftButton);
        return repondeur.vus.mid(avant);
    }
};

} // namespace

class TestConsulter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { PreparerFenetres(); }
    // A connection left in use or opened twice is a fault of the viewer.
    void init() { QTest::failOnWarning(QRegularExpression("QSql")); }

    // The layout by its rules and its captions; a table's number or "Total"
    // may be clicked.
    void disposition()
    {
        Banc b;
        QVERIFY(b.consulter(Entrainements));
        QCOMPARE(b.v->windowTitle(), u"Consulter les résultats des entraînements"_s);
        QCOMPARE(QList<QSize>({b.v->size(), b.v->minimumSize(), b.v->maximumSize()}), QList<QSize>(3, QSize(1000, 650)));
        verifierDisposition(b.v.get());
        verifierPolices(b.v.get());
        for (const QString& n : noms("L_Livret", 11) + QStringList{"L_Titre_5", "L_Mul", "O_1a10", "O_1a12", "C_Aléatoire"})
            QVERIFY2(b.ctrl(n)->palette().color(QPalette::Active, b.ctrl(n)->foregroundRole()) == Bleu, qPrintable(n));
        const QStringList cliquables = noms("L_Livret", 11) + QStringList{"L_Titre_5"};
        for (const QString& n : cliquables)
            QCOMPARE(n + " " + QString::number(b.ctrl(n)->cursor().shape()), n + " " + QString::number(Qt::PointingHandCursor));
        QStringList legendes = textes(b.v.get(), noms("L_Livret", 11) + noms("L_Titre", 6));
        for (const char* n : {"B_Supprimer", "C_Fermer", "O_1a10", "O_1a12", "C_Aléatoire"})
            legendes << b.ctrl<QAbstractButton>(n)->text();
        QCOMPARE(legendes, QStringList({"2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}) + Titres
                               + QStringList({"&Supprimer", "&Fermer", "1-10", "1-12", "Aléatoire"}));
    }

    // Newest first, a training's neighbouring rows as one item, no time at
    // midnight; each shows its options and its tables. Times: 5 s / 3 and
    // 12.3 s / 10, none without a right first try; 17.3 s / 13 in total.
    void chaqueEntrainement_data()
    {
        QTest::addColumn<int>("ligne");
        QTest::addColumn<QString>("vue");
        const QString jour13 = "1-12 aléatoire | 2=2;2;1,5;; 4=3;3;2,0;; 8=1;;;1; | 6;5;1,8;1;";
        QTest::newRow("le dernier ajouté") << 0 << "1-12 aléatoire | 9=6;6;1,2;; | 6;6;1,2;;";
        QTest::newRow("deux lignes voisines") << 1 << jour13;
        QTest::newRow("une table inconnue laissée") << 2 << "1-10 aléatoire | 2=5;3;1,7;1;1 7=4;;;2;2 12=10;10;1,2;; | 19;13;1,3;3;3";
        QTest::newRow("à part, du même moment : les mêmes lignes") << 3 << jour13;
        QTest::newRow("à minuit") << 4 << "1-12 aléatoire | 3=1;1;2,0;; | 1;1;2,0;;";
    }
    void chaqueEntrainement()
    {
        QFETCH(int, ligne);
        QFETCH(QString, vue);
        Banc b;
        QVERIFY(b.consulter(Entrainements));
        b.choisir(ligne);
        QStringList items = DatesEntrainements;
        items[ligne] = "[" + items[ligne] + "]";
        QCOMPARE(b.vue(), items.join(", ") + " | " + vue);
    }

    // The focus starts on Fermer, Tab goes to the list, whose arrows move the
    // selection and the display, then to Supprimer and the chart; no default
    // button: Enter presses the one with the focus, and closing closes the
    // connection.
    void clavier()
    {
        Banc b;
        QVERIFY(b.consulter(Entrainements));
        QCOMPARE(QApplication::focusWidget(), b.ctrl("C_Fermer"));
        QStringList lignes;
        for (const Qt::Key touche : {Qt::Key_Tab, Qt::Key_Down, Qt::Key_Down, Qt::Key_End, Qt::Key_Up}) {
            QTest::keyClick(QApplication::focusWidget(), touche);
            lignes << QString::number(b.liste()->currentRow()) + (b.vue().contains('[' + b.liste()->currentItem()->text() + ']') ? "" : "?");
        }
        QCOMPARE(lignes, QStringList({"0", "1", "2", "4", "3"}));
        for (const char* n : {"B_Supprimer", "G_Progression", "C_Fermer"}) {   // the chart after the designed order
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), b.ctrl(n));
        }
        QVERIFY(QSqlDatabase::contains(ConnexionConsulter));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!b.v->isVisible());
        QVERIFY(!QSqlDatabase::contains(ConnexionConsulter));
        QCOMPARE(b.repondeur.vus.size(), 0);
    }

    // The options only tell how the training was made: clicks change
    // nothing, and their text stays blue, drawn so too.
    void optionsEnLectureSeule_data()
    {
        QTest::addColumn<QString>("option");
        for (const char* n : {"O_1a12", "C_Aléatoire", "O_1a10"})
            QTest::newRow(n) << n;
    }
    void optionsEnLectureSeule()
    {
        QFETCH(QString, option);
        Banc b;
        QVERIFY(b.consulter(Entrainements));
        const QString avant = b.vue();
        QWidget* c = b.ctrl(option);
        QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(7, c->height() / 2));
        QTest::mouseClick(c, Qt::LeftButton, {}, c->rect().center());
        QCOMPARE(b.vue(), avant);
        const QImage image = c->grab().toImage();
        int bleus = 0;
        for (int p = 0; p < image.width() * image.height(); ++p)
            bleus += image.pixelColor(p % image.width(), p / image.width()) == Bleu;
        QVERIFY(bleus >= 10);
    }

    // The chart ends at the saved training selected. The totals leave out
    // the time of a table without a right first try.
    void progression()
    {
        Banc b;
        QVERIFY(b.consulter(VingtTrois()));
        b.liste()->setCurrentRow(17);
        QCOMPARE(b.progression(), u"Progression : toutes les tables 1s 01=25/0.1 02=66.6667/0.3 03=75/0.3 "
                                  "04=100/0.533333 05=0 06*=16.6667/0.6"_s);
        QCOMPARE(b.graphe()->toolTip(), b.graphe()->accessibleDescription());
    }

    // A table's number shows that table, whatever is selected next; the
    // trainings without it keep their place, empty. Totals come back from
    // their heading. Nothing else changes.
    void progressionParTable()
    {
        Banc b;
        QVERIFY(b.consulter(VingtTrois()));
        const QString vue = b.vue();
        QTest::mouseClick(b.ctrl("L_Livret_5"), Qt::LeftButton);
        QCOMPARE(b.progression(), u"Progression : table de 7 5s 04=100/0.8 05 06=0 07 08=100/1.6 09 10=100/2 11 "
                                  "12=100/2.4 13 14=100/2.8 15 16=100/3.2 17 18=100/3.6 19 20=100/4 21 22=100/4.4 23*"_s);
        QCOMPARE(b.vue(), vue);
        QTest::mouseClick(b.ctrl("L_Livret_1"), Qt::LeftButton);
        b.liste()->setCurrentRow(20);
        QCOMPARE(b.progression(), u"Progression : table de 3 1s 01=25/0.1 02=50/0.2 03*=75/0.3"_s);
        QCOMPARE(b.graphe()->toolTip(), u"Progression : table de 3\n"
                                         "14/03/2026 10:01:00 : 25 % OK au 1er essai, 0,1 s en moyenne\n"
                                         "14/03/2026 10:02:00 : 50 % OK au 1er essai, 0,2 s en moyenne\n"
                                         "14/03/2026 10:03:00 : 75 % OK au 1er essai, 0,3 s en moyenne (affiché)"_s);
        QTest::mouseClick(b.ctrl("L_Titre_5"), Qt::LeftButton);
        QCOMPARE(b.progression(), u"Progression : toutes les tables 1s 01=25/0.1 02=66.6667/0.3 03*=75/0.3"_s);
    }

    // The one deleted leaves the chart, which follows the next selected.
    void progressionApresSuppression()
    {
        Banc b;
        QVERIFY(b.consulter(VingtTrois()));
        QTest::mouseClick(b.ctrl("L_Livret_5"), Qt::LeftButton);
        b.choisir(5);
        QCOMPARE(boites(b.supprimer()), confirmation("14/03/2026 10:18:00"));
        QCOMPARE(b.progression(), u"Progression : table de 7 5s 01 02=100/0.4 03 04=100/0.8 05 06=0 07 08=100/1.6 09 "
                                  "10=100/2 11 12=100/2.4 13 14=100/2.8 15 16=100/3.2 17 19*"_s);
    }

    // A deletion refused, then made one by one down to the last; the one just
    // above the deleted one takes its place.
    void suppression()
    {
        const QStringList t1 = {"2026-03-10 00:00:00|1|1|2|1|1|10|0|0"};   // saved at midnight
        const QStringList t2 = {"2026-03-11 08:15:00|1|0|3|2|2|20|0|0", "2026-03-11 08:15:00|1|0|4|2|2|20|0|0",
                                "2026-03-11 08:15:00|1|0|5|2|2|20|0|0", "2026-03-11 08:15:00|1|0|6|2|2|20|0|0"};
        const QStringList t3 = {"2026-03-12 14:00:01|0|1|9|3|3|33|0|0"}, t4 = {"2026-03-13 16:45:30|1|1|11|4|1|8|3|0"};
        // 02:30 on the night the clocks go forward is no time in France, yet a
        // store filled on a machine set to another zone holds it.
        const QStringList t5 = {"2026-03-29 02:30:00|0|0|12|5|0|0|0|5"};
        Banc b({Non, Oui});
        QVERIFY(b.consulter(t1 + t2 + t3 + t4 + t5));
        b.choisir(3);
        const QString avant = b.vue(), douzeMars = "9=3;3;1,1;; | 3;3;1,1;;";
        const QList<std::tuple<int, bool, QString, QStringList, QString>> pas = {
            {3, false, "11/03/2026 08:15:00", t1 + t2 + t3 + t4 + t5, avant},
            {3, false, "11/03/2026 08:15:00", t1 + t3 + t4 + t5,
             "29/03/2026 02:30:00, 13/03/2026 16:45:30, [12/03/2026 14:00:01], 10/03/2026 | 1-10 aléatoire | " + douzeMars},
            {0, false, "29/03/2026 02:30:00", t1 + t3 + t4,   // the first: the new first is shown
             "[13/03/2026 16:45:30], 12/03/2026 14:00:01, 10/03/2026 | 1-12 aléatoire | 11=4;1;0,8;3; | 4;1;0,8;3;"},
            {2, true, "10/03/2026", t3 + t4, "13/03/2026 16:45:30, [12/03/2026 14:00:01] | 1-10 aléatoire | " + douzeMars},
            {0, false, "13/03/2026 16:45:30", t3, "[12/03/2026 14:00:01] | 1-10 aléatoire | " + douzeMars},
            {0, false, "12/03/2026 14:00:01", {}, "Plus d'entraînement ! |  | 1-10 aléatoire |  | ;;;;"}};
        for (const auto& [ligne, parEntree, element, restantes, apres] : pas) {
            b.choisir(ligne);
            QCOMPARE(boites(b.supprimer(parEntree)), confirmation(element));
            QCOMPARE(Magasin::lignes(), restantes);
            QCOMPARE(b.vue(), apres);
        }
        QCOMPARE(b.progression(), u"Progression : toutes les tables 1s"_s);

        // Nothing left to delete: no question; nothing to show on opening again.
        QVERIFY(b.supprimer().isEmpty());
        QCOMPARE(b.vue(), std::get<4>(pas.last()));
        QVERIFY(!b.consulter({}));
        QCOMPARE(b.repondeur.vus.size(), 7);
        QCOMPARE(boite(b.repondeur.vus.last()), u"Calkado | sans icône | Pas de données à afficher ! | OK"_s);
        QVERIFY(!b.v->isVisible());
    }

    // Two trainings saved with the same date and time, another one between:
    // each item shows both, table 2, in both, as saved the later time; the
    // chart takes them as one, where its last row was added. Deleting one
    // deletes the rows of both; the other item stays, empty.
    void jumeaux()
    {
        Banc b;
        QVERIFY(b.consulter(Jumeaux));
        const QString jumeaux = " | 1-12 aléatoire | 2=4;2;3,5;1;1 4=1;1;1,2;; 5=2;1;1,5;1; | 7;4;2,4;2;1";
        QCOMPARE(b.vue(), "[14/03/2026 10:00:05], 14/03/2026 10:30:00, 14/03/2026 10:00:05" + jumeaux);
        const QString graphe = "Progression : toutes les tables 5s 30=100/1.5 00*=57.1429/2.425";
        QCOMPARE(b.progression(), graphe);
        b.choisir(2);
        QCOMPARE(b.vue(), "14/03/2026 10:00:05, 14/03/2026 10:30:00, [14/03/2026 10:00:05]" + jumeaux);
        QCOMPARE(b.progression(), graphe);
        b.choisir(1);   // before the twins' latest rows
        QCOMPARE(b.progression(), u"Progression : toutes les tables 2s 30*=100/1.5"_s);
        b.choisir(2);
        QCOMPARE(boites(b.supprimer()), confirmation("14/03/2026 10:00:05"));
        QCOMPARE(Magasin::lignes(), QStringList{Jumeaux[2]});
        QCOMPARE(b.vue(), u"14/03/2026 10:00:05, [14/03/2026 10:30:00] | 1-10 dans l'ordre | 9=2;2;1,5;; | 2;2;1,5;;"_s);
        QCOMPARE(b.progression(), u"Progression : toutes les tables 2s 30*=100/1.5"_s);
        b.choisir(0);
        QCOMPARE(b.vue(), u"[14/03/2026 10:00:05], 14/03/2026 10:30:00 | 1-10 dans l'ordre |  | ;;;;"_s);
        QCOMPARE(b.progression(), u"Progression : toutes les tables 1s"_s);
    }

    // The store moved away while the viewer is open: the fault is told
    // before any question, the list stays, no store is made. A store that
    // cannot be read leaves the chart empty, with no word of its own.
    void magasinDeplace()
    {
        Banc b;
        QVERIFY(b.consulter(Jumeaux));
        const QString avant = b.vue();
        QVERIFY(QFile::rename("CalkadoVa.sqlite", "ailleurs.sqlite"));
        const QList<MessageVu> vus = b.supprimer();
        QCOMPARE(vus.size(), 1);
        verifierPanne(vus[0], {"introuvable", "n'a pas été supprimé"});
        QCOMPARE(b.vue(), avant);
        QVERIFY(!QFile::exists("CalkadoVa.sqlite"));

        QVERIFY(QFile::rename("ailleurs.sqlite", "CalkadoVa.sqlite"));
        b.choisir(1);
        QVERIFY(QFile::rename("CalkadoVa.sqlite", "ailleurs.sqlite"));
        QTest::mouseClick(b.ctrl("L_Livret_7"), Qt::LeftButton);
        QCOMPARE(b.progression(), u"Progression : table de 9 1s"_s);
        QCOMPARE(b.repondeur.vus.size(), 1);
    }

    // Rows another program wrote: one with an empty date lists with a clear
    // text and goes when deleted, and huge counts and times show whole in
    // their own cells. A training that another program deleted meanwhile is
    // said to be gone, and leaves the list.
    void lignesEtrangeres()
    {
        Banc b;
        QVERIFY(b.consulter({"|0|0|4|2|2|20|0|0", "2026-03-13 09:00:00|0|0|2|1|1|9|0|0",
                             "2026-03-14 10:00:05|1|1|7|2147483647|1|32767|0|0", "2026-03-14 10:00:05|1|1|6|2|1|15|1|0"}));
        QCOMPARE(b.vue(), u"[14/03/2026 10:00:05], 13/03/2026 09:00:00, (sans date) | 1-12 aléatoire | "
                          "6=2;1;1,5;1; 7=2147483647;1;3276,7;; | 2147483649;2;1639,1;1;"_s);
        for (const QLabel* cellule : b.v->findChildren<QLabel*>(QRegularExpression("^L_(Nb|Temps)")))
            QVERIFY2(QFontMetricsF(cellule->font()).horizontalAdvance(cellule->text()) <= cellule->width(),
                     qPrintable(cellule->objectName() + " : " + cellule->text()));
        QCOMPARE(b.ctrl("L_NbQuestion_4")->font().pointSizeF(), 14.25);
        QVERIFY(b.ctrl("L_NbQuestion_5")->font().pointSizeF() < 14.25);

        b.choisir(2);
        QCOMPARE(b.vue(), u"14/03/2026 10:00:05, 13/03/2026 09:00:00, [(sans date)] | 1-10 dans l'ordre | "
                          "4=2;2;1,0;; | 2;2;1,0;;"_s);
        QCOMPARE(boites(b.supprimer()), confirmation("(sans date)"));
        QCOMPARE(Magasin::lignes().size(), 3);
        QVERIFY(b.vue().startsWith(u"14/03/2026 10:00:05, [13/03/2026 09:00:00] |"_s));

        b.choisir(0);
        Magasin::executer({"DELETE FROM %T WHERE \"DateHeure\" = '2026-03-14 10:00:05'"});
        const QList<MessageVu> vus = b.supprimer();
        QCOMPARE(vus.size(), 2);
        verifierPanne(vus[1], {"n'est plus dans le fichier", "n'a pas été supprimé"});
        QCOMPARE(b.vue(), u"[13/03/2026 09:00:00] | 1-10 dans l'ordre | 2=1;1;0,9;; | 1;1;0,9;;"_s);
    }
};

QTEST_MAIN(TestConsulter)
#include "tst_consulter.moc"
