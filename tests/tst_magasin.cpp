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

// The same memory of each pair, and of as many facts.
bool MemesPaires(const MemoirePaires& a, const MemoirePaires& b)
{
    for (int p = 0; p < Paires::Nb; ++p)
        if (!(a.paire(p) == b.paire(p)))
            return false;
    return a.nbFaits() == b.nbFaits();
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

    // The memory of the pairs that « Du jour » plans with and the grid's due
    // days come from: every fact of the user's saved trainings replayed,
    // after saves and deletions. A file keeps it once a read has replayed a
    // thousand facts or more, so that the next replays only those saved
    // since; the school's server keeps nothing.
    void memoireDesPaires()
    {
        DossierProgramme dossier;
        MagasinResultats magasin("test");
        QCOMPARE(magasin.LireMemoire().valeur.memoire, MemoirePaires());
        QCOMPARE(magasin.EcrireResultats(Premier.resultats(), Premier.faits, Moment), ProblemeBase::Aucun);
        QCOMPARE(magasin.EcrireResultats(Second.resultats(), Second.faits, Moment.addDays(2)), ProblemeBase::Aucun);
        Lecture<MemoireLue> lue = magasin.LireMemoire();
        QVERIFY(lue && MemesPaires(lue.valeur.memoire, Magasin::memoire()));
        QCOMPARE(lue.valeur.rejoues, 5);
        QCOMPARE(magasin.LireBilan().valeur.memoire(), lue.valeur.memoire);

        QList<QVariantList> mille;
        for (int i = 0; i < 1000; ++i)
            mille.append({TexteBase(Moment.addDays(3 + i / 100)), 2 + i % 11, 1 + i % 12, 1 + i % 3, 1 + i % 3, 20});
        Magasin::ajouterFaits(mille);
        lue = magasin.LireMemoire();
        QVERIFY(MemesPaires(lue.valeur.memoire, Magasin::memoire()));
        QCOMPARE(lue.valeur.rejoues, 1005);
        const qint64 gardes = Magasin::SurServeur() ? 0 : 1005;
        QCOMPARE(magasin.LireMemoire().valeur.rejoues, 1005 - gardes);
        QCOMPARE(magasin.EcrireResultats(Premier.resultats(), Premier.faits, Moment.addDays(20)), ProblemeBase::Aucun);
        lue = magasin.LireMemoire();
        QVERIFY(MemesPaires(lue.valeur.memoire, Magasin::memoire()));
        QCOMPARE(lue.valeur.rejoues, 1008 - gardes);

        QCOMPARE(magasin.SupprimerEntrainement(TexteBase(Moment)), ProblemeBase::Aucun);
        lue = magasin.LireMemoire();
        QVERIFY(MemesPaires(lue.valeur.memoire, Magasin::memoire()));
        QCOMPARE(lue.valeur.rejoues, 1005);
        QCOMPARE(magasin.LireMemoire().valeur.rejoues, Magasin::SurServeur() ? 1005 : 0);
    }
};

QTEST_MAIN(TestMagasin)
#include "tst_magasin.moc"
