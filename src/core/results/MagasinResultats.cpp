#include "MagasinResultats.h"

#include "core/Textes.h"
#include "core/results/DateHeure.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <limits>

namespace {

// The SQL is kept to what SQLite and the other common engines read alike;
// what is SQLite's own stays in ConnexionSqlite.

const QString NomTable = QStringLiteral("TCalkado");

// The columns a save writes, in order.
const QStringList NomsColonnes = {
    QStringLiteral("DateHeure"),           QStringLiteral("Multiplicateur1a12"),
    QStringLiteral("Aléatoire"),           QStringLiteral("NumLivret"),
    QStringLiteral("NbQuestionParLivret"), QStringLiteral("NbQuestionEssai1"),
    QStringLiteral("TempsTotalEssai1"),    QStringLiteral("NbQuestionEssai2"),
    QStringLiteral("NbQuestionRéponse")};

// Fails on a table without one of the columns, without reading a row.
const QString SqlVerifier = QStringLiteral(R"(
SELECT "Id", "DateHeure", "Multiplicateur1a12", "Aléatoire", "NumLivret", "NbQuestionParLivret",
       "NbQuestionEssai1", "TempsTotalEssai1", "NbQuestionEssai2", "NbQuestionRéponse"
FROM "TCalkado" WHERE 1 = 0
)");

const QString SqlEcrire = QStringLiteral(R"(
INSERT INTO "TCalkado" ("DateHeure", "Multiplicateur1a12", "Aléatoire", "NumLivret", "NbQuestionParLivret",
                        "NbQuestionEssai1", "TempsTotalEssai1", "NbQuestionEssai2", "NbQuestionRéponse")
VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)
)");

// Whether a saved training already has that date and time.
const QString SqlDatePrise = QStringLiteral(R"(SELECT EXISTS (SELECT 1 FROM "TCalkado" WHERE "DateHeure" = ?))");

const QString SqlContient = QStringLiteral(R"(SELECT EXISTS (SELECT 1 FROM "TCalkado"))");

// Newest first, in the order rows were added, read backwards straight from
// the table. A row without a date, which the program never writes, belongs
// to no saved training.
const QString SqlDates =
    QStringLiteral(R"(SELECT "DateHeure" FROM "TCalkado" WHERE "DateHeure" IS NOT NULL ORDER BY "Id" DESC)");

// One table's results come in the order LireLigne reads them.
const QString SqlResultats = QStringLiteral(R"(
SELECT "NumLivret", "Multiplicateur1a12", "Aléatoire", "NbQuestionParLivret", "NbQuestionEssai1",
       "TempsTotalEssai1", "NbQuestionEssai2", "NbQuestionRéponse"
FROM "TCalkado" WHERE "DateHeure" = ? ORDER BY "Id"
)");

const QString SqlSupprimer = QStringLiteral(R"(DELETE FROM "TCalkado" WHERE "DateHeure" = ?)");

// The saved training asked for stands at its latest row; walking back from
// it by row, each other saved training is met at its own latest row (no row
// of the same date and time comes after it), until there are enough. Then
// every row of those, the later row of a table winning. The index on
// "DateHeure" answers every look-up, so the work does not grow with the file.
const QString SqlProgression = QStringLiteral(R"(
WITH "Demande" AS (SELECT CAST(? AS TEXT) AS "Cle", CAST(? AS INTEGER) AS "Nombre"),
"Choisi" AS (
    SELECT MAX("Id") AS "Id" FROM "TCalkado" WHERE "DateHeure" = (SELECT "Cle" FROM "Demande")),
"Entrainements" AS (
    SELECT t."Id", t."DateHeure" FROM "TCalkado" AS t
    WHERE t."Id" <= (SELECT "Id" FROM "Choisi")
      AND NOT EXISTS (SELECT 1 FROM "TCalkado" AS u WHERE u."DateHeure" = t."DateHeure" AND u."Id" > t."Id")
    ORDER BY t."Id" DESC LIMIT (SELECT "Nombre" FROM "Demande")),
"Lignes" AS (
    SELECT r.*, ROW_NUMBER() OVER (PARTITION BY r."DateHeure", r."NumLivret" ORDER BY r."Id" DESC) AS "Rang"
    FROM "Entrainements" AS e JOIN "TCalkado" AS r ON r."DateHeure" = e."DateHeure")
SELECT e."Id", e."DateHeure", CASE WHEN e."Id" = (SELECT "Id" FROM "Choisi") THEN 1 ELSE 0 END,
       l."NumLivret", l."Multiplicateur1a12", l."Aléatoire", l."NbQuestionParLivret", l."NbQuestionEssai1",
       l."TempsTotalEssai1", l."NbQuestionEssai2", l."NbQuestionRéponse"
FROM "Entrainements" AS e LEFT JOIN "Lignes" AS l ON l."DateHeure" = e."DateHeure" AND l."Rang" = 1
ORDER BY e."Id"
)");

qint32 Entier(const QVariant& valeur)
{
    return static_cast<qint32>(std::clamp<qlonglong>(valeur.toLongLong(), std::numeric_limits<qint32>::min(),
                                                     std::numeric_limits<qint32>::max()));
}

// One table's row, from the column given on: its record takes its place in
// the results, unless its table is not one of 2 to 12.
void LireLigne(const QSqlQuery& requete, int premiere, Resultats& resultats)
{
    const qlonglong i = requete.value(premiere).toLongLong() - PremierLivret;
    if (requete.isNull(premiere) || i < 0 || i >= NbLivrets)
        return;
    ResultatLivret& r = resultats[std::size_t(i)];
    r.Multiplicateur1a12 = Entier(requete.value(premiere + 1)) != 0;
    r.Aléatoire = Entier(requete.value(premiere + 2));
    r.NbQuestionParLivret = Entier(requete.value(premiere + 3));
    r.NbQuestionEssai1 = Entier(requete.value(premiere + 4));
    r.TempsTotalEssai1 = Entier(requete.value(premiere + 5));
    r.NbQuestionEssai2 = Entier(requete.value(premiere + 6));
    r.NbQuestionRéponse = Entier(requete.value(premiere + 7));
}

// The table has every column a save writes, and none that a save would
// leave without a value.
ProblemeBase VerifierTables(QSqlDatabase& base, const ConnexionSqlite& connexion)
{
    QSqlQuery requete(base);
    if (!requete.exec(SqlVerifier))
        return connexion.Probleme(requete.lastError());
    for (const QString& colonne : ConnexionSqlite::ColonnesObligatoires(base, NomTable))
        if (!NomsColonnes.contains(colonne))
            return ProblemeBase::PasUneBase;
    return ProblemeBase::Aucun;
}

// The moment asked for, or the first second after it that no saved training
// has yet: two saves never share their date and time.
Lecture<QString> DateLibre(QSqlDatabase& base, const ConnexionSqlite& connexion, QDateTime moment)
{
    QSqlQuery requete(base);
    if (!requete.prepare(SqlDatePrise))
        return {{}, connexion.Probleme(requete.lastError())};
    for (;; moment = moment.addSecs(1)) {
        requete.addBindValue(TexteBase(moment));
        if (!requete.exec() || !requete.next())
            return {{}, connexion.Probleme(requete.lastError())};
        if (!requete.value(0).toBool())
            return {TexteBase(moment), ProblemeBase::Aucun};
    }
}

} // namespace

MagasinResultats::MagasinResultats(const QString& nomConnexion)
    : connexion(nomConnexion, Textes::NomFichierBase,
                [this](QSqlDatabase& base) { return VerifierTables(base, connexion); })
{
}

ProblemeBase MagasinResultats::Verifier()
{
    return connexion.Ouvrir();
}

void MagasinResultats::Fermer()
{
    connexion.Fermer();
}

ProblemeBase MagasinResultats::EcrireResultats(const Resultats& resultats, const QDateTime& moment)
{
    // The transaction holds the write lock before the date is chosen: another
    // program saving in the same second waits, then takes the next one.
    return connexion.Transaction([&](QSqlDatabase& base) {
        const Lecture<QString> date = DateLibre(base, connexion, moment);
        if (!date)
            return date.probleme;
        QSqlQuery requete(base);
        if (!requete.prepare(SqlEcrire))
            return connexion.Probleme(requete.lastError());
        for (int i = 0; i < NbLivrets; ++i) {
            const ResultatLivret& r = resultats[i];
            if (r.NbQuestionParLivret == 0)
                continue;
            for (const QVariant& valeur :
                 {QVariant(date.valeur), QVariant(r.Multiplicateur1a12 ? 1 : 0), QVariant(r.Aléatoire),
                  QVariant(i + PremierLivret), QVariant(r.NbQuestionParLivret), QVariant(r.NbQuestionEssai1),
                  QVariant(r.TempsTotalEssai1), QVariant(r.NbQuestionEssai2), QVariant(r.NbQuestionRéponse)})
                requete.addBindValue(valeur);
            if (!requete.exec())
                return connexion.Probleme(requete.lastError());
        }
        return ProblemeBase::Aucun;
    });
}

Lecture<bool> MagasinResultats::ContientDesResultats()
{
    QSqlQuery requete;
    if (const ProblemeBase probleme = connexion.Executer(requete, SqlContient); probleme != ProblemeBase::Aucun)
        return {false, probleme};
    return {requete.next() && requete.value(0).toBool(), ProblemeBase::Aucun};
}

Lecture<QStringList> MagasinResultats::LireDates()
{
    QSqlQuery requete;
    if (const ProblemeBase probleme = connexion.Executer(requete, SqlDates); probleme != ProblemeBase::Aucun)
        return {{}, probleme};
    QStringList dates;
    while (requete.next()) {
        QString dateHeure = requete.value(0).toString();
        if (dates.isEmpty() || dates.constLast() != dateHeure)
            dates << std::move(dateHeure);
    }
    return {dates, ProblemeBase::Aucun};
}

Lecture<Resultats> MagasinResultats::LireResultats(const QString& dateHeure)
{
    QSqlQuery requete;
    if (const ProblemeBase probleme = connexion.Executer(requete, SqlResultats, {dateHeure});
        probleme != ProblemeBase::Aucun)
        return {{}, probleme};
    Resultats resultats{};
    while (requete.next())
        LireLigne(requete, 0, resultats);
    return {resultats, ProblemeBase::Aucun};
}

ProblemeBase MagasinResultats::SupprimerEntrainement(const QString& dateHeure)
{
    return connexion.Transaction([&](QSqlDatabase& base) {
        QSqlQuery requete(base);
        requete.prepare(SqlSupprimer);
        requete.addBindValue(dateHeure);
        if (!requete.exec())
            return connexion.Probleme(requete.lastError());
        // Nothing deleted is no success: the saved training is gone already.
        return requete.numRowsAffected() > 0 ? ProblemeBase::Aucun : ProblemeBase::Introuvable;
    });
}

Lecture<QList<PointProgression>> MagasinResultats::LireProgression(const QString& dateHeure, int livret)
{
    QSqlQuery requete;
    if (const ProblemeBase probleme =
            connexion.Executer(requete, SqlProgression, {dateHeure, NbEntrainementsProgression});
        probleme != ProblemeBase::Aucun)
        return {{}, probleme};
    QList<PointProgression> points;
    qlonglong entrainement = 0;
    QString date;
    bool choisi = false;
    Resultats resultats{};
    const auto finir = [&] {
        if (entrainement != 0)
            points.append(PointDe(date, resultats, livret, choisi));
    };
    while (requete.next()) {
        if (requete.value(0).toLongLong() != entrainement) {
            finir();
            entrainement = requete.value(0).toLongLong();
            date = requete.value(1).toString();
            choisi = requete.value(2).toInt() != 0;
            RazResultats(resultats);
        }
        LireLigne(requete, 3, resultats);
    }
    finir();
    return {points, ProblemeBase::Aucun};
}

const QString& MagasinResultats::Table()
{
    return NomTable;
}

const QStringList& MagasinResultats::Colonnes()
{
    return NomsColonnes;
}

QString ExpliquerProbleme(ProblemeBase probleme, const QString& consequence)
{
    const QString* cause = &Textes::BaseInaccessible;
    switch (probleme) {
    case ProblemeBase::Aucun:
        return {};
    case ProblemeBase::Absent: cause = &Textes::BaseAbsente; break;
    case ProblemeBase::Inaccessible: cause = &Textes::BaseInaccessible; break;
    case ProblemeBase::PasUneBase: cause = &Textes::BasePasUneBase; break;
    case ProblemeBase::LectureSeule: cause = &Textes::BaseLectureSeule; break;
    case ProblemeBase::Verrouille: cause = &Textes::BaseVerrouillee; break;
    case ProblemeBase::DisquePlein: cause = &Textes::BaseDisquePlein; break;
    case ProblemeBase::Introuvable: cause = &Textes::EntrainementIntrouvable; break;
    }
    return *cause + QStringLiteral("\n\n") + consequence;
}
