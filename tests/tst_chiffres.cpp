// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the pages on paper compute, without a window or a store: the facts
// that became automatisé in a period, the tables automatisé and the day they
// became so, the figures of a period, the facts to review first, the name of
// the account and the class's period in words.
#include "core/papier/PageClasse.h"
#include "core/papier/Rapport.h"
#include "core/platform/Compte.h"
#include "core/results/Automatisation.h"
#include "core/results/ChiffresPeriode.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDate Lundi(2026, 11, 30);

// Settlings written "1/24@2 3/90@5": the issue (1 right at the first try, 2
// at a later one, 3 the answer given) and its tenths, on that day from Lundi.
QList<Reglement> Reglements(const QString& texte)
{
    QList<Reglement> r;
    for (const QString& mot : texte.split(' ', Qt::SkipEmptyParts))
        r.append({Lundi.addDays(mot.section('@', 1).toInt()), Issue(mot.section('/', 0, 0).toInt()),
                  mot.section('/', 1).section('@', 0, 0).toInt()});
    return r;
}

// The history of those settlings made before that day (all of them without one).
HistoireFait Histoire(const QList<Reglement>& reglements, const QDate& avant = {})
{
    HistoireFait h;
    for (const Reglement& r : reglements)
        if (!avant.isValid() || r.jour < avant)
            h.Ajouter(r);
    return h;
}

// Three right first tries in 2.0 s on that day: automatisé.
void Automatiser(Bilan& bilan, int livret, int multiplicateur, int jour = 0)
{
    for (const Reglement& r : Reglements(QString("1/20@%1 1/20@%1 1/20@%1").arg(jour)))
        bilan.fait(livret, multiplicateur).Ajouter(r);
}

} // namespace

class TestChiffres : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    // The period starts on day 3.
    void devenuAutomatise_data()
    {
        QTest::addColumn<QString>("reglements");
        QTest::addColumn<bool>("devenu");
        QTest::newRow("trois rapides dans la période") << "1/20@3 1/25@4 1/30@5" << true;
        QTest::newRow("deux avant, le troisième dedans") << "1/20@1 1/20@2 1/20@3" << true;
        QTest::newRow("automatisé avant, encore à la fin") << "1/20@0 1/20@1 1/20@2 1/20@4" << false;
        QTest::newRow("automatisé avant, perdu puis retrouvé") << "1/20@0 1/20@1 1/20@2 2/50@3 1/20@3 1/20@4 1/20@5"
                                                              << false;
        QTest::newRow("devenu puis perdu dans la période") << "1/20@3 1/20@3 1/20@3 3/90@4" << false;
        QTest::newRow("acquis, trop lent") << "1/20@3 1/31@4 1/20@5" << false;
        QTest::newRow("en cours") << "1/20@3 1/20@4" << false;
        QTest::newRow("jamais vu") << "" << false;
        QTest::newRow("3,0 s compte encore") << "1/30@3 1/30@3 1/30@3" << true;
    }
    void devenuAutomatise()
    {
        QFETCH(QString, reglements);
        QFETCH(bool, devenu);
        const QList<Reglement> r = Reglements(reglements);
        QCOMPARE(DevenuAutomatise(Histoire(r, Lundi.addDays(3)), Histoire(r)), devenu);
    }

    void faitsEtLivretsDevenusAutomatises()
    {
        Bilan avant;
        for (int m = 1; m <= 9; ++m)
            Automatiser(avant, 7, m);
        Automatiser(avant, 3, 4);
        Bilan apres = avant;
        Automatiser(apres, 7, 10, 1);
        Automatiser(apres, 12, 12, 1);
        Automatiser(apres, 3, 4, 1);
        QCOMPARE(FaitsDevenusAutomatises(avant, apres), (QList<Question>{{10, 7}, {12, 12}}));
        QCOMPARE(LivretsDevenusAutomatises(avant, apres, 10), QList<int>{7});
        QCOMPARE(LivretsDevenusAutomatises(avant, apres, 12), QList<int>{});
        QCOMPARE(DiplomesGagnes(apres), (QList<DiplomeGagne>{{7, 10}}));
        // 11 and 12 as well: the save of the 1-12 range earns the twelve.
        Bilan douze = apres;
        Automatiser(douze, 7, 11, 2);
        Automatiser(douze, 7, 12, 2);
        QCOMPARE(LivretsDevenusAutomatises(apres, douze, 12), QList<int>{7});
        QCOMPARE(LivretsDevenusAutomatises(apres, douze, 10), QList<int>{});
        QCOMPARE(DiplomesGagnes(douze), (QList<DiplomeGagne>{{7, 12}}));
        QVERIFY(!DiplomeDe(douze, 3));
    }

    // Table 2 from 1 to 10, each fact on its day; then 4 x 2 is missed and
    // found again. The day its facts last all became automatisé.
    void jourAutomatise_data()
    {
        QTest::addColumn<QString>("suite");
        QTest::addColumn<int>("multMax");
        QTest::addColumn<int>("jour");   // from Lundi; -1: none
        QTest::newRow("le dernier le jour 9") << "" << 10 << 9;
        QTest::newRow("11 et 12 jamais vus") << "" << 12 << -1;
        QTest::newRow("perdu puis retrouvé le jour 12") << "4:2/40@11 4:1/20@12 4:1/20@12 4:1/20@12" << 10 << 12;
        QTest::newRow("perdu à la fin") << "4:1/20@11 4:3/90@12" << 10 << -1;
        QTest::newRow("un autre multiplicateur n'y change rien") << "11:3/90@12" << 10 << 9;
    }
    void jourAutomatise()
    {
        QFETCH(QString, suite);
        QFETCH(int, multMax);
        QFETCH(int, jour);
        QList<ReglementLivret> reglements;
        for (int m = 1; m <= 10; ++m)
            for (const Reglement& r : Reglements(QString("1/20@%1 1/20@%1 1/25@%1").arg(m - 1)))
                reglements.append({m, r});
        for (const QString& mot : suite.split(' ', Qt::SkipEmptyParts))
            reglements.append({mot.section(':', 0, 0).toInt(), Reglements(mot.section(':', 1)).first()});
        QCOMPARE(JourAutomatise(reglements, multMax), jour < 0 ? QDate() : Lundi.addDays(jour));
    }

    // Days 0 to 9 from Lundi; the 7 days end on day 9.
    void chiffresDUnePeriode()
    {
        const QList<ActiviteJour> activite = {
            {Lundi.addDays(1), 40, 30, 6000}, {Lundi.addDays(3), 0, 0, 0}, {Lundi.addDays(4), 20, 5, 2999},
            {Lundi.addDays(9), 20, 15, 3000}, {Lundi.addDays(10), 99, 99, 99999}};
        Bilan avant, apres;
        Automatiser(apres, 5, 5, 8);
        Automatiser(apres, 6, 5, 8);
        const ChiffresPeriode semaine = Chiffres(activite, DebutDerniersJours(Lundi.addDays(9), 7), Lundi.addDays(9),
                                                 avant, apres);
        QCOMPARE(semaine.debut, Lundi.addDays(3));
        QCOMPARE(semaine.jours, 2);
        QCOMPARE(semaine.questions, 40);
        QCOMPARE(semaine.essai1, 20);
        QCOMPARE(semaine.minutes(), 10);   // 599.9 s
        QCOMPARE(semaine.part(), 50.0);
        QCOMPARE(semaine.devenusAutomatises, 2);
        const ChiffresPeriode vide = Chiffres({}, Lundi, Lundi, apres, apres);
        QCOMPARE(QList<qint64>({vide.jours, vide.questions, vide.minutes(), vide.devenusAutomatises}),
                 QList<qint64>({0, 0, 0, 0}));
        QCOMPARE(vide.part(), 0.0);
    }

    void faitsAReviser()
    {
        Bilan bilan;
        const auto regler = [&](int livret, int m, const QString& texte) {
            for (const Reglement& r : Reglements(texte))
                bilan.fait(livret, m).Ajouter(r);
        };
        regler(8, 7, "3/90@0 2/40@1 1/20@2");        // en cours, two misses
        regler(3, 3, "1/20@0");                      // en cours, none
        regler(9, 6, "2/40@1");                      // à revoir, one
        regler(7, 8, "3/90@0 3/90@1 2/50@2");        // à revoir, three
        regler(2, 2, "1/20@0 1/20@1 1/20@2");        // automatisé: not to review
        regler(4, 6, "1/40@0 1/40@1 1/40@2");        // acquis: neither
        QCOMPARE(FaitsAReviser(bilan), (QList<FaitAReviser>{{7, 8, EtatFait::ARevoir, 3}, {9, 6, EtatFait::ARevoir, 1},
                                                           {8, 7, EtatFait::EnCours, 2}, {3, 3, EtatFait::EnCours, 0}}));
        QCOMPARE(FaitsAReviser(bilan, 2).size(), 2);
        for (int m = 1; m <= 12; ++m)
            regler(12, m, "3/90@3");
        QCOMPARE(FaitsAReviser(bilan).size(), NbFaitsAReviser);
        QCOMPARE(FaitsAReviser(bilan).last(), (FaitAReviser{12, 8, EtatFait::ARevoir, 1}));
    }

    // The grid's counts, the two periods, the facts and the chart together.
    void rapport()
    {
        LecturesRapport lu;
        Automatiser(lu.bilan, 7, 3, 20);
        Automatiser(lu.bilan, 7, 4, 2);
        lu.avantMois = lu.bilan;
        lu.avantMois.fait(7, 4) = {};
        lu.avantSemaine = lu.bilan;
        lu.activite = {{Lundi.addDays(2), 10, 8, 600}, {Lundi.addDays(20), 6, 6, 120}};
        lu.derniers = {{"2026-12-02 10:00:00", 10, 8, 200, false}};
        const RapportEnfant r = ComposerRapport("Léa", Lundi.addDays(20), lu);
        QCOMPARE(r.parEtat, (std::array<int, NbEtatsFait>{130, 0, 0, 0, 2}));
        QCOMPARE(r.etat(7, 3), EtatFait::Automatise);
        QCOMPARE(QList<int>({r.semaine.jours, r.semaine.devenusAutomatises, r.mois.jours, r.mois.devenusAutomatises}),
                 QList<int>({1, 0, 2, 1}));
        QCOMPARE(r.mois.minutes(), 1);
        QCOMPARE(r.progression.points.size(), 1);
        QCOMPARE(r.progression.livret, TousLesLivrets);
    }

    void nomDuCompte_data()
    {
        QTest::addColumn<QString>("gecos");
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("nom");
        QTest::newRow("nom complet") << "Léa Martin,,," << "lea" << "Léa Martin";
        QTest::newRow("sans virgules") << "Tom Petit" << "tom" << "Tom Petit";
        QTest::newRow("vide") << "" << "zoe" << "zoe";
        QTest::newRow("que des virgules") << ",,," << "zoe" << "zoe";
        QTest::newRow("des blancs") << "  ,bureau 3" << "zoe" << "zoe";
        QTest::newRow("& pour le compte") << "& Dupont,," << "jean" << "Jean Dupont";
    }
    void nomDuCompte()
    {
        QFETCH(QString, gecos);
        QFETCH(QString, login);
        QFETCH(QString, nom);
        QCOMPARE(NomAffiche(gecos, login), nom);
        QVERIFY(!NomDuCompte().isEmpty());
    }

    // Wednesday 9 December 2026.
    void periodeDeLaClasse_data()
    {
        QTest::addColumn<int>("periode");
        QTest::addColumn<QString>("texte");
        QTest::newRow("semaine") << 0 << "Cette semaine, du 07/12/2026 au 09/12/2026";
        QTest::newRow("mois") << 1 << "Ce mois-ci, du 01/12/2026 au 09/12/2026";
        QTest::newRow("tout") << 2 << "Depuis le début, jusqu'au 09/12/2026";
    }
    void periodeDeLaClasse()
    {
        QFETCH(int, periode);
        QFETCH(QString, texte);
        QCOMPARE((PageClasse{"La classe cm1a", Periode(periode), QDate(2026, 12, 9), {}, {}}.textePeriode()), texte);
    }
};

QTEST_GUILESS_MAIN(TestChiffres)
#include "tst_chiffres.moc"
