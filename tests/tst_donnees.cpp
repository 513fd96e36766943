// The results store on real files: the dates of the list read back exactly in
// every language, files that are not a results store, a store replaced while
// in use, a deletion refused without losing anything.
#include "Magasin.h"
#include "Outils.h"
#include "core/results/DateHeure.h"
#include "core/results/MagasinResultats.h"

#include <QFile>
#include <QTest>

namespace {

const QDateTime Moment(QDate(2026, 3, 14), QTime(10, 0, 5), Qt::UTC);

// The results of one table, with counts it can be recognised by.
Resultats resultats(int table)
{
    Resultats r{};
    r[std::size_t(table - 2)] = {true, 1, table + 3, table, 2, 1, table * 10};
    return r;
}

} // namespace

class TestDonnees : public QObject
{
    Q_OBJECT

private slots:
    void dates_relues_exactement_dans_chaque_langue()
    {
        const QList<QDateTime> moments = {
            Moment, QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59), Qt::UTC),
            QDateTime(QDate(2026, 1, 2), QTime(0, 0), Qt::UTC),      // midnight: no time shown
            QDateTime(QDate(2026, 1, 2), QTime(0, 0, 1), Qt::UTC),
            QDateTime(QDate(1999, 2, 3), QTime(4, 5, 6), Qt::UTC),   // a year of two digits would come back as 2099 or 1999
            QDateTime(QDate(2026, 3, 29), QTime(2, 30), Qt::UTC)};  // no such local time in France
        const QList<QLocale> langues = {QLocale(QLocale::French, QLocale::France), QLocale(QLocale::English, QLocale::UnitedStates),
                                        QLocale(QLocale::German, QLocale::Germany), QLocale::c(),
                                        QLocale(QLocale::Chinese, QLocale::China), QLocale(QLocale::Arabic, QLocale::Egypt),
                                        // digits of two UTF-16 units
                                        QLocale(QLocale::Chakma, QLocale::Bangladesh),
                                        QLocale(QLocale::Fulah, QLocale::AdlamScript, QLocale::Senegal)};
        for (const QLocale& langue : langues)
            for (const QDateTime& moment : moments) {
                const QString texte = TexteDateHeure(moment, langue);
                QCOMPARE(LireDateHeure(texte, langue), moment);
                QCOMPARE(CleElement(ElementListe(TexteBase(moment), langue), langue), TexteBase(moment));
            }

        // The French list, the stored text and the moment of a save cut to the
        // second are the viewer's and the save's tests.
        for (const QString autre : {"2026-3-14 10:00:05", "2026-03-14T10:00:05", "2026-02-30 10:00:00", ""})
            QVERIFY2(!LireTexteBase(autre).isValid(), qPrintable(autre));
        // A stored value that is no date is listed, and found again, as it is.
        QCOMPARE(ElementListe("hier", langues[0]), QString("hier"));
        QCOMPARE(CleElement("hier", langues[0]), QString("hier"));
    }

    void fichiers_qui_ne_sont_pas_le_magasin()
    {
        // A missing store and a text file in its place are the main window's
        // tests. An empty file is an empty SQLite database, without the table.
        DossierProgramme dossier(true, false);
        MagasinResultats base("test");
        QVERIFY(QFile("CalkadoVa.sqlite").open(QIODevice::WriteOnly));
        QCOMPARE(base.Verifier(), ProblemeBase::PasUneBase);
        QCOMPARE(base.LireDates().probleme, ProblemeBase::PasUneBase);
        QCOMPARE(QFile("CalkadoVa.sqlite").size(), 0);

        QFile::remove("CalkadoVa.sqlite");
        Magasin::executer({"CREATE TABLE \"Autre\" (\"x\" INTEGER)"});
        QCOMPARE(base.ContientDesResultats().probleme, ProblemeBase::PasUneBase);
        QFile::remove("CalkadoVa.sqlite");
        Magasin::executer({"CREATE TABLE %T (\"DateHeure\" TEXT, \"NumLivret\" INTEGER)"});
        QCOMPARE(base.EcrireResultats(resultats(3), Moment), ProblemeBase::PasUneBase);

        // The set-up never replaces a store that is there.
        QFile::remove("CalkadoVa.sqlite");
        QVERIFY(CreerBase(CALKADO_SCHEMA, "CalkadoVa.sqlite"));
        QCOMPARE(base.EcrireResultats(resultats(3), Moment), ProblemeBase::Aucun);
        QVERIFY(!CreerBase(CALKADO_SCHEMA, "CalkadoVa.sqlite"));
        QCOMPARE(Magasin::lignes().size(), 1);
    }

    void magasin_remplace_pendant_l_usage()
    {
        DossierProgramme dossier;
        MagasinResultats base("test");
        // Removed while open, the fault is the viewer's test; replaced between
        // two saves that both succeed, the new one is written.
        QCOMPARE(base.EcrireResultats(resultats(3), Moment), ProblemeBase::Aucun);
        QVERIFY(QFile::rename("CalkadoVa.sqlite", "ancien.sqlite"));
        QVERIFY(CreerBase(CALKADO_SCHEMA, "CalkadoVa.sqlite"));
        QCOMPARE(base.EcrireResultats(resultats(6), Moment), ProblemeBase::Aucun);
        QCOMPARE(Magasin::lignes(), QStringList{"2026-03-14 10:00:05|1|1|6|9|6|60|2|1"});
        QCOMPARE(Magasin::lignes("ancien.sqlite").size(), 1);
    }

    void suppression_refusee_sans_rien_perdre()
    {
        DossierProgramme dossier;
        MagasinResultats base("test");
        QCOMPARE(base.EcrireResultats(resultats(3), Moment), ProblemeBase::Aucun);
        base.Fermer();
        struct Protection
        {
            bool active = Magasin::proteger("CalkadoVa.sqlite", true);
            ~Protection() { Magasin::proteger("CalkadoVa.sqlite", false); }
        } protection;
        if (!protection.active)
            QSKIP("this file system cannot make a file read-only for this user");
        QCOMPARE(base.SupprimerEntrainement(TexteBase(Moment)), ProblemeBase::LectureSeule);
        QCOMPARE(base.LireDates().valeur, QStringList{TexteBase(Moment)});
    }
};

QTEST_GUILESS_MAIN(TestDonnees)
#include "tst_donnees.moc"
