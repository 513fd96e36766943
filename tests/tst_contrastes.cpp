// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The controls a child must find, measured on the windows' own pixels, on the
// desktop's palette and on dark ones a program may be given (non-text
// contrast, WCAG 2.2, 1.4.11): the box of every check box and the ring of
// every option at 3:1 against the window around them, ticked or not, the tick
// and the dot at 3:1 against their box; and, walking each window with Tab, the
// control holding the keyboard's focus marked at 3:1 against its look without
// it, the current item of a list or a grid too. A new window is added to the
// list of windows below.
#include "FenetrePrincipale.h"
#include "Palettes.h"
#include "ui/bilan/F_Bilan.h"
#include "ui/classe/F_Classe.h"
#include "ui/classe/ModeleClasse.h"
#include "ui/enfants/F_Enfants.h"
#include "ui/platform/BoiteMessage.h"
#include "ui/platform/Contraste.h"
#include "ui/viewer/F_Consulter.h"

#include <QAbstractItemView>
#include <QSignalBlocker>
#include <QStyleOptionButton>
#include <algorithm>

namespace {

// The colour most pixels of the picture have, those of the region given.
QRgb dominante(const QImage& image, const QRegion& region)
{
    QHash<QRgb, int> n;
    for (const QRect& r : region)
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                ++n[image.pixel(x, y)];
    return std::max_element(n.keyValueBegin(), n.keyValueEnd(), [](auto a, auto b) { return a.second < b.second; })->first;
}

// The edge of a box or a ring against the window: from outside the middle of
// each side towards the centre, the strongest contrast with the window in the
// first 3 pixels of the control; the weakest side.
double bord(const QImage& image, const QRect& boite, QRgb fenetre)
{
    const QPoint centre = boite.center();
    double faible = 21;
    for (QPoint p : {QPoint(boite.left() - 2, centre.y()), QPoint(boite.right() + 2, centre.y()),
                     QPoint(centre.x(), boite.top() - 2), QPoint(centre.x(), boite.bottom() + 2)}) {
        const QPoint pas((centre.x() > p.x()) - (centre.x() < p.x()), (centre.y() > p.y()) - (centre.y() < p.y()));
        double fort = 1;
        for (int reste = -1; p != centre && reste != 0; p += pas) {
            const double k = Contraste(image.pixel(p), fenetre);
            if (reste < 0 && k > 1.1)
                reste = 3;
            if (reste > 0) {
                fort = std::max(fort, k);
                --reste;
            }
        }
        faible = std::min(faible, fort);
    }
    return faible;
}

// The tick or the dot against the box: inside it, the colour most unlike the
// one most pixels have.
double marque(const QImage& image, const QRect& boite)
{
    const QRect dedans = boite.adjusted(3, 3, -3, -3);
    const QColor fond = dominante(image, dedans);
    double fort = 1;
    for (int p = 0; p < dedans.width() * dedans.height(); ++p)
        fort = std::max(fort, Contraste(image.pixel(dedans.left() + p % dedans.width(), dedans.top() + p / dedans.width()), fond));
    return fort;
}

// What a mark shows, between two pictures of the same place: the contrast
// that the pixels changed reach, enough of them for a line along half the
// outline of the place (its width and height), each against itself unmarked.
double contrasteMarque(const QImage& avec, const QImage& sans)
{
    QList<double> k;
    for (int p = 0; p < avec.width() * avec.height(); ++p)
        k << Contraste(avec.pixel(p % avec.width(), p / avec.width()), sans.pixel(p % avec.width(), p / avec.width()));
    const auto n = std::min<qsizetype>(avec.width() + avec.height(), k.size()) - 1;
    std::nth_element(k.begin(), k.begin() + n, k.end(), std::greater<>());
    return k[n];
}

QString chiffre(double k) { return QString::number(k, 'f', 2); }

// A control by its name, or by its kind and caption (a message box's buttons).
QString nomControle(const QWidget* c)
{
    const auto* bouton = qobject_cast<const QAbstractButton*>(c);
    return !c->objectName().isEmpty() ? c->objectName()
         : QString(c->metaObject()->className()) + (bouton ? " « " + bouton->text() + " »" : QString());
}

// Where a control is in its window.
QRect place(const QWidget* fenetre, const QWidget* c) { return {c->mapTo(fenetre, QPoint()), c->size()}; }

// The measures of one window in one state, each as "control : what contrast".
class Examen
{
public:
    explicit Examen(QWidget* f) : fenetre(f) {}
    QStringList mesures, echecs;

    void noter(const QWidget* c, const QString& quoi, double k)
    {
        const QString ligne = nomControle(c) + " : " + quoi + " " + chiffre(k);
        mesures << ligne;
        if (k < 3)
            echecs << ligne;
    }

    // Every check box and option the child can use, ticked and not.
    void indicateurs()
    {
        for (QAbstractButton* b : fenetre->findChildren<QAbstractButton*>())
            if ((qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b)) && b->isVisible() && b->isEnabled())
                for (const bool coche : {false, true})
                    indicateur(b, coche);
    }

    // Tab from control to control until the walk comes back: each one
    // measured with the focus, then without once Tab has taken it on; the
    // first one too when the window shows the focus from the start. The focus
    // is then given back where the walk found it.
    void focus()
    {
        fenetre->activateWindow();
        QVERIFY(QTest::qWaitFor([this] { return QApplication::activeWindow() == fenetre; }));
        QWidget* depart = fenetre->focusWidget();
        const bool montre = depart && fenetre->testAttribute(Qt::WA_KeyboardFocusChange);
        const QImage premier = montre ? fenetre->grab(place(fenetre, depart)).toImage() : QImage();
        QSet<QWidget*> vus;
        QTest::keyClick(depart ? depart : fenetre, Qt::Key_Tab);
        if (montre)
            noter(depart, "focus d'abord", contrasteMarque(premier, fenetre->grab(place(fenetre, depart)).toImage()));
        for (QWidget* c = fenetre->focusWidget(); c && !vus.contains(c); c = fenetre->focusWidget()) {
            vus << c;
            const QImage avec = fenetre->grab(place(fenetre, c)).toImage();
            if (auto* vue = qobject_cast<QAbstractItemView*>(c))
                elementCourant(vue);
            // A grid that keeps Tab for its cells never lets it go: what
            // follows it is never reached, as the end tells.
            for (int n = 0; n < 1000 && fenetre->focusWidget() == c; ++n)
                QTest::keyClick(c, Qt::Key_Tab);
            noter(c, "focus", contrasteMarque(avec, fenetre->grab(place(fenetre, c)).toImage()));
        }
        for (QWidget* c : fenetre->findChildren<QWidget*>())
            if (c->isVisible() && c->isEnabled() && (c->focusPolicy() & Qt::TabFocus) && !vus.contains(c))
                echecs << nomControle(c) + " : jamais atteint par Tab";
        autresOptions(vus);
        if (depart)
            depart->setFocus();
    }

private:
    // Tab enters a group of options at one of them; the arrows reach the
    // others, which would choose them: they are given the focus here.
    void autresOptions(const QSet<QWidget*>& vus)
    {
        for (QRadioButton* o : fenetre->findChildren<QRadioButton*>())
            if (o->isVisible() && o->isEnabled() && !vus.contains(o)) {
                o->setFocus();
                const QImage avec = fenetre->grab(place(fenetre, o)).toImage();
                o->clearFocus();
                noter(o, "focus", contrasteMarque(avec, fenetre->grab(place(fenetre, o)).toImage()));
            }
    }

    void indicateur(QAbstractButton* b, bool coche)
    {
        QStyleOptionButton option;
        option.initFrom(b);
        const bool rond = qobject_cast<QRadioButton*>(b);
        const QRect boite = b->style()->subElementRect(rond ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator,
                                                       &option, b);
        // Its picture, the window around it, with the state asked for and
        // nothing told to the window.
        const QSignalBlocker bloque(b);
        const bool avant = b->isChecked(), exclusif = b->autoExclusive();
        b->setAutoExclusive(false);
        b->setChecked(coche);
        const int marge = 3;
        const QImage image = fenetre->grab(boite.translated(b->mapTo(fenetre, QPoint())).adjusted(-marge, -marge, marge, marge)).toImage();
        b->setChecked(avant);
        b->setAutoExclusive(exclusif);

        const QRect dans(QPoint(marge, marge), boite.size());
        const QRgb autour = dominante(image, QRegion(image.rect()) - dans);
        const QString etat = coche ? (rond ? "choisie" : "cochée") : (rond ? "non choisie" : "non cochée");
        noter(b, etat + ", bord", bord(image, dans, autour));
        if (coche)
            noter(b, etat + (rond ? ", point" : ", coche"), marque(image, dans));
    }

    // The current item marked against its look once the next one is current.
    void elementCourant(QAbstractItemView* vue)
    {
        const QModelIndex courant = vue->currentIndex();
        if (!courant.isValid()) {
            echecs << nomControle(vue) + " : aucun élément courant";
            return;
        }
        const QRect r(vue->viewport()->mapTo(fenetre, vue->visualRect(courant).topLeft()), vue->visualRect(courant).size());
        const QImage avec = fenetre->grab(r).toImage();
        QTest::keyClick(vue, vue->model()->rowCount() > 1 ? Qt::Key_Down : Qt::Key_Right);
        QVERIFY(vue->currentIndex() != courant);
        noter(vue, "élément courant", contrasteMarque(avec, fenetre->grab(r).toImage()));
    }

    QWidget* fenetre;
};

// Each window of the program, opened as it opens, then examined in each of
// its states.
using Examiner = std::function<void(QWidget*)>;

void principale(const Examiner& examiner)
{
    Fenetre w;
    w.hasard.suite = questions({{7, 1}});
    QVERIFY(w.ouvrir());
    examiner(&w.f);                        // the choice of tables
    w.commencer({7}, false, true);
    examiner(&w.f);                        // the empty answer box
    for (const char* r : {"1", "2", "3"})
        w.repondre(r);
    examiner(&w.f);                        // the answer to ask for
    w.entree();
    examiner(&w.f);                        // the next question
}

void consulter(const Examiner& examiner)
{
    Fenetre w;
    for (const char* ligne : {"2026-03-14 10:00:00|1|1|7|4|2|40|1|1", "2026-03-14 11:00:00|1|1|7|4|4|30|0|0"})
        Magasin::ajouter(ligne);
    F_Consulter v(&w.f);
    QVERIFY(v.Form_Load());
    v.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v));
    examiner(&v);
}

void bilan(const Examiner& examiner)
{
    Fenetre w;
    F_Bilan b(&w.f);
    QVERIFY(b.Form_Load(QDate(2026, 3, 14), false));
    b.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b));
    examiner(&b);
}

// The teacher's view needs the school's server to load; its pupils are shown
// here as it shows them.
void classe(const Examiner& examiner)
{
    HorlogeFactice horloge;
    F_Classe c(&horloge);
    auto* eleves = c.findChild<QAbstractItemView*>("T_Eleves");
    EleveClasse lea, tom;
    lea.eleve = "lea";
    tom.eleve = "tom";
    lea.classe = tom.classe = "CE2";
    static_cast<ModeleClasse*>(eleves->model())->Afficher({lea, tom});
    eleves->setCurrentIndex(eleves->model()->index(0, 0));
    c.show();
    QVERIFY(QTest::qWaitForWindowExposed(&c));
    examiner(&c);
}

// « Qui s'entraîne ? » with two children, as the main window opens it.
void enfants(const Examiner& examiner)
{
    Fenetre w;
    Famille famille;
    for (const char* nom : {"Zoé", "Léo"})
        QVERIFY(famille.Ajouter(nom).isEmpty());
    F_Enfants e(famille, false, &w.f);
    QVERIFY(e.Form_Load());
    e.show();
    QVERIFY(QTest::qWaitForWindowExposed(&e));
    examiner(&e);
}

// A message box asked for from the keyboard.
void message(const Examiner& examiner)
{
    QWidget fenetre;
    QPushButton a(&fenetre), b(&fenetre);
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowActive(&fenetre));
    QTest::keyClick(&a, Qt::Key_Tab);
    QTimer attente;
    bool clavier = false;
    QObject::connect(&attente, &QTimer::timeout, [&] {
        if (auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); boite && boite->isVisible()) {
            attente.stop();
            clavier = boite->testAttribute(Qt::WA_KeyboardFocusChange);
            examiner(boite);
            boite->reject();
        }
    });
    attente.start(1);
    AfficherMessage(&fenetre, {QMessageBox::Question, {}, "Enregistrer ?",
                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No});
    QVERIFY(clavier);
}

const QList<std::pair<const char*, void (*)(const Examiner&)>> Fenetres = {
    {"F_Calkado", principale}, {"F_Consulter", consulter}, {"F_Bilan", bilan}, {"F_Classe", classe},
    {"F_Enfants", enfants}, {"message", message}};

} // namespace

class TestContrastes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        PreparerFenetres();
        bureau = QApplication::palette();
    }
    void cleanup() { QApplication::setPalette(bureau); }

    void controles_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<int>("fenetre");
        const QList<std::pair<const char*, QPalette>> palettes = {
            {"du bureau", bureau}, {"sombre", PaletteSombreSimple()}, {"sombre grise", PaletteSombreGrise()}};
        for (const auto& [nomPalette, palette] : palettes)
            for (int i = 0; i < Fenetres.size(); ++i)
                QTest::addRow("%s, %s", Fenetres[i].first, nomPalette) << palette << i;
    }

    void controles()
    {
        QFETCH(QPalette, palette);
        QFETCH(int, fenetre);
        QApplication::setPalette(palette);
        QStringList echecs;
        Fenetres[fenetre].second([&echecs](QWidget* f) {
            Examen examen(f);
            examen.indicateurs();
            examen.focus();
            static int n = 0;
            if (qEnvironmentVariableIsSet("CAPTURES")) f->grab().save(qEnvironmentVariable("CAPTURES") + "/" + QTest::currentDataTag() + "-" + QString::number(n++) + ".png");
            if (qEnvironmentVariableIsSet("CALKADO_CONTRASTES"))
                qInfo().noquote() << examen.mesures.join("\n");
            echecs << examen.echecs;
        });
        for (const QString& echec : std::as_const(echecs))
            qWarning().noquote() << echec;
        QVERIFY2(echecs.isEmpty(), qPrintable(QString::number(echecs.size()) + " défauts, détaillés plus haut"));
    }

private:
    QPalette bureau;
};

QTEST_MAIN(TestContrastes)
#include "tst_contrastes.moc"
