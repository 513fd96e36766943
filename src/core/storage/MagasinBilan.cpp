// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MagasinBilan.h"

#include "core/storage/Lignes.h"
#include "core/storage/Tables.h"

#include <QSqlQuery>

namespace {

// Where %1 stands, the user's own rows or the pupil's that a teacher looks
// at (BaseResultats::PourEleve).

// The last settlings of one fact, newest first, straight from its index;
// the same among the facts saved before the one given.
const QString SqlDerniersReglements = QStringLiteral(R"(
SELECT "DateHeure", "Issue", "Dixiemes" FROM "TFait"
WHERE %1 AND "NumLivret" = ? AND "Multiplicateur" = ? ORDER BY "Id" DESC LIMIT ?
)");
const QString SqlDerniersReglementsAvant = QStringLiteral(R"(
SELECT "DateHeure", "Issue", "Dixiemes" FROM "TFait"
WHERE %1 AND "NumLivret" = ? AND "Multiplicateur" = ? AND "Id" < ? ORDER BY "Id" DESC LIMIT ?
)");

// The right first tries of one fact since its last miss; the same among the
// facts saved before the one given.
const QString SqlSerie = QStringLiteral(R"(
SELECT COUNT(*) FROM "TFait"
WHERE %1 AND "NumLivret" = ? AND "Multiplicateur" = ?
  AND "Id" > COALESCE((SELECT MAX("Id") FROM "TFait" WHERE %1 AND "NumLivret" = ? AND "Multiplicateur" = ? AND "Issue" <> 1), 0)
)");
const QString SqlSerieAvant = QStringLiteral(R"(
SELECT COUNT(*) FROM "TFait"
WHERE %1 AND "NumLivret" = ? AND "Multiplicateur" = ? AND "Id" < ?
  AND "Id" > COALESCE((SELECT MAX("Id") FROM "TFait"
                       WHERE %1 AND "NumLivret" = ? AND "Multiplicateur" = ? AND "Id" < ? AND "Issue" <> 1), 0)
)");

// The saved training asked for stands at its latest row; walking back from
// it by row, each other saved training is met at its own latest row (no row
// of the same date and time comes after it), until there are enough. Then
// every row of those, the later row of a table winning. The index on
// "DateHeure" answers every look-up, so the work does not grow with the file.
const QString SqlProgression = QStringLiteral(R"(
WITH "Demande" AS (SELECT CAST(? AS TEXT) AS "Cle", CAST(? AS INTEGER) AS "Nombre"),
"Choisi" AS (
    SELECT MAX("Id") AS "Id" FROM "TCalkado" WHERE %1 AND "DateHeure" = (SELECT "Cle" FROM "Demande")),
"Entrainements" AS (
    SELECT t."Id", t."DateHeure" FROM "TCalkado" AS t
    WHERE %1 AND t."Id" <= (SELECT "Id" FROM "Choisi")
      AND NOT EXISTS (SELECT 1 FROM "TCalkado" AS u WHERE %1 AND u."DateHeure" = t."DateHeure" AND u."Id" > t."Id")
    ORDER BY t."Id" DESC LIMIT (SELECT "Nombre" FROM "Demande")),
"Lignes" AS (
    SELECT r.*, ROW_NUMBER() OVER (PARTITION BY r."DateHeure", r."NumLivret" ORDER BY r."Id" DESC) AS "Rang"
    FROM "Entrainements" AS e JOIN "TCalkado" AS r ON %1 AND r."DateHeure" = e."DateHeure")
SELECT e."Id" AS "Id", e."DateHeure" AS "DateHeure",
       CASE WHEN e."Id" = (SELECT "Id" FROM "Choisi") THEN 1 ELSE 0 END AS "Choisi", )")
                                  + ListeSql(TCalkado::Enregistrement, QStringLiteral("l")) + QStringLiteral(R"(
FROM "Entrainements" AS e LEFT JOIN "Lignes" AS l ON l."DateHeure" = e."DateHeure" AND l."Rang" = 1
ORDER BY e."Id"
)");

} // namespace

MagasinBilan::MagasinBilan(BaseResultats& base_, MagasinMemoire& memoire_) : base(base_), memoire(memoire_)
{
}

Lecture<Bilan> MagasinBilan::LireBilan(const QString& eleve, std::optional<qint64> avant)
{
    Bilan bilan;
    if (const ProblemeBase probleme = base.connexion().Ouvrir(); probleme != ProblemeBase::Aucun || !base.faits())
        return {bilan, probleme};
    for (int livret = PremierLivret; livret < PremierLivret + NbLivrets; ++livret)
        for (int multiplicateur = 1; multiplicateur <= NbMultiplicateurs; ++multiplicateur)
            if (const ProblemeBase probleme =
                    LireHistoire(eleve, livret, multiplicateur, avant, bilan.fait(livret, multiplicateur));
                probleme != ProblemeBase::Aucun)
                return {bilan, probleme};
    if (avant)
        return {bilan, ProblemeBase::Aucun};
    const Lecture<MemoireLue> lue = memoire.LireMemoire(eleve);
    bilan.DefinirMemoire(lue.valeur.memoire);
    return {bilan, lue.probleme};
}

ProblemeBase MagasinBilan::LireHistoire(const QString& eleve, int livret, int multiplicateur,
                                        std::optional<qint64> avant, HistoireFait& histoire)
{
    QVariantList fait = {livret, multiplicateur};
    if (avant)
        fait << *avant;
    QSqlQuery requete;
    if (const ProblemeBase probleme = base.Executer(
            requete, base.PourEleve(avant ? SqlDerniersReglementsAvant : SqlDerniersReglements,
                                    {fait + QVariantList{HistoireFait::Gardes}}, eleve));
        probleme != ProblemeBase::Aucun)
        return probleme;
    QList<Reglement> derniers;
    const LecteurReglement lecteur(requete);
    while (requete.next())
        derniers.prepend(lecteur.Lire(requete));
    for (const Reglement& r : derniers)
        histoire.Ajouter(r);
    // A series longer than the settlings kept is counted in full.
    if (histoire.serie < HistoireFait::Gardes)
        return ProblemeBase::Aucun;
    if (const ProblemeBase probleme =
            base.Executer(requete, base.PourEleve(avant ? SqlSerieAvant : SqlSerie, {fait, fait}, eleve));
        probleme != ProblemeBase::Aucun)
        return probleme;
    histoire.serie = requete.next() ? requete.value(0).toInt() : histoire.serie;
    return ProblemeBase::Aucun;
}

Lecture<QList<PointProgression>> MagasinBilan::LireProgression(const QString& dateHeure, int livret)
{
    QSqlQuery requete;
    if (const ProblemeBase probleme =
            base.Executer(requete, base.PourEleve(SqlProgression, {{dateHeure, NbEntrainementsProgression}}));
        probleme != ProblemeBase::Aucun)
        return {{}, probleme};
    return {LirePoints(requete, livret), ProblemeBase::Aucun};
}
