// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// « Du jour » without its window: the memory of the pairs replayed from
// histories built for the purpose, and kept as text; the day's plan (the due
// pairs in order, the checks, the pairs to learn, the day's limits, nothing
// to do, the range 1 to 10); its run on a clock of the test's own (new
// pairs among known ones, misses coming back, never one pair twice in a row,
// the ten minutes); what a run tells at its end.
#include "Factices.h"
#include "core/memory/ModeleFsrs.h"
#include "core/plan/PlanJour.h"
#include "core/plan/ResumeJour.h"
#include "core/plan/SourceJour.h"
#include "core/training/Tirages.h"

#include <QTest>
#include <set>

namespace {

// Today, as a Julian day.
constexpr qint64 J = 2461100;

int P(int a, int b)
{
    return *Paires::Indice(b, a);
}

QString Nom(const Question& q)
{
    return QStringLiteral("%1x%2").arg(q.multiplicateur).arg(q.livret);
}

// A settling written "7x8:v@-3": the question, then v right at once within
// 3,0 s, l right at once but slower, e right at a later try, r answer given,
// then the day from today.
FaitRejoue Reglement(const QString& texte, qint64 id)
{
    const QString question = texte.section(':', 0, 0);
    const QChar genre = texte.section(':', 1).at(0);
    const Issue issue = genre == 'v' || genre == 'l' ? Issue::Essai1 : genre == 'e' ? Issue::Essai2 : Issue::Reponse;
    const Fait fait{question.section('x', 1).toInt(), question.section('x', 0, 0).toInt(), issue,
                    issue == Issue::Essai1 ? 1 : 3, genre == 'v' ? 20 : 45};
    return {id, J + texte.section('@', 1).toLongLong(), fait};
}

void Ajouter(MemoirePaires& m, const QString& histoire)
{
    for (const QString& r : histoire.split(' ', Qt::SkipEmptyParts))
        m.Rejouer(Reglement(r, m.dernierFait() + 1));
}

MemoirePaires Memoire(const QString& histoire)
{
    MemoirePaires m;
    Ajouter(m, histoire);
    return m;
}

// Every pair met long ago: known and not due (two quick rights, the last
// yesterday: due in 11 days), but those given, to learn (an answer given).
MemoirePaires ToutesVues(const QList<int>& aApprendre)
{
    MemoirePaires m;
    for (int p = 0; p < Paires::Nb; ++p) {
        const QString q = Nom(Paires::Faits(p).front());
        Ajouter(m, aApprendre.contains(p) ? q + ":r@-5" : q + ":v@-3 " + q + ":v@-1");
    }
    return m;
}

QStringList Noms(const QList<int>& paires)
{
    QStringList noms;
    for (const int p : paires)
        noms << Nom(Paires::Faits(p).front());
    return noms;
}

// A run of the plan, answered by the rule given (a question, its rank from
// 0: how it is settled, "v", "l", "e" or "r"), each question taking 5 s.
struct Course
{
    HasardFactice hasard;
    HorlogeFactice horloge;
    Tirages tirages{hasard};
    std::unique_ptr<SourceJour> source;
    QStringList posees;

    Course(const PlanJour& plan, const MemoirePaires& m, const ReglagesJour& r = {})
        : source(std::make_unique<SourceJour>(plan, m, horloge, r))
    {
    }
    // Until the run ends or after that many questions.
    void Jouer(const std::function<QString(const Question&, int)>& regle, int questions = 500)
    {
        for (int i = 0; i < questions && !source->Terminee(); ++i) {
            const std::optional<Question> q = source->Suivante(tirages);
            QVERIFY(q);
            horloge.ms += 5000;
            const FaitRejoue f = Reglement(Nom(*q) + ':' + regle(*q, i) + "@0", 0);
            posees << Nom(*q) + (f.fait.issue == Issue::Essai1 ? "" : "!");
            source->Regler(f.fait);
        }
    }
};

const auto Juste = [](const Question&, int) { return QStringLiteral("v"); };

} // namespace

class TestPlan : public QObject
{
    Q_OBJECT

private slots:
    // Where a pair stands after its settlings: known at a first right and
    // quick one, to learn otherwise, until it is right at once twice in a day.
    void statuts_data()
    {
        QTest::addColumn<QString>("histoire");
        QTest::addColumn<int>("statut");
        QTest::addColumn<int>("serie");
        QTest::addColumn<qint64>("debutApprentissage");
        QTest::newRow("jamais vue") << "" << int(StatutPaire::JamaisVue) << 0 << 0ll;
        QTest::newRow("vérifiée : juste et vite") << "7x8:v@-2" << int(StatutPaire::Connue) << 1 << 0ll;
        QTest::newRow("vérifiée : juste mais lente") << "7x8:l@-2" << int(StatutPaire::AApprendre) << 1 << 0ll;
        QTest::newRow("manquée puis deux justes le même jour, dans les deux sens")
            << "7x8:r@-2 8x7:v@-1 7x8:l@-1" << int(StatutPaire::Connue) << 2 << J - 1;
        QTest::newRow("deux justes sur deux jours") << "7x8:e@-3 8x7:v@-2 7x8:v@-1" << int(StatutPaire::AApprendre) << 2
                                                    << J - 2;
        QTest::newRow("connue puis oubliée : toujours connue") << "7x8:v@-9 8x7:r@-1" << int(StatutPaire::Connue) << 0
                                                               << 0ll;
    }
    void statuts()
    {
        QFETCH(QString, histoire);
        QFETCH(int, statut);
        QFETCH(int, serie);
        QFETCH(qint64, debutApprentissage);
        const MemoirePaires m = Memoire(histoire);
        const MemoirePaire& p = m.paire(P(7, 8));
        QCOMPARE(int(p.statut), statut);
        QCOMPARE(p.serie, serie);
        QCOMPARE(p.debutApprentissage, debutApprentissage);
    }

    // The pair's FSRS-6 state is its facts' grades replayed in order, both
    // orders together; a fact of no pair or of no day counts, and changes
    // nothing else.
    void fsrsDesDeuxSens()
    {
        MemoirePaires m = Memoire("6x9:r@-10 9x6:v@-10 6x9:v@-10 9x6:l@-9 6x9:v@-4 3x4:v@-4");
        const QList<RevisionNotee> notes = {{J - 10, Note::ARevoir}, {J - 10, Note::Correct}, {J - 10, Note::Correct},
                                            {J - 9, Note::Difficile}, {J - 4, Note::Correct}};
        QCOMPARE(m.paire(P(6, 9)).fsrs, ModeleFsrs().Rejouer(notes));
        QCOMPARE(m.paire(P(6, 9)).dernierOrdre, 0);
        const MemoirePaires avant = m;
        m.Rejouer({7, J, {13, 2, Issue::Essai1, 1, 10}});
        m.Rejouer({8, 0, {9, 6, Issue::Reponse, 3, 10}});
        for (int p = 0; p < Paires::Nb; ++p)
            QCOMPARE(m.paire(p), avant.paire(p));
        QCOMPARE(m.nbFaits(), 8);
        QCOMPARE(m.dernierFait(), 8);
    }

    // Kept as text and read back exactly; a text that is not one is refused.
    void texte()
    {
        const MemoirePaires m = Memoire("6x9:r@-10 9x6:v@-10 6x9:v@-10 9x6:l@-9 6x9:v@-4 3x4:v@-4 1x7:e@0");
        QCOMPARE(MemoirePaires::Lire(m.Ecrire()), std::optional<MemoirePaires>(m));
        QString abime = m.Ecrire();
        QVERIFY(!MemoirePaires::Lire(abime.left(abime.size() - 3) + "x 1").has_value());
        QVERIFY(!MemoirePaires::Lire(abime.replace(QStringLiteral("\n2 "), QStringLiteral("\n7 "))).has_value());
        QVERIFY(!MemoirePaires::Lire(QString()).has_value());
        QVERIFY(!MemoirePaires::Lire(m.Ecrire().section('\n', 0, 40)).has_value());
    }

    // The due pairs, the least likely recalled first: by the model's chance
    // of recall, or by the box then the days overdue.
    void duesDansLOrdre_data()
    {
        QTest::addColumn<int>("memoire");
        QTest::addColumn<QStringList>("dues");
        // FSRS-6: 3x4 recalled at 52 %, 6x7 at 81 %; 2x5 (98 %, 133 days of
        // stability) and 8x9 (95 %) not due yet. The boxes: 6x7 in box 1
        // since 6 days, 8x9 in box 1, 3x4 in box 2 since 18 days, 2x5 in box 4.
        QTest::newRow("FSRS-6") << int(MemoireJour::Fsrs) << QStringList{"3x4", "6x7"};
        QTest::newRow("boîtes") << int(MemoireJour::Boites) << QStringList{"6x7", "8x9", "3x4", "2x5"};
    }
    void duesDansLOrdre()
    {
        QFETCH(int, memoire);
        QFETCH(QStringList, dues);
        // 2x5 known for long, seen two weeks ago; 6x7 once, a week ago;
        // 3x4 missed then learnt three weeks ago; 8x9 seen yesterday.
        const MemoirePaires m = Memoire("2x5:v@-60 5x2:v@-50 2x5:v@-30 5x2:v@-14 6x7:v@-7 3x4:r@-21 4x3:v@-21 "
                                        "3x4:v@-21 8x9:v@-1");
        ReglagesJour r;
        r.memoire = MemoireJour(memoire);
        const PlanJour plan = Planifier(m, J, 12, r);
        QCOMPARE(Noms(plan.dues + plan.duesGardees), dues);
        QVERIFY(Noms(plan.verifications).size() == 10 && !plan.vide());
    }

    // Checks of the pairs never met, in the teaching order, ten a day with
    // those met today; the teaching order from the tables.
    void verifications()
    {
        QCOMPARE(Noms(Planifier(MemoirePaires(), J, 12).verifications),
                 QStringList({"1x2", "2x2", "2x3", "2x4", "2x5", "2x6", "2x7", "2x8", "2x9", "2x10"}));
        const MemoirePaires m = Memoire("1x2:v@0 2x2:r@0 2x4:v@-1 11x12:v@0");
        QCOMPARE(Noms(Planifier(m, J, 12).verifications), QStringList({"2x3", "2x5", "2x6", "2x7", "2x8", "2x9", "2x10"}));
        // x2 has 12 pairs, x10 11 more, x5 10 more; then the squares.
        const OrdrePaires ordre = OrdreEnseignement();
        QCOMPARE(Noms(QList<int>(ordre.begin() + 11, ordre.begin() + 14)), QStringList({"2x12", "1x10", "3x10"}));
        QCOMPARE(Noms(QList<int>(ordre.begin() + 33, ordre.begin() + 36)), QStringList({"3x3", "4x4", "6x6"}));
        QCOMPARE(std::set<int>(ordre.begin(), ordre.end()).size(), std::size_t(Paires::Nb));
        const OrdrePaires sept = OrdreDesTables({7});
        QCOMPARE(Noms(QList<int>(sept.begin(), sept.begin() + 3)), QStringList({"1x7", "2x7", "3x7"}));
        QCOMPARE(Noms(QList<int>(sept.begin() + 12, sept.begin() + 14)), QStringList({"1x2", "1x3"}));
    }

    // At most three pairs to learn a day: those begun earlier first, then
    // the teaching order; those begun today take no more room, and the room
    // left goes to checks that are missed.
    void aApprendre_data()
    {
        QTest::addColumn<QString>("histoire");
        QTest::addColumn<QStringList>("attendues");
        QTest::addColumn<int>("permises");
        const QString manquees = "3x7:r@-9 2x3:r@-9 4x4:r@-9 5x9:r@-9 ";
        // In the teaching order: 2x3 with x2, 5x9 with x5, 4x4 a square, 3x7 with x3.
        QTest::newRow("trois au plus, dans l'ordre") << manquees << QStringList{"2x3", "5x9", "4x4"} << 0;
        QTest::newRow("commencée avant d'abord") << manquees + "5x9:v@-2" << QStringList{"5x9", "2x3", "4x4"} << 0;
        QTest::newRow("commencée aujourd'hui, sans place de plus")
            << manquees + "5x9:v@0 3x7:v@0" << QStringList{"5x9", "3x7", "2x3"} << 0;
        QTest::newRow("place pour des vérifications manquées") << "4x4:r@-9" << QStringList{"4x4"} << 2;
    }
    void aApprendre()
    {
        QFETCH(QString, histoire);
        QFETCH(QStringList, attendues);
        QFETCH(int, permises);
        const PlanJour plan = Planifier(Memoire(histoire), J, 12);
        QCOMPARE(Noms(plan.aApprendre), attendues);
        QCOMPARE(plan.nouvellesPermises, permises);
    }

    // Nothing due, nothing to check today, no pair to learn: nothing to do.
    // The same with pairs to learn beyond today's three, begun today.
    void rienAFaire()
    {
        MemoirePaires m = ToutesVues({});
        QVERIFY(Planifier(m, J, 12).vide());
        QVERIFY(!Planifier(m, J + 11, 12).vide());
        m = ToutesVues({P(3, 7), P(6, 8), P(4, 9), P(7, 7)});
        Ajouter(m, "3x7:v@0 6x8:v@0 4x9:v@0");
        QCOMPARE(Noms(Planifier(m, J, 12).aApprendre), QStringList({"3x7", "4x9", "6x8"}));
        Ajouter(m, "7x3:v@0 8x6:v@0 9x4:v@0");
        QVERIFY(Planifier(m, J, 12).vide());
    }

    // Multipliers 1 to 10: a pair of two factors over 10 is never planned,
    // one with a factor over 10 is asked in its other order only, and only
    // the tables of the facts asked are ticked.
    void plage1a10()
    {
        QCOMPARE(OrdresPermis(P(3, 11), 10), QList<int>{0});
        QCOMPARE(OrdresPermis(P(11, 12), 10), QList<int>());
        QCOMPARE(OrdresPermis(P(11, 12), 12), QList<int>({0, 1}));
        QCOMPARE(OrdreSuivant(P(3, 11), 0, 10), 0);
        QCOMPARE(OrdreSuivant(P(3, 11), 0, 12), 1);
        ReglagesJour r;
        r.ordre = OrdreDesTables({11, 12});
        const PlanJour plan = Planifier(MemoirePaires(), J, 10, r);
        QCOMPARE(Noms(plan.verifications),
                 QStringList({"1x11", "2x11", "3x11", "4x11", "5x11", "6x11", "7x11", "8x11", "9x11", "10x11"}));
        Coches attendues{};
        attendues[IndexLivret(11)] = true;
        QCOMPARE(plan.livrets(), attendues);
        Course c(plan, MemoirePaires(), r);
        c.Jouer(Juste);
        QCOMPARE(c.posees, QStringList({"1x11", "2x11", "3x11", "4x11", "5x11", "6x11", "7x11", "8x11", "9x11", "10x11"}));
    }

    // Each asking of a pair to learn comes after two questions the child
    // knows, the due pairs most likely recalled first, then known pairs not
    // due; each in both orders, until right at once twice; then the due
    // pairs kept back. Never the same pair twice in a row.
    void nouvellesParmiConnues()
    {
        MemoirePaires m = ToutesVues({P(3, 7), P(6, 8), P(4, 9), P(7, 7)});
        const PlanJour plan = Planifier(m, J + 11, 12);
        QCOMPARE(Noms(plan.aApprendre), QStringList({"7x7", "3x7", "4x9"}));
        QVERIFY(!plan.dues.isEmpty() && plan.duesGardees.size() == 12 && plan.connues.isEmpty());
        Course c(plan, m);
        c.Jouer(Juste);
        QVERIFY(c.source->Terminee());
        const QStringList nouvelles = {"7x7", "3x7", "7x3", "4x9", "9x4"};
        QStringList apprises;
        int connues = 0;
        for (qsizetype i = 0; i < c.posees.size(); ++i) {
            QVERIFY(i == 0 || c.posees[i] != c.posees[i - 1]);
            if (!nouvelles.contains(c.posees[i])) {
                ++connues;
                continue;
            }
            QVERIFY2(connues >= 2, qPrintable(c.posees.mid(0, i + 1).join(' ')));
            connues = 0;
            apprises << c.posees[i];
        }
        std::sort(apprises.begin(), apprises.end());
        QCOMPARE(apprises, QStringList({"3x7", "4x9", "7x3", "7x7", "7x7", "9x4"}));
        QCOMPARE(c.posees.size(), plan.dues.size() + plan.duesGardees.size() + 6);
        // The due pairs first, then the learning among those kept back.
        for (const QString& q : c.posees.mid(0, plan.dues.size()))
            QVERIFY(!nouvelles.contains(q));
    }

    // With no due pair left, known pairs not due go between the new ones;
    // without any known pair, the new ones come one after the other.
    void connuesNonDues()
    {
        MemoirePaires m = ToutesVues({P(3, 7)});
        PlanJour plan = Planifier(m, J, 12);
        QVERIFY(plan.dues.isEmpty() && plan.duesGardees.isEmpty());
        QCOMPARE(plan.connues.size(), 8);
        Course c(plan, m);
        c.Jouer(Juste);
        QCOMPARE(c.posees.size(), 6);
        QCOMPARE(c.posees[2] + ' ' + c.posees[5], QString("7x3 3x7"));

        m = Memoire("3x7:r@-5 2x3:r@-5");
        plan = Planifier(m, J, 12);
        plan.verifications.clear();
        Course seule(plan, m);
        seule.Jouer(Juste);
        QCOMPARE(seule.posees, QStringList({"3x2", "7x3", "2x3", "3x7"}));
    }

    // A fact missed comes back after two to four other questions, as it
    // was asked, until it is right at once; a check missed becomes a pair to
    // learn while today has room, and is learnt among known questions.
    void manquesReviennent()
    {
        MemoirePaires m = ToutesVues({});
        const PlanJour plan = Planifier(m, J + 11, 12);
        QVERIFY(plan.dues.size() > 20);
        Course c(plan, m);
        int manques = 0;
        c.Jouer([&manques](const Question& q, int) {
            return Nom(q) == "7x6" && manques++ < 2 ? QStringLiteral("r") : QStringLiteral("v");
        });
        const qsizetype premier = c.posees.indexOf("7x6!"), second = c.posees.indexOf("7x6!", premier + 1),
                        juste = c.posees.indexOf("7x6");
        QVERIFY(premier >= 0 && second > premier && juste > second);
        for (const qsizetype ecart : {second - premier - 1, juste - second - 1})
            QVERIFY2(ecart >= 2 && ecart <= 4, qPrintable(c.posees.join(' ')));
        QCOMPARE(c.posees.count("6x7"), 0);

        MemoirePaires vide;
        Course v(Planifier(vide, J, 12), vide);
        v.Jouer([](const Question& q, int i) { return Nom(q) == "2x3" && i < 3 ? QStringLiteral("e") : QStringLiteral("v"); });
        QCOMPARE(v.posees.mid(0, 6), QStringList({"1x2", "2x2", "2x3!", "2x4", "2x5", "2x3"}));
        QCOMPARE(v.posees.count("3x2"), 1);
        QVERIFY(v.source->Terminee());
    }

    // The run ends once ten minutes have passed, at the end of the question
    // under way, even with the plan not done; how far it came, of a total
    // that a miss makes longer.
    void dixMinutes()
    {
        MemoirePaires m = ToutesVues({});
        const PlanJour plan = Planifier(m, J + 30, 12);
        Course c(plan, m);
        QCOMPARE(c.source->avancement(), (Avancement{0, int(plan.dues.size())}));
        c.Jouer(Juste, 1);
        QCOMPARE(c.source->avancement(), (Avancement{1, int(plan.dues.size())}));
        c.Jouer([](const Question&, int) { return QStringLiteral("r"); }, 1);
        QCOMPARE(c.source->avancement(), (Avancement{2, int(plan.dues.size()) + 1}));
        c.horloge.ms = 10 * 60 * 1000 - 5001;
        c.Jouer(Juste, 1);
        QVERIFY(!c.source->Terminee());
        const std::optional<Question> q = c.source->Suivante(c.tirages);
        QVERIFY(q);
        c.horloge.ms += 5000;
        QVERIFY(!c.source->Terminee());
        c.source->Regler({q->livret, q->multiplicateur, Issue::Essai1, 1, 20});
        QVERIFY(c.source->Terminee());
        QVERIFY(c.source->avancement()->faits < c.source->avancement()->total);
    }

    // What a run tells at its end: each fact once, reviewed or new, and
    // those the grid now has automatisé.
    void resume()
    {
        const MemoirePaires m = Memoire("7x8:v@-9 8x7:v@-9 3x4:r@-2");
        Bilan bilan;
        bilan.Ajouter({{8, 7, Issue::Essai1, 1, 20}, {8, 7, Issue::Essai1, 1, 20}, {7, 8, Issue::Essai1, 1, 20},
                       {7, 8, Issue::Essai1, 1, 20}},
                      QDate::fromJulianDay(J - 9));
        const QList<Fait> faits = {{8, 7, Issue::Essai1, 1, 20}, {8, 7, Issue::Reponse, 3, 90}, {7, 8, Issue::Essai1, 1, 25},
                                   {4, 3, Issue::Essai1, 1, 20}, {2, 2, Issue::Essai2, 2, 40}};
        QCOMPARE(Resumer(m, bilan, faits, QDate::fromJulianDay(J)), (ResumeJour{2, 2, 1}));
        QCOMPARE(Resumer(m, bilan, faits.mid(2, 1), QDate::fromJulianDay(J)), (ResumeJour{1, 0, 1}));
    }
};

QTEST_GUILESS_MAIN(TestPlan)
#include "tst_plan.moc"
