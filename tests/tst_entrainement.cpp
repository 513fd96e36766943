// The rules of a training, without a window: drawing of questions, tries,
// phrases, counters and the stopwatch.
#include "Factices.h"
#include "Textes.h"
#include "training/Entrainement.h"
#include "training/LectureNombre.h"

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
    void tirageSequentiel_data();
    void tirageSequentiel();
    void tirageAleatoireSansRepetition();
    void tirageAleatoireSuitLesNombres();
    void poolsRechargesTousLesCent();
    void essais();
    void phrasesChoisiesParLeHasard_data();
    void phrasesChoisiesParLeHasard();
    void reponseDonnee();
    void chronometre();
    void compteursSansDebordement();
    void lectureNombre_data();
    void lectureNombre();
};

void TestEntrainement::tirageSequentiel_data()
{
    QTest::addColumn<Coches>("coches");
    QTest::addColumn<int>("multMax");
    QTest::addColumn<QStringList>("attendu");   // questions of a run
    QTest::addColumn<int>("saut");               // with all but the first and last of each table skipped

    QTest::newRow("table 7, 1 à 10") << livrets({7}) << 10
                                      << QStringList{"1x7", "2x7", "3x7", "4x7", "5x7", "6x7",
                                                     "7x7", "8x7", "9x7", "10x7", "1x7"}
                                      << 0;
    QTest::newRow("tables 2 et 12, 1 à 12") << livrets({2, 12}) << 12
                                             << QStringList{"1x2", "12x2", "1x12", "12x12", "1x2"}
                                             << 10;
}

void TestEntrainement::tirageSequentiel()
{
    QFETCH(Coches, coches);
    QFETCH(int, multMax);
    QFETCH(QStringList, attendu);
    QFETCH(int, saut);
    HasardFactice hasard;
    HorlogeFactice horloge;
    Entrainement e(hasard, horloge);
    e.DemarrerEntrainement();
    QStringList vu;
    for (int n = 0; vu.size() < attendu.size(); ++n) {
        const Question q = e.NouvelleQuestion(coches, multMax, false);
        // Keep the first of each block of "saut" + 1 questions, and the last.
        if (saut == 0 || n % (saut + 2) == 0 || n % (saut + 2) == saut + 1)
            vu << texte(q);
    }
    QCOMPARE(vu, attendu);
    QCOMPARE(hasard.tirages, 0);

    // A new run starts again at 1 x the first ticked table.
    e.NouvelleQuestion(coches, multMax, false);
    e.DemarrerEntrainement();
    QCOMPARE(texte(e.NouvelleQuestion(coches, multMax, false)), attendu.first());
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

void TestEntrainement::essais()
{
    HasardFactice hasard;
    HorlogeFactice horloge;
    Entrainement e(hasard, horloge);
    const Coches coches = livrets({7});
    e.DemarrerEntrainement();
    for (int i = 0; i < 6; ++i)
        e.NouvelleQuestion(coches, 10, false);   // 6 x 7
    using G = Verdict::Genre;

    QCOMPARE(e.TesterReponse(u"").genre, G::PasDeNombre);
    QCOMPARE(e.NbEssais(), 0);
    Verdict v = e.TesterReponse(u"40");
    QCOMPARE(v.genre, G::Faux);
    QCOMPARE(v.etat, EtatEntrainement::EtatQuestion);
    QCOMPARE(v.couleur, CouleurVerification::Rouge);
    QCOMPARE(e.TesterReponse(u"40").genre, G::DejaEssaye);
    QCOMPARE(e.TesterReponse(u"040").genre, G::DejaEssaye);
    QCOMPARE(e.NbEssais(), 1);
    QCOMPARE(e.TesterReponse(u"41").etat, EtatEntrainement::EtatQuestion);
    // Only the last wrong answer is remembered.
    v = e.TesterReponse(u"40");
    QCOMPARE(v.genre, G::Faux);
    QCOMPARE(v.etat, EtatEntrainement::EtatQuestionAide);
    QCOMPARE(e.NbEssais(), 3);
    QCOMPARE(e.TesterReponse(u"43").etat, EtatEntrainement::EtatQuestionAide);
    v = e.TesterReponse(u"042");
    QCOMPARE(v.genre, G::Juste);
    QCOMPARE(v.etat, EtatEntrainement::EtatRepondu);
    QCOMPARE(v.couleur, CouleurVerification::Bleu);
    QVERIFY(Textes::PhrasesEssai2.contains(v.phrase));

    const int t = 7 - PremierLivret;
    QCOMPARE(e.compteurs.NbQuestionParLivret[t], 1);
    QCOMPARE(e.compteurs.NbQuestionEssai2[t], 1);
    QCOMPARE(e.compteurs.NbQuestionEssai1[t], 0);
    QCOMPARE(e.compteurs.TempsTotalEssai1[t], 0);

    // A huge answer is compared whole, and recognised when repeated.
    e.NouvelleQuestion(coches, 10, false);
    const QString enorme = QString(5000, u'9');
    QCOMPARE(e.TesterReponse(enorme).genre, G::Faux);
    QCOMPARE(e.TesterReponse(enorme).genre, G::DejaEssaye);
    QCOMPARE(e.TesterReponse(QStringLiteral("0000") + QStringLiteral("49")).genre, G::Juste);
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

void TestEntrainement::reponseDonnee()
{
    HasardFactice hasard;
    HorlogeFactice horloge;
    Entrainement e(hasard, horloge);
    e.DemarrerEntrainement();
    for (int i = 0; i < 8; ++i)
        e.NouvelleQuestion(livrets({9}), 10, false);   // 8 x 9
    for (const char16_t* faux : {u"1", u"2", u"3"})
        e.TesterReponse(faux);
    QCOMPARE(e.DonnerReponse(), QStringLiteral("72"));
    const int t = 9 - PremierLivret;
    QCOMPARE(e.compteurs.NbQuestionParLivret[t], 1);
    QCOMPARE(e.compteurs.NbQuestionRéponse[t], 1);
    QCOMPARE(e.compteurs.NbQuestionEssai1[t] + e.compteurs.NbQuestionEssai2[t], 0);
    QCOMPARE(e.NbEssais(), 3);
}

void TestEntrainement::chronometre()
{
    HasardFactice hasard;
    HorlogeFactice horloge;
    horloge.ms = 123456;
    Entrainement e(hasard, horloge);
    e.NouvelleQuestion(livrets({6}), 10, false);   // 1 x 6
    const QList<std::pair<qint64, QString>> affichages = {
        {0, ""}, {999, ""}, {1000, "1"}, {1999, "1"}, {2000, "2"}, {61000, "61"}};
    for (const auto& [ecoule, attendu] : affichages) {
        horloge.ms = 123456 + ecoule;
        e.ActualiserDixiemes();
        QCOMPARE(e.TexteTemps(), attendu);
    }
    // The time of a right first try is the real time elapsed at the test,
    // whatever the ticks did in between.
    e.NouvelleQuestion(livrets({6}), 10, false);   // 2 x 6
    horloge.ms += 4350;
    QCOMPARE(e.TesterReponse(u"12").genre, Verdict::Genre::Juste);
    QCOMPARE(e.NbDixiemes(), 43);
    QCOMPARE(e.compteurs.TempsTotalEssai1[6 - PremierLivret], 43);
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
