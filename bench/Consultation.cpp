// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The viewer and the save as the store grows: the list and the newest saved
// training shown, another one shown, one deleted, one saved.
#include "Mesures.h"
#include "OutilsMesures.h"

#include "core/storage/MagasinResultats.h"
#include "ui/bilan/F_Bilan.h"
#include "ui/viewer/F_Consulter.h"
#include "ui/viewer/GrapheProgression.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QToolButton>
#include <array>

namespace {

struct Figures
{
    Serie ouverture, affichage, graphe, suppression, enregistrement, bilan;
};

// Saved trainings deleted in the viewer, each timed from the "Oui".
void MesurerSuppressions(F_Consulter& visionneuse, Figures& f)
{
    Repondeur repondeur;
    repondeur.choix = OuiSinonOk;
    auto* liste = visionneuse.findChild<QListWidget*>(QStringLiteral("L_Date"));
    auto* supprimer = visionneuse.findChild<QToolButton*>(QStringLiteral("B_Supprimer"));
    for (int i = 0; i < 20; ++i) {
        const int avant = liste->count();
        supprimer->click();
        QCoreApplication::processEvents();
        f.suppression.valeurs.push_back(MillisecondesDepuis(repondeur.reponse));
        if (liste->count() != avant - 1)
            qFatal("La suppression n'a pas eu lieu");
    }
}

// Opening the viewer ten times, then in one viewer: another saved training
// shown, the chart redrawn, saved trainings deleted.
void MesurerVisionneuse(Figures& f)
{
    for (int i = 0; i < 10; ++i) {
        F_Consulter visionneuse;
        f.ouverture.valeurs.push_back(Chronometrer([&] {
            if (!visionneuse.Form_Load())
                qFatal("La visionneuse ne s'ouvre pas");
            visionneuse.show();
        }));
        visionneuse.done(QDialog::Accepted);
    }
    F_Consulter visionneuse;
    visionneuse.Form_Load();
    visionneuse.show();
    if (!QTest::qWaitForWindowExposed(&visionneuse))
        qFatal("La visionneuse ne s'affiche pas");
    auto* liste = visionneuse.findChild<QListWidget*>(QStringLiteral("L_Date"));
    for (int i = 0; i < 50; ++i)
        f.affichage.valeurs.push_back(Chronometrer([&] { QTest::keyClick(liste, Qt::Key_Down); }));
    // The chart alone, for all tables and for one: its query and its painting.
    auto* graphe = visionneuse.findChild<GrapheProgression*>(QStringLiteral("G_Progression"));
    for (int i = 0; i < 50; ++i) {
        graphe->ChoisirLivret(i % 2 ? 7 : TousLesLivrets);
        f.graphe.valeurs.push_back(Chronometrer([&] { graphe->Redessiner(); }));
    }
    MesurerSuppressions(visionneuse, f);
    visionneuse.done(QDialog::Accepted);
}

Figures Mesurer(int entrainements)
{
    DossierProgramme dossier;
    RemplirEntrainements(dossier.base(), entrainements);
    Figures f;
    MesurerVisionneuse(f);
    // The grid of the facts, read and shown.
    for (int i = 0; i < 10; ++i) {
        F_Bilan bilan;
        f.bilan.valeurs.push_back(Chronometrer([&] {
            if (!bilan.Form_Load(QDate(2026, 12, 7), false))
                qFatal("Le bilan ne s'ouvre pas");
            bilan.show();
        }));
        bilan.done(QDialog::Accepted);
    }
    MagasinResultats magasin(QStringLiteral("mesure"));
    const QDateTime debut(QDate(2030, 1, 1), QTime(8, 0), Qt::UTC);
    for (int i = 0; i < 20; ++i) {
        const auto t = Horodatage::now();
        if (magasin.EcrireResultats(TroisTables(), LeursFaits(), debut.addSecs(60 * i)) != ProblemeBase::Aucun)
            qFatal("L'enregistrement a échoué");
        f.enregistrement.valeurs.push_back(MillisecondesDepuis(t));
    }
    return f;
}

// Floors: an empty dialog of the viewer's size shown; the smallest read of
// the store; the smallest write, one row committed to a store of its own.
struct Planchers
{
    Serie fenetre, lecture, ecriture;
};

Planchers MesurerPlanchers()
{
    Planchers p;
    for (int i = 0; i < 10; ++i) {
        QDialog dialogue;
        p.fenetre.valeurs.push_back(Chronometrer([&] {
            dialogue.setFixedSize(1000, 650);
            auto* liste = new QListWidget(&dialogue);
            liste->addItem(QStringLiteral("1"));
            dialogue.show();
        }));
    }
    DossierProgramme dossier;
    {
        QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("plancher"));
        base.setDatabaseName(dossier.base());
        base.open();
        QSqlQuery requete(base);
        requete.exec(QStringLiteral("CREATE TABLE t (n INTEGER)"));
        QLabel etiquette;
        for (int i = 0; i < 50; ++i)
            p.lecture.valeurs.push_back(Chronometrer([&] {
                requete.exec(QStringLiteral("SELECT 1"));
                requete.next();
                etiquette.setNum(requete.value(0).toInt() + i);
            }));
        for (int i = 0; i < 20; ++i) {
            const auto t = Horodatage::now();
            requete.exec(QStringLiteral("BEGIN IMMEDIATE"));
            requete.exec(QStringLiteral("INSERT INTO t VALUES (1)"));
            requete.exec(QStringLiteral("COMMIT"));
            p.ecriture.valeurs.push_back(MillisecondesDepuis(t));
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("plancher"));
    return p;
}

QString Taille(int entrainements)
{
    return QLocale(QLocale::French).toString(entrainements) + QStringLiteral(" entraînements");
}

// The targets hold for 10,000 saved trainings; the other sizes show the growth.
struct Mesure
{
    QString nom;
    Serie Figures::*serie;
    QString plancher;
    double cible;
};

const std::array<int, 3> Tailles = {100, 10000, 100000};

// The line of one measure at one size. Showing one saved training, or the
// grid, must not depend on how many there are.
Ligne LigneDe(const Mesure& m, const std::vector<Figures>& figures, std::size_t i)
{
    const Serie& serie = figures[i].*m.serie;
    const bool cible = Tailles[i] == 10000;
    bool tenue = !cible || serie.mediane() < m.cible;
    QString texteCible = cible ? QStringLiteral("< %1 ms").arg(m.cible) : QStringLiteral("–");
    if ((m.serie == &Figures::affichage || m.serie == &Figures::graphe || m.serie == &Figures::bilan) && i > 0) {
        tenue = tenue && serie.mediane() < 2 * (figures[0].*m.serie).mediane() + 1;
        const QString constant = QStringLiteral("comme avec 100");
        texteCible = cible ? texteCible + QStringLiteral(", ") + constant : constant;
    }
    return {m.nom + QStringLiteral(", ") + Taille(Tailles[i]), serie, QStringLiteral("ms"), m.plancher, texteCible, tenue};
}

} // namespace

void MesurerConsultation(Rapport& rapport)
{
    const Planchers p = MesurerPlanchers();
    const QString ms = QStringLiteral("ms");
    const QString fenetre = Nombre(p.fenetre.mediane(), ms), lecture = Nombre(p.lecture.mediane(), ms),
                  ecriture = Nombre(p.ecriture.mediane(), ms);
    std::vector<Figures> figures;
    for (const int n : Tailles)
        figures.push_back(Mesurer(n));
    const Mesure mesures[] = {
        {QStringLiteral("Visionneuse ouverte"), &Figures::ouverture, fenetre, 150},
        {QStringLiteral("Autre entraînement affiché (avec le graphique)"), &Figures::affichage, lecture, 10},
        {QStringLiteral("Graphique de progression redessiné"), &Figures::graphe, lecture, 10},
        {QStringLiteral("Entraînement supprimé (après « Oui »)"), &Figures::suppression, ecriture, 30},
        {QStringLiteral("Entraînement enregistré (3 tables, 30 faits)"), &Figures::enregistrement, ecriture, 20},
        {QStringLiteral("Bilan des tables ouvert"), &Figures::bilan, fenetre, 100},
    };
    for (const Mesure& m : mesures)
        for (std::size_t i = 0; i < figures.size(); ++i)
            rapport.ajouter(LigneDe(m, figures, i));
}
