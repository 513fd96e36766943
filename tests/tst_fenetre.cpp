// The main window driven as a child and a parent use it: tables ticked,
// runs played with the keyboard, answers typed, pasted and dropped, message
// boxes answered, and what the window shows checked at every step.
#include "FenetrePrincipale.h"
#include "platform/Ressources.h"
#include "platform/Son.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

// Written out here as the child must read them, not taken from the program.
const QStringList PhrasesEssai1 = {"Très bien", "Super", "Wouah !", "Génial", "Excellent", "Extra",
                                   "Epatant", "Super mega"};
const QStringList PhrasesEssai2 = {"Bien", "Juste", "Ok", "Réussi", "Essai concluant", "Bon rattrapage",
                                   "Bien vu"};
const QStringList PhrasesErreur = {"Oops !", "Faux", "???", "Essaie encore", "Dommage", "Concentre-toi",
                                   "Appliques-toi", "Tu peux faire mieux", "Réfléchis"};
const QString Indication = "Sélectionner un ou plusieurs livrets à exercer puis cliquer sur < S'entraîner >";
const QString M6 = "Pour changer cette option, vous devez\n\nsauvegarder les résultats ou les effacer\n\n";
const QString M7 = "Cette fonction n'est pas encore disponible.\n\nMerci de consulter le mode d'emploi.\n";


void verifierMessage(const QList<MessageVu>& vus, const QString& texte)
{
    QCOMPARE(vus.size(), 1);
    QCOMPARE(vus[0].titre, QString("Calkado"));
    QCOMPARE(vus[0].texte, texte);
    QCOMPARE(vus[0].icone, QMessageBox::Information);
    QCOMPARE(vus[0].boutons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(vus[0].textesBoutons, QStringList{"OK"});
    QVERIFY(vus[0].applicationModale);
}

void deposer(QWidget* cible, const QString& texte)
{
    QMimeData donnees;
    donnees.setText(texte);
    const QPoint p = cible->rect().center();
    QDragEnterEvent entree(p, Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QDragMoveEvent survol(p, Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QDropEvent depot(p, Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    for (QEvent* e : std::initializer_list<QEvent*>{&entree, &survol, &depot})
        QApplication::sendEvent(cible, e);
}

} // namespace

class TestFenetre : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        ChargerPolices();
    }

    void demarrage()
    {
        Fenetre w;
        QVERIFY(w.f.Form_Load());
        // The commands on the results wait for the window to be shown.
        QCOMPARE(w.ceux(CommandesResultats, &QWidget::isEnabled), QStringList{"B_Aide"});
        w.f.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.f));
        QTRY_COMPARE(w.ceux(CommandesResultats + QStringList{"B_Quitter"}, &QWidget::isEnabled),
                     CommandesResultats + QStringList{"B_Quitter"});

        const QRegularExpressionMatch titre =
            QRegularExpression("^Calkado   -   Version (\\d+\\.\\d+)   -   \\S.*$").match(w.f.windowTitle());
        QVERIFY2(titre.hasMatch(), qPrintable(w.f.windowTitle()));
        QVERIFY2(titre.captured(1) != "0.00", "the version of the program file was not found");

        QCOMPARE(w.etat(), EtatAucunLivret);
        QCOMPARE(w.selection(), QString("cochés  ; couleurs ggggggggggg ; 1-12 ; aléatoire"));
        QCOMPARE(w.ceux(ZoneQuestion, &QWidget::isVisible), QStringList());
        QVERIFY(!w.timer("Timer1")->isActive());
        QCOMPARE(w.timer("Timer2")->interval(), 1000);
        QCOMPARE(w.texte("L_Sélection"), QString());
        const QPalette fond = w.reponse()->palette();
        QCOMPARE(fond.color(QPalette::Base), fond.color(QPalette::HighlightedText));

        // The results table is shown and empty, headings included.
        for (int i = 0; i < 11; ++i) {
            QCOMPARE(w.colonne(i), QStringList(5));
            QVERIFY(w.ctrl(nom("L_Temps", i))->isVisible());
        }
        QCOMPARE(w.textes(Totaux), QStringList(5));
        QCOMPARE(w.textes(noms("L_Titre", 6)), QStringList(6));
        QCOMPARE(w.repondeur.vus.size(), 0);   // no warning on this screen
    }

    // With no table ticked Enter does nothing, whatever has the focus.
    void entreeSansLivret_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("livretDecoche");   // table 7 ticked, then unticked
        for (const char* n : {"B_Quitter", "B_Aide", "B_Consulter", "B_Enregistrer", "C_Livret_3", "O_1a12", "C_Aléatoire"})
            QTest::newRow(n) << QString(n) << false;
        QTest::newRow("livret 7 coché puis décoché") << QString("C_Livret_5") << true;
    }
    void entreeSansLivret()
    {
        QFETCH(QString, focus);
        QFETCH(bool, livretDecoche);
        Fenetre w;
        QVERIFY(w.ouvrir());
        if (livretDecoche) {
            w.cliquer("C_Livret_5");
            QCOMPARE(w.etat(), EtatPret);
            w.cliquer("C_Livret_5");
        }
        const QString avant = w.selection();
        QStringList clics;
        for (QAbstractButton* b : w.f.findChildren<QAbstractButton*>())
            connect(b, &QAbstractButton::clicked, this, [&clics, b] { clics << b->objectName(); });
        w.repondeur.vus.clear();
        w.ctrl(focus)->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), w.ctrl(focus));
        w.entree();
        QTest::qWait(150);
        QCOMPARE(clics, QStringList());
        QCOMPARE(w.repondeur.vus.size(), 0);
        QCOMPARE(w.etat(), EtatAucunLivret);
        QCOMPARE(w.selection(), avant);
    }

    void disposition_data()
    {
        QTest::addColumn<QString>("n");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("gras");
        QTest::addColumn<QColor>("couleur");   // invalid: not checked
        QTest::addColumn<int>("alignement");   // horizontal; 0: not checked
        const QColor aucune, noir(0, 0, 0), vert(0, 128, 0), orange(192, 64, 0);
        const int gauche = Qt::AlignLeft, droite = Qt::AlignRight, centre = Qt::AlignHCenter;
        auto ligne = [](const char* n) -> QTestData& { return QTest::newRow(n) << QString(n); };
        ligne("L_Titre_Principal") << QRect(1560, 180, 10935, 975) << 36.0 << false << Bleu << 0;
        ligne("L_Mul") << QRect(240, 1680, 2295, 375) << 14.25 << false << Bleu << 0;
        ligne("C_Aléatoire") << QRect(12360, 1680, 2610, 330) << 14.25 << false << Bleu << 0;
        ligne("L_Livret_0") << QRect(3720, 2520, 495, 495) << 20.25 << true << Gris << droite;
        ligne("L_Livret_10") << QRect(12960, 2520, 495, 495) << 20.25 << true << Gris << droite;
        ligne("C_Livret_4") << QRect(7590, 3120, 300, 330) << 14.25 << false << aucune << 0;
        ligne("L_Titre_5") << QRect(13560, 2520, 1440, 495) << 20.25 << true << Bleu << droite;
        ligne("L_Titre_0") << QRect(240, 3720, 3000, 375) << 14.25 << false << noir << gauche;
        ligne("L_NbQuestion_0") << QRect(3330, 3720, 870, 375) << 14.25 << false << noir << droite;
        ligne("L_Temps_10") << QRect(12570, 4620, 870, 375) << 14.25 << false << vert << droite;
        ligne("L_NbQuestionEssai2Total") << QRect(13800, 5070, 1200, 375) << 14.25 << false << orange << droite;
        ligne("L_NbQuestionRéponse_5") << QRect(7950, 5520, 870, 375) << 14.25 << false << Rouge << droite;
        ligne("L_Fois") << QRect(1500, 6660, 735, 855) << 32.25 << false << aucune << centre;
        ligne("T_Résultat") << QRect(4080, 6600, 1335, 855) << 32.25 << false << aucune << centre;
        ligne("L_NbEssais") << QRect(4080, 7470, 1335, 255) << 8.25 << false << Bleu << centre;
        ligne("L_Time") << QRect(13680, 6660, 1335, 855) << 32.25 << false << QColor(0, 255, 255) << droite;
        ligne("L_Sélection") << QRect(240, 6735, 14745, 585) << 20.25 << false << QColor(255, 128, 0) << centre;
        ligne("B_Entrainement") << QRect(11760, 7800, 3255, 735) << 14.25 << false << aucune << 0;
        ligne("B_Aide") << QRect(2160, 9240, 1335, 975) << 12.0 << false << aucune << 0;
    }
    void disposition()
    {
        QFETCH(QString, n);
        QFETCH(QRect, twips);
        QFETCH(double, points);
        QFETCH(bool, gras);
        QFETCH(QColor, couleur);
        QFETCH(int, alignement);
        Fenetre w;
        QVERIFY(w.ouvrir());
        const QWidget* c = w.ctrl(n);
        // 15 twips to a pixel at 96 dpi.
        QCOMPARE(c->geometry(), QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
        const bool titre = n == "L_Titre_Principal";
        QCOMPARE(c->font().family(), QString(titre ? "Comic Sans MS" : "Arial"));
        QCOMPARE(c->font().pointSizeF(), points);
        QCOMPARE(c->font().bold(), gras);
        QCOMPARE(c->font().italic(), titre);
        if (couleur.isValid())
            QCOMPARE(w.couleur(n), couleur);
        if (alignement) {
            const auto* etiquette = qobject_cast<const QLabel*>(c);
            const Qt::Alignment a = etiquette ? etiquette->alignment() : w.reponse()->alignment();
            QCOMPARE(int(a & Qt::AlignHorizontal_Mask), alignement);
        }
    }

    void ordreTabulationEtTaille()
    {
        Fenetre w;
        QVERIFY(w.ouvrir());
        QStringList attendu = QStringList{"B_Quitter", "O_1a10", "O_1a12", "C_Aléatoire"} + noms("C_Livret", 11);
        attendu << "T_Résultat" << "B_Nouveau" << "B_Test" << "B_Résultat" << "B_Entrainement" << CommandesResultats;
        QStringList ordre;
        QWidget* c = w.ctrl("B_Quitter");
        do {
            // Of the two options one only is a tab stop at a time (the arrows go
            // from one to the other), but both keep their place in the order.
            if (c->focusPolicy() != Qt::NoFocus)
                ordre << c->objectName();
            c = c->nextInFocusChain();
        } while (c != w.ctrl("B_Quitter") && ordre.size() < 100);
        QCOMPARE(ordre, attendu);

        // Centred (as near as the frame allows); never smaller than designed,
        // while larger in one direction stays larger.
        const QRect ecran = w.f.screen()->availableGeometry();
        QCOMPARE(w.f.geometry().center().y(), ecran.center().y());
        QVERIFY(qAbs(w.f.geometry().center().x() - ecran.center().x()) <= 2);
        QCOMPARE(w.f.minimumSize(), QSize(1024, 700));
        w.f.resize(800, 500);
        QCOMPARE(w.f.size(), QSize(1024, 700));
        w.f.resize(900, 740);
        QCOMPARE(w.f.size(), QSize(1024, 740));
    }

    void choixDesLivretsEtIndication()
    {
        Fenetre w;
        QVERIFY(w.ouvrir());
        QLabel* indication = w.ctrl<QLabel>("L_Sélection");
        QTimer* clignotement = w.timer("Timer2");
        QVERIFY(clignotement->isActive());
        clignotement->stop();   // its ticks are given by hand from here
        for (const QString& attendu : {Indication, Indication, QString(), Indication}) {
            tic(clignotement);
            QVERIFY(indication->isVisible());
            QCOMPARE(indication->text(), attendu);
        }

        w.cliquer("C_Livret_5");
        QCOMPARE(w.selection(), QString("cochés 7 ; couleurs gggggbggggg ; 1-12 ; aléatoire"));
        QCOMPARE(w.etat(), EtatPret);
        // Each accepted choice starts the blinking again: two ticks shown, the third blank.
        clignotement->stop();
        for (const QString& attendu : {Indication, Indication, QString()}) {
            tic(clignotement);
            QCOMPARE(indication->text(), attendu);
        }
        w.cliquer("C_Livret_10");
        QCOMPARE(w.selection(), QString("cochés 7,12 ; couleurs gggggbggggb ; 1-12 ; aléatoire"));
        w.cliquer("C_Livret_5");
        QCOMPARE(w.selection(), QString("cochés 12 ; couleurs ggggggggggb ; 1-12 ; aléatoire"));
        QCOMPARE(w.etat(), EtatPret);
        w.cliquer("C_Livret_10");
        QCOMPARE(w.etat(), EtatAucunLivret);
        // Without results every option changes freely and silently.
        w.cliquer("O_1a10");
        w.cliquer("C_Aléatoire");
        QCOMPARE(w.selection(), QString("cochés  ; couleurs ggggggggggg ; 1-10 ; dans l'ordre"));
        QTest::qWait(20);
        QCOMPARE(w.repondeur.vus.size(), 0);
    }

    void courseAuClavier()
    {
        Fenetre w;
        w.hasard.suite = hasardPhrase;   // questions in order: the phrases draw from the start
        QVERIFY(w.ouvrir());
        QLineEdit* reponse = w.reponse();
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
        QVERIFY(!reponse->isEnabled());

        // Enter asks the first question.
        w.entree();
        QCOMPARE(w.etat(), EtatQuestion);
        QCOMPARE(w.ceux(ZoneQuestion, &QWidget::isVisible), ZoneQuestion);
        QCOMPARE(w.textes({"L_Terme1", "L_Fois", "L_Terme2", "L_Egal"}).join(' '), QString("1 x 7 ="));
        QVERIFY(reponse->isEnabled() && reponse->hasFocus() && reponse->text().isEmpty());
        QVERIFY(w.timer("Timer1")->isActive());
        QCOMPARE(w.textes(noms("L_Titre", 6)), Titres);

        // An empty box counts no try.
        const int bips = NombreBips();
        w.entree();
        QCOMPARE(w.retour(), QString("Pas de nombre ! | vert | "));
        QCOMPARE(NombreBips(), bips);
        QCOMPARE(w.etat(), EtatQuestion);

        // First wrong try: red phrase, a beep, the time hidden, the answer selected for retyping.
        w.repondre("8");
        QCOMPARE(w.retour(), phrase(PhrasesErreur, 0) + " | rouge | Essai(s) :  1");
        QCOMPARE(NombreBips(), bips + 1);
        QVERIFY(!w.ctrl("L_Time")->isVisible() && w.timer("Timer1")->isActive());
        QVERIFY(reponse->selectedText() == "8" && reponse->hasFocus());
        QCOMPARE(w.etat(), EtatQuestion);

        // The same answer again is no new try.
        w.entree();
        QCOMPARE(w.retour(), QString("Déjà essayé ! | vert | Essai(s) :  1"));

        // Second wrong try, tested with the mouse: typing replaced the selection.
        QTest::keyClicks(w.focus(), "9");
        QCOMPARE(reponse->text(), QString("9"));
        w.cliquer("B_Test");
        QCOMPARE(w.retour(), phrase(PhrasesErreur, 1) + " | rouge | Essai(s) :  2");
        QVERIFY(reponse->selectedText() == "9" && reponse->hasFocus());
        QCOMPARE(w.etat(), EtatQuestion);

        // Third wrong try (8 is not the last wrong answer): the answer may be asked for.
        w.repondre("8");
        QCOMPARE(w.retour(), phrase(PhrasesErreur, 2) + " | rouge | Essai(s) :  3");
        QCOMPARE(w.etat(), EtatQuestionAide);
        QVERIFY(!reponse->hasSelectedText() && reponse->hasFocus());
        QCOMPARE(reponse->cursorPosition(), 1);

        // Enter now gives the answer.
        w.entree();
        QCOMPARE(reponse->text(), QString("7"));
        QCOMPARE(w.retour(), QString("Réponse ! | vert | Essai(s) :  3"));
        QCOMPARE(w.colonne(5), QStringList({"1", "", "", "", "1"}));
        QCOMPARE(w.etat(), EtatRepondu);
        QVERIFY(!w.timer("Timer1")->isActive() && !reponse->isEnabled());

        // Next question, right at the first try after 4.3 s.
        w.entree();
        QCOMPARE(w.question(), QString("2x7"));
        QCOMPARE(w.ceux(ZoneQuestion, &QWidget::isVisible), ZoneQuestion);
        QCOMPARE(w.textes({"L_Vérification", "L_NbEssais"}) << reponse->text(), QStringList(3));
        w.horloge.ms += 4300;
        w.repondre("14");
        QCOMPARE(w.retour(), phrase(PhrasesEssai1, 3) + " | bleu | Essai(s) :  1");
        QCOMPARE(w.colonne(5), QStringList({"2", "1", "4,3", "", "1"}));
        QCOMPARE(w.etat(), EtatRepondu);

        // Right at the second try, with a leading zero.
        w.entree();
        QCOMPARE(w.question(), QString("3x7"));
        w.repondre("20");
        w.repondre("021");
        QCOMPARE(w.retour(), phrase(PhrasesEssai2, 5) + " | bleu | Essai(s) :  2");
        QCOMPARE(w.colonne(5), QStringList({"3", "1", "4,3", "1", "1"}));

        // Interrupted (Alt+I) with a question pending: it counts nowhere and disappears.
        w.entree();
        QCOMPARE(w.question(), QString("4x7"));
        QTest::keyClick(w.focus(), Qt::Key_I, Qt::AltModifier);
        QTRY_COMPARE(w.etat(), EtatPret);   // an access key holds its button down a moment
        QCOMPARE(w.ceux(ZoneQuestion + QStringList{"L_NbEssais"}, &QWidget::isVisible), QStringList());
        QVERIFY(!w.timer("Timer1")->isActive());
        QCOMPARE(w.ceux(CommandesResultats, &QWidget::isEnabled), CommandesResultats);
        QCOMPARE(w.textes(Totaux), QStringList({"3", "1", "4,3", "1", "1"}));

        // A new run adds to the same counts and starts again at 1 x 7.
        w.entree();
        QCOMPARE(w.etat(), EtatRepondu);
        w.entree();
        QCOMPARE(w.question(), QString("1x7"));
        w.repondreJuste();
        QCOMPARE(w.texte("L_NbQuestionTotal"), QString("4"));
        QCOMPARE(w.repondeur.vus.size(), 0);
    }

    void ordreSequentiel_data()
    {
        QTest::addColumn<QList<int>>("tables");
        QTest::addColumn<bool>("de1a10");
        QTest::addColumn<QStringList>("attendu");
        QStringList sept, deuxDouze;
        for (int m = 1; m <= 10; ++m)
            sept << QString("%1x7").arg(m);
        for (const int table : {2, 12})
            for (int m = 1; m <= 12; ++m)
                deuxDouze << QString("%1x%2").arg(m).arg(table);
        QTest::newRow("livret 7, 1-10") << QList<int>{7} << true << (sept << "1x7");
        QTest::newRow("livrets 2 et 12, 1-12") << QList<int>{2, 12} << false << (deuxDouze << "1x2");
    }
    void ordreSequentiel()
    {
        QFETCH(QList<int>, tables);
        QFETCH(bool, de1a10);
        QFETCH(QStringList, attendu);
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
        // After an interruption the order starts again at 1 x the first table.
        w.cliquer("B_Entrainement");
        w.entree();
        w.entree();
        QCOMPARE(w.question(), QString("1x%1").arg(tables.first()));
    }

    void reponses_data()
    {
        QTest::addColumn<QStringList>("reponses");   // on 6 x 7 in turn, each with Enter
        QTest::addColumn<QString>("verdict");        // of the last one
        QTest::addColumn<int>("essais");
        QTest::addColumn<QString>("etat");
        const QString vingtDeux(22, '9'), cinqMille(5000, '9'), quaranteMille(40000, '8');
        QTest::newRow("zéro devant") << QStringList{"042"} << "juste" << 1 << EtatRepondu;
        QTest::newRow("040 puis 40") << QStringList{"040", "40"} << "déjà" << 1 << EtatQuestion;
        QTest::newRow("40, 41, 40") << QStringList{"40", "41", "40"} << "faux" << 3 << EtatQuestionAide;
        QTest::newRow("40, 41, 42") << QStringList{"40", "41", "42"} << "juste" << 3 << EtatRepondu;
        QTest::newRow("2^64 + 42 deux fois") << QStringList{"18446744073709551658", "18446744073709551658"}
                                            << "déjà" << 1 << EtatQuestion;
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
        QCOMPARE(w.question(), QString("6x7"));
        for (const QString& r : reponses) {
            if (r.size() > 10000) {   // pasted over the selection, typing would take too long
                QGuiApplication::clipboard()->setText(r);
                QTest::keyClick(w.reponse(), Qt::Key_Insert, Qt::ShiftModifier);
                QCOMPARE(w.reponse()->text().size(), r.size());
                w.entree();
            } else {
                w.repondre(r);
            }
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
        QVERIFY(reponse->hasFocus());
        QClipboard* pressePapiers = QGuiApplication::clipboard();
        pressePapiers->setText("42");
        int bips = NombreBips();

        // Anything but digits, Backspace and Enter: a beep, nothing typed.
        const QList<QPair<Qt::Key, Qt::KeyboardModifiers>> refusees = {
            {Qt::Key_A, Qt::NoModifier}, {Qt::Key_Minus, Qt::NoModifier}, {Qt::Key_Space, Qt::NoModifier},
            {Qt::Key_Comma, Qt::NoModifier}, {Qt::Key_V, Qt::ControlModifier}};
        for (const auto& [touche, modificateurs] : refusees) {
            QTest::keyClick(reponse, touche, modificateurs);
            QCOMPARE(reponse->text(), QString());
            QCOMPARE(NombreBips(), ++bips);
        }
        QTest::keyClicks(reponse, "1a2-3");
        QCOMPARE(reponse->text(), QString("123"));
        QCOMPARE(NombreBips(), bips += 2);
        QTest::keyClick(reponse, Qt::Key_Backspace);
        QTest::keyClick(reponse, Qt::Key_Backspace);
        QCOMPARE(reponse->text(), QString("1"));
        QCOMPARE(NombreBips(), bips);

        // Pasting from the keyboard (Shift+Insert) or the context menu: digits only, or nothing.
        for (const char* colle : {"12a", "-5", " 3", "٤٢"}) {
            pressePapiers->setText(QString::fromUtf8(colle));
            QTest::keyClick(reponse, Qt::Key_Insert, Qt::ShiftModifier);
            reponse->paste();
            QCOMPARE(reponse->text(), QString("1"));
        }
        pressePapiers->setText("42");
        QTest::keyClick(reponse, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(reponse->text(), QString("142"));

        // Text dropped, or composed by an input method: the same.
        for (const char* depose : {"4a", " 4", "é"}) {
            deposer(reponse, QString::fromUtf8(depose));
            QInputMethodEvent compose;
            compose.setCommitString(QString::fromUtf8(depose));
            QApplication::sendEvent(reponse, &compose);
            QCOMPARE(reponse->text(), QString("142"));
        }
        deposer(reponse, "5");
        QCOMPARE(reponse->text().size(), 4);
        QVERIFY(reponse->text().contains('5'));
    }

    void chronometre()
    {
        Fenetre w;
        QVERIFY(w.ouvrir());
        w.commencer({7}, false, false);
        QTimer* chrono = w.timer("Timer1");
        QLabel* temps = w.ctrl<QLabel>("L_Time");
        QCOMPARE(chrono->interval(), 100);
        chrono->stop();   // ticks given by hand; the time itself comes from the clock
        // Whole seconds, nothing during the first one.
        for (const auto& [ms, attendu] : QList<QPair<int, QString>>{{900, ""}, {100, "1"}, {950, "1"}, {50, "2"}}) {
            w.horloge.ms += ms;
            tic(chrono);
            QCOMPARE(temps->text(), attendu);
        }
        // A wrong answer hides the time, which goes on.
        w.repondre("1");
        QVERIFY(!temps->isVisible());
        w.horloge.ms += 1000;
        tic(chrono);
        QCOMPARE(temps->text(), QString("3"));
        w.repondre("7");
        QCOMPARE(w.colonne(5), QStringList({"1", "", "", "1", ""}));

        // A busy machine gives fewer ticks: the time is still the clock's.
        w.entree();
        QVERIFY(temps->isVisible());
        QCOMPARE(temps->text(), QString());
        chrono->stop();
        w.horloge.ms += 2550;
        tic(chrono);
        QCOMPARE(temps->text(), QString("2"));
        w.repondre("14");
        QCOMPARE(temps->text(), QString("2"));
        QVERIFY(!chrono->isActive());
        QCOMPARE(w.texte("L_Temps_5"), QString("2,5"));
    }

    void tableauDesResultats()
    {
        Fenetre w;
        // Tables 2 and 5: 3 x 2, 4 x 2, 6 x 5, 7 x 5, 8 x 5.
        w.hasard.suite = questions({{3, 1}, {4, 1}, {6, 2}, {7, 2}, {8, 2}});
        QVERIFY(w.ouvrir());
        w.commencer({2, 5}, false, true);
        const QList<QPair<int, QStringList>> posees = {
            {2000, {"6"}},              // 2.0 s
            {2500, {"8"}},              // 2.5 s: table 2 averages 2.25 s
            {50, {"30"}},               // within the first tenth
            {0, {"30", "35"}},          // right at the second try
            {0, {"1", "2", "3", ""}},   // answer given
        };
        for (const auto& [ms, reponses] : posees) {
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
    }

    void choixGardeParLesResultats_data()
    {
        QTest::addColumn<bool>("de1a10");
        QTest::addColumn<bool>("aleatoire");
        QTest::addColumn<QString>("clic");
        QTest::addColumn<QString>("message");   // shown once a click, or none
        QTest::newRow("cocher le livret 5") << false << true << "C_Livret_3" << M6;
        QTest::newRow("décocher le livret 7") << false << true << "C_Livret_5" << M6;
        QTest::newRow("1-10 au lieu de 1-12") << false << true << "O_1a10" << M6;
        QTest::newRow("1-12 au lieu de 1-10") << true << true << "O_1a12" << M6;
        QTest::newRow("1-12 déjà choisi") << false << true << "O_1a12" << QString();
        QTest::newRow("décocher le tirage aléatoire") << false << true << "C_Aléatoire" << M6;
        QTest::newRow("cocher le tirage aléatoire") << true << false << "C_Aléatoire" << M6;
        QTest::newRow("aide") << false << true << "B_Aide" << M7;   // help changes nothing either
    }
    void choixGardeParLesResultats()
    {
        QFETCH(bool, de1a10);
        QFETCH(bool, aleatoire);
        QFETCH(QString, clic);
        QFETCH(QString, message);
        Fenetre w;
        QVERIFY(w.ouvrir());
        // One settled question, then the run interrupted: results are present.
        w.commencer({7}, de1a10, aleatoire);
        w.repondreJuste();
        w.cliquer("B_Entrainement");
        QCOMPARE(w.texte("L_NbQuestionTotal"), QString("1"));
        const QString avant = w.selection();

        w.repondeur.vus.clear();
        w.cliquer(clic);
        if (!message.isEmpty())
            verifierMessage(w.repondeur.vus, message);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(w.repondeur.vus.size(), message.isEmpty() ? 0 : 1);
        QCOMPARE(w.selection(), avant);
        QCOMPARE(w.etat(), EtatPret);
        // Still guarded: the next try is refused again.
        w.cliquer(clic);
        QCOMPARE(w.repondeur.vus.size(), message.isEmpty() ? 0 : 2);
        QCOMPARE(w.selection(), avant);
    }
};

QTEST_MAIN(TestFenetre)
#include "tst_fenetre.moc"
