// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The texts of the results table, the scale of
// the progress chart's times, the rules of the grid of the facts, and the
// teacher's periods, class line and export.
#include "core/results/Bilan.h"
#include "core/results/Classe.h"
#include "core/results/Progression.h"
#include "core/results/TableauResultats.h"

#include <QTest>

using namespace Qt::StringLiterals;

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
        ComptesLivrets c;
        c[0] = {2, 2, 0, 0, 45};
        c[3] = {3, 0, 2, 1, 0};
        c[7] = {10, 10, 0, 0, 400000};
        c[10] = {1, 1, 0, 0, 0};
        const TextesResultats t = TextesDuTableau(c, francais);
        // Rows top to bottom: questions, first try, time, later try, given; tables 2, 5, 9 and 12.
        QStringList lignes;
        for (const auto& ligne : t.cellules)
            lignes << QStringList{ligne[0], ligne[3], ligne[7], ligne[10]}.join('|');
        QCOMPARE(lignes, (QStringList{"2|3|10|1", "2||10|1", "2,3||4000,0|0,0", "|2||", "|1||"}));
        // The mean over all right first tries, not the mean of the means.
        QCOMPARE(QStringList(t.totaux.begin(), t.totaux.end()), (QStringList{"16", "13", "3077,3", "2", "1"}));
    }

    void echelleDesTemps()
    {
        // The longest mean time of a right first try, in tenths, and the top of
        // the scale: 1, 2 or 5 times a power of ten, at or above it.
        for (const auto& [dixiemes, echelle] : QList<QPair<int, double>>{
                 {0, 1}, {10, 1}, {11, 2}, {20, 2}, {50, 5}, {51, 10}, {12000, 2000}}) {
            Progression p;
            p.points = {{"2026-03-14 10:00:00", {2, 1, 1, 0, 5}, false},
                        {"2026-03-15 10:00:00", {3, 1, 2, 0, dixiemes}, true}, {"2026-03-16 10:00:00", {}, false}};
            QVERIFY2(p.echelleTemps() == echelle, qPrintable(QString("%1 : %2").arg(dixiemes).arg(p.echelleTemps())));
        }
    }

    void etatsDesFaits_data()
    {
        // Settlings oldest first, a day apart from 1 December on: "1" right at
        // the first try (its tenths after ":"), "2" at a later try, "3" given.
        // The day it comes back is its pair's due day by FSRS-6; at once when
        // it is à revoir.
        QTest::addColumn<QString>("reglements");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<bool>("duLe3");
        const QString f = "7 x 8 = 56 : ";
        QTest::newRow("jamais vu") << "" << f + "jamais vu" << false;
        QTest::newRow("donné") << "3" << f + "à revoir ; dernière fois le 01/12/2026 ; à revoir le 01/12/2026" << true;
        QTest::newRow("en cours") << "1:24" << f + "en cours, 1 fois de suite du premier coup ; dernière fois le "
                                                   "01/12/2026 ; 2,4 s en moyenne ; à revoir le 03/12/2026" << true;
        QTest::newRow("dû juste le jour dit") << "2 1:10 1:10" << f + "en cours, 2 fois de suite du premier coup ; "
                                                 "dernière fois le 03/12/2026 ; 1,0 s en moyenne ; à revoir le 07/12/2026"
                                              << false;
        QTest::newRow("troisième: automatisé à 3,0 s") << "1:30 1:30 1:30" << f + "automatisé, 3 fois de suite du "
                                                          "premier coup ; dernière fois le 03/12/2026 ; 3,0 s en moyenne ; "
                                                          "à revoir le 15/12/2026" << false;
        QTest::newRow("le plus lent avant les trois derniers") << "1:31 1:10 1:10 1:10" << f + "automatisé, 4 fois de suite du premier coup ; "
                                           "dernière fois le 04/12/2026 ; 1,0 s en moyenne ; à revoir le 15/12/2026"
                                        << false;
        QTest::newRow("acquis") << "1:10 1:31 1:10 1:10" << f + "acquis, 4 fois de suite du premier coup ; dernière fois "
                                   "le 04/12/2026 ; 1,7 s en moyenne ; à revoir le 16/12/2026" << false;
        QTest::newRow("boîte 5") << "2 1:5 1:5 1:5 1:5 1:5 1:5" << f + "automatisé, 6 fois de suite du premier coup ; "
                                    "dernière fois le 07/12/2026 ; 0,5 s en moyenne ; à revoir le 21/12/2026" << false;
        QTest::newRow("manqué après cinq") << "1:5 1:5 1:5 1:5 1:5 2" << f + "à revoir ; dernière fois le 06/12/2026 ; "
                                              "à revoir le 06/12/2026" << false;
    }

    void etatsDesFaits()
    {
        QFETCH(QString, reglements);
        QFETCH(QString, detail);
        QFETCH(bool, duLe3);
        Bilan bilan;
        QDate jour(2026, 12, 1);
        for (const QString& r : reglements.split(' ', Qt::SkipEmptyParts)) {
            const Fait fait{8, 7, Issue(r.left(1).toInt()), 1, qint32(r.section(':', 1).toInt())};
            bilan.Ajouter({fait, {8, 6, Issue::Essai1, 1, 0}}, jour);   // another fact between
            jour = jour.addDays(1);
        }
        const SituationFait s = bilan.Situation(8, 7);
        QCOMPARE(DetailFait(8, 7, s, francais), detail);
        QCOMPARE(s.du(QDate(2026, 12, 3)), duLe3);
    }

    void faitsARevoir()
    {
        // Due on 6 December, the 8th and the 16th: what is to review; the table
        // ticked only, multipliers up to 10. 4 x 7 comes back two days after
        // its first right answer, 3 x 7, two in a row, eleven days after.
        Bilan bilan;
        const QDate jour(2026, 12, 5);
        bilan.Ajouter({{7, 2, Issue::Essai2, 2, 50}, {7, 3, Issue::Essai1, 1, 20}, {7, 11, Issue::Reponse, 3, 90},
                       {3, 5, Issue::Reponse, 3, 90}},
                      jour.addDays(-2));
        bilan.Ajouter({{7, 3, Issue::Essai1, 1, 20}, {7, 4, Issue::Essai1, 1, 20}, {7, 9, Issue::Essai2, 2, 20}}, jour);
        Coches coches{};
        coches[7 - PremierLivret] = true;
        for (const auto& [jours, attendus] :
             QList<QPair<int, QString>>{{1, "2x7 9x7"}, {3, "2x7 4x7 9x7"}, {11, "2x7 3x7 4x7 9x7"}}) {
            QStringList faits;
            for (const Question& q : FaitsARevoir(bilan, coches, 10, jour.addDays(jours)))
                faits << QStringLiteral("%1x%2").arg(q.multiplicateur).arg(q.livret);
            QCOMPARE(faits.join(' '), attendus);
        }
    }

    void classe()
    {
        // Weeks begin on Monday, whatever the machine's language.
        const QDate dimanche(2026, 12, 13);
        QCOMPARE(DebutPeriode(Periode::Semaine, dimanche), QDate(2026, 12, 7));
        QCOMPARE(DebutPeriode(Periode::Semaine, QDate(2026, 12, 7)), QDate(2026, 12, 7));
        QCOMPARE(DebutPeriode(Periode::Mois, dimanche), QDate(2026, 12, 1));
        QVERIFY(!DebutPeriode(Periode::Tout, dimanche).isValid());

        // The most pupils first, then by table and multiplier; five named at most.
        QList<Bilan> bilans(3);
        for (Bilan& b : bilans)
            b.Ajouter({{9, 6, Issue::Reponse, 3, 90}}, dimanche);
        bilans[0].Ajouter({{3, 4, Issue::Essai2, 2, 40}, {5, 7, Issue::Essai1, 1, 20}}, dimanche);
        bilans[1].Ajouter({{5, 7, Issue::Essai2, 2, 40}, {2, 2, Issue::Reponse, 3, 40}, {2, 3, Issue::Reponse, 3, 40},
                           {2, 4, Issue::Reponse, 3, 40}}, dimanche);
        QCOMPARE(LigneARevoir(FaitsLesPlusARevoir(bilans)),
                 u"À revoir le plus souvent : 6 x 9 (3 élèves), 2 x 2 (1 élève), 3 x 2 (1 élève), 4 x 2 (1 élève), "
                 "4 x 3 (1 élève)…"_s);
        QCOMPARE(LigneARevoir({}), u"Aucune multiplication n'est à revoir dans la classe."_s);

        // A name that a spreadsheet would run as a formula stays text; a field
        // with the separator is quoted.
        EleveClasse e{"=HYPERLINK(\"x\")", "cm1;a", "", {}};
        e.livrets[0] = {3, 1, 1, 1, 25};
        const QList<QByteArray> csv = CsvClasse({e}, QDate(2026, 12, 7)).split('\n');
        QCOMPARE(csv.size(), NbLivrets + 2);
        QCOMPARE(csv[1], "\"'=HYPERLINK(\"\"x\"\")\";\"cm1;a\";07/12/2026;;2;3;1;33,3;2,5;1;1\r");
        QCOMPARE(csv[2], "\"'=HYPERLINK(\"\"x\"\")\";\"cm1;a\";07/12/2026;;3;0;0;;;0;0\r");
    }

    // No field of the export starts a formula, whatever a name holds: each
    // character that would start one (and its full-width or small form) is
    // kept as text by a leading quote. A last training that is not a date is
    // not exported.
    void exportSansFormule_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QByteArray>("champ");
        for (const QString& debut : {u"="_s, u"+"_s, u"-"_s, u"@"_s, u"\uFF1D"_s, u"\uFF0B"_s, u"\uFF0D"_s, u"\uFF20"_s,
                                    u"\uFE66"_s, u"\uFE62"_s, u"\uFE63"_s, u"\uFE6B"_s})
            QTest::newRow(qPrintable(debut)) << debut + "SUM(1+1)" << ("'" + debut + "SUM(1+1)").toUtf8();
        QTest::newRow("tabulation") << u"\tcalc"_s << QByteArray("'\tcalc");
        QTest::newRow("retour chariot") << u"\rcalc"_s << QByteArray("\"'\rcalc\"");
        QTest::newRow("texte") << u"lea"_s << QByteArray("lea");
    }
    void exportSansFormule()
    {
        QFETCH(QString, texte);
        QFETCH(QByteArray, champ);
        EleveClasse e{texte, texte, texte, {}};
        const QByteArray ligne = CsvClasse({e}, {}).split('\n').at(1);
        QVERIFY(ligne.startsWith(champ + ';' + champ + ";;;2;"));   // a date that is no date is left out
    }
};

QTEST_GUILESS_MAIN(TestResultats)
#include "tst_resultats.moc"
