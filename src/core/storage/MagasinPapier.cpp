// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MagasinPapier.h"

#include "core/results/DateHeure.h"
#include "core/storage/Lignes.h"
#include "core/storage/Tables.h"

#include <QSqlQuery>
#include <limits>

namespace {

// Where %1 stands, the user's own rows or those of the pupil named
// (BaseResultats::PourEleve): each statement names them wherever it reads a
// table.

// The questions settled day by day from the day given on; a negative time,
// which the program never writes, counts for nothing.
const QString SqlActivite = QStringLiteral(R"(
SELECT substr("DateHeure", 1, 10) AS "Jour", COUNT(*) AS "Questions",
       SUM(CASE WHEN "Issue" = 1 THEN 1 ELSE 0 END) AS "Essai1",
       SUM(CASE WHEN "Dixiemes" > 0 THEN "Dixiemes" ELSE 0 END) AS "Temps"
FROM "TFait" WHERE %1 AND "DateHeure" >= ?
GROUP BY substr("DateHeure", 1, 10) ORDER BY 1
)");

// The first fact saved with a date from the day given on: the facts saved
// before it make the grid as it stood then.
const QString SqlPremierFaitDepuis = QStringLiteral(R"(SELECT MIN("Id") FROM "TFait" WHERE %1 AND "DateHeure" >= ?)");

// The last saved trainings, each met at its own latest row walking back by
// row (as the progress chart's read does), then all their rows in the order
// added.
const QString SqlDerniersEntrainements = QStringLiteral(R"(
WITH "Entrainements" AS (
    SELECT t."Id", t."DateHeure" FROM "TCalkado" AS t
    WHERE %1 AND t."DateHeure" IS NOT NULL
      AND NOT EXISTS (SELECT 1 FROM "TCalkado" AS u WHERE %1 AND u."DateHeure" = t."DateHeure" AND u."Id" > t."Id")
    ORDER BY t."Id" DESC LIMIT CAST(? AS INTEGER))
SELECT e."Id" AS "Id", e."DateHeure" AS "DateHeure", )")
                                          + ListeSql(TCalkado::Enregistrement, QStringLiteral("r"))
                                          + QStringLiteral(R"(
FROM "Entrainements" AS e JOIN "TCalkado" AS r ON %1 AND r."DateHeure" = e."DateHeure"
ORDER BY e."Id", r."Id"
)");

const QString SqlReglementsLivret = QStringLiteral(R"(
SELECT "Multiplicateur", "DateHeure", "Issue", "Dixiemes" FROM "TFait" WHERE %1 AND "NumLivret" = ? ORDER BY "Id"
)");

QVariant DebutJour(const QDate& jour)
{
    return TexteBase(QDateTime(jour, QTime(0, 0), Qt::UTC));
}

} // namespace

MagasinPapier::MagasinPapier(BaseResultats& base_, MagasinBilan& bilan_) : base(base_), bilan(bilan_)
{
}

Lecture<QList<ActiviteJour>> MagasinPapier::LireActivite(const QDate& depuis, const QString& eleve)
{
    QList<ActiviteJour> jours;
    if (const ProblemeBase probleme = base.connexion().Ouvrir(); probleme != ProblemeBase::Aucun || !base.faits())
        return {jours, probleme};
    QSqlQuery requete;
    if (const ProblemeBase probleme =
            base.Executer(requete, base.PourEleve(SqlActivite, {{DebutJour(depuis)}}, eleve));
        probleme != ProblemeBase::Aucun)
        return {jours, probleme};
    const int jour = Position(requete, QStringLiteral("Jour")), questions = Position(requete, QStringLiteral("Questions")),
              essai1 = Position(requete, QStringLiteral("Essai1")), temps = Position(requete, QStringLiteral("Temps"));
    while (requete.next())
        jours.append({QDate::fromString(requete.value(jour).toString(), Qt::ISODate),
                      requete.value(questions).toLongLong(), requete.value(essai1).toLongLong(),
                      requete.value(temps).toLongLong()});
    return {jours, ProblemeBase::Aucun};
}

Lecture<Bilan> MagasinPapier::LireBilanAvant(const QDate& jour, const QString& eleve)
{
    if (const ProblemeBase probleme = base.connexion().Ouvrir(); probleme != ProblemeBase::Aucun || !base.faits())
        return {{}, probleme};
    QSqlQuery requete;
    if (const ProblemeBase probleme =
            base.Executer(requete, base.PourEleve(SqlPremierFaitDepuis, {{DebutJour(jour)}}, eleve));
        probleme != ProblemeBase::Aucun)
        return {{}, probleme};
    // Nothing saved since: the grid as it stands.
    const qint64 borne = requete.next() && !requete.isNull(0) ? requete.value(0).toLongLong()
                                                             : std::numeric_limits<qint64>::max();
    return bilan.LireBilan(eleve, borne);
}

Lecture<QList<PointProgression>> MagasinPapier::LireDerniersEntrainements(const QString& eleve)
{
    QSqlQuery requete;
    if (const ProblemeBase probleme = base.Executer(
            requete, base.PourEleve(SqlDerniersEntrainements, {{}, {NbEntrainementsProgression}, {}}, eleve));
        probleme != ProblemeBase::Aucun)
        return {{}, probleme};
    return {LirePoints(requete, TousLesLivrets), ProblemeBase::Aucun};
}

Lecture<QList<ReglementLivret>> MagasinPapier::LireReglementsLivret(int livret, const QString& eleve)
{
    QList<ReglementLivret> reglements;
    if (const ProblemeBase probleme = base.connexion().Ouvrir(); probleme != ProblemeBase::Aucun || !base.faits())
        return {reglements, probleme};
    QSqlQuery requete;
    if (const ProblemeBase probleme =
            base.Executer(requete, base.PourEleve(SqlReglementsLivret, {{livret}}, eleve));
        probleme != ProblemeBase::Aucun)
        return {reglements, probleme};
    const LecteurReglement lecteur(requete);
    const int multiplicateur = Position(requete, TFait::Multiplicateur);
    while (requete.next())
        reglements.append({requete.value(multiplicateur).toInt(), lecteur.Lire(requete)});
    return {reglements, ProblemeBase::Aucun};
}
