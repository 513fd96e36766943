// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The verbs of the results store, the same on the file and on the school's
// server (this program runs against each): a save with its facts read back,
// the list of saved trainings, same-second saves, deletions, the progress
// chart and the grid of the facts.
#include "Magasin.h"
#include "Outils.h"
#include "core/results/DateHeure.h"
#include "core/storage/MagasinResultats.h"

#include <QTest>

namespace {

const QDateTime Moment(QDate(2026, 12, 4), QTime(17, 30, 5), Qt::UTC);
const QString DatePremier = TexteBase(Moment), DatePrise = TexteBase(Moment.addSecs(1)),
              DateSecond = TexteBase(Moment.addSecs(2));

// Table t: questions settled as the facts say, all with the options given.
struct Enregistrement
{
    QList<Fait> faits;
    Resultats resultats() const { return ResultatsDesComptes(ComptesDesFaits(faits), true, false); }
};

const Enregistrement Premier{{{7, 3, Issue::Essai1, 1, 24}, {7, 4, Issue::Essai2, 2, 61}, {3, 8, Issue::Essai1, 1, 18}}};
const Enregistrement Second{{{7, 4, Issue::Essai1, 1, 20}, {7, 9, Issue::Reponse, 3, 95}}};

// Two programs saving in the same second, the next one taken already by a
// saved training: each save its own date and time (DatePremier, then DateSecond).
void DeuxEnregistrements(MagasinResultats& magasin)
{
    MagasinResultats autre("autre");
    Magasin::ajouter(DatePrise + "|1|1|9|1|1|10|0|0");
    QCOMPARE(magasin.EcrireResultats(Premier.resultats(), Premier.faits, Moment), ProblemeBase::Aucun);
    QCOMPARE(autre.EcrireResultats(Second.resultats(), Second.faits, Moment), ProblemeBase::Aucun);
}

} // namespace

class TestMagasin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { PreparerFenetres(); }

    // Saved, listed, read back with their options, counts, times and facts.
    void enregistrerEtRelire()
    {
        DossierProgramme dossier;
        MagasinResultats magasin("test");
        QCOMPARE(magasin.Verifier(), ProblemeBase::Aucun);
        QCOMPARE(magasin.serveur(), Magasin::SurServeur());
        QVERIFY(!magasin.ContientDesResultats().valeur);
        DeuxEnregistrements(magasin);
        QCOMPARE(magasin.LireDates().valeur, (QStringList{DateSecond, DatePremier, DatePrise}));
        QVERIFY(magasin.ContientDesResultats().valeur);

        const Resultats lus = magasin.LireResultats(DatePremier).valeur;
        QCOMPARE(ComptesDesResultats(lus), ComptesDesFaits(Premier.faits));
        QCOMPARE(lus[5].TempsTotalEssai1, 24);
        QVERIFY(lus[5].Multiplicateur1a12 && lus[5].Aléatoire == 0);
        QCOMPARE(Magasin::faitsDe(DatePremier), Premier.faits);
    }

    // The chart, table 7: the saved trainings up to the second, the first
    // without it; the grid: 4 x 7 missed, then right at once.
    void progressionEtBilan()
    {
        DossierProgramme dossier;
        MagasinResultats magasin("test");
        DeuxEnregistrements(magasin);
        const QList<PointProgression> points = magasin.LireProgression(DateSecond, 7).valeur;
        QCOMPARE(points.size(), 3);
        QCOMPARE(points[0].comptes.NbQuestionParLivret, 0);
        QCOMPARE(points[1].comptes, ComptesDesResultats(Premier.resultats())[5]);
        QCOMPARE(points[2].comptes, ComptesDesResultats(Second.resultats())[5]);
        QVERIFY(points[2].choisi && !points[1].choisi);

        const Lecture<Bilan> bilan = magasin.LireBilan();
        QVERIFY(bilan);
        QCOMPARE(Evaluer(bilan.valeur.fait(7, 4)).etat, EtatFait::EnCours);
        QCOMPARE(Evaluer(bilan.valeur.fait(7, 9)).etat, EtatFait::ARevoir);
        QCOMPARE(Evaluer(bilan.valeur.fait(3, 8)).serie, 1);
    }

    // A deletion takes the rows and the facts; a second finds nothing.
    void supprimer()
    {
        DossierProgramme dossier;
        MagasinResultats magasin("test");
        DeuxEnregistrements(magasin);
        QCOMPARE(magasin.SupprimerEntrainement(DatePremier), ProblemeBase::Aucun);
        QCOMPARE(magasin.SupprimerEntrainement(DatePremier), ProblemeBase::Introuvable);
        QCOMPARE(magasin.LireDates().valeur, (QStringList{DateSecond, DatePrise}));
        QVERIFY(Magasin::faitsDe(DatePremier).isEmpty());
        QCOMPARE(Magasin::faitsDe(DateSecond), Second.faits);
    }
};

QTEST_MAIN(TestMagasin)
#include "tst_magasin.moc"
