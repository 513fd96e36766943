// The main window driven as a child and a parent use it: tables ticked,
// runs played with the keyboard, answers typed, pasted and dropped, message
// boxes answered, and what the window shows checked at every step.
#include "FenetrePrincipale.h"
#include "ui/platform/Ressources.h"
#include "ui/platform/Son.h"

#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QRegularExpression>
#include <QScreen>
#include <tuple>

// Written out here as the child must read them, not taken from the program.
const QStringList PhrasesEssai1 = {"Très bien", "Super", "Wouah !", "Génial", "Excellent", "Extra", "Epatant", "Super mega"};
const QStringList PhrasesEssai2 = {"Bien", "Juste", "Ok", "Réussi", "Essai concluant", "Bon rattrapage", "Bien vu"};
const QStringList PhrasesErreur = {"Oops !", "Faux", "???", "Essaie encore", "Dommage", "Concentre-toi",
                                   "Appliques-toi", "Tu peux faire mieux", "Réfléchis"};
const QString Indication = "Sélectionner un ou plusieurs livrets à exercer puis cliquer sur < S'entraîner >";
const QString M6 = "Pour changer cette option, vous devez\n\nsauvegarder les résultats ou les effacer\n\n";
const QString M7 = "Cette fonction n'est pas encore disponible.\n\nMerci de consulter le mode d'emploi.\n";

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
        QCOMPARE(w.reponse()->palette().color(QPalette::Base), w.reponse()->palette().color(QPalette::HighlightedText));
        // The results table is shown and empty, headings included.
        QCOMPARE(w.ceux(noms("L_Temps", 11), &QWidget::isVisible), noms("L_Temps", 11));
        QStringList vides = w.textes(Totaux) + w.textes(noms("L_Titre", 6));
        for (int i = 0; i < 11; ++i)
            vides += w.colonne(i);
        QCOMPARE(vides, QStringList(66));
        const QRegularExpression motif("^Calkado   -   Version (?!0\\.00 )\\d+\\.\\d+   -   \\S.*$");   // 0.00: none found
        QVERIFY2(motif.match(w.f.windowTitle()).hasMatch(), qPrintable(w.f.windowTitle()));
        // Centred (as near as the frame allows).
        const QRect ecran = w.f.screen()->availableGeometry();
        QCOMPARE(w.f.geometry().center().y(), ecran.center().y());
        QVERIFY(qAbs(w.f.geometry().center().x() - ecran.center().x()) <= 2);
        // Places in twips (15 to a pixel at 96 dpi), fonts, colours and horizontal
        // alignments as designed; an invalid colour or a 0 alignment is not checked.
        struct Attendu { const char* n; QRect twips; double points; bool gras; QColor couleur; int alignement; };
        const QColor aucune, noir(0, 0, 0), vert(0, 128, 0), orange(192, 64, 0);
        const int gauche = Qt::AlignLeft, droite = Qt::AlignRight, centre = Qt::AlignHCenter;
        for (const Attendu& a : std::initializer_list<Attendu>{
                 {"L_Titre_Principal", {1560, 180, 10935, 975}, 36, false, Bleu, 0},
                 {"L_Mul", {240, 1680, 2295, 375}, 14.25, false, Bleu, 0},
                 {"C_Aléatoire", {12360, 1680, 2610, 330}, 14.25, false, Bleu, 0},
                 {"L_Livret_0", {3720, 2520, 495, 495}, 20.25, true, Gris, droite},
                 {"L_Livret_10", {12960, 2520, 495, 495}, 20.25, true, Gris, droite},
                 {"C_Livret_4", {7590, 3120, 300, 330}, 14.25, false, aucune, 0},
                 {"L_Titre_5", {13560, 2520, 1440, 495}, 20.25, true, Bleu, droite},
                 {"L_Titre_0", {240, 3720, 3000, 375}, 14.25, false, noir, gauche},
                 {"L_NbQuestion_0", {3330, 3720, 870, 375}, 14.25, false, noir, droite},
                 {"L_Temps_10", {12570, 4620, 870, 375}, 14.25, false, vert, droite},
                 {"L_NbQuestionEssai2Total", {13800, 5070, 1200, 375}, 14.25, false, orange, droite},
                 {"L_NbQuestionRéponse_5", {7950, 5520, 870, 375}, 14.25, false, Rouge, droite},
                 {"L_Fois", {1500, 6660, 735, 855}, 32.25, false, aucune, centre},
                 {"T_Résultat", {4080, 6600, 1335, 855}, 32.25, false, aucune, centre},
                 {"L_NbEssais", {4080, 7470, 1335, 255}, 8.25, false, Bleu, centre},
                 {"L_Time", {13680, 6660, 1335, 855}, 32.25, false, QColor(0, 255, 255), droite},
                 {"L_Sélection", {240, 6735, 14745, 585}, 20.25, false, QColor(255, 128, 0), centre},
                 {"B_Entrainement", {11760, 7800, 3255, 735}, 14.25, false, aucune, 0},
                 {"B_Aide", {2160, 9240, 1335, 975}, 12, false, aucune, 0}}) {
            const QWidget* c = w.ctrl(a.n);
            const auto* etiquette = qobject_cast<const QLabel*>(c);
            const Qt::Alignment alignement = etiquette ? etiquette->alignment() : w.reponse()->alignment();
            const bool titre = a.n == QString("L_Titre_Principal");
            QCOMPARE(std::tuple(QString(a.n), c->geometry(), c->font().family(), c->font().pointSizeF(),
                                c->font().bold(), c->font().italic(), a.couleur.isValid() ? w.couleur(a.n) : a.couleur,
                                a.alignement ? int(alignement & Qt::AlignHorizontal_Mask) : 0),
                     std::tuple(QString(a.n), QRect(a.twips.topLeft() / 15, a.twips.size() / 15),
                                QString(titre ? "Comic Sans MS" : "Arial"), a.points, a.gras, titre, a.couleur,
                                a.alignement));
        }

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
        w.hasard.suite = hasardPhrase;   // questions in order: the phrases draw from the start
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
        QCOMPARE(w.ceux(CommandesResultats + QStringList{"B_Quitter"}, &QWidget::isEnabled), QStringList{"B_Quitter"});
        QCOMPARE(w.ceux(ZoneQuestion, &QWidget::isVisible), QStringList());

        // Enter asks the first question.
        w.entree();
        QCOMPARE(w.ceux(ZoneQuestion, &QWidget::isVisible), ZoneQuestion);
        QCOMPARE(w.textes({"L_Terme1", "L_Fois", "L_Terme2", "L_Egal"}).join(' '), QString("1 x 7 ="));
        QCOMPARE(w.textes(noms("L_Titre", 6)), Titres);
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
        QCOMPARE(w.retour(), phrase(PhrasesErreur, 0) + " | rouge | Essai(s) :  1");
        QCOMPARE(bipsEntendus, bips + 1);
        QVERIFY(!w.ctrl("L_Time")->isVisible() && chrono->isActive());
        QCOMPARE(QStringList({temps(950), temps(50)}), QStringList({"1", "2"}));
        QVERIFY(reponse->selectedText() == "8" && reponse->hasFocus());

        // Second wrong try, tested with the mouse: typing replaced the selection.
        QTest::keyClicks(w.focus(), "9");
        w.cliquer("B_Test");
        QCOMPARE(w.retour(), phrase(PhrasesErreur, 1) + " | rouge | Essai(s) :  2");
        QVERIFY(reponse->selectedText() == "9" && reponse->hasFocus());
        QCOMPARE(w.etat(), EtatQuestion);

        // Third wrong try: the answer may be asked for, the caret after the answer.
        w.repondre("8");
        QVERIFY(!reponse->hasSelectedText() && reponse->hasFocus() && reponse->cursorPosition() == 1);

        // Enter now gives the answer, untimed.
        w.entree();
        QCOMPARE(reponse->text() + " | " + w.retour(), QString("7 | Réponse ! | vert | Essai(s) :  3"));
        QCOMPARE(w.colonne(5), QStringList({"1", "", "", "", "1"}));
        QCOMPARE(w.etat(), EtatRepondu);
        QVERIFY(!chrono->isActive() && !reponse->isEnabled());

        // Next question, everything of the last one cleared.
        w.entree();
        QCOMPARE(w.question(), QString("2x7"));
        QVERIFY(w.ctrl("L_Time")->isVisible());
        QCOMPARE(w.textes({"L_Vérification", "L_NbEssais", "L_Time"}) << reponse->text(), QStringList(4));
        // A busy machine gives fewer ticks: the time is still the clock's. Right
        // at the first try after 4.3 s, the phrases drawing on; the time shown stays.
        QCOMPARE(temps(4300), QString("4"));
        w.repondre("14");
        QCOMPARE(w.retour(), phrase(PhrasesEssai1, 3) + " | bleu | Essai(s) :  1");
        QCOMPARE(w.colonne(5), QStringList({"2", "1", "4,3", "", "1"}));
        QVERIFY(!chrono->isActive() && w.texte("L_Time") == "4");

        // Interrupted (Alt+I) with a question pending: it counts nowhere and disappears.
        w.entree();
        QCOMPARE(w.question(), QString("3x7"));
        QTest::keyClick(w.focus(), Qt::Key_I, Qt::AltModifier);
        QTRY_COMPARE(w.etat(), EtatPret);   // an access key holds its button down a moment
        QCOMPARE(w.ceux(ZoneQuestion + QStringList{"L_NbEssais"}, &QWidget::isVisible), QStringList());
        QVERIFY(!chrono->isActive());
        QCOMPARE(w.ceux(CommandesResultats, &QWidget::isEnabled), CommandesResultats);
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
        QCOMPARE(w.texte(nom("L_Temps", tables.first() - 2)), QString("4000,0"));
        // Interrupted on the last ticked table, the choice guarded, the order
        // starts again from the first; the counts go on.
        int encore = 0;
        for (; !w.question().endsWith("x" + QString::number(tables.last())) && encore < 30; ++encore) {
            w.repondreJuste();
            w.entree();
        }
        w.cliquer("B_Entrainement");
        verifierChoixGarde(w);
        w.entree();
        w.entree();
        QCOMPARE(w.question(), QString("1x%1").arg(tables.first()));
        w.repondreJuste();
        QCOMPARE(w.texte("L_NbQuestionTotal"), QString::number(attendu.size() + encore + 1));
    }

    void reponses_data()
    {
        QTest::addColumn<QStringList>("reponses");   // on 6 x 7 in turn, each with Enter
        QTest::addColumn<QString>("verdict");        // of the last one
        QTest::addColumn<int>("essais");
        QTest::addColumn<QString>("etat");
        const QString deux64 = "18446744073709551658", vingtDeux(22, '9'), cinqMille(5000, '9'), quaranteMille(40000, '8');
        QTest::newRow("zéro devant") << QStringList{"042"} << "juste" << 1 << EtatRepondu;
        QTest::newRow("040 puis 40") << QStringList{"040", "40"} << "déjà" << 1 << EtatQuestion;
        QTest::newRow("40, 41, 40") << QStringList{"40", "41", "40"} << "faux" << 3 << EtatQuestionAide;
        QTest::newRow("40, 41, 42") << QStringList{"40", "41", "42"} << "juste" << 3 << EtatRepondu;
        QTest::newRow("2^64 + 42 deux fois") << QStringList{deux64, deux64} << "déjà" << 1 << EtatQuestion;
        QTest::newRow("22 chiffres deux fois") << QStringList{vingtDeux, vingtDeux} << "déjà" << 1 << EtatQuestion;
        QTest::newRow("5000 chiffres deux fois") << QStringList{cinqMille, cinqMille} << "déjà" << 1 << EtatQuestion;
        QTest::newRow("5000 chiffres puis 42") << QStringList{cinqMille, "42"} << "juste" << 2 << EtatRepondu;
        // The box has no length limit: a pasted answer arrives whole.
        QTest::newRow("40000 chiffres deux fois") << QStringList{quaranteMille, quaranteMille} << "déjà" << 1 << EtatQuestion;
    }
    void reponses()
    {
        QFETCH(QStringList, reponses);
        QFETCH(QString, verdict);
        QFETCH(int, essais);
        QFETCH(QString, etat);
        Fenetre w;
        w.hasard.suite = questions({{6, 1}});
        QVERIFY(w.ouvrir());
        w.commencer({7}, false, true);
        for (const QString& r : reponses) {
            QGuiApplication::clipboard()->setText(r);
            if (r.size() > 10000)   // pasted over the selection: typing would take too long
                QTest::keyClick(w.reponse(), Qt::Key_Insert, Qt::ShiftModifier);
            else
                QTest::keyClicks(w.focus(), r);
            w.entree();
            QCOMPARE(w.reponse()->text(), r);
        }
        // Each counted try draws the next phrase.
        const QString attendu = verdict == "déjà" ? "Déjà essayé ! | vert"
                              : verdict == "faux" ? phrase(PhrasesErreur, essais - 1) + " | rouge"
                              : phrase(essais == 1 ? PhrasesEssai1 : PhrasesEssai2, essais - 1) + " | bleu";
        QCOMPARE(w.retour(), attendu + QString(" | Essai(s) :  %1").arg(essais));
        QCOMPARE(w.etat(), etat);
        const QString un1 = essais == 1 ? "1" : "", un2 = essais == 1 ? "" : "1", temps = essais == 1 ? "0,0" : "";
        QCOMPARE(w.colonne(5), verdict == "juste" ? QStringList({"1", un1, temps, un2, ""}) : QStringList(5));
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
    }

    void tableauDesResultats()
    {
        Fenetre w;
        // Tables 2 and 5: 3 x 2, 4 x 2, 6 x 5, 7 x 5, 8 x 5.
        w.hasard.suite = questions({{3, 1}, {4, 1}, {6, 2}, {7, 2}, {8, 2}});
        QVERIFY(w.ouvrir());
        w.commencer({2, 5}, false, true);
        // Table 2 in 2.0 s and 2.5 s (mean 2.25 s); then within the first tenth,
        // right at the second try (untimed), and the answer given.
        for (const auto& [ms, reponses] : QList<QPair<int, QStringList>>{
                 {2000, {"6"}}, {2500, {"8"}}, {50, {"30"}}, {1000, {"30", "35"}}, {0, {"1", "2", "3", ""}}}) {
            w.horloge.ms += ms;
            for (const QString& r : reponses)
                w.repondre(r);
            w.entree();
        }
        QCOMPARE(w.colonne(0), QStringList({"2", "2", "2,3", "", ""}));
        QCOMPARE(w.colonne(3), QStringList({"3", "1", "0,0", "1", "1"}));
        for (const int i : {1, 2, 4, 5, 6, 7, 8, 9, 10})
            QCOMPARE(w.colonne(i), QStringList(5));
        // The time total is the mean over all right first tries: 4.5 s / 3.
        QCOMPARE(w.textes(Totaux), QStringList({"5", "3", "1,5", "1", "1"}));
        w.cliquer("B_Entrainement");
        verifierChoixGarde(w);   // drawn at random, unlike the runs in order
    }

private:
    // While the table holds results the choice stays as it was: each change
    // tried, twice, is refused with a message; help too changes nothing.
    static void verifierChoixGarde(Fenetre& w)
    {
        const QString avant = w.selection();
        for (const QString clic : {"C_Livret_3", "C_Livret_5", "O_1a10", "O_1a12", "C_Aléatoire", "B_Aide"}) {
            const auto* plage = qobject_cast<QRadioButton*>(w.ctrl(clic));   // the range already chosen is no change
            const QString message = clic == "B_Aide" ? M7 : plage && plage->isChecked() ? QString() : M6;
            for (int fois = 0; fois < 2; ++fois) {
                w.repondeur.vus.clear();
                w.cliquer(clic);
                QVERIFY2(w.repondeur.vus.size() == (message.isEmpty() ? 0 : 1), qPrintable(clic));
                for (const MessageVu& m : w.repondeur.vus)
                    QVERIFY2(m.titre == "Calkado" && m.texte == message && m.textesBoutons == QStringList{"OK"}
                                 && m.icone == QMessageBox::Information && m.boutons == QMessageBox::Ok && m.applicationModale,
                             qPrintable(clic + " : " + m.texte));
                QCOMPARE(clic + " : " + w.selection() + " | " + w.etat(), clic + " : " + avant + " | " + EtatPret);
            }
        }
    }
};

QTEST_MAIN(TestFenetre)
#include "tst_fenetre.moc"
