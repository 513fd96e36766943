// The rules of a training without its window: the draw in order and at
// random with its pools, the tries with their refusals and the answer given,
// the phrases chosen by chance, counters that never wrap, the reading of a
// typed number.
#include "Factices.h"
#include "core/Textes.h"
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

} // namespace

class TestEntrainement : public QObject
{
    Q_OBJECT

private slots:
    void tirageDansLOrdre();
    void essaisEtReponseDonnee();
    void revisionParTours();
    void tirageAleatoireSansRepetition();
    void tirageAleatoireSuitLesNombres();
    void poolsRechargesTousLesCent();
    void phrasesChoisiesParLeHasard_data();
    void phrasesChoisiesParLeHasard();
    void compteursSansDebordement();
    void lectureNombre_data();
    void lectureNombre();
};

void TestEntrainement::tirageDansLOrdre()
{
    // Table after table, multipliers rising, over and over; a new run starts
    // again at 1 x the first table ticked.
    HasardFactice hasard;
    HorlogeFactice horloge;
    Entrainement e(hasard, horloge);
    QStringList vues;
    for (int run = 0; run < 2; ++run) {
        e.DemarrerEntrainement();
        for (int n = 0; n < (run == 0 ? 25 : 2); ++n)
            vues << texte(e.NouvelleQuestion(livrets({2, 12}), 12, false));
    }
    QCOMPARE(vues.mid(10, 4), (QStringList{"11x2", "12x2", "1x12", "2x12"}));
    QCOMPARE(vues.mid(22), (QStringList{"11x12", "12x12", "1x2", "1x2", "2x2"}));
    QCOMPARE(hasard.tirages, 0);
}

void TestEntrainement::essaisEtReponseDonnee()
{
    HasardFactice hasard;
    HorlogeFactice horloge;
    Entrainement e(hasard, horloge);
    e.DemarrerEntrainement();
    struct Coup
    {
        QString reponse;
        Verdict::Genre genre;
        EtatEntrainement etat;   // after a counted try
        int essais;
    };
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
    horloge.ms += 4350;
    jouer({{"21", G::Juste, E::EtatRepondu, 1}});
    const int t = 7 - PremierLivret;
    const CompteursLivrets& c = e.compteurs;
    QCOMPARE((QList<qint32>{c.NbQuestionParLivret[t], c.NbQuestionEssai1[t], c.NbQuestionEssai2[t],
                            c.NbQuestionRéponse[t], c.TempsTotalEssai1[t]}),
             (QList<qint32>{3, 1, 1, 1, 43}));
}

void TestEntrainement::revisionParTours()
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

void TestEntrainement::tirageAleatoireSansRepetition()
{
    // A real generator: no question follows itself, not even across runs.
    HasardHorloge hasard;
    HorlogeFactice horloge;
    Entrainement e(hasard, horloge);
    const Coches coches = livrets({7});
    QString precedente;
    for (int run = 0; run < 3; ++run) {
        e.DemarrerEntrainement();
        for (int n = 0; n < 500; ++n) {
            const Question q = e.NouvelleQuestion(coches, 10, true);
            QVERIFY2(texte(q) != precedente, qPrintable(precedente));
            QVERIFY(q.terme1 >= 1 && q.terme1 <= 10);
            QCOMPARE(q.terme2, 7);
            precedente = texte(q);
        }
    }
}

void TestEntrainement::tirageAleatoireSuitLesNombres()
{
    // Multiplier from the first hundred numbers, rank of the table from the
    // next hundred, each as (integer part of 1000 x number) modulo the count.
    HasardFactice hasard;
    hasard.suite = [](int n) {
        if (n < 100)
            return n == 0 ? 0.4567f : 0.0115f;  // 456 % 12 + 1 = 1, then 11 % 12 + 1 = 12
        return n == 100 ? 0.0025f : 0.9999f;    // 2 % 3 + 1 = 3, then 999 % 3 + 1 = 1
    };
    HorlogeFactice horloge;
    Entrainement e(hasard, horloge);
    const Coches coches = livrets({3, 5, 9});
    QCOMPARE(texte(e.NouvelleQuestion(coches, 12, true)), QStringLiteral("1x9"));
    QCOMPARE(texte(e.NouvelleQuestion(coches, 12, true)), QStringLiteral("12x3"));
    QCOMPARE(texte(e.NouvelleQuestion(coches, 10, true)), QStringLiteral("2x3"));
}

void TestEntrainement::poolsRechargesTousLesCent()
{
    // The first question refills both pools; the same question drawn again
    // is rejected, and each rejected draw uses up an entry.
    HasardFactice hasard;
    hasard.suite = [](int n) { return n % 200 < 150 ? 0.f : 0.001f; };
    HorlogeFactice horloge;
    Entrainement e(hasard, horloge);
    const Coches coches = livrets({4});
    QCOMPARE(texte(e.NouvelleQuestion(coches, 10, true)), QStringLiteral("1x4"));
    QCOMPARE(hasard.tirages, 200);
    // The rest of this pool asks 1 x 4 again and is used up; the refill's
    // first 50 multipliers too, then comes 3.
    hasard.suite = [](int n) { return n < 250 ? 0.f : 0.002f; };
    QCOMPARE(texte(e.NouvelleQuestion(coches, 10, true)), QStringLiteral("3x4"));
    QCOMPARE(hasard.tirages, 400);
}

void TestEntrainement::phrasesChoisiesParLeHasard_data()
{
    QTest::addColumn<float>("nombre");
    QTest::addColumn<QString>("juste");
    QTest::addColumn<QString>("faux");
    QTest::newRow("0") << 0.f << "Très bien" << "Oops !";
    QTest::newRow("0,5") << 0.5f << "Excellent" << "Dommage";
    QTest::newRow("presque 1") << 0.99999994f << "Super mega" << "Réfléchis";
}

void TestEntrainement::phrasesChoisiesParLeHasard()
{
    QFETCH(float, nombre);
    QFETCH(QString, juste);
    QFETCH(QString, faux);
    HasardFactice hasard;
    hasard.suite = [nombre](int) { return nombre; };
    HorlogeFactice horloge;
    Entrainement e(hasard, horloge);
    e.NouvelleQuestion(livrets({3}), 10, false);   // 1 x 3
    QCOMPARE(e.TesterReponse(u"4").phrase, faux);
    e.NouvelleQuestion(livrets({3}), 10, false);   // 2 x 3
    QCOMPARE(e.TesterReponse(u"6").phrase, juste);
}

void TestEntrainement::compteursSansDebordement()
{
    // Long sessions: more than 32767 tenths of first-try time on one table.
    HasardFactice hasard;
    HorlogeFactice horloge;
    Entrainement e(hasard, horloge);
    e.DemarrerEntrainement();
    for (int n = 1; n <= 10; ++n) {
        const Question q = e.NouvelleQuestion(livrets({5}), 10, false);
        horloge.ms += 4'000'000;
        QVERIFY(e.TesterReponse(QString::number(q.produit())).genre == Verdict::Genre::Juste);
    }
    QCOMPARE(e.compteurs.TempsTotalEssai1[5 - PremierLivret], 400000);

    qint32 compteur = std::numeric_limits<qint32>::max() - 1;
    Ajouter(compteur, 5);
    QCOMPARE(compteur, std::numeric_limits<qint32>::max());
}

void TestEntrainement::lectureNombre_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("valeur");
    QTest::newRow("vide") << "" << "0";
    QTest::newRow("zéros en tête") << "0042" << "42";
    QTest::newRow("zéro") << "000" << "0";
    QTest::newRow("blancs") << " 4 2" << "42";
    QTest::newRow("arrêt au premier autre caractère") << "12a3" << "12";
    QTest::newRow("lettre d'abord") << "x12" << "0";
    QTest::newRow("très long") << QString(40, u'7') << QString(40, u'7');
}

void TestEntrainement::lectureNombre()
{
    QFETCH(QString, texte);
    QFETCH(QString, valeur);
    QCOMPARE(LireNombre(texte), valeur);
}

QTEST_GUILESS_MAIN(TestEntrainement)
#include "tst_entrainement.moc"
