// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// « Qui s'entraîne ? » and the main window with the children of the family:
// the window driven by keys alone and read through its accessible interface,
// its list changed as the family changes it, the main window's button and the
// child's name, two children's saves, grids and reviews never mixed, the
// results on screen offered to be saved before the child changes, and a
// child's broken file told without harm to the others.
#include "FenetrePrincipale.h"
#include "core/Textes.h"
#include "core/family/EnfantCourant.h"
#include "core/family/Famille.h"
#include "ui/enfants/F_Enfants.h"

#include <QAccessible>
#include <QInputDialog>
#include <QListWidget>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace {

const Repondeur::Reponse Echap{QMessageBox::NoButton, Qt::Key_Escape};

// Answers each name asked, as it is asked, by keys: the text typed over
// what the box holds, then Enter; or Escape for none. Keeps what each box
// said: "title | label | text at first".
class Saisie : public QObject
{
public:
    explicit Saisie(QStringList reponses_) : reponses(std::move(reponses_)) { qApp->installEventFilter(this); }
    ~Saisie() override { qApp->removeEventFilter(this); }
    QStringList vus;

    bool eventFilter(QObject* objet, QEvent* evenement) override
    {
        if (auto* boite = qobject_cast<QInputDialog*>(objet); boite && evenement->type() == QEvent::Show)
            QTimer::singleShot(0, boite, [this, boite] { repondre(boite); });
        return false;
    }

private:
    void repondre(QInputDialog* boite)
    {
        vus << boite->windowTitle() + " | " + boite->labelText() + " | " + boite->textValue();
        const QString reponse = reponses.value(vus.size() - 1, "échap");
        QLineEdit* champ = boite->findChild<QLineEdit*>();
        if (reponse == "échap") {
            QTest::keyClick(champ, Qt::Key_Escape);
            return;
        }
        QTest::keyClick(champ, Qt::Key_A, Qt::ControlModifier);
        // Key by key, accents too (QTest::keyClicks knows ASCII only).
        for (const QChar c : reponse) {
            QKeyEvent appui(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(champ, &appui);
        }
        QTest::keyClick(champ, Qt::Key_Return);
    }

    QStringList reponses;
};

// A family made through its list, in the working folder.
void familleDe(const QStringList& noms)
{
    Famille f;
    for (const QString& nom : noms)
        QCOMPARE(f.Ajouter(nom), QString());
}

QStringList nomsDeLaListe()
{
    Famille f;
    return f.Lire().isEmpty() ? f.noms() : QStringList{"illisible"};
}

// The window's rows as shown: "1 Zoé" for each child.
QStringList rangees(const QDialog* d)
{
    QStringList r;
    for (int i = 0; i < NbEnfantsMax; ++i)
        if (auto* b = d->findChild<QPushButton*>(nom("B_Enfant", i)); b->isVisible())
            r << d->findChild<QLabel*>(nom("L_Rang", i))->text() + " " + QString(b->text()).remove('&');
    return r;
}

// Keys on the control that has the focus in the window.
void touches(QWidget* fenetre, const QList<QKeyCombination>& suite)
{
    for (const QKeyCombination t : suite) {
        fenetre->activateWindow();
        QVERIFY(QTest::qWaitFor([fenetre] { return QApplication::activeWindow() == fenetre; }));
        QTest::keyClick(fenetre->focusWidget() ? fenetre->focusWidget() : fenetre, t.key(), t.keyboardModifiers());
    }
}

QAccessibleInterface* acc(QObject* o) { return QAccessible::queryAccessibleInterface(o); }

// « Qui s'entraîne ? » as it opens at start, its keys pressed in turn;
// the child chosen ("" when it closed without one).
QString choisirAuDemarrage(const QList<QKeyCombination>& suite)
{
    Famille f;
    F_Enfants enfants(f, true);
    if (!enfants.Form_Load())
        return "pas ouverte";
    enfants.show();
    touches(&enfants, suite);
    // Alt and a letter press the button as a click shown on screen: a moment later.
    if (!QTest::qWaitFor([&enfants] { return !enfants.isVisible(); }, 1000))
        return "restée ouverte";
    return enfants.result() == QDialog::Accepted && enfants.choix() ? enfants.choix()->nom : QString();
}

// The main window of a family, the child given training.
struct Famille3 : Fenetre
{
    explicit Famille3(QList<Repondeur::Reponse> reponses = {Ok}) : Fenetre(std::move(reponses))
    {
        familleDe({"Zoé", "Léo", "Max"});
        Famille famille;
        famille.Lire();
        ChoisirEnfant(famille.enfants().first());
    }
    // « Enfants », then the keys given in « Qui s'entraîne ? ».
    bool enfants(const QList<QKeyCombination>& suite)
    {
        return modale("F_Enfants", [this] { cliquer("B_Enfants"); }, [&](QDialog* d) { touches(d, suite); });
    }
};

} // namespace

class TestEnfants : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { PreparerFenetres(); }
    void cleanup() { ChoisirEnfant(std::nullopt); }

    // At start, by keys alone: a digit, the arrows (round from the first to
    // the last) and Enter, Alt and the first letter; Escape leaves without
    // a child.
    void choisirAuClavier_data()
    {
        QTest::addColumn<QList<QKeyCombination>>("suite");
        QTest::addColumn<QString>("choisi");
        QTest::newRow("2") << QList<QKeyCombination>{Qt::Key_2} << "Jean-Éric";
        QTest::newRow("3") << QList<QKeyCombination>{Qt::Key_3} << "N'Golo";
        QTest::newRow("4, puis 1") << QList<QKeyCombination>{Qt::Key_4, Qt::Key_1} << "Zoé";
        QTest::newRow("Entrée") << QList<QKeyCombination>{Qt::Key_Return} << "Zoé";
        QTest::newRow("bas, bas, Entrée") << QList<QKeyCombination>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Return} << "N'Golo";
        QTest::newRow("haut depuis le premier") << QList<QKeyCombination>{Qt::Key_Up, Qt::Key_Enter} << "N'Golo";
        QTest::newRow("Tab dans la rangée, puis bas") << QList<QKeyCombination>{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Down, Qt::Key_Return}
                                                      << "Jean-Éric";
        QTest::newRow("Alt+J") << QList<QKeyCombination>{Qt::ALT | Qt::Key_J} << "Jean-Éric";
        QTest::newRow("Alt+N") << QList<QKeyCombination>{Qt::ALT | Qt::Key_N} << "N'Golo";
        QTest::newRow("Échap") << QList<QKeyCombination>{Qt::Key_Escape} << "";
    }
    void choisirAuClavier()
    {
        QFETCH(QList<QKeyCombination>, suite);
        QFETCH(QString, choisi);
        DossierProgramme dossier;
        familleDe({"Zoé", "Jean-Éric", "N'Golo"});
        QCOMPARE(choisirAuDemarrage(suite), choisi);
    }

    // What a screen reader finds: the window's name, each child's button
    // with the key that chooses it, the commands of each row named with the
    // child; Tab row after row, then the commands of the list.
    void lecteurDEcran()
    {
        DossierProgramme dossier;
        familleDe({"Zoé", "Jean-Éric"});
        Famille f;
        F_Enfants enfants(f, true);
        QVERIFY(enfants.Form_Load());
        enfants.show();
        QVERIFY(QTest::qWaitForWindowActive(&enfants));
        QCOMPARE(acc(&enfants)->role(), QAccessible::Dialog);
        QCOMPARE(acc(&enfants)->text(QAccessible::Name), u"Qui s'entraîne ?"_s);
        QStringList lus;
        QWidget* depart = QApplication::focusWidget();
        QWidget* c = depart;
        do {
            QAccessibleInterface* i = acc(c);
            lus << QString::number(i->role()) + " " + i->text(QAccessible::Name) + " | " + i->text(QAccessible::Description);
            QTest::keyClick(c, Qt::Key_Tab);
            c = QApplication::focusWidget();
        } while (c != depart && lus.size() < 20);
        const QString bouton = QString::number(QAccessible::Button);
        QCOMPARE(lus, (QStringList{bouton + " Zoé | Touche 1", bouton + " Renommer Zoé | ", bouton + " Retirer Zoé | ",
                                   bouton + " Jean-Éric | Touche 2", bouton + " Renommer Jean-Éric | ",
                                   bouton + " Retirer Jean-Éric | ", bouton + " Ajouter un enfant | ",
                                   bouton + " Quitter | "}));
        QCOMPARE(rangees(&enfants), (QStringList{"1 Zoé", "2 Jean-Éric"}));
    }

    // The list changed from the window, by keys: a child added after a name
    // refused (asked again with what was typed), renamed, removed once the
    // family confirms, then brought back with their results.
    void changerLaListe()
    {
        DossierProgramme dossier;
        familleDe({"Zoé", "Léo"});
        Magasin::ajouter("2026-03-14 10:00:00|1|1|7|3|2|45|1|0", "CalkadoVa-2.sqlite");
        Repondeur repondeur({Ok, Oui, Oui});
        Saisie saisie({"Jean/Éric", " Jean-Éric ", "Léonard", "léonard"});
        Famille f;
        F_Enfants enfants(f, true);
        QVERIFY(enfants.Form_Load());
        enfants.show();
        // « Ajouter un enfant »: Tab past the two rows.
        touches(&enfants, QList<QKeyCombination>(6, Qt::Key_Tab) + QList<QKeyCombination>{Qt::Key_Return});
        QCOMPARE(saisie.vus, (QStringList{"Ajouter un enfant | Prénom de l'enfant (30 caractères au plus) : | ",
                                          "Ajouter un enfant | Prénom de l'enfant (30 caractères au plus) : | Jean/Éric"}));
        QCOMPARE(boites(repondeur.vus), QStringList{"Ajouter un enfant | avertissement | " + Textes::PrenomBarre + " | OK"});
        QCOMPARE(rangees(&enfants), (QStringList{"1 Zoé", "2 Léo", "3 Jean-Éric"}));
        QCOMPARE(enfants.focusWidget()->objectName(), u"B_Enfant_2"_s);
        QCOMPARE(nomsDeLaListe(), (QStringList{"Zoé", "Léo", "Jean-Éric"}));

        // « Renommer » Léo, then « Retirer » Léonard: the question names him.
        touches(&enfants, {Qt::Key_Up, Qt::Key_Tab, Qt::Key_Return});
        QCOMPARE(saisie.vus.last(), u"Renommer « Léo » | Prénom de l'enfant (30 caractères au plus) : | Léo"_s);
        QCOMPARE(rangees(&enfants), (QStringList{"1 Zoé", "2 Léonard", "3 Jean-Éric"}));
        touches(&enfants, {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return});
        QCOMPARE(boite(repondeur.vus.last()),
                 "Retirer un enfant | avertissement | " + Textes::MessageRetirerEnfant("Léonard", "enfants-retires")
                     + " | Non/Oui | défaut Non");
        QVERIFY(repondeur.vus.last().texte.contains("Ses résultats seront retirés de Calkado"));
        QCOMPARE(rangees(&enfants), (QStringList{"1 Zoé", "2 Jean-Éric"}));
        QVERIFY(!QFile::exists("CalkadoVa-2.sqlite"));
        QCOMPARE(Magasin::lignes("enfants-retires/CalkadoVa-2.sqlite").size(), 1);

        // Added again under that name: back, with their results.
        touches(&enfants, QList<QKeyCombination>(6, Qt::Key_Tab) + QList<QKeyCombination>{Qt::Key_Return});
        QCOMPARE(boite(repondeur.vus.last()), "Ajouter un enfant | question | " + Textes::MessageReprendre("léonard")
                                                  + " | Annuler/Non/Oui | défaut Oui, échap Annuler");
        QCOMPARE(rangees(&enfants), (QStringList{"1 Zoé", "2 Jean-Éric", "3 léonard"}));
        QCOMPARE(Magasin::lignes("CalkadoVa-2.sqlite").size(), 1);
        QCOMPARE(QDir("enfants-retires").entryList(QDir::Files), QStringList());
    }

    // Without a family the window starts the list: the first child added
    // takes the account's results, named in the main window from then on.
    void premierEnfantDepuisLaFenetre()
    {
        Fenetre w;
        Magasin::ajouter("2026-03-14 10:00:00|1|1|7|3|2|45|1|0");
        QVERIFY(w.ouvrir());
        QVERIFY(w.ctrl("B_Enfants")->isVisible() && !w.ctrl("L_Enfant")->isVisible());
        Saisie saisie({"Zoé"});
        QStringList vu;
        QVERIFY(modale("F_Enfants", [&w] { w.cliquer("B_Enfants"); }, [&](QDialog* d) {
            vu << d->findChild<QLabel*>("L_Consigne")->text() << rangees(d).join(", ");
            touches(d, {Qt::Key_Return});
            vu << rangees(d).join(", ");
            touches(d, {Qt::Key_Escape});
        }));
        QCOMPARE(vu, (QStringList{Textes::ConsignePremierEnfant, "", "1 Zoé"}));
        QCOMPARE(w.texte("L_Enfant"), u"Zoé"_s);
        QVERIFY(w.ctrl("L_Enfant")->isVisible());
        QCOMPARE(acc(w.ctrl("L_Enfant"))->text(QAccessible::Name), u"Zoé s'entraîne"_s);
        QCOMPARE(FichierResultats(), Textes::NomFichierBase);
        QCOMPARE(Magasin::lignes().size(), 1);
        QCOMPARE(w.repondeur.vus.size(), 0);
    }
    // Léo takes over from Zoé, who has results on screen: asked first, as
    // quitting asks. « Annuler » (or Enter) keeps Zoé and her results, « Oui »
    // saves them into her file before Léo comes, « Non » lets them go.
    void changerDEnfant_data()
    {
        QTest::addColumn<Repondeur::Reponse>("reponse");
        QTest::addColumn<QString>("enfant");
        QTest::addColumn<int>("lignesZoe");
        QTest::addColumn<QString>("total");
        QTest::newRow("Annuler") << Annuler << "Zoé" << 0 << "1";
        QTest::newRow("Entrée") << Entree << "Zoé" << 0 << "1";
        QTest::newRow("Oui") << Oui << "Léo" << 1 << "";
        QTest::newRow("Non") << Non << "Léo" << 0 << "";
    }
    void changerDEnfant()
    {
        QFETCH(Repondeur::Reponse, reponse);
        QFETCH(QString, enfant);
        QFETCH(int, lignesZoe);
        QFETCH(QString, total);
        Famille3 w({reponse});
        w.hasard.suite = questions({});
        QVERIFY(w.ouvrir());
        QCOMPARE(w.texte("L_Enfant"), u"Zoé"_s);
        w.jouer({7}, false, false, {"10:="});
        QVERIFY(w.enfants({Qt::Key_2}));
        QCOMPARE(boites(w.repondeur.vus),
                 QStringList{"Changer d'enfant | critique | " + Textes::MessageChangerEnfant("Zoé")
                             + " | Annuler/Non/Oui | défaut Annuler, échap Annuler"});
        QCOMPARE(w.texte("L_Enfant"), enfant);
        QCOMPARE(NomEnfantCourant(), enfant);
        QCOMPARE(Magasin::lignes("CalkadoVa.sqlite").size(), lignesZoe);
        QCOMPARE(Magasin::lignes("CalkadoVa-2.sqlite").size(), 0);
        QCOMPARE(w.texte("L_NbQuestionTotal"), total);
        QCOMPARE(w.ctrl("B_Enfants")->isEnabled(), true);
    }

    // Zoé and Léo on one window: each save goes to the child's own file, and
    // the saved trainings, the grid and the review of mistakes are each
    // child's alone.
    void jamaisMelanges()
    {
        Famille3 w({Oui});
        w.hasard.suite = questions({});
        w.horloge.date = QDateTime(QDate(2026, 12, 3), QTime(17, 0), Qt::UTC);
        QVERIFY(w.ouvrir());
        w.jouer({7}, false, false, {"0:xxx?"});
        w.cliquer("B_Enregistrer");
        QVERIFY(w.enfants({Qt::Key_2}));
        // The draw stays in order: « Tirage aléatoire » is left unticked.
        w.jouer({3}, false, true, {"12:=", "8:="});
        w.cliquer("B_Enregistrer");
        QCOMPARE(Magasin::faits("CalkadoVa.sqlite"), QStringList{"2026-12-03 17:00:00|7|1|3|3|0"});
        QCOMPARE(Magasin::faits("CalkadoVa-2.sqlite"),
                 (QStringList{"2026-12-03 17:00:00|3|1|1|1|12", "2026-12-03 17:00:00|3|2|1|1|8"}));

        // Léo's own: one saved training of table 3, two facts en cours, nothing to review.
        QStringList vus;
        const auto consulter = [&](QDialog* d) { vus << QString::number(d->findChild<QListWidget*>("L_Date")->count())
                                                        + " " + d->findChild<QLabel*>("L_NbQuestion_1")->text()
                                                        + d->findChild<QLabel*>("L_NbQuestion_5")->text(); };
        const auto bilan = [&](QDialog* d) { vus << d->findChild<QLabel*>("L_Legende_1")->text() + ", "
                                                    + d->findChild<QLabel*>("L_Legende_2")->text(); };
        QVERIFY(modale("F_Consulter", [&w] { w.cliquer("B_Consulter"); }, consulter));
        QVERIFY(modale("F_Bilan", [&w] { w.cliquer("B_Bilan"); }, bilan));
        w.cliquer("C_Revoir");
        w.commencer({7}, false, false);
        QCOMPARE(w.repondeur.vus.last().texte, Textes::RienARevoir({7}));
        w.cliquer("C_Revoir");
        w.cliquer("C_Livret_5");

        // Back to Zoé: her own, and 1 x 7 to review.
        QVERIFY(w.enfants({Qt::Key_1}));
        QCOMPARE(w.texte("L_Enfant"), u"Zoé"_s);
        QVERIFY(modale("F_Consulter", [&w] { w.cliquer("B_Consulter"); }, consulter));
        QVERIFY(modale("F_Bilan", [&w] { w.cliquer("B_Bilan"); }, bilan));
        w.cliquer("C_Revoir");
        w.commencer({7}, false, false);
        QCOMPARE(w.question(), u"1x7"_s);
        QCOMPARE(vus, (QStringList{"1 2", "à revoir : 0, en cours : 2", "1 1", "à revoir : 1, en cours : 0"}));
    }

    // Léo's file is not a results file: switching to him says so as at
    // start, naming his file; Zoé and Max go on as before.
    void fichierAbime()
    {
        Famille3 w;
        QFile abime("CalkadoVa-2.sqlite");
        QVERIFY(abime.open(QIODevice::WriteOnly | QIODevice::Truncate) && abime.write("pas une base") > 0);
        abime.close();
        QVERIFY(w.ouvrir());
        QVERIFY(w.enfants({Qt::Key_2}));
        QCOMPARE(w.repondeur.vus.size(), 1);
        verifierPanne(w.repondeur.vus.last(), {Textes::BasePasUneBase("CalkadoVa-2.sqlite"), Textes::BaseAuDemarrage});
        QVERIFY(w.enfants({Qt::Key_3}));
        QVERIFY(w.enfants({Qt::Key_1}));
        QCOMPARE(w.repondeur.vus.size(), 1);
        QCOMPARE(w.texte("L_Enfant"), u"Zoé"_s);
        QVERIFY(modale("F_Consulter", [&w] { w.cliquer("B_Consulter"); }, [](QDialog*) {}) == false);
        QCOMPARE(w.repondeur.vus.last().texte, Textes::AucunResultatAConsulter);
    }

    // The child training now cannot be removed: the family is told to
    // choose another first.
    void retirerLEnfantQuiSEntraine()
    {
        Famille3 w;
        QVERIFY(w.ouvrir());
        QVERIFY(w.enfants({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return, Qt::Key_Escape}));
        QCOMPARE(boites(w.repondeur.vus),
                 QStringList{"Retirer un enfant | avertissement | " + Textes::EnfantEnCours("Zoé") + " | OK"});
        QCOMPARE(nomsDeLaListe(), (QStringList{"Zoé", "Léo", "Max"}));
    }

    // On the school's server each pupil has their own account: no button,
    // no name, nothing to choose.
    void surLeServeur()
    {
        QTemporaryDir configuration;
        QVERIFY(QDir(configuration.path()).mkpath("calkado"));
        QFile conf(configuration.filePath("calkado/calkado.conf"));
        QVERIFY(conf.open(QIODevice::WriteOnly) && conf.write("[serveur]\nhote=127.0.0.1\nport=9\nbase=calkado\n") > 0);
        conf.close();
        const QByteArray avant = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configuration.path()));
        {
            Fenetre w;
            QVERIFY(w.ouvrir());
            QVERIFY(!w.ctrl("B_Enfants")->isVisible() && !w.ctrl("L_Enfant")->isVisible());
        }
        qputenv("XDG_CONFIG_HOME", avant);
    }
};

QTEST_MAIN(TestEnfants)
#include "tst_enfants.moc"
