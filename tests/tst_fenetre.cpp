// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window driven as a child and a parent use it: tables ticked,
// runs played with the keyboard, answers typed, pasted and dropped, message
// boxes answered, and what the window shows checked at every step.
#include "FenetrePrincipale.h"
#include "ui/platform/Son.h"

#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QScreen>

// Written out here as the child must read them, not taken from the program.
const QString Indication = "Sélectionner un ou plusieurs livrets à exercer puis cliquer sur < S'entraîner >";
const QString MessageOptionBloquee = "Pour changer cette option, vous devez\n\nsauvegarder les résultats ou les effacer\n\n";
const QString MessageAide = "Cette fonction n'est pas encore disponible.\n\nMerci de consulter le mode d'emploi.\n";

int bipsEntendus = 0;

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

    // Loaded and shown as designed, with no table ticked: Enter does nothing
    // whatever has the focus. Then the tables ticked in blue, the hint blinking
    // anew at each accepted choice, and every option changed freely without results.
    void demarrageEtChoix()
    {
        Fenetre w;
        QVERIFY(w.f.Form_Load());
        // The commands on the results wait for the window to be shown.
        const QStringList commandes = CommandesResultats + QStringList{"B_Quitter"};
        QCOMPARE(w.ceux(CommandesResultats, &QWidget::isEnabled), QStringList{"B_Aide"});
        w.f.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.f));
        QTRY_COMPARE(w.ceux(commandes, &QWidget::isEnabled), commandes);
        QCOMPARE(w.etat(), EtatAucunLivret);
        QCOMPARE(w.selection(), QString("cochés  ; couleurs ggggggggggg ; 1-12 ; aléatoire"));
        QVERIFY(!w.timer("Timer1")->isActive() && w.timer("Timer2")->interval() == 1000);
        QVERIFY(w.reponse()->palette().color(QPalette::Base) == w.reponse()->palette().color(QPalette::HighlightedText)
                && w.reponse()->alignment() == Qt::AlignCenter);
        // The results table is shown and empty, headings included.
        QCOMPARE(tableau(&w.f), QStringList(66));
        // Centred (as near as the frame allows).
        const QRect ecran = w.f.screen()->availableGeometry();
        QCOMPARE(w.f.geometry().center().y(), ecran.center().y());
        QVERIFY(qAbs(w.f.geometry().center().x() - ecran.center().x()) <= 2);
        // The layout by its rules; each kind of control in its font and colour.
        verifierDisposition(&w.f);
        const QList<QPair<QString, QStringList>> styles = {
            {"Comic Sans MS 36 italique #0000ff gauche", {"L_Titre_Principal"}},
            {"Arial 20.25 gras #808080 droite", noms("L_Livret", 11)},
            {"Arial 20.25 gras #0000ff droite", {"L_Titre_5"}},
            {"Arial 14.25 #0000ff gauche", {"L_Mul"}},
            {"Arial 14.25 #0000ff", {"O_1a10", "O_1a12", "C_Aléatoire"}},
            {"Arial 14.25 #000000", noms("C_Livret", 11) << "B_Nouveau" << "B_Test" << "B_Résultat" << "B_Entrainement"},
            {"Arial 12 #000000", CommandesResultats + QStringList{"B_Quitter"}},
            {"Arial 32.25 #000000 droite", {"L_Terme1"}},
            {"Arial 32.25 #000000 centre", {"L_Fois", "L_Egal"}},
            {"Arial 32.25 #000000 gauche", {"L_Terme2", "L_Vérification"}},
            {"Arial 32.25 #000000", {"T_Résultat"}},
            {"Arial 32.25 #00ffff droite", {"L_Time"}},
            {"Arial 8.25 #0000ff centre", {"L_NbEssais"}},
            {"Arial 20.25 #ff8000 centre", {"L_Sélection"}}};
        for (const auto& [attendu, controles] : styles)
            for (const QString& n : controles)
                QCOMPARE(n + " : " + style(w.ctrl(n)), n + " : " + attendu);

        QStringList ordre, attendu = QStringList{"B_Quitter", "O_1a10", "O_1a12", "C_Aléatoire", "C_Revoir"} + noms("C_Livret", 11);
        attendu << "T_Résultat" << "B_Nouveau" << "B_Test" << "B_Résultat" << "B_Entrainement" << CommandesResultats;
        QWidget* c = w.ctrl("B_Quitter");
        do {
            // Of the two options one only is a tab stop at a time (the arrows go
            // from one to the other), but both keep their place in the order.
            if (c->focusPolicy() != Qt::NoFocus)
                ordre << c->objectName();
        } while ((c = c->nextInFocusChain()) != w.ctrl("B_Quitter") && ordre.size() < 100);
        QCOMPARE(ordre, attendu);

        // Any button clicked would show a message or change the state or the choice, seen below.
        for (const char* n : {"B_Quitter", "B_Aide", "B_Consulter", "B_Enregistrer", "C_Livret_3", "O_1a12", "C_Aléatoire"}) {
            w.ctrl(n)->setFocus(Qt::TabFocusReason);
            w.entree();
        }

        const auto clignoter = [&w] {   // ticks given by hand: two shown, one blank, over and over
            w.timer("Timer2")->stop();
            for (const QString& texte : {Indication, Indication, QString(), Indication}) {
                tic(w.timer("Timer2"));
                QVERIFY(w.ctrl("L_Sélection")->isVisible());
                QCOMPARE(w.texte("L_Sélection"), texte);
            }
        };
        w.cliquer("C_Livret_5");
        QCOMPARE(w.selection(), QString("cochés 7 ; couleurs gggggbggggg ; 1-12 ; aléatoire"));
        QCOMPARE(w.etat(), EtatPret);
        clignoter();
        w.cliquer("C_Livret_10");
        QCOMPARE(w.selection(), QString("cochés 7,12 ; couleurs gggggbggggb ; 1-12 ; aléatoire"));
        clignoter();
        w.cliquer("C_Livret_5");
        QCOMPARE(w.selection(), QString("cochés 12 ; couleurs ggggggggggb ; 1-12 ; aléatoire"));
        QCOMPARE(w.etat(), EtatPret);
        w.cliquer("C_Livret_10");
        w.entree();   // unticked again: nothing to start
        w.cliquer("O_1a10");
        w.cliquer("C_Aléatoire");
        QTest::qWait(150);
        QCOMPARE(w.etat(), EtatAucunLivret);
        QCOMPARE(w.selection(), QString("cochés  ; couleurs ggggggggggg ; 1-10 ; dans l'ordre"));
        QCOMPARE(w.repondeur.vus.size(), 0);

        // Never smaller than designed, while larger in one direction stays larger.
        w.f.resize(800, 500);
        QCOMPARE(w.f.size(), QSize(1024, 700));
        w.f.resize(900, 740);
        QCOMPARE(w.f.size(), QSize(1024, 740));
    }

    // A run played with the keyboard, the stopwatch read along.
    void courseAuClavier()
    {
        Fenetre w;
        w.hasard.suite = hasardPhrase;   // questions in order: the phrases draw 0.05, 0.15, 0.25...
        QVERIFY(w.ouvrir());
        QLineEdit* reponse = w.reponse();
        QTimer* chrono = w.timer("Timer1");
        for (const char* n : {"C_Aléatoire", "C_Livret_5"}) {
            w.ctrl(n)->setFocus(Qt::TabFocusReason);
            QTest::keyClick(w.focus(), Qt::Key_Space);
        }
        QCOMPARE(w.selection(), QString("cochés 7 ; couleurs gggggbggggg ; 1-12 ; dans l'ordre"));

        // Enter starts the run; no question yet.
        w.entree();
        QCOMPARE(w.etat(), EtatRepondu);
        QCOMPARE(QApplication::focusWidget(), w.ctrl("B_Nouveau"));
        QCOMPARE(w.ceux(ZoneQuestion, &QWidget::isVisible), QStringList());

        // Enter asks the first question.
        w.entree();
        QCOMPARE(w.ceux(ZoneQuestion, &QWidget::isVisible), ZoneQuestion);
        QCOMPARE(w.textes({"L_Terme1", "L_Fois", "L_Terme2", "L_Egal"}).join(' '), QString("1 x 7 ="));
        QCOMPARE(chrono->interval(), 100);
        // Its ticks (some given by hand) show the clock's whole seconds, nothing in the first one.
        const auto temps = [&](int ms) { w.horloge.ms += ms; tic(chrono); return w.texte("L_Time"); };
        QCOMPARE(QStringList({temps(900), temps(100)}), QStringList({"", "1"}));   // in order, as listed

        // An empty box counts no try.
        const int bips = bipsEntendus;
        w.entree();
        QCOMPARE(w.retour(), QString("Pas de nombre ! | vert | "));
        QCOMPARE(bipsEntendus, bips);

        // First wrong try: red phrase, a beep, the time hidden but going on, the answer selected for retyping.
        w.repondre("8");
        QCOMPARE(w.retour(), QString("Oops ! | rouge | Essai(s) :  1"));
        QCOMPARE(bipsEntendus, bips + 1);
        QVERIFY(!w.ctrl("L_Time")->isVisible() && chrono->isActive());
        QCOMPARE(QStringList({temps(950), temps(50)}), QStringList({"1", "2"}));
        QVERIFY(reponse->selectedText() == "8" && reponse->hasFocus());

        // Second wrong try, tested with the mouse: typing replaced the selection.
        QTest::keyClicks(w.focus(), "9");
        w.cliquer("B_Test");
        QCOMPARE(w.retour(), QString("Faux | rouge | Essai(s) :  2"));
        QVERIFY(reponse->selectedText() == "9" && reponse->hasFocus());
        QCOMPARE(w.etat(), EtatQuestion);

        // Third wrong try: the answer may be asked for, the caret after the answer.
        w.repondre("8");
        QVERIFY(!reponse->hasSelectedText() && reponse->hasFocus() && reponse->cursorPosition() == 1);
        // The same answer tested again counts no try.
        w.cliquer("B_Test");
        QCOMPARE(w.retour(), QString("Déjà essayé ! | vert | Essai(s) :  3"));

        // Enter now gives the answer, untimed.
        w.entree();
        QCOMPARE(reponse->text() + " | " + w.retour(), QString("7 | Réponse ! | vert | Essai(s) :  3"));
        QCOMPARE(w.colonne(5), QStringList({"1", "", "", "", "1"}));
        QCOMPARE(w.etat(), EtatRepondu);
        QVERIFY(!chrono->isActive());

        // Next question, everything of the last one cleared.
        w.entree();
        QCOMPARE(w.question(), QString("2x7"));
        QVERIFY(w.ctrl("L_Time")->isVisible());
        QCOMPARE(w.textes({"L_Vérification", "L_NbEssais", "L_Time"}) << reponse->text(), QStringList(4));
        // A busy machine gives fewer ticks: the time is still the clock's. Right
        // at the first try after 4.3 s, the phrases drawing on; the time shown stays.
        QCOMPARE(temps(4300), QString("4"));
        w.repondre("14");
        QCOMPARE(w.retour(), QString("Wouah ! | bleu | Essai(s) :  1"));
        QCOMPARE(w.colonne(5), QStringList({"2", "1", "4,3", "", "1"}));
        QVERIFY(!chrono->isActive() && w.texte("L_Time") == "4");

        // Interrupted (Alt+I) with a question pending: it counts nowhere and disappears.
        w.entree();
        QCOMPARE(w.question(), QString("3x7"));
        QTest::keyClick(w.focus(), Qt::Key_I, Qt::AltModifier);
        QTRY_COMPARE(w.etat(), EtatPret);   // an access key holds its button down a moment
        QCOMPARE(w.ceux(ZoneQuestion + QStringList{"L_NbEssais"}, &QWidget::isVisible), QStringList());
        QVERIFY(!chrono->isActive());
        QCOMPARE(w.textes(Totaux), QStringList({"2", "1", "4,3", "", "1"}));
        QCOMPARE(w.repondeur.vus.size(), 0);
    }

    // In order: each table from 1 to the last multiplier, then the next, then round again.
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
            w.horloge.ms += 4000 * 1000;   // far past 32767 tenths summed on a table
            w.repondreJuste();
            w.entree();
        }
        QCOMPARE(posees, attendu);
        const QString n = QString::number(attendu.size());
        QCOMPARE(w.textes(Totaux), QStringList({n, n, "4000,0", "", ""}));
        // Interrupted on the last ticked table, the choice guarded, the order
        // starts again from the first; the counts go on.
        int encore = 0;
        for (; !w.question().endsWith("x" + QString::number(tables.last())) && encore < 30; ++encore) {
            w.repondreJuste();
            w.entree();
        }
        w.cliquer("B_Entrainement");
        // While the table holds results the choice stays as it was: each change
        // tried, twice, is refused with a message; help too changes nothing.
        const QString avant = w.selection();
        for (const QString clic : {"C_Livret_3", "C_Livret_5", "O_1a10", "O_1a12", "C_Aléatoire", "B_Aide"}) {
            const auto* plage = qobject_cast<QRadioButton*>(w.ctrl(clic));   // the range already chosen is no change
            const QString message = clic == "B_Aide" ? MessageAide : plage && plage->isChecked() ? QString() : MessageOptionBloquee;
            for (int fois = 0; fois < 2; ++fois) {
                w.repondeur.vus.clear();
                w.cliquer(clic);
                QCOMPARE(boites(w.repondeur.vus), message.isEmpty() ? QStringList() : QStringList{"Calkado | information | " + message + " | OK"});
                QCOMPARE(clic + " : " + w.selection() + " | " + w.etat(), clic + " : " + avant + " | " + EtatPret);
            }
        }
        w.entree();
        w.entree();
        QCOMPARE(w.question(), QString("1x%1").arg(tables.first()));
        w.repondreJuste();
        QCOMPARE(w.texte("L_NbQuestionTotal"), QString::number(attendu.size() + encore + 1));
    }

    void filtreDeLaReponse()
    {
        Fenetre w;
        QVERIFY(w.ouvrir());
        w.commencer({7}, false, false);
        QLineEdit* reponse = w.reponse();
        QClipboard* pressePapiers = QGuiApplication::clipboard();
        pressePapiers->setText("42");
        int bips = bipsEntendus;

        // Anything but digits, Backspace and Enter: a beep, nothing typed.
        const QList<QKeyCombination> refusees = {Qt::Key_A, Qt::Key_Minus, Qt::Key_Space, Qt::Key_Comma,
                                                 Qt::ControlModifier | Qt::Key_V};
        for (const QKeyCombination touche : refusees) {
            QTest::keyClick(reponse, touche.key(), touche.keyboardModifiers());
            QCOMPARE(reponse->text(), QString());
            QCOMPARE(bipsEntendus, ++bips);
        }
        QTest::keyClicks(reponse, "1a2-3\b\b");   // ending with two Backspaces
        QCOMPARE(reponse->text(), QString("1"));
        QCOMPARE(bipsEntendus, bips + 2);

        // Pasted from the keyboard (Shift+Insert) or the context menu, dropped,
        // or composed by an input method: digits only, or nothing.
        const auto deposer = [reponse](const QString& texte) {
            QMimeData donnees;
            donnees.setText(texte);
            QDragEnterEvent entree(reponse->rect().center(), Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
            QDropEvent depot(reponse->rect().center(), Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(reponse, &entree);
            QApplication::sendEvent(reponse, &depot);
        };
        for (const QString refuse : {"12a", "-5", " 3", "٤٢", "4a", "é"}) {
            pressePapiers->setText(refuse);
            QTest::keyClick(reponse, Qt::Key_Insert, Qt::ShiftModifier);
            reponse->paste();
            deposer(refuse);
            QInputMethodEvent compose;
            compose.setCommitString(refuse);
            QApplication::sendEvent(reponse, &compose);
            QCOMPARE(reponse->text(), QString("1"));
        }
        pressePapiers->setText("42");
        QTest::keyClick(reponse, Qt::Key_Insert, Qt::ShiftModifier);
        deposer("5");
        QVERIFY2(reponse->text().size() == 4 && QString(reponse->text()).remove('5') == "142", qPrintable(reponse->text()));
        // No length limit: a long answer arrives whole.
        pressePapiers->setText(QString(40000, '8'));
        QTest::keyClick(reponse, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(reponse->text().size(), 40004);
    }

};

QTEST_MAIN(TestFenetre)
#include "tst_fenetre.moc"
