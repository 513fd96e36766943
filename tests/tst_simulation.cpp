// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The simulated child of the benchmarks: its memory against the values
// published for the model (Pavlik & Anderson 2005, as the ACT-R spacing
// module's own test gives them) and at its limits, the children drawn from
// their seeds, and a few simulated days in front of Calkado, with every way
// of training and profile, so that the instrument keeps working. The
// figures themselves are the benchmark's, never asserted here.
#include "Enfant.h"
#include "Magasin.h"
#include "Memoire.h"
#include "Outils.h"
#include "Simulation.h"

#include <QProcess>
#include <QTest>
#include <cmath>
#include <map>
#include <set>

namespace {

// srs-benchmark's full precision of the published parameters.
ParametresActr PleinePrecision()
{
    ParametresActr p;
    p.a = 0.176786766570677;
    p.c = 0.216967308403809;
    p.s = 0.254893976981164;
    p.tau = -0.704205679427144;
    return p;
}

// The published schedule: presentations at 0, 126, 252 and 4844 s of one session.
Memoire Publiee(const ParametresActr& parametres)
{
    Memoire memoire(parametres, 1);
    for (const double t : {0.0, 126.0, 252.0, 4844.0})
        memoire.Presenter(0, t);
    return memoire;
}

} // namespace

Q_DECLARE_METATYPE(ParametresActr)

class TestSimulation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The results file of the working folder, whatever this machine's
        // configuration names.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configuration.path()));
        qputenv("CALKADO_CONFIGURATION_SYSTEME", QFile::encodeName(configuration.filePath(QStringLiteral("aucune"))));
    }

    void valeursPubliees_data()
    {
        QTest::addColumn<ParametresActr>("parametres");
        QTest::addColumn<double>("activation");
        QTest::addColumn<double>("rappel");   // NaN: none published
        QTest::addColumn<double>("precision");
        ParametresActr simple;
        simple.a = 0.5;
        simple.c = 0;
        // The published value has eight digits; a double carries the rounded
        // parameters to −0.618736082.
        QTest::newRow("publiée") << ParametresActr() << -0.61873615 << qQNaN() << 1e-7;
        QTest::newRow("ACT-R sans l'espacement (c = 0, a = 0,5)") << simple << -2.649625 << qQNaN() << 1e-6;
        QTest::newRow("pleine précision") << PleinePrecision() << -0.6174756722 << 0.5842534715 << 1e-10;
    }
    void valeursPubliees()
    {
        QFETCH(ParametresActr, parametres);
        QFETCH(double, activation);
        QFETCH(double, rappel);
        QFETCH(double, precision);
        const Memoire memoire = Publiee(parametres);
        const double m = memoire.Activation(0, 5877);
        QVERIFY2(std::abs(m - activation) < precision, qPrintable(QString::number(m, 'g', 12)));
        if (!std::isnan(rappel))
            QVERIFY(std::abs(memoire.Rappel(m) - rappel) < precision);
    }

    void activationAvantChaquePresentation()
    {
        // Published with the value above: the activation just before each
        // presentation fixes its decay, 0.177 for the first, then
        // 0.2691922, 0.31757548, 0.26249582.
        Memoire memoire(ParametresActr(), 1);
        const double avant[] = {-qInf(), -0.8560219, -0.43415272, -0.9314301};
        const double temps[] = {0, 126, 252, 4844};
        for (int i = 0; i < 4; ++i) {
            const double m = memoire.Activation(0, temps[i]);
            QVERIFY(i == 0 ? std::isinf(m) && m < 0 : std::abs(m - avant[i]) < 1e-7);
            memoire.Presenter(0, temps[i]);
        }
    }

    void tempsPsychologique_data()
    {
        QTest::addColumn<double>("jours");
        QTest::addColumn<double>("activation");
        QTest::addColumn<double>("rappel");
        QTest::newRow("le lendemain") << 1.0 << -0.81332 << 0.39459;
        QTest::newRow("30 jours après") << 30.0 << -1.56760 << 0.03270;
    }
    void tempsPsychologique()
    {
        // Three presentations a minute apart, then the time between sessions
        // at h = 0.025 of its value; tested that many days after the first.
        QFETCH(double, jours);
        QFETCH(double, activation);
        QFETCH(double, rappel);
        const ParametresActr p = PleinePrecision();
        Memoire memoire(p, 1);
        TempsPsychologique temps(p.h, 0);
        temps.CommencerSeance(0);
        for (const double t : {0.0, 60.0, 120.0})
            memoire.Presenter(0, temps(t));
        temps.TerminerSeance(120);
        const double m = memoire.Activation(0, temps(jours * 86400));
        QVERIFY2(std::abs(m - activation) < 1e-5, qPrintable(QString::number(m, 'g', 10)));
        QVERIFY(std::abs(memoire.Rappel(m) - rappel) < 1e-5);
    }

    void limites()
    {
        const ParametresActr p;
        Memoire memoire(p, 2);
        // Never presented: no activation, no recall, no recall time.
        QVERIFY(std::isinf(memoire.Activation(0, 10)));
        QCOMPARE(memoire.Rappel(memoire.Activation(0, 10)), 0.0);
        QVERIFY(std::isinf(memoire.Latence(memoire.Activation(0, 10))));
        // Presented now: the age counts as 0.05 s. A second presentation at
        // the same instant stays finite and decays faster than the first:
        // a minute later, it adds less than the first still holds.
        memoire.Presenter(0, 10);
        QCOMPARE(memoire.Activation(0, 10), -p.a * std::log(AgeMinimum));
        memoire.Presenter(0, 10);
        QVERIFY(std::isfinite(memoire.Activation(0, 10)));
        QVERIFY(memoire.Activation(0, 70) < std::log(2.0) - p.a * std::log(60.0));
        // A year between two sessions counts as h of a year; within a
        // session it would count in full.
        TempsPsychologique temps(p.h, 0);
        temps.CommencerSeance(0);
        memoire.Presenter(1, temps(0));
        temps.TerminerSeance(0);
        const double annee = 365 * 86400.0;
        QCOMPARE(memoire.Activation(1, temps(annee)), -p.a * std::log(p.h * annee));
        QVERIFY(memoire.Rappel(memoire.Activation(1, temps(annee))) > memoire.Rappel(memoire.Activation(1, annee)));
        // The failure time is the time of a recall at the threshold.
        QCOMPARE(memoire.LatenceEchec(), p.F * std::exp(-p.tau));
    }

    void fragments()
    {
        // 132 facts, 77 memories: a x b and b x a share one, 1 x n is alone.
        std::set<int> tous;
        std::map<int, int> faits;
        for (int livret = 2; livret <= 12; ++livret)
            for (int m = 1; m <= 12; ++m) {
                tous.insert(Fragment(m, livret));
                ++faits[Fragment(m, livret)];
                if (m >= 2)
                    QCOMPARE(Fragment(m, livret), Fragment(livret, m));
            }
        QCOMPARE(int(tous.size()), NbFragments);
        QCOMPARE(*tous.begin(), 0);
        QCOMPARE(*tous.rbegin(), NbFragments - 1);
        for (int livret = 2; livret <= 12; ++livret) {
            QCOMPARE(faits[Fragment(1, livret)], 1);
            QCOMPARE(faits[Fragment(livret, livret)], 1);
        }
    }

    void caracteres()
    {
        // Each child its own a and τ within ±10 %, its typing time within
        // 0.7 to 2.0 s, two or three tables; the same for the same seed.
        const ParametresActr publies;
        std::set<int> livrets;
        for (std::uint64_t graine = 0; graine < 1000; ++graine) {
            const Caractere c = TirerCaractere(graine);
            QVERIFY(c.actr.a >= 0.9 * publies.a && c.actr.a <= 1.1 * publies.a);
            QVERIFY(c.actr.tau <= 0.9 * publies.tau && c.actr.tau >= 1.1 * publies.tau);
            QVERIFY(c.saisie >= 0.7 && c.saisie <= 2.0);
            QCOMPARE(c.actr.c, publies.c);
            QCOMPARE(TirerCaractere(graine).saisie, c.saisie);
            livrets.insert(c.livretsParSeance);
        }
        QCOMPARE(livrets, (std::set<int>{2, 3}));
    }

    void quelquesJours_data()
    {
        QTest::addColumn<int>("facon");
        QTest::addColumn<int>("profil");
        for (std::size_t f = 0; f < Facons().size(); ++f)
            for (std::size_t p = 0; p < Profils().size(); ++p)
                QTest::addRow("%s, %s", qPrintable(Facons()[f].nom), qPrintable(Profils()[p].nom)) << int(f) << int(p);
    }
    void quelquesJours()
    {
        // Three days of a child: every question it settled is saved, with its
        // table's row; each day had its ten minutes, or less when the way
        // had nothing more to do; the same child twice gives the same
        // figures, which its worker's line carries exactly.
        QFETCH(int, facon);
        QFETCH(int, profil);
        Reglages reglages;
        reglages.jours = 3;
        const DossierProgramme dossier(false, false);
        const FaconInscrite& f = Facons()[std::size_t(facon)];
        const Profil& enfant = Profils()[std::size_t(profil)];
        const Parcours p = SimulerEnfant(f, enfant, 7, reglages);
        QVERIFY(p.questions > 0);
        QCOMPARE(Magasin::faits(dossier.base()).size(), p.questions);
        int reglees = 0;
        for (const QString& ligne : Magasin::lignes(dossier.base()))
            reglees += ligne.section(QLatin1Char('|'), 4, 4).toInt();
        QCOMPARE(reglees, p.questions);
        QVERIFY(p.minutes >= 3 * reglages.minutesParJour || !f.journeeEntiere);
        QVERIFY(p.minutes < 3 * (reglages.minutesParJour + 1));
        QCOMPARE(SimulerEnfant(f, enfant, 7, reglages).Ecrire(), p.Ecrire());
        QCOMPARE(Parcours::Lire(p.Ecrire())->Ecrire(), p.Ecrire());
    }

    void travailleurs()
    {
        // The table is the same with one worker process or two.
        QStringList tableaux;
        for (const char* travailleurs : {"1", "2"}) {
            QProcess simulation;
            const QStringList options = {QStringLiteral("--enfants"), QStringLiteral("2"),
                                         QStringLiteral("--jours"), QStringLiteral("2"),
                                         QStringLiteral("--travailleurs"), QString::fromLatin1(travailleurs)};
            simulation.start(QStringLiteral(CALKADO_SIMULATION), options);
            QVERIFY(simulation.waitForFinished(60000));
            QCOMPARE(simulation.exitCode(), 0);
            tableaux << QString::fromUtf8(simulation.readAllStandardOutput());
        }
        QCOMPARE(tableaux[0].count(QLatin1Char('\n')), 2 + qsizetype(Facons().size() * Profils().size()));
        QCOMPARE(tableaux[1], tableaux[0]);
    }

private:
    QTemporaryDir configuration;
};

QTEST_GUILESS_MAIN(TestSimulation)
#include "tst_simulation.moc"
