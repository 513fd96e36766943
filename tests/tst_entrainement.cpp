// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules of a training without its window: the draw at random with its
// pools (the main window's tests play the draw in order through), the tries
// with their refusals and the answer given, the rounds of a review of
// mistakes, the phrases chosen by chance, counters that never wrap, the
// reading of a typed number.
#include "Factices.h"
#include "core/training/Entrainement.h"
#include "core/training/LectureNombre.h"

#include <QTest>

namespace {

Coches livrets(std::initializer_list<int> tables)
{
    Coches coches{};
    for (const int table : tables)
        coches[table - PremierLivret] = true;
    return coches;
}

QString texte(const Question& q)
{
    return QStringLiteral("%1x%2").arg(q.terme1).arg(q.terme2);
}

// A training on chance and a clock of the test's own.
struct Banc
{
    HasardFactice hasard;
    HorlogeFactice horloge;
    Entrainement e{hasard, horloge};
};

} // namespace

class TestEntrainement : public QObject
{
    Q_OBJECT

private slots:
    void essaisEtReponseDonnee()
    {
        Banc b;
        Entrainement& e = b.e;
        e.DemarrerEntrainement();
        struct Coup { QString reponse; Verdict::Genre genre; EtatEntrainement etat; int essais; };   // state after a counted try
        using G = Verdict::Genre;
        using E = EtatEntrainement;
        const auto jouer = [&](const QList<Coup>& coups) {
            for (const Coup& c : coups) {
                const Verdict v = e.TesterReponse(c.reponse);
                QCOMPARE(v.genre, c.genre);
                QCOMPARE(e.NbEssais(), c.essais);
                if (v.essaiCompte())
                    QCOMPARE(v.etat, c.etat);
            }
        };
        // 1 x 7: refusals count no try; only the last wrong answer is refused;
        // from the third wrong try on the answer may be asked for.
        e.NouvelleQuestion(livrets({7}), 10, false);
        jouer({{"", G::PasDeNombre, E::EtatQuestion, 0}, {"40", G::Faux, E::EtatQuestion, 1},
               {"040", G::DejaEssaye, E::EtatQuestion, 1}, {"41", G::Faux, E::EtatQuestion, 2},
               {"40", G::Faux, E::EtatQuestionAide, 3}, {"41", G::Faux, E::EtatQuestionAide, 4},
               {"7", G::Juste, E::EtatRepondu, 5}});
        // 2 x 7: the last wrong answer of the question before is a new try.
        e.NouvelleQuestion(livrets({7}), 10, false);
        jouer({{"41", G::Faux, E::EtatQuestion, 1}, {"1", G::Faux, E::EtatQuestion, 2},
               {"2", G::Faux, E::EtatQuestionAide, 3}});
        QCOMPARE(e.DonnerReponse(), QStringLiteral("14"));
        // 3 x 7 right at the first try after 4.3 s: the only time counted.
        e.NouvelleQuestion(livrets({7}), 10, false);
        b.horloge.ms += 4350;
        jouer({{"21", G::Juste, E::EtatRepondu, 1}});
        const int t = 7 - PremierLivret;
        const CompteursLivrets& c = e.compteurs;
        QCOMPARE((QList<qint32>{c.NbQuestionParLivret[t], c.NbQuestionEssai1[t], c.NbQuestionEssai2[t],
                                c.NbQuestionRéponse[t], c.TempsTotalEssai1[t]}),
                 (QList<qint32>{3, 1, 1, 1, 43}));
    }

    void revisionParTours()
    {
        // In order: a fact missed comes back after the others, one right at the
        // first try leaves; at random, never the fact just asked while two are left.
        const Question a{2, 7}, b{3, 7}, c{5, 7};
        Revision r;
        r.Commencer({a, b, c});
        QStringList vues;
        for (const Issue issue : {Issue::Essai2, Issue::Essai1, Issue::Reponse, Issue::Essai1, Issue::Essai2, Issue::Essai1}) {
            QVERIFY(!r.terminee());
            const Question q = r.Tirer(false, {});
            vues << texte(q);
            r.Regler(q, issue);
        }
        QCOMPARE(vues, (QStringList{"2x7", "3x7", "5x7", "2x7", "5x7", "5x7"}));
        QVERIFY(r.terminee());

        QList<int> rangs = {0, 0, 1, 1, 0};
        const auto rang = [&rangs](int n) { return std::min(rangs.takeFirst(), n - 1); };
        r.Commencer({a, b});
        QCOMPARE(r.Tirer(true, rang), a);
        r.Regler(a, Issue::Essai2);
        QCOMPARE(r.Tirer(true, rang), b);
        r.Regler(b, Issue::Essai2);
        QCOMPARE(r.Tirer(true, rang), a);   // the new round's b refused: it was just asked
        QVERIFY(rangs.isEmpty());
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
        QCOMPARE(texte(e.NouvelleQuestion(coches, 12, true)), QStringLiteral("1x9"));
        QCOMPARE(texte(e.NouvelleQuestion(coches, 12, true)), QStringLiteral("12x3"));
        QCOMPARE(texte(e.NouvelleQuestion(coches, 10, true)), QStringLiteral("2x3"));
    }

    void poolsRechargesTousLesCent()
    {
        // The first question refills both pools; the same question drawn again
        // is rejected, and each rejected draw uses up an entry.
        Banc b;
        b.hasard.suite = [](int n) { return n % 200 < 150 ? 0.f : 0.001f; };
        const auto tirer = [&b] {
            const QString question = texte(b.e.NouvelleQuestion(livrets({4}), 10, true));
            return question + QString(" après %1").arg(b.hasard.tirages);
        };
        QCOMPARE(tirer(), QStringLiteral("1x4 après 200"));
        // The rest of this pool asks 1 x 4 again and is used up; the refill's
        // first 50 multipliers too, then comes 3.
        b.hasard.suite = [](int n) { return n < 250 ? 0.f : 0.002f; };
        QCOMPARE(tirer(), QStringLiteral("3x4 après 400"));
        // A new run keeps it from coming again: the rest of the pool, then 50 more.
        b.e.DemarrerEntrainement();
        b.hasard.suite = [](int n) { return n < 450 ? 0.002f : 0.004f; };
        QCOMPARE(tirer(), QStringLiteral("5x4 après 600"));
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
        b.e.NouvelleQuestion(livrets({3}), 10, false);   // 1 x 3
        QCOMPARE(b.e.TesterReponse(u"4").phrase, faux);
        QCOMPARE(b.e.TesterReponse(u"3").phrase, justeEnsuite);
        b.e.NouvelleQuestion(livrets({3}), 10, false);   // 2 x 3
        QCOMPARE(b.e.TesterReponse(u"6").phrase, juste);
    }

    void compteursSansDebordement()
    {
        // A count that would pass the largest value stays there.
        qint32 compteur = std::numeric_limits<qint32>::max() - 1;
        Ajouter(compteur, 5);
        QCOMPARE(compteur, std::numeric_limits<qint32>::max());
    }

    void lectureNombre()
    {
        // Empty, leading zeros, zero alone, blanks, a stop at the first other
        // character, a letter first, longer than any integer.
        const QList<QPair<QString, QString>> cas = {{"", "0"}, {"0042", "42"}, {"000", "0"}, {" 4 2", "42"},
                                                    {"12a3", "12"}, {"x12", "0"}, {QString(40, u'7'), QString(40, u'7')}};
        for (const auto& [texte, valeur] : cas)
            QCOMPARE("« " + texte + " » : " + LireNombre(texte), "« " + texte + " » : " + valeur);
    }
};

QTEST_GUILESS_MAIN(TestEntrainement)
#include "tst_entrainement.moc"
