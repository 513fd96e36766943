// The viewer of saved trainings, driven as a parent uses it: the list of the
// trainings, the one shown with its options, deletions answered yes or no,
// the store faults, and the viewer opened from the main window.
#include "FenetrePrincipale.h"
#include "platform/Ressources.h"
#include "viewer/F_Consulter.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace {

using Reponses = QList<Repondeur::Reponse>;
const Repondeur::Reponse Oui{QMessageBox::Yes, 0}, Non{QMessageBox::No, 0}, Ok{QMessageBox::Ok, 0},
    Entree{QMessageBox::NoButton, Qt::Key_Return};
const QString Connexion = "BaseDonnéesConsulter";
const QStringList Vide(5);

void verifierConfirmation(const QList<MessageVu>& vus, const QString& element)
{
    QCOMPARE(vus.size(), 1);
    const MessageVu& vu = vus[0];
    QCOMPARE(vu.titre, QString("Supprimer les résultats du fichier"));
    QCOMPARE(vu.texte, "Voulez-vous supprimer les résultats sélectionnés ?\n\nEntraînement du " + element
                           + "\n\n<OUI> pour EFFACER\n\n<NON> pour annuler\n\n");
    QCOMPARE(vu.icone, QMessageBox::Critical);
    QCOMPARE(vu.boutons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(QSet<QString>(vu.textesBoutons.begin(), vu.textesBoutons.end()), QSet<QString>({"Non", "Oui"}));
    QCOMPARE(vu.defaut, QMessageBox::No);
}

void verifierAvis(const MessageVu& vu, QMessageBox::Icon icone, const QStringList& mots)
{
    QCOMPARE(vu.titre, QString("Calkado"));
    QCOMPARE(vu.icone, icone);
    QCOMPARE(vu.boutons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(vu.textesBoutons, QStringList{"OK"});
    for (const QString& mot : mots)
        QVERIFY2(vu.texte.contains(mot), qPrintable(vu.texte));
}

QColor couleur(const QWidget* c) { return c->palette().color(c->foregroundRole()); }

// Waiting for the QWindow is not enough: a dialog's counts as active while its
// parent window still has the focus.
bool actif(QWidget* fenetre)
{
    return QTest::qWaitFor([fenetre] { return QApplication::activeWindow() == fenetre; });
}

// A working folder, the main window (shown only when a test opens it) and the
// viewer over it; the message boxes answered as the test says.
struct Banc
{
    std::unique_ptr<Repondeur> repondeur = std::make_unique<Repondeur>();
    DossierProgramme dossier;
    HasardFactice hasard;
    HorlogeFactice horloge;
    F_Calkado f{&hasard, &horloge};
    std::unique_ptr<F_Consulter> v;

    // The rows added to the store, then the viewer loaded and shown on its own.
    bool ouvrir(const QStringList& lignes)
    {
        for (const QString& l : lignes)
            Magasin::ajouter(l);
        v = std::make_unique<F_Consulter>(&f);
        if (!v->Form_Load())
            return false;
        v->show();
        return actif(v.get());
    }
    void repondre(const Reponses& reponses) { repondeur = std::make_unique<Repondeur>(reponses); }

    template<typename T = QWidget>
    T* ctrl(const QString& n) const
    {
        T* c = v->findChild<T*>(n);
        if (!c)
            qFatal("Contrôle introuvable : %s", qPrintable(n));
        return c;
    }
    QString texte(const QString& n) const { return ctrl<QLabel>(n)->text(); }
    QStringList textes(const QStringList& noms, const QString& suffixe = {}) const
    {
        QStringList r;
        for (const QString& n : noms)
            r << texte(n + suffixe);
        return r;
    }
    QStringList colonne(int i) const { return textes(Lignes, QString("_%1").arg(i)); }
    QListWidget* liste() const { return ctrl<QListWidget>("L_Date"); }
    QStringList elements() const
    {
        QStringList r;
        for (int i = 0; i < liste()->count(); ++i)
            r << liste()->item(i)->text();
        return r;
    }
    QString options() const
    {
        return QString(ctrl<QRadioButton>("O_1a10")->isChecked() ? "1-10" : "")
             + (ctrl<QRadioButton>("O_1a12")->isChecked() ? "1-12" : "")
             + (ctrl<QCheckBox>("C_Aléatoire")->isChecked() ? " ; aléatoire" : " ; dans l'ordre");
    }
    // Columns that hold something, table by table: "7=4,,,2,2".
    QStringList remplies() const
    {
        QStringList r;
        for (int i = 0; i < NbLivrets; ++i)
            if (colonne(i) != Vide)
                r << QString("%1=%2").arg(i + 2).arg(colonne(i).join(','));
        return r;
    }
    // Everything the viewer shows, to tell that nothing moved.
    QString vue() const
    {
        return QStringList{texte("L_Titre_Principal"), options(), elements().join(','),
                           QString::number(liste()->currentRow()), remplies().join(' '), textes(Totaux).join('/')}
            .join(" | ");
    }

    void choisir(int ligne)
    {
        QListWidget* l = liste();
        l->scrollToItem(l->item(ligne));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(ligne)).center());
    }
    QList<MessageVu> supprimer(const Reponses& reponses = {Oui})
    {
        repondre(reponses);
        QTest::mouseClick(ctrl("B_Supprimer"), Qt::LeftButton);
        return repondeur->vus;
    }

    // The main window loaded, shown and ready, as the child first sees it.
    bool ouvrirPrincipale()
    {
        if (!f.Form_Load())
            return false;
        f.show();
        return actif(&f) && QTest::qWaitFor([this] { return f.findChild<QWidget*>("B_Consulter")->isEnabled(); });
    }
    // The main window's results, cells and totals, read while no viewer is open.
    QStringList tableauPrincipal() const
    {
        QStringList r;
        for (const QLabel* l : f.findChildren<QLabel*>())
            if (l->objectName().startsWith("L_NbQuestion") || l->objectName().startsWith("L_Temps"))
                r << l->objectName() + "=" + l->text();
        r.sort();
        return r;
    }
};

// The selected training of the list, as the viewer should show it.
void verifierChoix(const Banc& b, int ligne, const QString& element)
{
    QCOMPARE(b.liste()->currentRow(), ligne);
    QVERIFY(b.liste()->item(ligne)->isSelected());
    QCOMPARE(b.liste()->item(ligne)->text(), element);
    QCOMPARE(b.texte("L_Titre_Principal"), "Entraînement du " + element);
}

// Clicks B_Consulter of the main window; once the viewer is up, modal, the
// action runs on it and must close it. The viewer is never left waiting.
struct Consultation
{
    bool ouverte = false;
    bool resteeOuverte = false;
    Consultation(Banc& b, const std::function<void(F_Consulter&)>& action)
    {
        QTimer attente;
        QObject::connect(&attente, &QTimer::timeout, [&] {
            auto* v = qobject_cast<F_Consulter*>(QApplication::activeModalWidget());
            if (ouverte || !v || !v->isVisible() || v->objectName() != "F_Consulter")
                return;
            ouverte = true;
            attente.stop();
            action(*v);
            if ((resteeOuverte = v->isVisible()))
                v->reject();
        });
        attente.start(10);
        QTest::mouseClick(b.f.findChild<QWidget*>("B_Consulter"), Qt::LeftButton);
    }
};

// Another program writing to the store: a transaction of its own, not ended.
struct AutreProgramme
{
    QSqlDatabase base = QSqlDatabase::addDatabase("QSQLITE", "autre programme");
    AutreProgramme()
    {
        base.setDatabaseName("CalkadoVa.sqlite");
        QSqlQuery q(base);
        if (!base.open() || !q.exec("BEGIN IMMEDIATE")
            || !q.exec("INSERT INTO \"TCalkado\" SELECT NULL, '2026-03-15 09:00:00', 1, 1, 3, 1, 1, 9, 0, 0"))
            qFatal("le magasin n'a pas pu être bloqué");
    }
    ~AutreProgramme()
    {
        QSqlQuery(base).exec("ROLLBACK");
        base.close();
        base = QSqlDatabase();
        QSqlDatabase::removeDatabase("autre programme");
    }
};

} // namespace

class TestConsulter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        ChargerPolices();
        // The time zone of a French machine, whatever this one uses; given as a
        // rule, it needs no time zone database.
        qputenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
    }
    // A connection left in use or opened twice is a fault of the viewer.
    void init() { QTest::failOnWarning(QRegularExpression("QSql")); }

    void disposition()
    {
        Banc b;
        QVERIFY(b.ouvrir({"2026-03-14 10:00:05|1|1|7|3|2|44|1|0"}));
        F_Consulter& v = *b.v;
        QCOMPARE(v.windowTitle(), QString("Consulter les résultats des entraînements"));
        QCOMPARE(QList<QSize>({v.size(), v.minimumSize(), v.maximumSize()}), QList<QSize>(3, QSize(1000, 650)));
        const QList<QPair<QString, QRect>> places = {
            {"L_Titre_Principal", {24, 8, 873, 65}}, {"L_Date", {24, 448, 225, 184}},
            {"B_Supprimer", {272, 568, 89, 65}},     {"C_Fermer", {888, 568, 89, 65}},
            {"L_Titre_5", {896, 187, 80, 33}}};
        for (const auto& [n, place] : places)
            QCOMPARE(b.ctrl(n)->geometry(), place);
        const QFont titre = b.ctrl("L_Titre_Principal")->font(), liste = b.liste()->font();
        QCOMPARE(titre.family() + QString(" %1 ").arg(titre.pointSizeF()) + (titre.italic() ? "italique" : ""),
                 QString("Comic Sans MS 36 italique"));
        QCOMPARE(couleur(b.ctrl("L_Titre_Principal")), Bleu);
        QCOMPARE(liste.family() + QString(" %1").arg(liste.pointSizeF()), QString("Arial 12"));
        QStringList legendes;
        for (const char* n : {"B_Supprimer", "C_Fermer", "O_1a10", "O_1a12", "C_Aléatoire"})
            legendes << b.ctrl<QAbstractButton>(n)->text();
        QCOMPARE(legendes, QStringList({"&Supprimer", "&Fermer", "1-10", "1-12", "Aléatoire"}));

        // Table numbers over their columns; rows top to bottom with their
        // headings (the time row carries heading 4), cells and totals.
        const int gauches[NbLivrets] = {242, 301, 360, 420, 479, 538, 597, 656, 716, 775, 834};
        const int hauts[5] = {240, 278, 316, 354, 392}, titres[5] = {0, 1, 4, 2, 3};
        const QColor vert(0, 128, 0), couleurs[5] = {QColor(0, 0, 0), vert, vert, QColor(192, 64, 0), Rouge};
        for (int i = 0; i < NbLivrets; ++i) {
            const auto* livret = b.ctrl<QLabel>(nom("L_Livret", i));
            QCOMPARE(livret->text(), QString::number(i + 2));
            QCOMPARE(couleur(livret), Bleu);
            QCOMPARE(int(livret->alignment() & Qt::AlignHorizontal_Mask), int(Qt::AlignRight));
            QCOMPARE(livret->geometry(), QRect(gauches[i] + 55 - 33, 187, 33, 33));
            for (int l = 0; l < 5; ++l) {
                const QWidget* cellule = b.ctrl(nom(qPrintable(Lignes[l]), i));
                QCOMPARE(cellule->geometry(), QRect(gauches[i], hauts[l], 55, 25));
                QCOMPARE(couleur(cellule), couleurs[l]);
                QVERIFY(cellule->isVisible());
            }
        }
        for (int l = 0; l < 5; ++l) {
            const QRect total = b.ctrl(Totaux[l])->geometry();
            QCOMPARE(QList<int>({total.x(), total.y(), total.width()}), QList<int>({918, hauts[l], 58}));
            QCOMPARE(couleur(b.ctrl(Totaux[l])), couleurs[l]);
            QCOMPARE(b.ctrl(nom("L_Titre", titres[l]))->pos(), QPoint(25, hauts[l]));
        }
        QCOMPARE(b.textes(noms("L_Titre", 6)), Titres);

        // The focus starts on Fermer; Tab goes through the list and Supprimer only.
        QCOMPARE(QApplication::focusWidget(), b.ctrl("C_Fermer"));
        QStringList ordre;
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            ordre << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(ordre, QStringList({"L_Date", "B_Supprimer", "C_Fermer"}));

        QVERIFY(QSqlDatabase::contains(Connexion));
        v.close();
        QVERIFY(!QSqlDatabase::contains(Connexion));
        QCOMPARE(b.repondeur->vus.size(), 0);
    }

    void listeDesEntrainements()
    {
        Banc b;
        QVERIFY(b.ouvrir({
            "2026-03-12 00:00:00|1|1|3|1|1|20|0|0",   // at midnight
            "2026-03-13 09:05:07|1|1|2|2|2|30|0|0",
            "2026-03-13 09:05:07|1|1|4|3|3|60|0|0",   // its neighbour: the same training
            "2026-03-14 10:00:05|0|0|6|1|1|15|0|0",
            "2026-03-13 09:05:07|1|1|8|1|0|0|1|0",    // apart: an item of its own
            "2025-12-31 23:59:59|1|1|9|6|6|72|0|0",   // added last: listed first
        }));
        QCOMPARE(b.elements(), QStringList({"31/12/2025 23:59:59", "13/03/2026 09:05:07", "14/03/2026 10:00:05",
                                            "13/03/2026 09:05:07", "12/03/2026"}));
        verifierChoix(b, 0, "31/12/2025 23:59:59");
        QCOMPARE(b.remplies(), QStringList{"9=6,6,1,2,,"});

        // The arrows move the selection and the display.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), b.liste());
        QTest::keyClick(b.liste(), Qt::Key_Down);
        verifierChoix(b, 1, "13/03/2026 09:05:07");
        QCOMPARE(b.remplies(), QStringList({"2=2,2,1,5,,", "4=3,3,2,0,,", "8=1,,,1,"}));
        QTest::keyClick(b.liste(), Qt::Key_Down);
        verifierChoix(b, 2, "14/03/2026 10:00:05");
        QCOMPARE(b.remplies(), QStringList{"6=1,1,1,5,,"});
        QTest::keyClick(b.liste(), Qt::Key_End);
        verifierChoix(b, 4, "12/03/2026");
        QCOMPARE(b.remplies(), QStringList{"3=1,1,2,0,,"});
        QTest::keyClick(b.liste(), Qt::Key_Up);
        verifierChoix(b, 3, "13/03/2026 09:05:07");
        QCOMPARE(b.repondeur->vus.size(), 0);
    }

    // The store keeps wall-clock times as written. 02:30 on the night the
    // clocks go forward is no time in France, yet a store filled on a machine
    // set to another zone holds it: it is listed and deleted like any other.
    void heureDuPassageALEte()
    {
        Banc b;
        const QString autre = "2026-03-30 09:00:00|1|1|3|1|1|10|0|0";
        QVERIFY(b.ouvrir({"2026-03-29 02:30:00|1|1|10|1|1|10|0|0", autre}));
        QCOMPARE(b.elements(), QStringList({"30/03/2026 09:00:00", "29/03/2026 02:30:00"}));
        b.choisir(1);
        verifierChoix(b, 1, "29/03/2026 02:30:00");
        QCOMPARE(b.remplies(), QStringList{"10=1,1,1,0,,"});
        verifierConfirmation(b.supprimer(), "29/03/2026 02:30:00");
        QCOMPARE(Magasin::lignes(), QStringList{autre});
    }

    void affichage()
    {
        Banc b;
        QVERIFY(b.ouvrir({
            "2026-03-14 10:00:05|0|1|2|5|3|50|1|1",
            "2026-03-14 10:00:05|1|0|13|9|9|90|0|0",   // no such table: left out
            "2026-03-14 10:00:05|0|1|7|4|0|0|2|2",
            "2026-03-14 10:00:05|1|0|1|9|9|90|0|0",
            "2026-03-14 10:00:05|0|1|12|10|10|123|0|0",
            "2026-03-14 11:30:00|1|0|5|2|2|44|0|0",
        }));
        QCOMPARE(b.elements(), QStringList({"14/03/2026 11:30:00", "14/03/2026 10:00:05"}));
        verifierChoix(b, 0, "14/03/2026 11:30:00");
        QCOMPARE(b.remplies(), QStringList{"5=2,2,2,2,,"});
        QCOMPARE(b.textes(Totaux), QStringList({"2", "2", "2,2", "", ""}));
        QCOMPARE(b.options(), QString("1-12 ; dans l'ordre"));

        // 5 s / 3 and 12.3 s / 10; no time without a right first try; the time
        // total is 17.3 s over 13 right first tries.
        b.choisir(1);
        verifierChoix(b, 1, "14/03/2026 10:00:05");
        QCOMPARE(b.colonne(0), QStringList({"5", "3", "1,7", "1", "1"}));
        QCOMPARE(b.colonne(5), QStringList({"4", "", "", "2", "2"}));
        QCOMPARE(b.colonne(10), QStringList({"10", "10", "1,2", "", ""}));
        QCOMPARE(b.remplies().size(), 3);
        QCOMPARE(b.textes(Totaux), QStringList({"19", "13", "1,3", "3", "3"}));
        QCOMPARE(b.options(), QString("1-10 ; aléatoire"));

        // The options only tell how the training was made: clicks change
        // nothing, and their text stays blue, drawn so too.
        const QString avant = b.vue();
        for (const char* n : {"O_1a12", "C_Aléatoire", "O_1a10"}) {
            QWidget* c = b.ctrl(n);
            QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(7, c->height() / 2));
            QTest::mouseClick(c, Qt::LeftButton, {}, c->rect().center());
            QCOMPARE(b.vue(), avant);
            QCOMPARE(couleur(c), Bleu);
            const QImage image = c->grab().toImage().convertToFormat(QImage::Format_RGB32);
            int bleus = 0;
            for (int p = 0; p < image.width() * image.height(); ++p) {
                const QRgb pixel = image.pixel(p % image.width(), p / image.width());
                bleus += qBlue(pixel) > 200 && qRed(pixel) < 80 && qGreen(pixel) < 80;
            }
            QVERIFY2(bleus >= 10, n);
        }
        QCOMPARE(b.repondeur->vus.size(), 0);
    }

    void suppression()
    {
        const QStringList t1 = {"2026-03-10 00:00:00|1|1|2|1|1|10|0|0"};
        const QStringList t2 = {"2026-03-11 08:15:00|1|0|3|2|2|20|0|0", "2026-03-11 08:15:00|1|0|4|2|2|20|0|0",
                                "2026-03-11 08:15:00|1|0|5|2|2|20|0|0", "2026-03-11 08:15:00|1|0|6|2|2|20|0|0"};
        const QStringList t3 = {"2026-03-12 14:00:01|0|1|9|3|3|33|0|0"};
        const QStringList t4 = {"2026-03-13 16:45:30|1|1|11|4|1|8|3|0"};
        const QStringList t5 = {"2026-03-14 10:00:05|0|0|12|5|0|0|0|5"};
        Banc b;
        QVERIFY(b.ouvrir(t1 + t2 + t3 + t4 + t5));
        QCOMPARE(b.elements(), QStringList({"14/03/2026 10:00:05", "13/03/2026 16:45:30", "12/03/2026 14:00:01",
                                            "11/03/2026 08:15:00", "10/03/2026"}));

        // Non, or Enter (the default is Non): nothing changes.
        b.choisir(3);
        const QString avant = b.vue();
        for (const Repondeur::Reponse& refus : {Non, Entree}) {
            verifierConfirmation(b.supprimer({refus}), "11/03/2026 08:15:00");
            QCOMPARE(b.vue(), avant);
            QCOMPARE(Magasin::lignes(), t1 + t2 + t3 + t4 + t5);
        }
        verifierChoix(b, 3, "11/03/2026 08:15:00");

        // A training of four tables goes at once; the one just above takes its place.
        QCOMPARE(b.remplies().size(), 4);
        verifierConfirmation(b.supprimer({Oui}), "11/03/2026 08:15:00");
        QCOMPARE(Magasin::lignes(), t1 + t3 + t4 + t5);
        QCOMPARE(b.elements(), QStringList({"14/03/2026 10:00:05", "13/03/2026 16:45:30", "12/03/2026 14:00:01",
                                            "10/03/2026"}));
        verifierChoix(b, 2, "12/03/2026 14:00:01");
        QCOMPARE(b.remplies(), QStringList{"9=3,3,1,1,,"});
        QCOMPARE(b.options(), QString("1-10 ; aléatoire"));

        // The first one gone, the new first one is shown.
        b.choisir(0);
        QCOMPARE(b.options(), QString("1-10 ; dans l'ordre"));
        verifierConfirmation(b.supprimer(), "14/03/2026 10:00:05");
        QCOMPARE(Magasin::lignes(), t1 + t3 + t4);
        QCOMPARE(b.elements(), QStringList({"13/03/2026 16:45:30", "12/03/2026 14:00:01", "10/03/2026"}));
        verifierChoix(b, 0, "13/03/2026 16:45:30");
        QCOMPARE(b.remplies(), QStringList{"11=4,1,0,8,3,"});
        QCOMPARE(b.options(), QString("1-12 ; aléatoire"));

        // Saved at midnight: deleted like any other.
        b.choisir(2);
        verifierChoix(b, 2, "10/03/2026");
        verifierConfirmation(b.supprimer(), "10/03/2026");
        QCOMPARE(Magasin::lignes(), t3 + t4);
        QCOMPARE(b.elements(), QStringList({"13/03/2026 16:45:30", "12/03/2026 14:00:01"}));
        verifierChoix(b, 1, "12/03/2026 14:00:01");
    }

    void suppressionDuDernier()
    {
        Banc b;
        QVERIFY(b.ouvrir({"2026-03-14 10:00:05|0|0|3|2|2|30|0|0", "2026-03-14 10:00:05|0|0|8|1|0|0|0|1"}));
        QCOMPARE(b.options(), QString("1-10 ; dans l'ordre"));
        verifierConfirmation(b.supprimer(), "14/03/2026 10:00:05");
        QCOMPARE(Magasin::lignes(), QStringList());
        QCOMPARE(b.liste()->count(), 0);
        QCOMPARE(b.texte("L_Titre_Principal"), QString("Plus d'entraînement !"));
        QCOMPARE(b.remplies(), QStringList());
        QCOMPARE(b.textes(Totaux), Vide);
        QCOMPARE(b.textes(noms("L_Titre", 6)), Titres);
        QCOMPARE(b.options(), QString("1-10 ; dans l'ordre"));
        for (int i = 0; i < NbLivrets; ++i)
            QVERIFY(b.ctrl(nom("L_Temps", i))->isVisible());

        // Nothing left to delete: no question asked.
        const QString avant = b.vue();
        QCOMPARE(b.supprimer().size(), 0);
        QTest::qWait(50);
        QCOMPARE(b.repondeur->vus.size(), 0);
        QCOMPARE(b.vue(), avant);
    }

    // Two trainings saved with the same date and time, another one between.
    void entrainementsJumeaux()
    {
        Banc b;
        const QString autre = "2026-03-14 10:30:00|0|0|9|2|2|30|0|0";
        QVERIFY(b.ouvrir({"2026-03-14 10:00:05|1|1|2|3|3|60|0|0", "2026-03-14 10:00:05|1|1|5|2|1|15|1|0", autre,
                          "2026-03-14 10:00:05|1|1|2|4|2|70|1|1", "2026-03-14 10:00:05|1|1|4|1|1|12|0|0"}));
        QCOMPARE(b.elements(), QStringList({"14/03/2026 10:00:05", "14/03/2026 10:30:00", "14/03/2026 10:00:05"}));
        // Each item shows both; table 2, in both, as saved the later time.
        const QString attendu = "2=4,2,3,5,1,1 4=1,1,1,2,, 5=2,1,1,5,1, | 7/4/2,4/2/1";
        QCOMPARE(b.vue().section(" | ", 4), attendu);
        b.choisir(2);
        verifierChoix(b, 2, "14/03/2026 10:00:05");
        QCOMPARE(b.vue().section(" | ", 4), attendu);

        // Deleting one deletes the rows of both; the other item stays, empty.
        verifierConfirmation(b.supprimer(), "14/03/2026 10:00:05");
        QCOMPARE(Magasin::lignes(), QStringList{autre});
        QCOMPARE(b.elements(), QStringList({"14/03/2026 10:00:05", "14/03/2026 10:30:00"}));
        verifierChoix(b, 1, "14/03/2026 10:30:00");
        QCOMPARE(b.remplies(), QStringList{"9=2,2,1,5,,"});
        b.choisir(0);
        verifierChoix(b, 0, "14/03/2026 10:00:05");
        QCOMPARE(b.vue().section(" | ", 4), QString(" | ////"));
        QCOMPARE(b.repondeur->vus.size(), 1);
    }

    void magasinVide()
    {
        Banc b;
        b.v = std::make_unique<F_Consulter>(&b.f);
        QVERIFY(!b.v->Form_Load());
        QCOMPARE(b.repondeur->vus.size(), 1);
        QCOMPARE(b.repondeur->vus[0].texte, QString("Pas de données à afficher !"));
        verifierAvis(b.repondeur->vus[0], QMessageBox::NoIcon, {});
        QVERIFY(!b.v->isVisible());
    }

    void depuisLaFenetrePrincipale()
    {
        Banc b;
        Magasin::ajouter("2026-03-13 08:00:00|1|1|4|2|2|30|0|0");
        Magasin::ajouter("2026-03-14 10:00:05|0|0|6|3|1|25|1|1");
        QVERIFY(b.ouvrirPrincipale());
        // One question of table 7 in order, right at once, then the run
        // interrupted: the main window has results of its own.
        for (const char* n : {"C_Livret_5", "C_Aléatoire"})
            b.f.findChild<QAbstractButton*>(n)->click();
        for (const char* touches : {"\r", "\r", "7\r"})
            QTest::keyClicks(QApplication::focusWidget(), touches);
        QTest::mouseClick(b.f.findChild<QWidget*>("B_Entrainement"), Qt::LeftButton);
        const QStringList tableau = b.tableauPrincipal();
        QCOMPARE(tableau.filter(QRegularExpression("(_5|Total)=.")),
                 QStringList({"L_NbQuestionEssai1Total=1", "L_NbQuestionEssai1_5=1", "L_NbQuestionTotal=1",
                              "L_NbQuestion_5=1", "L_TempsTotal=0,0", "L_Temps_5=0,0"}));

        const QList<std::pair<const char*, std::function<void(F_Consulter&)>>> fermetures = {
            {"Fermer", [](F_Consulter& v) { QTest::mouseClick(v.findChild<QWidget*>("C_Fermer"), Qt::LeftButton); }},
            {"barre de titre", [](F_Consulter& v) { v.close(); }},
            {"Échap", [](F_Consulter&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }},
        };
        for (const auto& [maniere, fermer] : fermetures) {
            QStringList vu;
            const Consultation c(b, [&](F_Consulter& v) {
                QVERIFY(actif(&v));
                vu << QString::number(v.findChild<QListWidget*>("L_Date")->count())
                   << v.findChild<QLabel*>("L_Titre_Principal")->text() << QApplication::focusWidget()->objectName()
                   << (QSqlDatabase::contains(Connexion) ? "connectée" : "sans connexion");
                fermer(v);
            });
            QVERIFY2(c.ouverte && !c.resteeOuverte, maniere);
            QCOMPARE(vu, QStringList({"2", "Entraînement du 14/03/2026 10:00:05", "C_Fermer", "connectée"}));
            QVERIFY2(!QSqlDatabase::contains(Connexion), maniere);
            QVERIFY(!QApplication::activeModalWidget());
            QCOMPARE(b.tableauPrincipal(), tableau);
            QVERIFY(b.f.findChild<QWidget*>("B_Consulter")->isEnabled());
        }
        QCOMPARE(b.repondeur->vus.size(), 0);

        // Every training deleted in the viewer: the next consultation is refused.
        b.repondre({Oui});
        int restants = -1;
        const Consultation suppression(b, [&](F_Consulter& v) {
            for (int i = 0; i < 2; ++i)
                QTest::mouseClick(v.findChild<QWidget*>("B_Supprimer"), Qt::LeftButton);
            restants = v.findChild<QListWidget*>("L_Date")->count();
            QTest::mouseClick(v.findChild<QWidget*>("C_Fermer"), Qt::LeftButton);
        });
        QVERIFY(suppression.ouverte && !suppression.resteeOuverte);
        QCOMPARE(restants, 0);
        QCOMPARE(b.repondeur->vus.size(), 2);
        QCOMPARE(Magasin::lignes(), QStringList());

        b.repondre({Ok});
        const Consultation refus(b, [](F_Consulter& v) { v.reject(); });
        QVERIFY(!refus.ouverte);
        QCOMPARE(b.repondeur->vus.size(), 1);
        QCOMPARE(b.repondeur->vus[0].texte, QString("Aucun résultat enregistré à consulter !\n\n"));
        verifierAvis(b.repondeur->vus[0], QMessageBox::Warning, {});
        QCOMPARE(b.tableauPrincipal(), tableau);
    }

    void defautsDuMagasin()
    {
        Banc b;
        QVERIFY(b.ouvrir({"2026-03-13 08:00:00|1|1|4|2|2|30|0|0", "2026-03-14 10:00:05|0|0|6|3|1|25|1|1"}));
        const QStringList lignes = Magasin::lignes();
        const QString avant = b.vue();

        // Another program holds the store: the deletion waits for it, then gives up.
        QList<MessageVu> vus;
        QElapsedTimer attente;
        {
            const AutreProgramme autre;
            attente.start();
            vus = b.supprimer({Oui, Ok});
        }
        const qint64 ms = attente.elapsed();
        QVERIFY2(ms >= 4500 && ms < 15000, qPrintable(QString::number(ms)));
        QCOMPARE(vus.size(), 2);
        verifierConfirmation(vus.mid(0, 1), "14/03/2026 10:00:05");
        verifierAvis(vus[1], QMessageBox::Critical, {"bloqué par un autre programme", "n'a pas été supprimé"});
        QCOMPARE(Magasin::lignes(), lignes);
        QCOMPARE(b.vue(), avant);

        // The store gone while the viewer is open. Whether the question comes
        // first or not, the fault is told and the list stays.
        QVERIFY(QFile::remove("CalkadoVa.sqlite"));
        vus = b.supprimer({Oui, Ok});
        QVERIFY(!vus.isEmpty() && vus.size() <= 2);
        if (vus.size() == 2)
            verifierConfirmation(vus.mid(0, 1), "14/03/2026 10:00:05");
        verifierAvis(vus.last(), QMessageBox::Critical, {"introuvable", "n'a pas été supprimé"});
        QCOMPARE(b.vue(), avant);
        QVERIFY(!QFile::exists("CalkadoVa.sqlite"));
    }
};

QTEST_MAIN(TestConsulter)
#include "tst_consulter.moc"
