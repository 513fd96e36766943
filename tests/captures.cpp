// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Pictures of every window and message box, in the states a child and a
// parent meet, as PNG files: "captures <folder> [--sombre] [--classe]". The
// same run twice gives the same pixels (chance and clock under control, the
// hint's and the stopwatch's ticks given by hand, the caret still), so that
// the pictures of two versions of the program can be compared to the pixel
// (scripts/captures.sh). It drives the windows only through what a user does
// and through their names, so that it builds on older versions too.
#include "Factices.h"
#include "Magasin.h"
#include "Outils.h"
#include "core/Textes.h"
#include "ui/bilan/F_Bilan.h"
#include "ui/classe/F_Classe.h"
#include "ui/mainwindow/F_Calkado.h"
#include "ui/viewer/F_Consulter.h"
// The children of the family came later: older versions have no such window.
#if __has_include("ui/enfants/F_Enfants.h")
#include "core/family/EnfantCourant.h"
#include "ui/enfants/F_Enfants.h"
#define CALKADO_ENFANTS 1
#endif

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace {

QString dossierSortie;
int nombreCaptures = 0;

void Enregistrer(QWidget* w, const QString& nom)
{
    const QString fichier = dossierSortie + QLatin1Char('/') + nom + QStringLiteral(".png");
    if (QFile::exists(fichier))
        qFatal("Deux captures du même nom : %s", qPrintable(nom));
    if (!w->grab().toImage().save(fichier))
        qFatal("Impossible d'écrire %s", qPrintable(fichier));
    ++nombreCaptures;
}

// Photographs each message box as it comes up, then answers it with the
// button given in turn (OK when none is left).
class Photographe : public QObject
{
public:
    Photographe() { qApp->installEventFilter(this); }
    ~Photographe() override { qApp->removeEventFilter(this); }

    // The name of the next box's picture and the button that answers it.
    void Attendre(const QString& nom, QMessageBox::StandardButton reponse = QMessageBox::Ok)
    {
        attendues.append({nom, reponse});
    }
    bool toutesVues() const { return attendues.isEmpty(); }

    bool eventFilter(QObject* objet, QEvent* evenement) override
    {
        if (auto* boite = qobject_cast<QMessageBox*>(objet); boite && evenement->type() == QEvent::Show)
            QTimer::singleShot(0, boite, [this, boite] { Repondre(boite); });
        return false;
    }

private:
    void Repondre(QMessageBox* boite)
    {
        const auto [nom, reponse] = attendues.isEmpty() ? std::pair{QStringLiteral("imprevue"), QMessageBox::Ok}
                                                         : attendues.takeFirst();
        boite->activateWindow();
        (void)QTest::qWaitForWindowActive(boite);
        Enregistrer(boite, QStringLiteral("boite-") + nom);
        if (QAbstractButton* bouton = boite->button(reponse))
            bouton->click();
        else
            boite->reject();
    }

    QList<std::pair<QString, QMessageBox::StandardButton>> attendues;
};

// The main window driven as the child drives it.
struct Seance
{
    Photographe& photographe;
    DossierProgramme dossier;
    HasardFactice hasard;
    HorlogeFactice horloge;
    std::unique_ptr<F_Calkado> f;

    explicit Seance(Photographe& p) : photographe(p)
    {
        // Chance that draws 3 x 7, 8 x 3, 6 x 7... and phrases in turn.
        hasard.suite = [](int n) { return float((n * 37 % 100) / 100.0 + 0.005); };
        horloge.date = QDateTime(QDate(2026, 3, 14), QTime(10, 0, 5));
        f = std::make_unique<F_Calkado>(&hasard, &horloge);
    }

    template<typename T = QWidget>
    T* ctrl(const char* nom) const
    {
        if (T* c = f->findChild<T*>(QString::fromUtf8(nom)))
            return c;
        qFatal("Contrôle introuvable : %s", nom);
    }
    void tic(const char* minuterie) { QMetaObject::invokeMethod(ctrl<QTimer>(minuterie), "timeout"); }
    void activer()
    {
        f->activateWindow();
        (void)QTest::qWaitForWindowActive(f.get());
    }
    QWidget* focus()
    {
        activer();
        return QApplication::focusWidget() ? QApplication::focusWidget() : f.get();
    }
    void entree() { QTest::keyClick(focus(), Qt::Key_Return); }
    void taper(const QString& texte)
    {
        QTest::keyClicks(focus(), texte);
        entree();
    }
    void cliquer(const char* nom) { ctrl<QAbstractButton>(nom)->click(); }

    // The hint's ticks by hand, and the picture.
    void photo(const QString& nom, int ticsIndication = 0)
    {
        ctrl<QTimer>("Timer2")->stop();
        ctrl<QTimer>("Timer1")->stop();
        for (int i = 0; i < ticsIndication; ++i)
            tic("Timer2");
        activer();
        QCoreApplication::processEvents();
        Enregistrer(f.get(), QStringLiteral("calkado-") + nom);
    }

    void ouvrir()
    {
        if (!f->Form_Load())
            qFatal("La fenêtre principale ne s'ouvre pas");
        f->show();
        if (!QTest::qWaitFor([this] { return ctrl("B_Consulter")->isEnabled(); }))
            qFatal("La fenêtre principale ne devient pas active");
    }
};

// A run with every kind of answer.
void Course(Seance& s)
{
    s.cliquer("C_Livret_1");
    s.cliquer("C_Livret_5");
    s.photo(QStringLiteral("pret"), 2);
    s.entree();
    s.photo(QStringLiteral("course-commencee"));
    s.entree();
    s.horloge.ms += 1500;
    s.tic("Timer1");
    s.photo(QStringLiteral("question"));
    s.taper(QStringLiteral("1"));
    s.photo(QStringLiteral("faux-1"));
    s.taper(QStringLiteral(""));
    s.photo(QStringLiteral("pas-de-nombre"));
    s.taper(QStringLiteral("2"));
    s.taper(QStringLiteral("3"));
    s.photo(QStringLiteral("faux-3"));
    s.entree();
    s.photo(QStringLiteral("reponse-donnee"));
    s.entree();
    s.horloge.ms += 2300;
    s.tic("Timer1");
    QTest::keyClicks(s.focus(), QString::number(s.ctrl<QLabel>("L_Terme1")->text().toInt()
                                                * s.ctrl<QLabel>("L_Terme2")->text().toInt()));
    s.photo(QStringLiteral("reponse-tapee"));
    s.entree();
    s.photo(QStringLiteral("juste"));
    s.entree();
    s.cliquer("B_Entrainement");
}

// The commands on the results of that run, then their save.
void Commandes(Seance& s)
{
    Photographe& p = s.photographe;
    s.photo(QStringLiteral("resultats"), 1);
    p.Attendre(QStringLiteral("option-bloquee"));
    s.cliquer("C_Livret_0");
    p.Attendre(QStringLiteral("aide"));
    s.cliquer("B_Aide");
    p.Attendre(QStringLiteral("enregistrer"), QMessageBox::No);
    s.cliquer("B_Enregistrer");
    p.Attendre(QStringLiteral("raz"), QMessageBox::No);
    s.cliquer("B_Raz");
    p.Attendre(QStringLiteral("quitter-resultats"), QMessageBox::Cancel);
    s.f->close();
    s.photo(QStringLiteral("resultats-gardes"), 2);
    p.Attendre(QStringLiteral("enregistrer-oui"), QMessageBox::Yes);
    s.cliquer("B_Enregistrer");
    s.photo(QStringLiteral("enregistre"), 3);
}

// With nothing on screen: the commands say so; then a review of the
// mistakes saved, to its end.
void SansResultats(Seance& s)
{
    Photographe& p = s.photographe;
    p.Attendre(QStringLiteral("rien-a-enregistrer"));
    s.cliquer("B_Enregistrer");
    p.Attendre(QStringLiteral("rien-a-effacer"));
    s.cliquer("B_Raz");
    p.Attendre(QStringLiteral("quitter"), QMessageBox::No);
    s.f->close();
    s.cliquer("C_Revoir");
    s.cliquer("C_Livret_10");
    p.Attendre(QStringLiteral("rien-a-revoir"));
    s.entree();
    s.cliquer("C_Livret_10");
    s.cliquer("C_Livret_1");
    s.cliquer("C_Livret_5");
    s.photo(QStringLiteral("revoir-pret"), 1);
    s.entree();
    s.entree();
    s.photo(QStringLiteral("revision"));
    // Every fact right at once: the review ends by itself.
    for (int question = 0; question < 20 && s.ctrl("B_Nouveau")->isEnabled() == false
                           && s.ctrl("T_Résultat")->isEnabled(); ++question) {
        QTest::keyClicks(s.focus(), QString::number(s.ctrl<QLabel>("L_Terme1")->text().toInt()
                                                    * s.ctrl<QLabel>("L_Terme2")->text().toInt()));
        s.entree();
        if (s.ctrl("B_Nouveau")->isEnabled())
            s.entree();
    }
    s.photo(QStringLiteral("revision-finie"), 1);
}

// « Du jour » on a store without facts: ten checks of the table of 2, a
// miss coming back, the progress, the end; then nothing more to do today.
// Skipped by a version without the button.
void Jour(Photographe& p)
{
    Seance s(p);
    s.ouvrir();
    if (!s.f->findChild<QAbstractButton*>(QStringLiteral("B_Jour")))
        return;
    s.photo(QStringLiteral("jour-pret"), 1);
    s.cliquer("B_Jour");
    s.photo(QStringLiteral("jour-question"));
    const auto produit = [&s] {
        return QString::number(s.ctrl<QLabel>("L_Terme1")->text().toInt() * s.ctrl<QLabel>("L_Terme2")->text().toInt());
    };
    for (const char* faux : {"41", "42", "43"})
        s.taper(QString::fromLatin1(faux));
    s.entree();
    for (int question = 0; question < 30 && s.ctrl("B_Nouveau")->isEnabled(); ++question) {
        s.entree();
        s.horloge.ms += 1500;
        QTest::keyClicks(s.focus(), produit());
        s.entree();
        if (question == 3)
            s.photo(QStringLiteral("jour-avancement"));
    }
    s.photo(QStringLiteral("jour-fini"));
    p.Attendre(QStringLiteral("enregistrer-jour"), QMessageBox::Yes);
    s.cliquer("B_Enregistrer");
    p.Attendre(QStringLiteral("rien-a-faire"));
    s.cliquer("B_Jour");
}

void Consulter(Seance& s)
{
    for (const char* ligne : {"2026-03-10 09:00:00|1|1|3|10|6|80|3|1", "2026-03-10 09:00:00|1|1|7|8|5|95|2|1",
                              "2026-03-12 17:30:12|0|0|7|10|9|70|1|0", "2026-03-13 00:00:00|1|0|12|4|0|0|1|3"})
        Magasin::ajouter(QString::fromUtf8(ligne));
    F_Consulter v(s.f.get());
    if (!v.Form_Load())
        qFatal("Consulter ne s'ouvre pas");
    v.show();
    (void)QTest::qWaitForWindowActive(&v);
    Enregistrer(&v, QStringLiteral("consulter"));
    QTest::keyClick(v.findChild<QWidget*>(QStringLiteral("L_Date")), Qt::Key_Down);
    QTest::mouseClick(v.findChild<QWidget*>(QStringLiteral("L_Livret_5")), Qt::LeftButton);
    Enregistrer(&v, QStringLiteral("consulter-table-7"));
    s.photographe.Attendre(QStringLiteral("supprimer"), QMessageBox::No);
    v.findChild<QAbstractButton*>(QStringLiteral("B_Supprimer"))->click();
    v.close();

    F_Bilan b(s.f.get());
    if (!b.Form_Load(QDate(2026, 3, 20), true))
        qFatal("Bilan ne s'ouvre pas");
    b.show();
    (void)QTest::qWaitForWindowActive(&b);
    Enregistrer(&b, QStringLiteral("bilan"));
    b.close();
}

// A save that makes the table of 2 automatisé from 1 to 10 (1 x 2 was
// right at once twice the day before, the others three times): the child
// congratulated; then the grid, with the diploma's rosette beside the table.
void Diplome(Photographe& p)
{
    Seance s(p);
    QList<QVariantList> faits;
    for (int m = 1; m <= 10; ++m)
        for (int fois = m == 1 ? 2 : 3; fois > 0; --fois)
            faits.append({QStringLiteral("2026-03-13 17:00:00"), 2, m, 1, 1, 20});
    Magasin::ajouter(QStringLiteral("2026-03-13 17:00:00|0|0|2|29|29|580|0|0"));
    Magasin::ajouterFaits(faits);
    s.ouvrir();
    s.cliquer("C_Livret_0");
    s.cliquer("O_1a10");
    s.cliquer("C_Aléatoire");   // in order: 1 x 2 first
    s.entree();
    s.entree();
    s.taper(QStringLiteral("2"));
    s.cliquer("B_Entrainement");
    p.Attendre(QStringLiteral("enregistrer-diplome"), QMessageBox::Yes);
    p.Attendre(QStringLiteral("bravo"), QMessageBox::No);
    s.cliquer("B_Enregistrer");
    F_Bilan b(s.f.get());
    if (!b.Form_Load(QDate(2026, 3, 14), false))
        qFatal("Bilan ne s'ouvre pas");
    b.show();
    (void)QTest::qWaitForWindowActive(&b);
    Enregistrer(&b, QStringLiteral("bilan-diplome"));
    b.close();
}

// Faults of the store and of the program file, as the parent reads them.
void Pannes(Photographe& p)
{
    {
        Seance s(p);
        s.ouvrir();
        QFile::remove(s.dossier.base());
        p.Attendre(QStringLiteral("magasin-absent"));
        s.cliquer("B_Consulter");
        s.photo(QStringLiteral("magasin-absent"), 1);
    }
    Seance s(p);
    QFile::remove(Textes::NomFichierProgramme);
    p.Attendre(QStringLiteral("programme-absent"));
    if (s.f->Form_Load())
        qFatal("La fenêtre principale s'ouvre sans son programme");
}

// The teacher's view: empty without a server, or with a pupil's saves on the
// school's server (under tests/ecole.sh).
void Classe(Photographe& p, bool serveur)
{
    HorlogeFactice horloge;
    horloge.date = QDateTime(QDate(2026, 12, 9), QTime(10, 0), Qt::UTC);
    DossierProgramme dossier;
    if (serveur) {
        Magasin::ajouter(QStringLiteral("2026-12-08 16:30:00|1|1|7|4|2|48|1|1"));
        Magasin::ajouterFaits({{"2026-12-08 16:30:00", 7, 3, 1, 1, 24}, {"2026-12-08 16:30:00", 7, 8, 3, 3, 300}});
        qputenv("PGUSER", "prof_a");
    } else {
        p.Attendre(QStringLiteral("classe-sans-serveur"));
    }
    F_Classe c(&horloge);
    if (c.Form_Load() != serveur)
        qFatal("La vue de la classe s'ouvre, ou non, contre toute attente");
    c.show();
    (void)QTest::qWaitForWindowActive(&c);
    Enregistrer(&c, serveur ? QStringLiteral("classe") : QStringLiteral("classe-vide"));
}

#ifdef CALKADO_ENFANTS
// Three children on the account: « Qui s'entraîne ? » as the program asks it
// at start, with a removal asked and refused, then opened from the main
// window, where the digit 2 chooses Jean-Éric, whose name it then shows.
void Enfants(Photographe& p)
{
    Seance s(p);
    Famille famille;
    for (const char* nom : {"Zoé", "Jean-Éric", "N'Golo"})
        if (!famille.Ajouter(QString::fromUtf8(nom)).isEmpty())
            qFatal("La famille ne se fait pas");
    {
        F_Enfants enfants(famille, true);
        if (!enfants.Form_Load())
            qFatal("Qui s'entraîne ? ne s'ouvre pas");
        enfants.show();
        (void)QTest::qWaitForWindowActive(&enfants);
        Enregistrer(&enfants, QStringLiteral("enfants"));
        p.Attendre(QStringLiteral("retirer-enfant"), QMessageBox::No);
        enfants.findChild<QAbstractButton*>(QStringLiteral("B_Retirer_2"))->click();
    }
    ChoisirEnfant(famille.enfants().first());
    s.ouvrir();
    QTimer attente;
    QObject::connect(&attente, &QTimer::timeout, [&] {
        if (QWidget* d = QApplication::activeModalWidget(); d && d->objectName() == QStringLiteral("F_Enfants")) {
            attente.stop();
            Enregistrer(d, QStringLiteral("enfants-depuis-la-fenetre"));
            QTest::keyClick(d->focusWidget(), Qt::Key_2);
        }
    });
    attente.start(1);
    s.cliquer("B_Enfants");
    s.photo(QStringLiteral("enfant-choisi"), 1);
    ChoisirEnfant(std::nullopt);
}
#endif

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2)
        qFatal("Utilisation : captures <dossier> [--sombre] [--classe]");
    dossierSortie = QDir(arguments.at(1)).absolutePath();
    QDir().mkpath(dossierSortie);
    PreparerFenetres();
    QApplication::setCursorFlashTime(0);   // the caret always drawn
    if (arguments.contains(QStringLiteral("--sombre")))
        QApplication::setPalette(QPalette(QColor(53, 53, 53)));
    Photographe photographe;
    if (arguments.contains(QStringLiteral("--classe"))) {
        Classe(photographe, true);
    } else {
        {
            Seance s(photographe);
            s.ouvrir();
            s.photo(QStringLiteral("depart"), 1);
            Course(s);
            Commandes(s);
            SansResultats(s);
            Consulter(s);
        }
        Jour(photographe);
        Diplome(photographe);
        Pannes(photographe);
        Classe(photographe, false);
#ifdef CALKADO_ENFANTS
        Enfants(photographe);
#endif
    }
    if (!photographe.toutesVues())
        qFatal("Une boîte attendue ne s'est pas montrée");
    qInfo("%d captures dans %s", nombreCaptures, qPrintable(dossierSortie));
    return 0;
}
