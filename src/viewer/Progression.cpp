#include "Progression.h"

#include "Textes.h"
#include "results/DateHeure.h"
#include "results/TableauResultats.h"

#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <cmath>

namespace {

// The saved training asked for stands at its latest row; walking back from
// it by row, each other saved training is met at its own latest row (no row
// of the same date and time comes after it), until there are enough. Then
// every row of those, one per table with the later row winning, summed as the
// results table sums its totals: counts below 1 add nothing, nor does the time
// of a table without a right first try. The index on "DateHeure" answers
// every look-up, so the work does not grow with the store.
const QString SqlProgression = QStringLiteral(R"(
WITH "Demande" AS (SELECT ? AS "Cle", ? AS "Livret", ? AS "Nombre"),
"Choisi" AS (
    SELECT MAX("Id") AS "Id" FROM "TCalkado" WHERE "DateHeure" = (SELECT "Cle" FROM "Demande")),
"Entrainements" AS (
    SELECT t."Id", t."DateHeure" FROM "TCalkado" AS t
    WHERE t."Id" <= (SELECT "Id" FROM "Choisi")
      AND NOT EXISTS (SELECT 1 FROM "TCalkado" AS u WHERE u."DateHeure" = t."DateHeure" AND u."Id" > t."Id")
    ORDER BY t."Id" DESC LIMIT (SELECT "Nombre" FROM "Demande")),
"Lignes" AS (
    SELECT r."DateHeure", r."NbQuestionParLivret" AS "Questions", r."NbQuestionEssai1" AS "Essai1",
           r."TempsTotalEssai1" AS "Temps",
           ROW_NUMBER() OVER (PARTITION BY r."DateHeure", r."NumLivret" ORDER BY r."Id" DESC) AS "Rang"
    FROM "Entrainements" AS e JOIN "TCalkado" AS r ON r."DateHeure" = e."DateHeure"
    WHERE r."NumLivret" BETWEEN 2 AND 12
      AND (SELECT "Livret" FROM "Demande") IN (0, r."NumLivret"))
SELECT e."DateHeure", e."Id" = (SELECT "Id" FROM "Choisi"),
       SUM(CASE WHEN l."Questions" >= 1 THEN l."Questions" ELSE 0 END),
       SUM(CASE WHEN l."Essai1" >= 1 THEN l."Essai1" ELSE 0 END),
       SUM(CASE WHEN l."Essai1" >= 1 THEN l."Temps" ELSE 0 END)
FROM "Entrainements" AS e LEFT JOIN "Lignes" AS l ON l."DateHeure" = e."DateHeure" AND l."Rang" = 1
GROUP BY e."Id" ORDER BY e."Id"
)");

} // namespace

double PointProgression::part() const
{
    if (nbQuestions < 1)
        return 0;
    return std::min(100.0, 100.0 * double(std::max<qint64>(nbEssai1, 0)) / double(nbQuestions));
}

std::optional<double> PointProgression::tempsMoyen() const
{
    if (nbEssai1 < 1)
        return std::nullopt;
    return double(tempsEssai1) / double(nbEssai1) / 10.0;
}

QString Progression::titre() const
{
    return livret == TousLesLivrets ? Textes::ProgressionTotaux
                                    : Textes::ProgressionLivret + QString::number(livret);
}

double Progression::echelleTemps() const
{
    double plusLong = 0;
    for (const PointProgression& p : points)
        if (const std::optional<double> temps = p.tempsMoyen(); temps && p.aUneBarre())
            plusLong = std::max(plusLong, *temps);
    // 1, 2, 5, 10, 20, 50... seconds
    for (double puissance = 1;; puissance *= 10)
        for (const double facteur : {1.0, 2.0, 5.0})
            if (facteur * puissance >= plusLong || puissance > 1e12)
                return facteur * puissance;
}

QString Progression::description(const QLocale& locale) const
{
    QStringList lignes = {titre()};
    for (const PointProgression& p : points) {
        if (!p.aUneBarre())
            continue;
        const std::optional<double> temps = p.tempsMoyen();
        lignes << Textes::LigneProgression(ElementListe(p.dateHeure, locale), TextePart(p.part()),
                                           temps ? FormatTemps(*temps, locale) : QString(), p.choisi);
    }
    return lignes.join(QLatin1Char('\n'));
}

QString TextePart(double part)
{
    return QString::number(std::lround(part)) + QStringLiteral(" %");
}

Lecture<QList<PointProgression>> LireProgression(BaseDonnees& base, const QString& dateHeure, int livret)
{
    QSqlQuery requete;
    const ProblemeBase probleme =
        base.Executer(requete, SqlProgression, {dateHeure, livret, NbEntrainementsProgression});
    if (probleme != ProblemeBase::Aucun)
        return {{}, probleme};
    QList<PointProgression> points;
    while (requete.next())
        points.append({requete.value(0).toString(), requete.value(2).toLongLong(),
                       requete.value(3).toLongLong(), requete.value(4).toLongLong(),
                       requete.value(1).toBool()});
    return {points, ProblemeBase::Aucun};
}
