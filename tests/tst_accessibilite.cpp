// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows as a screen reader and the keyboard alone know them: the
// accessible tree read through QAccessible, the phrases said through the
// focused object, a whole session without the mouse, the chart driven by
// keys, and the texts measured on a dark palette.
#include "FenetrePrincipale.h"
#include "Palettes.h"
#include "core/family/EnfantCourant.h"
#include "core/results/DateHeure.h"
#include "ui/enfants/F_Enfants.h"
#include "ui/platform/Contraste.h"
#include "ui/platform/Ressources.h"
#include "ui/viewer/F_Consulter.h"

#include <QAccessible>
#include <QMenu>
#include <QProgressBar>
#include <set>

namespace {

QAccessibleInterface* acc(QObject* o) { return QAccessible::queryAccessibleInterface(o); }
QString nomAcc(QObject* o) { return acc(o)->text(QAccessible::Name); }

// The descriptions sent while the platform's accessibility is on (a bus
// for assistive technology), as "object: text".
QStringList envoyees;
void capter(QAccessibleEvent* e)
{
    if (e->type() == QAccessible::DescriptionChanged && !acc(e->object())->text(QAccessible::Description).isEmpty())
        envoyees << e->object()->objectName() + ": " + acc(e->object())->text(QAccessible::Description);
}

// What a screen reader finds on the focus: "object: name | description".
QString focus(Fenetre& w)
{
    QWidget* f = w.focus();
    return f->objectName() + ": " + nomAcc(f) + " | " + acc(f)->text(QAccessible::Description);
}

// The roles and names of the tree under an object, by child navigation.
void parcourir(QAccessibleInterface* i, QMultiMap<QAccessible::Role, QString>& vus)
{
    for (int k = 0; k < i->childCount(); ++k) {
        vus.insert(i->child(k)->role(), i->child(k)->text(QAccessible::Name));
        parcourir(i->child(k), vus);
    }
}

// Keys pressed on the focus of the window, made active first as the desktop
// would (offscreen, a closed box leaves no window active).
void touches(QWidget* fenetre, const QList<QKeyCombination>& suite)
{
    for (const QKeyCombination t : suite) {
        fenetre->activateWindow();
        QVERIFY(QTest::qWaitFor([fenetre] { return QApplication::activeWindow() == fenetre; }));
        QTest::keyClick(fenetre->focusWidget() ? fenetre->focusWidget() : fenetre, t.key(), t.keyboardModifiers());
    }
}

QStringList trie(QStringList l)
{
    l.sort();
    return l;
}

// The contrast of a control's text with what is behind it, read off the
// window's picture: the most common colour of its box is the background, the
// one furthest from it the text (a check box's text right of its box).
double contrasteLu(const QImage& image, QWidget* fenetre, QWidget* c)
{
    const int marge = qobject_cast<QLineEdit*>(c) ? 4 : 0;   // inside the entry box's frame
    const QRect r = QRect(c->mapTo(fenetre, QPoint()), c->size())
                        .adjusted(qobject_cast<QAbstractButton*>(c) ? 22 : marge, marge, -marge, -marge);
    QHash<QRgb, int> n;
    for (int p = 0; p < r.width() * r.height(); ++p)
        ++n[image.pixel(r.left() + p % r.width(), r.top() + p / r.width())];
    const QRgb fond = std::max_element(n.keyValueBegin(), n.keyValueEnd(), [](auto a, auto b) { return a.second < b.second; })->first;
    double lu = 1;
    for (const QRgb couleur : n.keys())
        lu = std::max(lu, Contraste(couleur, fond));
    return lu;
}

// Every coloured text of the window shown, and the typed digits, at 4.5:1
// (3:1 from 18 pt) with its background, in its designed hue.
void verifierContrastes(QWidget* fenetre)
{
    const QImage image = fenetre->grab().toImage();
    for (QWidget* c : fenetre->findChildren<QWidget*>()) {
        const QColor dessinee = c->property("couleurDessinee").value<QColor>();
        const auto* etiquette = qobject_cast<QLabel*>(c);
        const auto* bouton = qobject_cast<QAbstractButton*>(c);
        const auto* champ = qobject_cast<QLineEdit*>(c);
        const QString ecrit = etiquette ? etiquette->text() : bouton ? bouton->text() : champ ? champ->text() : QString();
        if (!c->isVisible() || ecrit.isEmpty() || !(champ || dessinee.isValid()))
            continue;
        // Typed digits are read closely: 4.5:1 whatever their size.
        const double lu = contrasteLu(image, fenetre, c), requis = !champ && c->font().pointSizeF() >= 18 ? 3 : 4.5;
        QVERIFY2(lu >= requis, qPrintable(c->objectName() + " : " + QString::number(lu)));
        const QColor vue = c->palette().color(c->foregroundRole());
        // The answer box has no designed colour, only the palette's.
        QVERIFY2(!dessinee.isValid() || dessinee.hslHue() < 0 || qAbs(vue.hslHue() - dessinee.hslHue()) <= 4,
                 qPrintable(c->objectName()));
    }
}

const auto AltO = (Qt::ALT | Qt::Key_O).toCombined();   // Oui by its shortcut

} // namespace

class TestAccessibilite : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        PreparerFenetres();
        QVERIFY(ChargerTraductionsQt());
        QAccessible::installUpdateHandler(capter);
        // Under a bus for assistive technology, Qt turns its accessibility on by itself.
        if (qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
            QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
    }

    // The tree of the main window: roles and names of its controls.
    void arbreDeLaFenetre()
    {
        Fenetre w;
        QVERIFY(w.ouvrir());
        QMultiMap<QAccessible::Role, QString> vus;
        parcourir(acc(&w.f), vus);
        QStringList cases = {"Tirage aléatoire", "Revoir mes erreurs"};
        for (int t = 2; t <= 12; ++t)
            cases << "Table de " + QString::number(t);
        QCOMPARE(trie(vus.values(QAccessible::CheckBox)), trie(cases));
        QCOMPARE(trie(vus.values(QAccessible::RadioButton)), QStringList({"Multiplicateurs de 1 à 10", "Multiplicateurs de 1 à 12"}));
        QCOMPARE(vus.values(QAccessible::Grouping), QStringList{"Multiplicateur"});
        QCOMPARE(vus.count(QAccessible::Separator), 4);
        QVERIFY(!vus.contains(QAccessible::Border) && !vus.contains(QAccessible::Window));
        QCOMPARE(acc(w.ctrl("O_1a10"))->parent()->object(), w.ctrl("Fr_Multiplicateur"));
        // Qt's own menus in French.
        const std::unique_ptr<QMenu> menu(w.reponse()->createStandardContextMenu());
        QCOMPARE(menu->actions().at(0)->text().section(QLatin1Char('\t'), 0, 0), QString("&Annuler"));
    }

    // A run: the question names the answer box, its value is what is typed,
    // each phrase the window shows is said through the object then focused,
    // each number of the table is named with its row and its table.
    void phrasesDites()
    {
        Fenetre w;
        w.hasard.suite = questions({{7, 1}, {3, 1}});
        QVERIFY(w.ouvrir());
        envoyees.clear();
        QStringList dites;
        const auto dit = [&](const QString& objet, const QString& texte) {
            dites << objet + ": " + texte;
            QCOMPARE(focus(w).section(" | ", 1), texte);
            QCOMPARE(w.focus()->objectName(), objet);
        };
        w.commencer({8}, false, true);
        QCOMPARE(focus(w), QString("T_Résultat: 7 fois 8 | "));
        QTest::keyClicks(w.focus(), "55");
        QCOMPARE(acc(w.reponse())->text(QAccessible::Value), QString("55"));
        w.entree();
        dit("T_Résultat", w.texte("L_Vérification"));
        w.repondreJuste();
        dit("B_Nouveau", w.texte("L_Vérification"));
        QCOMPARE(acc(w.reponse())->text(QAccessible::Description), QString());
        QCOMPARE(nomAcc(w.ctrl("L_NbQuestionEssai2_6")), QString("OK 2ème essai ou +, table de 8 : 1"));
        QCOMPARE(nomAcc(w.ctrl("L_NbQuestionEssai1_6")), QString("OK au 1er essai, table de 8"));
        QCOMPARE(nomAcc(w.ctrl("L_NbQuestionTotal")), QString("Nombre de questions, total : 1"));
        w.entree();
        QCOMPARE(focus(w), QString("T_Résultat: 3 fois 8 | "));
        for (const char* r : {"", "1", "2", "3"}) {
            w.repondre(r);
            dit("T_Résultat", w.texte("L_Vérification"));
        }
        w.entree();
        dit("B_Nouveau", "Réponse ! 3 fois 8 égale 24");
        touches(&w.f, {Qt::ALT | Qt::Key_I});
        QTRY_COMPARE(w.etat(), EtatPret);
        dit(w.focus()->objectName(), "Fin de l'entraînement. Nombre de questions : 2. OK au 1er essai : 0.");
        if (QAccessible::isActive())
            QCOMPARE(envoyees, dites);
    }

    // A training, a save, the viewer and its chart, and quitting, by keys alone.
    void clavierSeul()
    {
        Fenetre w({{QMessageBox::NoButton, AltO}});
        w.horloge.date = QDateTime(QDate(2026, 3, 14), QTime(10, 0, 5));
        QVERIFY(w.ouvrir());
        // From B_Quitter to 1-12 and Tirage aléatoire (unticked), then past
        // Revoir mes erreurs to the box of table 7.
        touches(&w.f, {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space});
        for (int i = 0; i <= 6; ++i)
            touches(&w.f, {Qt::Key_Tab});
        // Enter on the focused box starts the run, whatever the platform theme.
        touches(&w.f, {Qt::Key_Space, Qt::Key_Return, Qt::Key_Return});
        QCOMPARE(w.question(), QString("1x7"));
        w.repondreJuste();
        touches(&w.f, {Qt::ALT | Qt::Key_I});
        QTRY_COMPARE(w.etat(), EtatPret);
        touches(&w.f, {Qt::ALT | Qt::Key_E});
        QTRY_COMPARE(Magasin::lignes().size(), 1);
        QCOMPARE(w.selection(), QString("cochés  ; couleurs ggggggggggg ; 1-12 ; dans l'ordre"));

        const QStringList graphe = grapheAuClavier(w);
        const QString ligne = ElementListe(Magasin::lignes()[0].section('|', 0, 0)) + " : 100 % OK au 1er essai, 0,0 s en moyenne (affiché)";
        QCOMPARE(graphe, QStringList({"G_Progression " + QString::number(QAccessible::Chart) + " Progression : toutes les tables",
                                      "Progression : table de 7 | " + ligne, "Progression : table de 7 | " + ligne,
                                      "Progression : table de 12 | ", "Progression : table de 11 | ",
                                      "Progression : toutes les tables | " + ligne, "Progression : table de 2 | ",
                                      "Progression : toutes les tables | " + ligne}));

        QObject garde;
        QTimer::singleShot(0, &garde, [&w] { touches(&w.f, {Qt::ALT | Qt::Key_Q}); });
        QTimer::singleShot(10000, &garde, [] { QCoreApplication::exit(99); });
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(w.repondeur.vus.size(), 2);
    }

    // « Du jour » by keys alone, on a store with nothing saved: Alt+J starts
    // the day's ten checks, the table of 2 first, each a pair of its own;
    // the bar and the phrase said after each answer tell how far the run has
    // come; after the tenth it ends by itself and says what was done, once
    // on screen and once through the focus. Saved, the day has nothing left.
    void jourAuClavier()
    {
        Fenetre w({{QMessageBox::NoButton, AltO}, {QMessageBox::NoButton, Qt::Key_Return}});
        QVERIFY(w.ouvrir());
        touches(&w.f, {Qt::ALT | Qt::Key_J});
        QTRY_COMPARE(w.etat(), EtatQuestion);
        QVERIFY(w.selection().startsWith("cochés 2,"));
        QAccessibleInterface* barre = acc(w.ctrl("P_Jour"));
        QCOMPARE(barre->text(QAccessible::Name), QString("Entraînement du jour"));
        std::set<int> autres;
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(barre->text(QAccessible::Description), QString("Entraînement du jour : %1 questions sur 10").arg(i));
            const int a = w.texte("L_Terme1").toInt(), b = w.texte("L_Terme2").toInt();
            QVERIFY2(a == 2 || b == 2, qPrintable(w.question()));
            autres.insert(a == 2 ? b : a);
            QCOMPARE(focus(w), QString("T_Résultat: %1 fois %2 | ").arg(a).arg(b));
            w.horloge.ms += 2000;
            QTest::keyClicks(w.focus(), QString::number(a * b));
            touches(&w.f, {Qt::Key_Return});
            if (i < 9) {
                QCOMPARE(focus(w).section(" ; ", 1), QString("%1 questions sur 10").arg(i + 1));
                QCOMPARE(w.ctrl<QProgressBar>("P_Jour")->text(), QString("%1 / 10").arg(i + 1));
                touches(&w.f, {Qt::Key_Return});
            }
        }
        QCOMPARE(autres.size(), std::size_t(10));
        const QString fin = "Bravo ! L'entraînement du jour est fini :\n0 multiplication revue, "
                            "10 nouvelles rencontrées, 0 devenue automatisée.";
        QTRY_COMPARE(w.texte("L_Jour"), fin);
        QVERIFY(w.ctrl("L_Jour")->isVisible() && !w.ctrl("P_Jour")->isVisible());
        QCOMPARE(focus(w).section(" | ", 1), fin);
        QVERIFY(!w.ctrl("B_Jour")->isEnabled());

        touches(&w.f, {Qt::ALT | Qt::Key_E});
        QTRY_COMPARE(Magasin::faits().size(), 10);
        QVERIFY(w.ctrl("B_Jour")->isEnabled());
        touches(&w.f, {Qt::ALT | Qt::Key_J});
        QTRY_COMPARE(w.repondeur.vus.size(), 2);
        QCOMPARE(w.repondeur.vus.last().texte, QString("Rien à faire aujourd'hui : reviens demain !"));
        QCOMPARE(w.etat(), EtatAucunLivret);
    }

    // On a dark palette, whatever its disabled texts, every coloured text
    // keeps its hue and stands out from its background, and so do the digits
    // of the closed answer box; on both palettes the chart's bars and lines at 3:1.
    void paletteSombre_data()
    {
        QTest::addColumn<QPalette>("sombre");
        QTest::newRow("textes désactivés sombres") << PaletteSombreSimple();
        QTest::newRow("textes désactivés gris moyen") << PaletteSombreGrise();
    }

    void paletteSombre()
    {
        QFETCH(QPalette, sombre);
        const QPalette claire = QApplication::palette();
        QApplication::setPalette(sombre);
        Fenetre w;
        w.hasard.suite = questions({{6, 1}, {4, 1}});
        // The child's name shown beside the logo.
        ChoisirEnfant(Enfant{"Zoé", 1});
        QVERIFY(w.ouvrir());
        QVERIFY(w.ctrl("L_Enfant")->isVisible());
        w.commencer({7, 9}, false, true);
        for (const QStringList& reponses : {QStringList{"1", "42"}, QStringList{"1", "2", "3", ""}}) {
            for (const QString& r : reponses) {
                w.repondre(r);
                verifierContrastes(&w.f);
            }
            w.entree();
        }
        w.cliquer("B_Entrainement");
        tic(w.timer("Timer2"));
        verifierContrastes(&w.f);
        ChoisirEnfant(std::nullopt);
        enfantsLisibles(w);

        for (const char* ligne : {"2026-03-14 10:00:00|1|1|7|4|2|40|1|1", "2026-03-14 11:00:00|1|1|7|4|4|30|0|0"})
            Magasin::ajouter(ligne);
        for (const QPalette& palette : {sombre, claire}) {
            QApplication::setPalette(palette);
            barresLisibles(w);
        }
    }

private:
    // The viewer opened by Alt+C, Tab to its chart, the chart's keys, Escape:
    // the chart's role and name, then its name and its first line after each key.
    QStringList grapheAuClavier(Fenetre& w)
    {
        QStringList graphe;
        // Alt+C clicks the button once its animation is over: the viewer comes later.
        const auto ouvrir = [&] { touches(&w.f, {Qt::ALT | Qt::Key_C}); QTRY_VERIFY(!graphe.isEmpty()); };
        const bool ouverte = modale("F_Consulter", ouvrir, [&](QDialog* v) {
            touches(v, {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab});
            QWidget* g = v->focusWidget();
            graphe << g->objectName() + " " + QString::number(acc(g)->role()) + " " + nomAcc(g);
            for (const QKeyCombination t : {QKeyCombination(Qt::Key_7), QKeyCombination(Qt::Key_1), QKeyCombination(Qt::Key_2),
                                            QKeyCombination(Qt::Key_Left), QKeyCombination(Qt::Key_Home),
                                            QKeyCombination(Qt::Key_Right), QKeyCombination(Qt::Key_0)}) {
                touches(v, {t});
                graphe << nomAcc(g) + " | " + acc(g)->text(QAccessible::Description).section('\n', 1);
            }
            touches(v, {Qt::Key_Escape});
        });
        if (!ouverte)
            graphe << "Consulter ne s'est pas ouverte";
        return graphe;
    }

    // « Qui s'entraîne ? »: its heading and the children's numbers.
    void enfantsLisibles(Fenetre& w)
    {
        Famille famille;
        QVERIFY(famille.Ajouter("Zoé").isEmpty() && famille.Ajouter("Léo").isEmpty());
        F_Enfants enfants(famille, false, &w.f);
        QVERIFY(enfants.Form_Load());
        enfants.show();
        QVERIFY(QTest::qWaitForWindowExposed(&enfants));
        verifierContrastes(&enfants);
    }

    void barresLisibles(Fenetre& w)
    {
        F_Consulter v(&w.f);
        QVERIFY(v.Form_Load());
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        if (PaletteSombre(v.palette()))
            verifierContrastes(&v);
        const QImage graphe = v.findChild<QWidget*>("G_Progression")->grab().toImage();
        // The bars, pale and not, in the greens that fill most pixels (their
        // edges and the line's are blends); the line is the shown bar's green.
        QHash<QRgb, int> verts;
        for (int p = 0; p < graphe.width() * graphe.height(); ++p)
            if (const QColor c = graphe.pixelColor(p % graphe.width(), p / graphe.width()); c.green() > c.red() + 40)
                ++verts[c.rgb()];
        const int plus = *std::max_element(verts.cbegin(), verts.cend());
        QStringList barres;
        for (const auto& [vert, n] : verts.asKeyValueRange())
            if (n * 4 >= plus)
                barres << QString::number(Contraste(vert, v.palette().color(QPalette::Window)) >= 3);
        QCOMPARE(barres, QStringList({"1", "1"}));
    }
};

QTEST_MAIN(TestAccessibilite)
#include "tst_accessibilite.moc"
