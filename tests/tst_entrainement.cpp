// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules of a training without its window: the tries with their refusals
// and the answer given, the questions settled and the counts they add up to,
// the draw at random with its pools (the main window's tests play the draw
// in order through), the rounds of a review of mistakes, a source of
// questions of another kind, the phrases chosen by chance, the reading of a
// typed number.
#include "Factices.h"
#include "core/training/Entrainement.h"
#include "core/training/LectureNombre.h"
#include "core/training/Revision.h"

#include <QTest>

namespace {

Coches livrets(std::initializer_list<int> tables)
{
    Coches coches{};
    for (const int table : tables)
        coches[std::size_t(IndexLivret(table))] = true;
    return coches;
}

QString texte(const Question& q)
{
    return QStringLiteral("%1x%2").arg(q.multiplicateur).arg(q.livret);
}

// A training on chance and a clock of the test's own.
struct Banc
{
    HasardFactice hasard;
    HorlogeFactice horloge;
    Entrainement e{hasard, horloge};

    // The answers tested in turn, each as "genre tries", with "+" once the
    // answer may be asked for: "faux 3+".
    QStringList tester(const QStringList& reponses)
    {
        static const QStringList genres = {"vide", "déjà", "juste", "faux"};
        QStringList vus;
        for (const QString& reponse : reponses) {
            const Verdict v = e.TesterReponse(reponse);
            vus << genres.at(int(v.genre)) + " " + QString::number(e.NbEssais()) + (e.ReponsePermise() ? "+" : "");
        }
        return vus;
    }
};

// Asks three questions given, then says the run is over; knows how far it is.
class TroisQuestions : public SourceQuestions
{
public:
    std::optional<Question> Suivante(Tirages&) override
    {
        return posees < 3 ? std::optional<Question>(Question{++posees, 9}) : std::nullopt;
    }
    void Regler(const Fait& fait) override { reglees << fait; }
    bool Terminee() const override { return reglees.size() == 3; }
    std::optional<Avancement> avancement() const override { return Avancement{int(reglees.size()), 3}; }

    int posees = 0;
    QList<Fait> reglees;
};

} // namespace

Q_DECLARE_METATYPE(Comptes)

class TestEntrainement : public QObject
{
    Q_OBJECT

private slots:
    // On 1 x 7: refusals count no try; only the last wrong answer is
    // refused; from the third wrong try on the answer may be asked for.
    void essais_data()
    {
        QTest::addColumn<QStringList>("reponses");
        QTest::addColumn<QStringList>("vus");
        QTest::newRow("vide") << QStringList{""} << QStringList{"vide 0"};
        QTest::newRow("juste du premier coup, zéros devant") << QStringList{"07"} << QStringList{"juste 1"};
        QTest::newRow("le dernier faux refusé, l'avant-dernier compté")
            << QStringList{"40", "040", "41", "40", "41", "7"}
            << QStringList{"faux 1", "déjà 1", "faux 2", "faux 3+", "faux 4+", "juste 5+"};
        QTest::newRow("vide après un faux") << QStringList{"40", ""} << QStringList{"faux 1", "vide 1"};
    }
    void essais()
    {
        QFETCH(QStringList, reponses);
        QFETCH(QStringList, vus);
        Banc b;
        b.e.DemarrerEntrainement(livrets({7}), 10, false);
        b.e.NouvelleQuestion();
        QCOMPARE(b.tester(reponses), vus);
    }

    // The last wrong answer of the question before is a new try.
    void dernierFauxOublieAvecLaQuestion()
    {
        Banc b;
        b.e.DemarrerEntrainement(livrets({7}), 10, false);
        b.e.NouvelleQuestion();
        b.tester({"41"});
        b.e.NouvelleQuestion();
        QCOMPARE(b.tester({"41"}), QStringList{"faux 1"});
    }

    // Each question settled is a fact with its issue, tries and time; the
    // counts of its table add up from the facts, a right first try alone
    // bringing its time. A question left pending counts nowhere.
    void faitsEtComptes()
    {
        Banc b;
        Entrainement& e = b.e;
        QVERIFY(!e.aDesResultats());
        e.DemarrerEntrainement(livrets({7}), 10, false);
        e.NouvelleQuestion();   // 1 x 7, answered at the second try after 2 s
        b.horloge.ms += 2000;
        b.tester({"8", "7"});
        e.NouvelleQuestion();   // 2 x 7, given after three tries
        b.tester({"1", "2", "3"});
        QCOMPARE(e.DonnerReponse(), QStringLiteral("14"));
        e.NouvelleQuestion();   // 3 x 7, right at once in 4.35 s
        b.horloge.ms += 4350;
        b.tester({"21"});
        e.NouvelleQuestion();   // 4 x 7, pending
        b.tester({"1"});
        QCOMPARE(e.faits(), (QList<Fait>{{7, 1, Issue::Essai2, 2, 20}, {7, 2, Issue::Reponse, 3, 0},
                                          {7, 3, Issue::Essai1, 1, 43}}));
        QCOMPARE(e.comptes()[std::size_t(IndexLivret(7))], (Comptes{3, 1, 1, 1, 43}));
        QCOMPARE(e.comptes(), ComptesDesFaits(e.faits()));
        QVERIFY(e.aDesResultats());
        e.RazCompteurs();
        QVERIFY(!e.aDesResultats() && e.comptes() == ComptesLivrets{});
    }

    // The Total column's sums: a count below 1 adds nothing, a table's time
    // only with a right first try.
    void sommeDesComptes_data()
    {
        // Added to {5, 2, 2, 1, 30}: questions, first try, later try, given, tenths.
        QTest::addColumn<Comptes>("autre");
        QTest::addColumn<Comptes>("somme");
        QTest::newRow("ajoutés") << Comptes{3, 1, 1, 1, 25} << Comptes{8, 3, 3, 2, 55};
        QTest::newRow("sans premier essai, temps ignoré") << Comptes{2, 0, 2, 0, 40} << Comptes{7, 2, 4, 1, 30};
        QTest::newRow("négatifs ignorés") << Comptes{-4, 1, -1, -9, 10} << Comptes{5, 3, 2, 1, 40};
    }
    void sommeDesComptes()
    {
        QFETCH(Comptes, autre);
        QFETCH(Comptes, somme);
        Comptes c{5, 2, 2, 1, 30};
        QCOMPARE(c += autre, somme);
    }

    void tirageAleatoireSuitLesNombres()
    {
        // Multiplier from the first hundred numbers, rank of the table from the
        // next hundred, each as (integer part of 1000 x number) modulo the count.
        Banc b;
        b.hasard.suite = [](int n) {
            if (n < 100)
                return n == 0 ? 0.4567f : 0.0115f;  // 456 % 12 + 1 = 1, then 11 % 12 + 1 = 12
            return n == 100 ? 0.0025f : 0.9999f;    // 2 % 3 + 1 = 3, then 999 % 3 + 1 = 1
        };
        Entrainement& e = b.e;
        const Coches coches = livrets({3, 5, 9});
        e.DemarrerEntrainement(coches, 12, true);
        QCOMPARE(texte(e.NouvelleQuestion()), QStringLiteral("1x9"));
        QCOMPARE(texte(e.NouvelleQuestion()), QStringLiteral("12x3"));
        e.DemarrerEntrainement(coches, 10, true);
        QCOMPARE(texte(e.NouvelleQuestion()), QStringLiteral("2x3"));
    }

    void poolsRechargesTousLesCent()
    {
        // The first question refills both pools; the same question drawn again
        // is rejected, and each rejected draw uses up an entry.
        Banc b;
        b.hasard.suite = [](int n) { return n % 200 < 150 ? 0.f : 0.001f; };
        const auto tirer = [&b] {
            const QString question = texte(b.e.NouvelleQuestion());
            return question + QString(" après %1").arg(b.hasard.tirages);
        };
        b.e.DemarrerEntrainement(livrets({4}), 10, true);
        QCOMPARE(tirer(), QStringLiteral("1x4 après 200"));
        // The rest of this pool asks 1 x 4 again and is used up; the refill's
        // first 50 multipliers too, then comes 3.
        b.hasard.suite = [](int n) { return n < 250 ? 0.f : 0.002f; };
        QCOMPARE(tirer(), QStringLiteral("3x4 après 400"));
        // A new run keeps it from coming again: the rest of the pool, then 50 more.
        b.e.DemarrerEntrainement(livrets({4}), 10, true);
        b.hasard.suite = [](int n) { return n < 450 ? 0.002f : 0.004f; };
        QCOMPARE(tirer(), QStringLiteral("5x4 après 600"));
    }

    // In order: a fact missed comes back after the others, one right at the
    // first try leaves; the run ends with the last one known.
    void revisionParTours()
    {
        Banc b;
        b.e.DemarrerRevision({{2, 7}, {3, 7}, {5, 7}}, false);
        QStringList vues;
        for (const QString reponses : {"1 14", "21", "1 2 3", "14", "1 35", "35"}) {
            QVERIFY(!b.e.Terminee());
            vues << texte(b.e.NouvelleQuestion());
            const QStringList essais = reponses.split(' ');
            b.tester(essais);
            if (essais.size() == 3)
                b.e.DonnerReponse();
        }
        QCOMPARE(vues, (QStringList{"2x7", "3x7", "5x7", "2x7", "5x7", "5x7"}));
        QVERIFY(b.e.Terminee());
        QCOMPARE(b.e.avancement(), (Avancement{3, 3}));
    }

    // At random, never the fact just asked while two are left, even across
    // rounds; a rank refused uses up its number.
    void revisionAuHasard()
    {
        HasardFactice hasard;
        const QList<float> nombres = {0.0f, 0.0f, 0.001f, 0.001f, 0.0f};
        hasard.suite = [nombres](int n) { return n < nombres.size() ? nombres[n] : 0.f; };
        Tirages tirages(hasard);
        Revision r({{2, 7}, {3, 7}}, true);
        const auto tirer = [&] { return texte(*r.Suivante(tirages)); };
        QCOMPARE(tirer(), QStringLiteral("2x7"));
        r.Regler({7, 2, Issue::Essai2, 2, 0});
        QCOMPARE(tirer(), QStringLiteral("3x7"));
        r.Regler({7, 3, Issue::Essai2, 2, 0});
        QCOMPARE(tirer(), QStringLiteral("2x7"));   // the new round's 3 x 7 refused: it was just asked
        QCOMPARE(hasard.tirages, 200);
        QCOMPARE(r.avancement(), (Avancement{0, 2}));
    }

    // Any source plugs in: it gives the questions, is told each one settled,
    // ends the run and says how far it is.
    void autreSource()
    {
        Banc b;
        auto source = std::make_unique<TroisQuestions>();
        TroisQuestions* trois = source.get();
        b.e.Demarrer(std::move(source));
        QCOMPARE(b.e.avancement(), (Avancement{0, 3}));
        for (int i = 1; i <= 3; ++i) {
            QVERIFY(!b.e.Terminee());
            QCOMPARE(b.e.NouvelleQuestion(), (Question{i, 9}));
            b.tester({QString::number(9 * i)});
        }
        QVERIFY(b.e.Terminee());
        QCOMPARE(trois->reglees, b.e.faits());
        QCOMPARE(b.e.avancement(), (Avancement{3, 3}));
        QCOMPARE(b.e.NouvelleQuestion(), (Question{3, 9}));   // nothing more: the last question stays
    }

    void phrasesChoisiesParLeHasard_data()
    {
        QTest::addColumn<float>("nombre");
        QTest::addColumn<QString>("juste");
        QTest::addColumn<QString>("faux");
        QTest::addColumn<QString>("justeEnsuite");
        QTest::newRow("0") << 0.f << "Très bien" << "Oops !" << "Bien";
        QTest::newRow("0,5") << 0.5f << "Excellent" << "Dommage" << "Réussi";
        QTest::newRow("presque 1") << 0.99999994f << "Super mega" << "Réfléchis" << "Bien vu";
    }
    void phrasesChoisiesParLeHasard()
    {
        QFETCH(float, nombre);
        QFETCH(QString, juste);
        QFETCH(QString, faux);
        QFETCH(QString, justeEnsuite);
        Banc b;
        b.hasard.suite = [nombre](int) { return nombre; };
        b.e.DemarrerEntrainement(livrets({3}), 10, false);
        b.e.NouvelleQuestion();   // 1 x 3
        QCOMPARE(b.e.TesterReponse(u"4").phrase, faux);
        QCOMPARE(b.e.TesterReponse(u"3").phrase, justeEnsuite);
        b.e.NouvelleQuestion();   // 2 x 3
        QCOMPARE(b.e.TesterReponse(u"6").phrase, juste);
    }

    void lectureNombre_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("valeur");
        QTest::newRow("vide") << "" << "0";
        QTest::newRow("zéros devant") << "0042" << "42";
        QTest::newRow("zéro seul") << "000" << "0";
        QTest::newRow("blancs passés") << " 4 2" << "42";
        QTest::newRow("arrêt au premier autre") << "12a3" << "12";
        QTest::newRow("lettre d'abord") << "x12" << "0";
        QTest::newRow("plus long qu'un entier") << QString(40, u'7') << QString(40, u'7');
    }
    void lectureNombre()
    {
        QFETCH(QString, texte);
        QFETCH(QString, valeur);
        QCOMPARE(LireNombre(texte), valeur);
    }
};

QTEST_GUILESS_MAIN(TestEntrainement)
#include "tst_entrainement.moc"
