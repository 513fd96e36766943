// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MagasinClasse.h"

#include "core/results/DateHeure.h"
#include "core/storage/Lignes.h"
#include "core/storage/Tables.h"

#include <QSqlQuery>

namespace {

// PostgreSQL's SQL: these reads are the school's server's only.

// The classes the user teaches, one row at least: the user's account, and
// the classes from the server's own function.
const QString SqlEnseignant = QStringLiteral(R"(
SELECT SESSION_USER::text AS "Compte", c."Classe" AS "Classe"
FROM (SELECT 1) AS u LEFT JOIN calkado_classes_enseignees() AS c("Classe") ON TRUE
ORDER BY 2
)");

// The rows and facts that a real Calkado writes, dated before the day given
// (the day after tomorrow, for the clocks that run ahead): anything else,
// kept from before the server had its rules or from a clock far ahead, is
// not shown. %1 is the table's alias, %2 the day's parameter. (The date's
// length and range alone: its exact form, which the server's rules check
// for every new row, would cost a pattern a row.)
const QString LignePossible = QStringLiteral(R"(
LENGTH(%1."DateHeure") = 19 AND %1."DateHeure" BETWEEN '1970' AND %2
AND %1."NumLivret" BETWEEN 2 AND 12 AND %1."Multiplicateur1a12" IN (0, 1) AND %1."Aléatoire" IN (0, 1)
AND %1."NbQuestionParLivret" >= 1 AND %1."NbQuestionEssai1" >= 0 AND %1."NbQuestionEssai2" >= 0
AND %1."NbQuestionRéponse" >= 0 AND %1."TempsTotalEssai1" >= 0
AND (%1."NbQuestionEssai1" > 0 OR %1."TempsTotalEssai1" = 0)
AND %1."NbQuestionEssai1"::bigint + %1."NbQuestionEssai2" + %1."NbQuestionRéponse" = %1."NbQuestionParLivret"
)");
const QString FaitPossible = QStringLiteral(R"(
LENGTH("DateHeure") = 19 AND "DateHeure" BETWEEN '1970' AND CAST(? AS TEXT)
AND "Issue" BETWEEN 1 AND 3 AND "Dixiemes" >= 0
)");

// The sums of each count of the table's alias, each under the count's name.
QString Sommes(const QString& alias)
{
    QStringList sommes;
    for (const QString& colonne : TCalkado::Comptes)
        sommes << QStringLiteral("SUM(%1.%2) AS %2").arg(alias, NomSql(colonne));
    return sommes.join(QStringLiteral(", "));
}

// Their pupils, each once, with the date of their last saved training and
// the sums, table by table, of their saved trainings from the day given on,
// with no options; each pupil's rows straight from the index on the pupil,
// summed by the server.
const QString SqlClasse = QStringLiteral(R"(
WITH "Eleves" AS (
    SELECT "Eleve", string_agg("Classe", ', ' ORDER BY "Classe") AS "Classes"
    FROM calkado_eleves_lisibles() GROUP BY "Eleve")
SELECT e."Eleve" AS "Eleve", e."Classes" AS "Classes", d."Dernier" AS "Dernier", s."NumLivret" AS "NumLivret",
       0 AS "Multiplicateur1a12", 0 AS "Aléatoire", %3
FROM "Eleves" AS e
CROSS JOIN LATERAL (
    SELECT MAX(d."DateHeure") AS "Dernier" FROM "TCalkado" AS d WHERE d."Eleve" = e."Eleve" AND %1) AS d
LEFT JOIN LATERAL (
    SELECT r."NumLivret", %4
    FROM "TCalkado" AS r WHERE r."Eleve" = e."Eleve" AND r."DateHeure" >= COALESCE(?, '') AND %2
    GROUP BY r."NumLivret") AS s ON TRUE
ORDER BY e."Classes", e."Eleve", s."NumLivret"
)").arg(LignePossible.arg(QStringLiteral("d"), QStringLiteral("CAST(? AS TEXT)")),
        LignePossible.arg(QStringLiteral("r"), QStringLiteral("CAST(? AS TEXT)")),
        ListeSql(TCalkado::Comptes, QStringLiteral("s")), Sommes(QStringLiteral("r")));

// The last settlings of every fact of each of their pupils, each fact's
// straight from its index, oldest first.
const QString SqlFaitsClasse = QStringLiteral(R"(
SELECT e."Eleve" AS "Eleve", l."Livret" AS "NumLivret", m."Multiplicateur" AS "Multiplicateur",
       f."DateHeure" AS "DateHeure", f."Issue" AS "Issue", f."Dixiemes" AS "Dixiemes"
FROM (SELECT DISTINCT "Eleve" FROM calkado_eleves_lisibles()) AS e
CROSS JOIN generate_series(CAST(? AS INTEGER), CAST(? AS INTEGER)) AS l("Livret")
CROSS JOIN generate_series(1, CAST(? AS INTEGER)) AS m("Multiplicateur")
CROSS JOIN LATERAL (
    SELECT "Id", "DateHeure", "Issue", "Dixiemes" FROM "TFait"
    WHERE "Eleve" = e."Eleve" AND "NumLivret" = l."Livret" AND "Multiplicateur" = m."Multiplicateur" AND %1
    ORDER BY "Id" DESC LIMIT CAST(? AS INTEGER)) AS f
ORDER BY e."Eleve", f."Id"
)").arg(FaitPossible);

// The stored dates and times before the day after tomorrow.
QString Surlendemain(const QDate& aujourdhui)
{
    return TexteBase(QDateTime(aujourdhui.addDays(2), QTime(0, 0), Qt::UTC));
}

} // namespace

MagasinClasse::MagasinClasse(BaseResultats& base_) : base(base_)
{
}

Lecture<Enseignant> MagasinClasse::LireEnseignant()
{
    QSqlQuery requete;
    if (const ProblemeBase probleme = base.Executer(requete, {SqlEnseignant, {}}); probleme != ProblemeBase::Aucun)
        return {{}, probleme};
    const int compte = Position(requete, QStringLiteral("Compte")), classe = Position(requete, QStringLiteral("Classe"));
    Enseignant enseignant;
    while (requete.next()) {
        enseignant.compte = requete.value(compte).toString();
        if (!requete.isNull(classe))
            enseignant.classes << requete.value(classe).toString();
    }
    return {enseignant, ProblemeBase::Aucun};
}

Lecture<QList<EleveClasse>> MagasinClasse::LireClasse(const QDate& depuis, const QDate& aujourdhui)
{
    QSqlQuery requete;
    const QVariant debut = depuis.isValid() ? QVariant(TexteBase(QDateTime(depuis, QTime(0, 0), Qt::UTC))) : QVariant();
    const QString fin = Surlendemain(aujourdhui);
    if (const ProblemeBase probleme = base.Executer(requete, {SqlClasse, {fin, debut, fin}});
        probleme != ProblemeBase::Aucun)
        return {{}, probleme};
    const LecteurEnregistrement lecteur(requete);
    const int eleve = Position(requete, QStringLiteral("Eleve")), classes = Position(requete, QStringLiteral("Classes")),
              dernier = Position(requete, QStringLiteral("Dernier"));
    QList<EleveClasse> eleves;
    Resultats resultats{};   // the sums of the pupil being read
    const auto finir = [&] {
        if (!eleves.isEmpty())
            eleves.last().Ajouter(resultats);
        RazResultats(resultats);
    };
    while (requete.next()) {
        if (eleves.isEmpty() || eleves.constLast().eleve != requete.value(eleve).toString()) {
            finir();
            eleves.append({requete.value(eleve).toString(), requete.value(classes).toString(),
                           requete.value(dernier).toString()});
        }
        lecteur.Lire(requete, resultats);
    }
    finir();
    return {eleves, ProblemeBase::Aucun};
}

Lecture<QList<Bilan>> MagasinClasse::LireBilansClasse(const QDate& aujourdhui)
{
    QSqlQuery requete;
    if (const ProblemeBase probleme = base.Executer(
            requete, {SqlFaitsClasse, {PremierLivret, PremierLivret + NbLivrets - 1, NbMultiplicateurs,
                                       Surlendemain(aujourdhui), HistoireFait::Gardes}});
        probleme != ProblemeBase::Aucun)
        return {{}, probleme};
    const LecteurReglement lecteur(requete);
    const int nom = Position(requete, QStringLiteral("Eleve")), livret = Position(requete, TFait::NumLivret),
              multiplicateur = Position(requete, TFait::Multiplicateur);
    QList<Bilan> bilans;
    QString eleve;
    while (requete.next()) {
        if (bilans.isEmpty() || requete.value(nom).toString() != eleve) {
            eleve = requete.value(nom).toString();
            bilans.append(Bilan());
        }
        bilans.last().fait(requete.value(livret).toInt(), requete.value(multiplicateur).toInt())
            .Ajouter(lecteur.Lire(requete));
    }
    return {bilans, ProblemeBase::Aucun};
}
