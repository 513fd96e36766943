// The texts of the results table, the results-present test, and the scale of
// the progress chart's times.
#include "core/results/Progression.h"
#include "core/results/TableauResultats.h"

#include <QTest>

namespace {

const QLocale francais(QLocale::French, QLocale::France);
const QLocale anglais(QLocale::English, QLocale::UnitedStates);

} // namespace

class TestResultats : public QObject
{
    Q_OBJECT

private slots:
    void formatTemps_data()
    {
        QTest::addColumn<double>("secondes");
        QTest::addColumn<QString>("francais");
        QTest::addColumn<QString>("anglais");
        QTest::newRow("zéro") << 0.0 << "0,0" << "0.0";
        QTest::newRow("2,25 arrondi en s'éloignant de zéro") << 2.25 << "2,3" << "2.3";
        QTest::newRow("0,35 jugé sur 15 chiffres") << 0.35 << "0,4" << "0.4";
        QTest::newRow("0,34999") << 0.34999 << "0,3" << "0.3";
        QTest::newRow("0,05") << 0.05 << "0,1" << "0.1";
        QTest::newRow("9,96 passe à 10") << 9.96 << "10,0" << "10.0";
        QTest::newRow("sans séparateur de milliers") << 1234.5 << "1234,5" << "1234.5";
        QTest::newRow("grand") << 123456.75 << "123456,8" << "123456.8";
        QTest::newRow("tiers") << 1.0 / 3.0 << "0,3" << "0.3";
    }
    void formatTemps()
    {
        QFETCH(double, secondes);
        QFETCH(QString, francais);
        QFETCH(QString, anglais);
        QCOMPARE(FormatTemps(secondes, ::francais), francais);
        QCOMPARE(FormatTemps(secondes, ::anglais), anglais);
    }

    void colonnesEtTotaux()
    {
        // Table 2: two right first tries taking 2.0 s and 2.5 s. Table 5: 3
        // questions, none right at the first try, 2 later, 1 given. Table 9:
        // a long session, far beyond 32767 tenths. Table 12: one right first
        // try within the first tenth.
        CompteursLivrets c;
        c.NbQuestionParLivret = {2, 0, 0, 3, 0, 0, 0, 10, 0, 0, 1};
        c.NbQuestionEssai1 = {2, 0, 0, 0, 0, 0, 0, 10, 0, 0, 1};
        c.TempsTotalEssai1 = {45, 0, 0, 0, 0, 0, 0, 400000, 0, 0, 0};
        c.NbQuestionEssai2 = {0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0};
        c.NbQuestionRéponse = {0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0};
        const TextesResultats t = TextesDuTableau(c, francais);
        // Rows top to bottom: questions, first try, time, later try, given; tables 2, 5, 9 and 12.
        QStringList lignes;
        for (const auto& ligne : t.cellules)
            lignes << QStringList{ligne[0], ligne[3], ligne[7], ligne[10]}.join('|');
        QCOMPARE(lignes, (QStringList{"2|3|10|1", "2||10|1", "2,3||4000,0|0,0", "|2||", "|1||"}));
        // The mean over all right first tries, not the mean of the means.
        QCOMPARE(QStringList(t.totaux.begin(), t.totaux.end()), (QStringList{"16", "13", "3077,3", "2", "1"}));
    }

    void resultatsPresents()
    {
        // The questions total, read as a number: empty reads as 0.
        for (const auto& [total, presents] : QList<QPair<QString, bool>>{
                 {"", false}, {"0", false}, {"1", true}, {"12 questions", true}, {"abc", false}})
            QVERIFY2(TotalQuestionsPositif(total) == presents, qPrintable(total));
    }

    void echelleDesTemps()
    {
        // The longest mean time of a right first try, in tenths, and the top of
        // the scale: 1, 2 or 5 times a power of ten, at or above it.
        for (const auto& [dixiemes, echelle] : QList<QPair<int, double>>{
                 {0, 1}, {10, 1}, {11, 2}, {20, 2}, {50, 5}, {51, 10}, {12000, 2000}}) {
            Progression p;
            p.points = {{"2026-03-14 10:00:00", 2, 1, 5, false}, {"2026-03-15 10:00:00", 3, 1, dixiemes, true},
                        {"2026-03-16 10:00:00", 0, 0, 0, false}};
            QVERIFY2(p.echelleTemps() == echelle, qPrintable(QString("%1 : %2").arg(dixiemes).arg(p.echelleTemps())));
        }
    }
};

QTEST_GUILESS_MAIN(TestResultats)
#include "tst_resultats.moc"
