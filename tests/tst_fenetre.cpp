// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window driven as a child and a parent use it: tables ticked,
// runs played with the keyboard, answers typed, pasted and dropped, message
// boxes answered, and what the window shows checked at every step; its
// layout checked by the rules of its design.
#include "FenetrePrincipale.h"
#include "ui/platform/Son.h"

#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QRegularExpression>
#include <QScreen>

// Written out here as the child must read them, not taken from the program.
const QString Indication = "Sélectionner un ou plusieurs livrets à exercer puis cliquer sur < S'entraîner >";
const QString MessageOptionBloquee = "Pour changer cette option, vous devez\n\nsauvegarder les résultats ou les effacer\n\n";
const QString MessageAide = "Cette fonction n'est pas encore disponible.\n\nMerci de consulter le mode d'emploi.\n";

int bipsEntendus = 0;

namespace {

// The focus chain from B_Quitter, focusable controls only.
QStringList ordreTabulation(const Fenetre& w)
{
    QStringList ordre;
    QWidget* c = w.ctrl("B_Quitter");
    do {
        // Of the two options one only is a tab stop at a time (the arrows go
        // from one to the other), but both keep their place in the order.
        if (c->focusPolicy() != Qt::NoFocus)
            ordre << c->objectName();
    } while ((c = c->nextInFocusChain()) != w.ctrl("B_Quitter") && ordre.size() < 100);
    return ordre;
}

// Whether those controls stand from left to right.
bool deGaucheADroite(const Fenetre& w, const QStringList& noms)
{
    for (qsizetype i = 1; i < noms.size(); ++i)
        if (w.ctrl(noms[i - 1])->mapTo(&w.f, QPoint()).x() >= w.ctrl(noms[i])->mapTo(&w.f, QPoint()).x())
            return false;
    return true;
}

} // namespace

class TestFenetre : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        PreparerFenetres();
        // The warning sounds counted, since none can be heard here.
        RemplacerSonnerie([] { ++bipsEntendus; });
    }

    // Loaded, then shown centred with no table ticked; the commands on the
    // results wait for the window to be on screen.
    void chargement()
    {
        Fenetre w;
        QVERIFY(w.f.Form_Load());
        QCOMPARE(w.ceux(CommandesResultats, &QWidget::isEnabled), QStringList{"B_Aide"});
        w.f.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.f));
        const QStringList commandes = CommandesResultats + QStringList{"B_Quitter"};
        QTRY_COMPARE(w.ceux(commandes, &QWidget::isEnabled), commandes);
        QCOMPARE(w.etat(), EtatAucunLivret);
        QCOMPARE(w.selection(), QString("cochés  ; couleurs ggggggggggg ; 1-12 ; aléatoire"));
        QCOMPARE(w.ceux(ZoneQuestion, &QWidget::isVisible), QStringList());
        QVERIFY(!w.timer("Timer1")->isActive() && w.timer("Timer2")->interval() == 1000);
        QCOMPARE(tableau(&w.f), QStringList(66));   // shown, and empty, headings included
        const QRect ecran = w.f.screen()->availableGeometry();
        QCOMPARE(w.f.geometry().center().y(), ecran.center().y());
        QVERIFY(qAbs(w.f.geometry().center().x() - ecran.center().x()) <= 2);
    }

    // The layout by the rules of its design: the results table's, then Arial
    // throughout but the heading, one font to a row, the choice in blue and
    // the numbers grey until ticked, the answer box on the highlighted-text
    // colour, and Tab from Quitter through the choice, the answer and the
    // buttons left to right.
    void disposition()
    {
        Fenetre w;
        QVERIFY(w.ouvrir());
        verifierDisposition(&w.f);
        verifierPolices(&w.f);
        for (QWidget* choix : w.f.findChildren<QAbstractButton*>())
            if (!choix->objectName().startsWith("C_Livret") && (qobject_cast<QCheckBox*>(choix) || qobject_cast<QRadioButton*>(choix)))
                QVERIFY2(w.couleur(choix->objectName()) == Bleu, qPrintable(choix->objectName()));
        QVERIFY(w.couleur("L_Mul") == Bleu && w.couleur("L_Livret_0") == Gris && w.ctrl("L_Livret_0")->font().bold());
        QVERIFY(w.reponse()->palette().color(QPalette::Base) == w.reponse()->palette().color(QPalette::HighlightedText)
                && w.reponse()->alignment() == Qt::AlignCenter);

        const QStringList ordre = ordreTabulation(w);
        const QStringList livrets = noms("C_Livret", 11), course = {"B_Nouveau", "B_Test", "B_Résultat", "B_Entrainement"};
        const QStringList options = {"O_1a10", "O_1a12", "C_Aléatoire", "C_Revoir"};
        // « Enfants », added to the design, comes after its commands.
        QCOMPARE(ordre, QStringList{"B_Quitter"} + options + livrets + QStringList{"T_Résultat"} + course + CommandesResultats
                            + QStringList({"B_Jour", "B_Enfants"}));
        QVERIFY(deGaucheADroite(w, livrets) && deGaucheADroite(w, course)
                && deGaucheADroite(w, QStringList{"B_Enfants"} + CommandesResultats + QStringList{"B_Jour"}));
    }

    // Never smaller than designed, while larger in one direction stays larger.
    void tailleMinimale()
    {
        Fenetre w;
        QVERIFY(w.ouvrir());
        w.f.resize(800, 500);
        QCOMPARE(w.f.size(), QSize(1024, 700));
        w.f.resize(900, 740);
        QCOMPARE(w.f.size(), QSize(1024, 740));
    }

    // With no table ticked Enter does nothing, whatever has the focus: any
    // button pressed would show a message or change the state or the choice.
    void entreeSansLivret()
    {
        Fenetre w;
        QVERIFY(w.ouvrir());
        for (const char* n : {"B_Quitter", "B_Aide", "B_Consulter", "B_Enregistrer", "C_Livret_3", "O_1a12", "C_Aléatoire"}) {
            w.ctrl(n)->setFocus(Qt::TabFocusReason);
            w.entree();
        }
        QCOMPARE(w.etat() + " | " + w.selection(), EtatAucunLivret + " | cochés  ; couleurs ggggggggggg ; 1-12 ; aléatoire");
        QCOMPARE(w.repondeur.vus.size(), 0);
    }

    // Without results every change is taken: the tables ticked in blue, the
    // state following, and the hint blinking anew at each.
    void choixSansResultats_data()
    {
        QTest::addColumn<QStringList>("clics");
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("etat");
        QTest::newRow("une table") << QStringList{"C_Livret_5"} << "cochés 7 ; couleurs gggggbggggg ; 1-12 ; aléatoire" << EtatPret;
        QTest::newRow("deux tables") << QStringList{"C_Livret_5", "C_Livret_10"}
                                     << "cochés 7,12 ; couleurs gggggbggggb ; 1-12 ; aléatoire" << EtatPret;
        QTest::newRow("l'une décochée") << QStringList{"C_Livret_5", "C_Livret_10", "C_Livret_5"}
                                        << "cochés 12 ; couleurs ggggggggggb ; 1-12 ; aléatoire" << EtatPret;
        QTest::newRow("toutes décochées, options changées") << QStringList{"C_Livret_10", "C_Livret_10", "O_1a10", "C_Aléatoire"}
                                                            << "cochés  ; couleurs ggggggggggg ; 1-10 ; dans l'ordre" << EtatAucunLivret;
    }
    void choixSansResultats()
    {
        QFETCH(QStringList, clics);
        QFETCH(QString, selection);
        QFETCH(QString, etat);
        Fenetre w;
        QVERIFY(w.ouvrir());
        QString vu;
        for (const QString& clic : clics) {
            w.cliquer(clic);
            vu = w.selection() + " | " + w.etat();
            if (!clic.startsWith("C_Livret"))
                continue;
            // Ticks given by hand: shown two, blank one, over and over.
            w.timer("Timer2")->stop();
            for (const QString& texte : {Indication, Indication, QString(), Indication}) {
                tic(w.timer("Timer2"));
                QVERIFY(w.ctrl("L_Sélection")->isVisible());
                QCOMPARE(w.texte("L_Sélection"), texte);
            }
            w.timer("Timer2")->start();
        }
        QCOMPARE(vu, selection + " | " + etat);
        QCOMPARE(w.repondeur.vus.size(), 0);
    }

    // Enter starts the run with the tables chosen by keys, and asks its first
    // question; the stopwatch shows the clock's whole seconds, nothing in the
    // first one, whatever ticks a busy machine gives.
    void courseAuClavier()
    {
        Fenetre w;
        QVERIFY(w.ouvrir());
        for (const char* n : {"C_Aléatoire", "C_Livret_5"}) {
            w.ctrl(n)->setFocus(Qt::TabFocusReason);
            QTest::keyClick(w.focus(), Qt::Key_Space);
        }
        QCOMPARE(w.selection(), QString("cochés 7 ; couleurs gggggbggggg ; 1-12 ; dans l'ordre"));
        w.entree();
        QCOMPARE(w.etat(), EtatRepondu);
        QCOMPARE(QApplication::focusWidget(), w.ctrl("B_Nouveau"));
        QCOMPARE(w.ceux(ZoneQuestion, &QWidget::isVisible), QStringList());
        w.entree();
        QCOMPARE(w.ceux(ZoneQuestion, &QWidget::isVisible), ZoneQuestion);
        QCOMPARE(w.textes({"L_Terme1", "L_Fois", "L_Terme2", "L_Egal"}).join(' '), QString("1 x 7 ="));
        QCOMPARE(w.etat(), EtatQuestion);
        QTimer* chrono = w.timer("Timer1");
        QVERIFY(chrono->isActive() && chrono->interval() == 100);
        QStringList temps;
        for (const int ms : {900, 100, 3200}) {
            w.horloge.ms += ms;
            tic(chrono);
            temps << w.texte("L_Time");
        }
        QCOMPARE(temps, QStringList({"", "1", "4"}));
    }

    // The tries of a question, the box and the buttons following them: an
    // empty box and the last wrong answer again count none; a wrong one beeps
    // and hides the time, which goes on; from the third the answer may be
    // asked for, by Enter, untimed.
    void essaisEtReponseDonnee()
    {
        Fenetre w;
        QVERIFY(w.ouvrir());
        w.commencer({7}, false, false);
        QLineEdit* reponse = w.reponse();
        const int bips = bipsEntendus;
        w.entree();
        QCOMPARE(w.retour(), QString("Pas de nombre ! | vert | "));
        w.repondre("8");
        QCOMPARE(w.retour(), QString("Oops ! | rouge | Essai(s) :  1"));
        w.horloge.ms += 2000;
        tic(w.timer("Timer1"));
        QVERIFY(!w.ctrl("L_Time")->isVisible() && w.texte("L_Time") == "2");   // going on, unseen
        QVERIFY(reponse->selectedText() == "8" && reponse->hasFocus());
        QTest::keyClicks(w.focus(), "9");   // typed over the selection, tested with the mouse
        w.cliquer("B_Test");
        QCOMPARE(w.retour() + " | " + reponse->selectedText() + " | " + w.etat(), "Oops ! | rouge | Essai(s) :  2 | 9 | " + EtatQuestion);
        w.repondre("8");
        QVERIFY(!reponse->hasSelectedText() && reponse->hasFocus() && reponse->cursorPosition() == 1);
        QCOMPARE(w.etat(), EtatQuestionAide);
        w.cliquer("B_Test");
        QCOMPARE(w.retour(), QString("Déjà essayé ! | vert | Essai(s) :  3"));
        QCOMPARE(bipsEntendus, bips + 3);
        w.entree();
        QCOMPARE(reponse->text() + " | " + w.retour(), QString("7 | Réponse ! | vert | Essai(s) :  3"));
        QCOMPARE(w.colonne(5), QStringList({"1", "", "", "", "1"}));
        QVERIFY(w.etat() == EtatRepondu && !w.timer("Timer1")->isActive());
    }

    // Right at the first try after 4.3 s: the phrase in blue, the time counted
    // and still shown; the next question starts afresh.
    void justeDuPremierCoup()
    {
        Fenetre w;
        w.hasard.suite = [](int n) { return hasardPhrase(n + 2); };   // the phrase of 0.25: "Wouah !"
        QVERIFY(w.ouvrir());
        w.commencer({7}, false, false);
        w.horloge.ms += 4300;
        tic(w.timer("Timer1"));
        w.repondre("7");
        QCOMPARE(w.retour(), QString("Wouah ! | bleu | Essai(s) :  1"));
        QCOMPARE(w.colonne(5), QStringList({"1", "1", "4,3", "", ""}));
        QVERIFY(!w.timer("Timer1")->isActive() && w.texte("L_Time") == "4");
        QCOMPARE(w.etat(), EtatRepondu);
        w.entree();
        QCOMPARE(w.question(), QString("2x7"));
        QVERIFY(w.ctrl("L_Time")->isVisible());
        QCOMPARE(w.textes({"L_Vérification", "L_NbEssais", "L_Time"}) << w.reponse()->text(), QStringList(4));
    }

    // Interrupted (Alt+I) with a question pending: it counts nowhere and
    // disappears, the stopwatch stops; the run can start again.
    void interruption()
    {
        Fenetre w;
        QVERIFY(w.ouvrir());
        w.jouer({7}, false, false, {"0:="}, false);
        w.entree();
        w.repondre("1");
        QTest::keyClick(w.focus(), Qt::Key_I, Qt::AltModifier);
        QTRY_COMPARE(w.etat(), EtatPret);   // an access key holds its button down a moment
        QCOMPARE(w.ceux(ZoneQuestion + QStringList{"L_NbEssais"}, &QWidget::isVisible), QStringList());
        QVERIFY(!w.timer("Timer1")->isActive());
        QCOMPARE(w.textes(Totaux), QStringList({"1", "1", "0,0", "", ""}));
        QCOMPARE(w.ceux(CommandesResultats, &QWidget::isEnabled), CommandesResultats);
        w.entree();
        QCOMPARE(w.etat(), EtatRepondu);
        w.entree();
        QCOMPARE(w.question(), QString("1x7"));
        QCOMPARE(w.repondeur.vus.size(), 0);
    }

    // In order: each table from 1 to the last multiplier, then the next, then
    // round again; the counts of tables far past 32767 tenths.
    void ordreSequentiel_data()
    {
        QTest::addColumn<QList<int>>("tables");
        QTest::addColumn<bool>("de1a10");
        QTest::newRow("livret 7, 1-10") << QList<int>{7} << true;
        QTest::newRow("livrets 2 et 12, 1-12") << QList<int>{2, 12} << false;
    }
    void ordreSequentiel()
    {
        QFETCH(QList<int>, tables);
        QFETCH(bool, de1a10);
        QStringList attendu;
        for (const int table : tables)
            for (int m = 1; m <= (de1a10 ? 10 : 12); ++m)
                attendu << QString("%1x%2").arg(m).arg(table);
        attendu << attendu.first();
        Fenetre w;
        QVERIFY(w.ouvrir());
        w.commencer(tables, de1a10, false);
        QStringList posees;
        for (int i = 0; i < attendu.size(); ++i) {
            posees << w.question();
            w.horloge.ms += 4000 * 1000;
            w.repondreJuste();
            w.entree();
        }
        QCOMPARE(posees, attendu);
        const QString n = QString::number(attendu.size());
        QCOMPARE(w.textes(Totaux), QStringList({n, n, "4000,0", "", ""}));
        // Interrupted on the last table, a new run starts again from the first.
        for (int encore = 0; encore < 30 && !w.question().endsWith("x" + QString::number(tables.last())); ++encore) {
            w.repondreJuste();
            w.entree();
        }
        w.cliquer("B_Entrainement");
        w.entree();
        w.entree();
        QCOMPARE(w.question(), QString("1x%1").arg(tables.first()));
    }

    // While the table holds results the choice stays as it was: each change
    // tried, twice, is refused with one message each time; the range already
    // chosen is no change, and help changes nothing.
    void choixGardeAvecResultats_data()
    {
        QTest::addColumn<QString>("clic");
        QTest::addColumn<QString>("message");
        QTest::newRow("table cochée") << "C_Livret_3" << MessageOptionBloquee;
        QTest::newRow("table décochée") << "C_Livret_5" << MessageOptionBloquee;
        QTest::newRow("1-10") << "O_1a10" << MessageOptionBloquee;
        QTest::newRow("1-12 déjà choisi") << "O_1a12" << QString();
        QTest::newRow("tirage aléatoire") << "C_Aléatoire" << MessageOptionBloquee;
        QTest::newRow("revoir mes erreurs") << "C_Revoir" << MessageOptionBloquee;
        QTest::newRow("aide") << "B_Aide" << MessageAide;
    }
    void choixGardeAvecResultats()
    {
        QFETCH(QString, clic);
        QFETCH(QString, message);
        Fenetre w;
        QVERIFY(w.ouvrir());
        w.jouer({7}, false, false, {"0:="});
        const QString avant = w.selection() + " | " + w.etat();
        for (int fois = 0; fois < 2; ++fois) {
            w.repondeur.vus.clear();
            w.cliquer(clic);
            QCOMPARE(boites(w.repondeur.vus), message.isEmpty() ? QStringList() : QStringList{"Calkado | information | " + message + " | OK"});
            QCOMPARE(w.selection() + " | " + w.etat(), avant);
        }
        w.entree();
        w.entree();
        QCOMPARE(w.question(), QString("1x7"));
    }

    // Anything but digits, Backspace and Enter typed: a beep, nothing typed.
    void touchesRefusees_data()
    {
        QTest::addColumn<QKeyCombination>("touche");
        QTest::newRow("lettre") << QKeyCombination(Qt::Key_A);
        QTest::newRow("moins") << QKeyCombination(Qt::Key_Minus);
        QTest::newRow("espace") << QKeyCombination(Qt::Key_Space);
        QTest::newRow("virgule") << QKeyCombination(Qt::Key_Comma);
        QTest::newRow("Ctrl+V") << (Qt::ControlModifier | Qt::Key_V);
    }
    void touchesRefusees()
    {
        QFETCH(QKeyCombination, touche);
        Fenetre w;
        QVERIFY(w.ouvrir());
        w.commencer({7}, false, false);
        QGuiApplication::clipboard()->setText("42");
        const int bips = bipsEntendus;
        QTest::keyClicks(w.reponse(), "1");
        QTest::keyClick(w.reponse(), touche.key(), touche.keyboardModifiers());
        QTest::keyClicks(w.reponse(), "23\b");
        QCOMPARE(w.reponse()->text(), QString("12"));
        QCOMPARE(bipsEntendus, bips + 1);
    }

    // Pasted from the keyboard (Shift+Insert) or the context menu, dropped, or
    // composed by an input method: digits only, or nothing; of any length.
    void collerDeposerComposer_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("ajoutes");   // characters that arrive, from each of the four ways
        for (const QString refuse : {"12a", "-5", " 3", "٤٢", "4a", "é"})
            QTest::newRow(qPrintable(refuse)) << refuse << 0;
        QTest::newRow("chiffres") << "42" << 2;
        QTest::newRow("très long") << QString(40000, '8') << 40000;
    }
    void collerDeposerComposer()
    {
        QFETCH(QString, texte);
        QFETCH(int, ajoutes);
        Fenetre w;
        QVERIFY(w.ouvrir());
        w.commencer({7}, false, false);
        QLineEdit* reponse = w.reponse();
        QGuiApplication::clipboard()->setText(texte);
        QTest::keyClick(reponse, Qt::Key_Insert, Qt::ShiftModifier);
        reponse->paste();
        QMimeData donnees;
        donnees.setText(texte);
        QDragEnterEvent entree(reponse->rect().center(), Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
        QDropEvent depot(reponse->rect().center(), Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(reponse, &entree);
        QApplication::sendEvent(reponse, &depot);
        QInputMethodEvent compose;
        compose.setCommitString(texte);
        QApplication::sendEvent(reponse, &compose);
        QCOMPARE(reponse->text().size(), 4 * ajoutes);
        QCOMPARE(QString(reponse->text()).remove(QRegularExpression("[0-9]")), QString());
    }
};

QTEST_MAIN(TestFenetre)
#include "tst_fenetre.moc"
