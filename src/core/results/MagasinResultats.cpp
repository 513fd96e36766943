// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MagasinResultats.h"

#include "core/Textes.h"
#include "core/family/EnfantCourant.h"
#include "core/platform/ConnexionPostgres.h"
#include "core/platform/ConnexionSqlite.h"
#include "core/results/DateHeure.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <limits>
#include <utility>

namespace {

// The SQL is kept to what SQLite and the other common engines read alike;
// what is SQLite's own stays in ConnexionSqlite. On the school's server every
// read of the pupil's own rows names the pupil, where %1 stands (PourEleve):
// the server keeps the rows of a whole school, and its index on the pupil
// answers at once.

const QString NomTable = QStringLiteral("TCalkado");

// The columns a save writes, in order.
const QStringList NomsColonnes = {
    QStringLiteral("DateHeure"),           QStringLiteral("Multiplicateur1a12"),
    QStringLiteral("Aléatoire"),           QStringLiteral("NumLivret"),
    QStringLiteral("NbQuestionParLivret"), QStringLiteral("NbQuestionEssai1"),
    QStringLiteral("TempsTotalEssai1"),    QStringLiteral("NbQuestionEssai2"),
    QStringLiteral("NbQuestionRéponse")};

// The facts of the saved trainings.
const QString NomTableFaits = QStringLiteral("TFait");
const QStringList NomsColonnesFaits = {
    QStringLiteral("DateHeure"), QStringLiteral("NumLivret"), QStringLiteral("Multiplicateur"),
    QStringLiteral("Issue"),     QStringLiteral("NbEssais"),  QStringLiteral("Dixiemes")};

// The first version of the schema with the facts.
constexpr int VersionFaits = 1;

// Fails on a table without one of the columns, without reading a row.
const QString SqlVerifier = QStringLiteral(R"(
SELECT "Id", "DateHeure", "Multiplicateur1a12", "Aléatoire", "NumLivret", "NbQuestionParLivret",
       "NbQuestionEssai1", "TempsTotalEssai1", "NbQuestionEssai2", "NbQuestionRéponse"
FROM "TCalkado" WHERE 1 = 0
)");

const QString SqlVerifierFaits = QStringLiteral(R"(
SELECT "Id", "DateHeure", "NumLivret", "Multiplicateur", "Issue", "NbEssais", "Dixiemes"
FROM "TFait" WHERE 1 = 0
)");

const QString SqlEcrireFaits = QStringLiteral(R"(
INSERT INTO "TFait" ("DateHeure", "NumLivret", "Multiplicateur", "Issue", "NbEssais", "Dixiemes")
VALUES )");

const QString SqlFaits = QStringLiteral(R"(
SELECT "NumLivret", "Multiplicateur", "Issue", "NbEssais", "Dixiemes" FROM "TFait"
WHERE %1 AND "DateHeure" = ? ORDER BY "Id"
)");

const QString SqlSupprimerFaits = QStringLiteral(R"(DELETE FROM "TFait" WHERE "DateHeure" = ?)");

// The last settlings of one fact, newest first, straight from its index.
// Where %1 stands, the pupil's own (PourEleve) or the one a teacher looks at.
const QString SqlDerniersReglements = QStringLiteral(R"(
SELECT "DateHeure", "Issue", "Dixiemes" FROM "TFait"
WHERE %1 AND "NumLivret" = ? AND "Multiplicateur" = ? ORDER BY "Id" DESC LIMIT ?
)");

// The right first tries of one fact since its last miss.
const QString SqlSerie = QStringLiteral(R"(
SELECT COUNT(*) FROM "TFait"
WHERE %1 AND "NumLivret" = ? AND "Multiplicateur" = ?
  AND "Id" > COALESCE((SELECT MAX("Id") FROM "TFait" WHERE %1 AND "NumLivret" = ? AND "Multiplicateur" = ? AND "Issue" <> 1), 0)
)");

// The pupil's own rows: on the school's server, the user's (as text of the
// column's collation: a name's is "C", which the index on the pupil would
// not serve); a file holds one child's only.
const QString FiltreServeur = QStringLiteral(R"("Eleve" = CAST(SESSION_USER AS TEXT) COLLATE "default")");
const QString FiltreFichier = QStringLiteral("1 = 1");
// A pupil's rows, as a teacher reads them.
const QString FiltreEleve = QStringLiteral(R"("Eleve" = ?)");

// The school's server only. A saved training deleted, with its facts, by the
// server's own function: a pupil holds no right to delete rows.
const QString SqlSupprimerServeur = QStringLiteral("SELECT calkado_supprimer_entrainement(?)");
// The server's functions of this version are there, and the user may call them.
const QString SqlVerifierServeur = QStringLiteral("SELECT 1 FROM calkado_classes_enseignees() WHERE 1 = 0");

// The memory of the pairs that the file keeps, then the facts saved after
// the last it has replayed (all of them when it is of another version), in
// the order they were saved: one statement, so that no other program's
// change falls between the two. The memory comes first, its "Id" empty.
const QString SqlMemoire = QStringLiteral(R"(
SELECT NULL, "DernierFait", "Version", "Etat", NULL, NULL FROM "TMemoire"
UNION ALL
SELECT "Id", "DateHeure", "NumLivret", "Multiplicateur", "Issue", "Dixiemes" FROM "TFait"
WHERE "Id" > COALESCE((SELECT "DernierFait" FROM "TMemoire" WHERE "Version" = ?), ?)
ORDER BY 1
)");

// Every fact, in the order they were saved, where no memory is kept. Where
// %1 stands, the pupil's own (PourEleve) or the one a teacher looks at.
const QString SqlFaitsRejoues = QStringLiteral(R"(
SELECT "Id", "DateHeure", "NumLivret", "Multiplicateur", "Issue", "Dixiemes" FROM "TFait"
WHERE %1 AND "Id" IS NOT NULL ORDER BY "Id"
)");

const QString NomTableMemoire = QStringLiteral("TMemoire");
const QStringList ColonnesMemoire = {QStringLiteral("Cle"), QStringLiteral("Version"), QStringLiteral("DernierFait"),
                                     QStringLiteral("Etat")};
const QString SqlVerifierMemoire =
    QStringLiteral(R"(SELECT "Cle", "Version", "DernierFait", "Etat" FROM "TMemoire" WHERE 1 = 0)");

// The memory kept, as long as the facts up to the last it has replayed are
// as many as it has replayed: none deleted, none slipped in before it.
const QString SqlGarderMemoire = QStringLiteral(R"(
INSERT INTO "TMemoire" ("Cle", "Version", "DernierFait", "Etat")
SELECT 1, ?, ?, ? WHERE (SELECT COUNT(*) FROM "TFait" WHERE "Id" <= ?) = ?
ON CONFLICT ("Cle") DO UPDATE SET "Version" = excluded."Version", "DernierFait" = excluded."DernierFait",
                                  "Etat" = excluded."Etat"
)");

// The teacher's view, on the school's server only: what the server lets the
// user read is all they see. The classes they teach, one row at least.
const QString SqlEnseignant = QStringLiteral(R"(
SELECT SESSION_USER::text, c."Classe"
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

// Their pupils, each once, with the date of their last saved training and
// the sums, table by table, of their saved trainings from the day given on,
// in the columns LireLigne reads; each pupil's rows straight from the index
// on the pupil, summed by the server.
const QString SqlClasse = QStringLiteral(R"(
WITH "Eleves" AS (
    SELECT "Eleve", string_agg("Classe", ', ' ORDER BY "Classe") AS "Classes"
    FROM calkado_eleves_lisibles() GROUP BY "Eleve")
SELECT e."Eleve", e."Classes", d."Dernier", s."NumLivret", 0, 0, s."Questions", s."Essai1", s."Temps", s."Essai2",
       s."Reponse"
FROM "Eleves" AS e
CROSS JOIN LATERAL (
    SELECT MAX(d."DateHeure") AS "Dernier" FROM "TCalkado" AS d WHERE d."Eleve" = e."Eleve" AND %1) AS d
LEFT JOIN LATERAL (
    SELECT r."NumLivret", SUM(r."NbQuestionParLivret") AS "Questions", SUM(r."NbQuestionEssai1") AS "Essai1",
           SUM(r."TempsTotalEssai1") AS "Temps", SUM(r."NbQuestionEssai2") AS "Essai2",
           SUM(r."NbQuestionRéponse") AS "Reponse"
    FROM "TCalkado" AS r WHERE r."Eleve" = e."Eleve" AND r."DateHeure" >= COALESCE(?, '') AND %2
    GROUP BY r."NumLivret") AS s ON TRUE
ORDER BY e."Classes", e."Eleve", s."NumLivret"
)").arg(LignePossible.arg(QStringLiteral("d"), QStringLiteral("CAST(? AS TEXT)")),
        LignePossible.arg(QStringLiteral("r"), QStringLiteral("CAST(? AS TEXT)")));

// The last settlings of every fact of each of their pupils, each fact's
// straight from its index, oldest first.
const QString SqlFaitsClasse = QStringLiteral(R"(
SELECT e."Eleve", l."Livret", m."Multiplicateur", f."DateHeure", f."Issue", f."Dixiemes"
FROM (SELECT DISTINCT "Eleve" FROM calkado_eleves_lisibles()) AS e
CROSS JOIN generate_series(CAST(? AS INTEGER), CAST(? AS INTEGER)) AS l("Livret")
CROSS JOIN generate_series(1, CAST(? AS INTEGER)) AS m("Multiplicateur")
CROSS JOIN LATERAL (
    SELECT "Id", "DateHeure", "Issue", "Dixiemes" FROM "TFait"
    WHERE "Eleve" = e."Eleve" AND "NumLivret" = l."Livret" AND "Multiplicateur" = m."Multiplicateur" AND %1
    ORDER BY "Id" DESC LIMIT CAST(? AS INTEGER)) AS f
ORDER BY e."Eleve", f."Id"
)").arg(FaitPossible);

const QString SqlEcrire = QStringLiteral(R"(
INSERT INTO "TCalkado" ("DateHeure", "Multiplicateur1a12", "Aléatoire", "NumLivret", "NbQuestionParLivret",
                        "NbQuestionEssai1", "TempsTotalEssai1", "NbQuestionEssai2", "NbQuestionRéponse")
VALUES )");

// Whether a saved training already has that date and time.
const QString SqlDatePrise = QStringLiteral(R"(SELECT EXISTS (SELECT 1 FROM "TCalkado" WHERE %1 AND "DateHeure" = ?))");

const QString SqlContient = QStringLiteral(R"(SELECT EXISTS (SELECT 1 FROM "TCalkado" WHERE %1))");

// Newest first, in the order rows were added, read backwards straight from
// the table. A row without a date, which the program never writes, belongs
// to no saved training.
const QString SqlDates =
    QStringLiteral(R"(SELECT "DateHeure" FROM "TCalkado" WHERE %1 AND "DateHeure" IS NOT NULL ORDER BY "Id" DESC)");

// One table's results come in the order LireLigne reads them.
const QString SqlResultats = QStringLiteral(R"(
SELECT "NumLivret", "Multiplicateur1a12", "Aléatoire", "NbQuestionParLivret", "NbQuestionEssai1",
       "TempsTotalEssai1", "NbQuestionEssai2", "NbQuestionRéponse"
FROM "TCalkado" WHERE %1 AND "DateHeure" = ? ORDER BY "Id"
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
    SELECT MAX("Id") AS "Id" FROM "TCalkado" WHERE %1 AND "DateHeure" = (SELECT "Cle" FROM "Demande")),
"Entrainements" AS (
    SELECT t."Id", t."DateHeure" FROM "TCalkado" AS t
    WHERE %1 AND t."Id" <= (SELECT "Id" FROM "Choisi")
      AND NOT EXISTS (SELECT 1 FROM "TCalkado" AS u WHERE %1 AND u."DateHeure" = t."DateHeure" AND u."Id" > t."Id")
    ORDER BY t."Id" DESC LIMIT (SELECT "Nombre" FROM "Demande")),
"Lignes" AS (
    SELECT r.*, ROW_NUMBER() OVER (PARTITION BY r."DateHeure", r."NumLivret" ORDER BY r."Id" DESC) AS "Rang"
    FROM "Entrainements" AS e JOIN "TCalkado" AS r ON %1 AND r."DateHeure" = e."DateHeure")
SELECT e."Id", e."DateHeure", CASE WHEN e."Id" = (SELECT "Id" FROM "Choisi") THEN 1 ELSE 0 END,
       l."NumLivret", l."Multiplicateur1a12", l."Aléatoire", l."NbQuestionParLivret", l."NbQuestionEssai1",
       l."TempsTotalEssai1", l."NbQuestionEssai2", l."NbQuestionRéponse"
FROM "Entrainements" AS e LEFT JOIN "Lignes" AS l ON l."DateHeure" = e."DateHeure" AND l."Rang" = 1
ORDER BY e."Id"
)");

// The stored dates and times before the day after tomorrow.
QString Surlendemain(const QDate& aujourdhui)
{
    return TexteBase(QDateTime(aujourdhui.addDays(2), QTime(0, 0), Qt::UTC));
}

// The statement for the pupil's own rows, where %1 stands.
QString PourEleve(const QString& sql, const Connexion& connexion)
{
    return sql.arg(connexion.serveur() ? FiltreServeur : FiltreFichier);
}

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

// One settling of a fact, from the column given on: the date and time of
// its saved training, its issue, its time.
Reglement LireReglement(const QSqlQuery& requete, int premiere)
{
    return {LireTexteBase(requete.value(premiere).toString()).date(), Issue(requete.value(premiere + 1).toInt()),
            Entier(requete.value(premiere + 2))};
}

// The table has every column a save writes, and none that a save would
// leave without a value.
ProblemeBase VerifierTable(QSqlDatabase& base, const Connexion& connexion, const QString& sql,
                           const QString& table, const QStringList& colonnes)
{
    QSqlQuery requete(base);
    if (!requete.exec(sql))
        return connexion.Probleme(requete.lastError());
    for (const QString& colonne : connexion.ColonnesObligatoires(base, table))
        if (!colonnes.contains(colonne))
            return ProblemeBase::PasUneBase;
    return ProblemeBase::Aucun;
}

// What went wrong with the results file named, as the user is told.
QString CauseFichier(ProblemeBase probleme, const QString& fichier)
{
    switch (probleme) {
    case ProblemeBase::Aucun: return {};
    case ProblemeBase::Absent: return Textes::BaseAbsente(fichier);
    case ProblemeBase::Inaccessible: return Textes::BaseInaccessible(fichier);
    case ProblemeBase::PasUneBase: return Textes::BasePasUneBase(fichier);
    case ProblemeBase::LectureSeule: return Textes::BaseLectureSeule(fichier);
    case ProblemeBase::Verrouille: return Textes::BaseVerrouillee(fichier);
    case ProblemeBase::DisquePlein: return Textes::BaseDisquePlein(fichier);
    case ProblemeBase::Introuvable: return Textes::EntrainementIntrouvable(fichier);
    case ProblemeBase::Refuse: return Textes::BaseInaccessible(fichier);   // a file has no rules of its own
    case ProblemeBase::Configuration: break;
    }
    return Textes::BaseInaccessible(fichier);
}

// What went wrong with the school's server, or with the file that names it.
QString CauseServeur(ProblemeBase probleme, const ConfigurationServeur& configuration)
{
    const QString* cause = &Textes::ServeurInaccessible;
    switch (probleme) {
    case ProblemeBase::Aucun: return {};
    case ProblemeBase::Absent: cause = &Textes::ServeurAbsent; break;
    case ProblemeBase::Inaccessible: cause = &Textes::ServeurInaccessible; break;
    case ProblemeBase::PasUneBase: cause = &Textes::ServeurPasUneBase; break;
    case ProblemeBase::LectureSeule: cause = &Textes::ServeurLectureSeule; break;
    case ProblemeBase::Verrouille: cause = &Textes::ServeurOccupe; break;
    case ProblemeBase::DisquePlein: cause = &Textes::ServeurDisquePlein; break;
    case ProblemeBase::Introuvable: cause = &Textes::ServeurEntrainementIntrouvable; break;
    case ProblemeBase::Refuse: cause = &Textes::ServeurRefuse; break;
    case ProblemeBase::Configuration:
        return Textes::ConfigurationIncomprise(configuration.fichierIllisible, configuration.raison);
    }
    return cause->arg(configuration.description());
}

// The schema the program makes and brings stores up to.
const QString& Schema()
{
    static const QString schema = [] {
        QFile fichier(QStringLiteral(":/CalkadoVa.sql"));
        return fichier.open(QIODevice::ReadOnly) ? QString::fromUtf8(fichier.readAll()) : QString();
    }();
    return schema;
}

// Brings a store that the program keeps up to the schema's version, inside
// a write transaction.
ProblemeBase MettreAJour(QSqlDatabase& base, const Connexion& connexion)
{
    const std::optional<int> version = connexion.Version(base);
    if (!version || *version >= VersionSchema(Schema()))
        return ProblemeBase::Aucun;
    return connexion.Appliquer(base, InstructionsSchema(Schema(), *version));
}

// The moment asked for, or the first second after it that no saved training
// has yet: two saves never share their date and time.
Lecture<QString> DateLibre(QSqlDatabase& base, const Connexion& connexion, QDateTime moment)
{
    QSqlQuery requete(base);
    if (!requete.prepare(PourEleve(SqlDatePrise, connexion)))
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

MagasinResultats::MagasinResultats(const QString& nomConnexion, bool mettreAJour_)
    : configuration(LireConfiguration()), mettreAJour(mettreAJour_)
{
    const auto verification = [this](QSqlDatabase& base) { return VerifierFichier(base); };
    if (configuration.definie())
        connexion = std::make_unique<ConnexionPostgres>(nomConnexion, configuration, verification);
    else
        connexion = std::make_unique<ConnexionSqlite>(nomConnexion, FichierResultats, verification);
}

MagasinResultats::~MagasinResultats() = default;

bool MagasinResultats::serveur() const
{
    return connexion->serveur();
}

ProblemeBase MagasinResultats::VerifierFichier(QSqlDatabase& base)
{
    if (const ProblemeBase probleme = VerifierTable(base, *connexion, SqlVerifier, NomTable, NomsColonnes);
        probleme != ProblemeBase::Aucun)
        return probleme;
    // No Calkado writes a negative version.
    const std::optional<int> version = connexion->Version(base);
    if (version && *version < 0)
        return ProblemeBase::PasUneBase;
    // A file made before the facts is brought up to date when it can be; one
    // that cannot (read-only) is used as it is, without facts. A table in the
    // way that the program did not make tells a file that is not Calkado's;
    // the failed update leaves it as it was.
    if (mettreAJour && version && *version < VersionSchema(Schema())
        && connexion->EcrireSansAttendre(base, [this](QSqlDatabase& b) { return MettreAJour(b, *connexion); })
               == ProblemeBase::PasUneBase)
        return ProblemeBase::PasUneBase;
    faits = VerifierTable(base, *connexion, SqlVerifierFaits, NomTableFaits, NomsColonnesFaits) == ProblemeBase::Aucun;
    // The memory is the file's only: the school's server keeps none.
    memoire = faits && !connexion->serveur()
           && VerifierTable(base, *connexion, SqlVerifierMemoire, NomTableMemoire, ColonnesMemoire) == ProblemeBase::Aucun;
    if (!version) {
        // A server is kept by its administrator: the facts, and the functions
        // of this version of its script.
        QSqlQuery requete(base);
        if (!faits)
            return ProblemeBase::PasUneBase;
        return requete.exec(SqlVerifierServeur) ? ProblemeBase::Aucun : connexion->Probleme(requete.lastError());
    }
    return faits || connexion->Version(base) < VersionFaits ? ProblemeBase::Aucun : ProblemeBase::PasUneBase;
}

ProblemeBase MagasinResultats::Verifier()
{
    return connexion->Ouvrir();
}

void MagasinResultats::Fermer()
{
    connexion->Fermer();
}

ProblemeBase MagasinResultats::EcrireResultats(const Resultats& resultats, const QList<Fait>& faitsRegles,
                                              const QDateTime& moment)
{
    if (!enSuspens)
        return Ecrire(resultats, faitsRegles, moment);
    // A save whose commit was lost with the server: if it was kept after
    // all, only what came since is written.
    const Lecture<bool> garde = DateEnregistree(enSuspens->date);
    if (!garde)
        return garde.probleme;
    const EnSuspens suspens = *std::exchange(enSuspens, std::nullopt);
    const bool suite = faitsRegles.size() >= suspens.faits.size()
                    && std::equal(suspens.faits.cbegin(), suspens.faits.cend(), faitsRegles.cbegin());
    if (!garde.valeur || !suite)
        return Ecrire(resultats, faitsRegles, moment);
    const QList<Fait> nouveaux = faitsRegles.mid(suspens.faits.size());
    if (nouveaux.isEmpty())
        return ProblemeBase::Aucun;
    const ResultatLivret options = resultats[std::size_t(nouveaux.first().livret - PremierLivret)];
    return Ecrire(ResultatsDesComptes(ComptesDesFaits(nouveaux), options.Multiplicateur1a12, options.Aléatoire != 0),
                  nouveaux, moment);
}

ProblemeBase MagasinResultats::Ecrire(const Resultats& resultats, const QList<Fait>& faitsRegles,
                                     const QDateTime& moment)
{
    // The transaction holds the write lock before the date is chosen: another
    // program saving in the same second waits, then takes the next one.
    QString dateChoisie;
    const ProblemeBase probleme = connexion->Transaction([&](QSqlDatabase& base) {
        ProblemeBase p = MettreAJour(base, *connexion);
        const Lecture<QString> date = p == ProblemeBase::Aucun ? DateLibre(base, *connexion, moment)
                                                                : Lecture<QString>{{}, p};
        if (!date)
            return date.probleme;
        dateChoisie = date.valeur;
        p = EcrireLignes(base, resultats, date.valeur);
        return p == ProblemeBase::Aucun ? EcrireFaits(base, faitsRegles, date.valeur) : p;
    });
    if (probleme == ProblemeBase::Aucun)
        faits = true;
    else if (connexion->commitIncertain())
        enSuspens = EnSuspens{dateChoisie, faitsRegles};
    return probleme;
}

Lecture<bool> MagasinResultats::DateEnregistree(const QString& date)
{
    QSqlQuery requete;
    if (const ProblemeBase probleme = connexion->Executer(requete, PourEleve(SqlDatePrise, *connexion), {date});
        probleme != ProblemeBase::Aucun)
        return {false, probleme};
    return {requete.next() && requete.value(0).toBool(), ProblemeBase::Aucun};
}

ProblemeBase MagasinResultats::EcrireLignes(QSqlDatabase& base, const Resultats& resultats, const QString& date)
{
    QList<QVariantList> lignes;
    for (int i = 0; i < NbLivrets; ++i) {
        const ResultatLivret& r = resultats[i];
        if (r.NbQuestionParLivret != 0)
            lignes.append({date, r.Multiplicateur1a12 ? 1 : 0, r.Aléatoire, i + PremierLivret, r.NbQuestionParLivret,
                           r.NbQuestionEssai1, r.TempsTotalEssai1, r.NbQuestionEssai2, r.NbQuestionRéponse});
    }
    return Inserer(base, SqlEcrire, lignes);
}

ProblemeBase MagasinResultats::EcrireFaits(QSqlDatabase& base, const QList<Fait>& faitsRegles, const QString& date)
{
    QList<QVariantList> lignes;
    for (const Fait& f : faitsRegles)
        lignes.append({date, f.livret, f.multiplicateur, int(f.issue), f.nbEssais, f.dixiemes});
    return Inserer(base, SqlEcrireFaits, lignes);
}

ProblemeBase MagasinResultats::Inserer(QSqlDatabase& base, const QString& insertion, const QList<QVariantList>& lignes)
{
    // Many rows a statement, in their order: on the school's server each
    // statement is a round trip, and a whole class saves at once.
    constexpr qsizetype ParInstruction = 100;
    for (qsizetype debut = 0; debut < lignes.size(); debut += ParInstruction) {
        const QList<QVariantList> paquet = lignes.mid(debut, ParInstruction);
        const QString marques = QLatin1Char('(') + QStringList(paquet.first().size(), QStringLiteral("?")).join(u',')
                              + QLatin1Char(')');
        QSqlQuery requete(base);
        if (!requete.prepare(insertion + QStringList(paquet.size(), marques).join(u',')))
            return connexion->Probleme(requete.lastError());
        for (const QVariantList& ligne : paquet)
            for (const QVariant& valeur : ligne)
                requete.addBindValue(valeur);
        if (!requete.exec())
            return connexion->Probleme(requete.lastError());
    }
    return ProblemeBase::Aucun;
}

Lecture<bool> MagasinResultats::ContientDesResultats()
{
    QSqlQuery requete;
    if (const ProblemeBase probleme = connexion->Executer(requete, PourEleve(SqlContient, *connexion)); probleme != ProblemeBase::Aucun)
        return {false, probleme};
    return {requete.next() && requete.value(0).toBool(), ProblemeBase::Aucun};
}

Lecture<QStringList> MagasinResultats::LireDates()
{
    QSqlQuery requete;
    if (const ProblemeBase probleme = connexion->Executer(requete, PourEleve(SqlDates, *connexion)); probleme != ProblemeBase::Aucun)
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
    if (const ProblemeBase probleme = connexion->Executer(requete, PourEleve(SqlResultats, *connexion), {dateHeure});
        probleme != ProblemeBase::Aucun)
        return {{}, probleme};
    Resultats resultats{};
    while (requete.next())
        LireLigne(requete, 0, resultats);
    return {resultats, ProblemeBase::Aucun};
}

ProblemeBase MagasinResultats::SupprimerEntrainement(const QString& dateHeure)
{
    if (connexion->serveur()) {
        QSqlQuery requete;
        if (const ProblemeBase probleme = connexion->Executer(requete, SqlSupprimerServeur, {dateHeure});
            probleme != ProblemeBase::Aucun)
            return probleme;
        return requete.next() && requete.value(0).toInt() > 0 ? ProblemeBase::Aucun : ProblemeBase::Introuvable;
    }
    return connexion->Transaction([&](QSqlDatabase& base) {
        QSqlQuery requete(base);
        requete.prepare(SqlSupprimer);
        requete.addBindValue(dateHeure);
        if (!requete.exec())
            return connexion->Probleme(requete.lastError());
        // Nothing deleted is no success: the saved training is gone already.
        if (requete.numRowsAffected() < 1)
            return ProblemeBase::Introuvable;
        if (!faits)
            return ProblemeBase::Aucun;
        // Its rows took their facts with them; any fact left alone goes too.
        QSqlQuery faitsSeuls(base);
        faitsSeuls.prepare(SqlSupprimerFaits);
        faitsSeuls.addBindValue(dateHeure);
        return faitsSeuls.exec() ? ProblemeBase::Aucun : connexion->Probleme(faitsSeuls.lastError());
    });
}

Lecture<QList<Fait>> MagasinResultats::LireFaits(const QString& dateHeure)
{
    QList<Fait> lus;
    if (const ProblemeBase probleme = connexion->Ouvrir(); probleme != ProblemeBase::Aucun || !faits)
        return {lus, probleme};
    QSqlQuery requete;
    if (const ProblemeBase probleme = connexion->Executer(requete, PourEleve(SqlFaits, *connexion), {dateHeure});
        probleme != ProblemeBase::Aucun)
        return {lus, probleme};
    while (requete.next())
        lus.append({requete.value(0).toInt(), requete.value(1).toInt(), Issue(requete.value(2).toInt()),
                    requete.value(3).toInt(), Entier(requete.value(4))});
    return {lus, ProblemeBase::Aucun};
}

Lecture<Bilan> MagasinResultats::LireBilan(const QString& eleve)
{
    Bilan bilan;
    if (const ProblemeBase probleme = connexion->Ouvrir(); probleme != ProblemeBase::Aucun || !faits)
        return {bilan, probleme};
    for (int livret = PremierLivret; livret < PremierLivret + NbLivrets; ++livret)
        for (int multiplicateur = 1; multiplicateur <= NbMultiplicateurs; ++multiplicateur)
            if (const ProblemeBase probleme =
                    LireHistoire(eleve, livret, multiplicateur, bilan.fait(livret, multiplicateur));
                probleme != ProblemeBase::Aucun)
                return {bilan, probleme};
    const Lecture<MemoireLue> lue = LireMemoire(eleve);
    bilan.DefinirMemoire(lue.valeur.memoire);
    return {bilan, lue.probleme};
}

ProblemeBase MagasinResultats::LireHistoire(const QString& eleve, int livret, int multiplicateur,
                                            HistoireFait& histoire)
{
    const auto filtre = [&](const QString& sql) {
        return eleve.isEmpty() ? PourEleve(sql, *connexion) : sql.arg(FiltreEleve);
    };
    QVariantList fait = {livret, multiplicateur};
    if (!eleve.isEmpty())
        fait.prepend(eleve);
    QSqlQuery requete;
    if (const ProblemeBase probleme = connexion->Executer(requete, filtre(SqlDerniersReglements),
                                                          fait + QVariantList{HistoireFait::Gardes});
        probleme != ProblemeBase::Aucun)
        return probleme;
    QList<Reglement> derniers;
    while (requete.next())
        derniers.prepend(LireReglement(requete, 0));
    for (const Reglement& r : derniers)
        histoire.Ajouter(r);
    // A series longer than the settlings kept is counted in full.
    if (histoire.serie < HistoireFait::Gardes)
        return ProblemeBase::Aucun;
    if (const ProblemeBase probleme = connexion->Executer(requete, filtre(SqlSerie), fait + fait);
        probleme != ProblemeBase::Aucun)
        return probleme;
    histoire.serie = requete.next() ? requete.value(0).toInt() : histoire.serie;
    return ProblemeBase::Aucun;
}

Lecture<MemoireLue> MagasinResultats::LireMemoire(const QString& eleve)
{
    if (const ProblemeBase probleme = connexion->Ouvrir(); probleme != ProblemeBase::Aucun || !faits)
        return {{}, probleme};
    const bool gardee = memoire && eleve.isEmpty();
    const QString toutes = eleve.isEmpty() ? PourEleve(SqlFaitsRejoues, *connexion) : SqlFaitsRejoues.arg(FiltreEleve);
    const QVariantList pourEleve = eleve.isEmpty() ? QVariantList() : QVariantList{eleve};
    QSqlQuery requete;
    ProblemeBase probleme =
        gardee ? connexion->Executer(requete, SqlMemoire,
                                     {MemoirePaires::Version, std::numeric_limits<qint64>::min()})
               : connexion->Executer(requete, toutes, pourEleve);
    std::optional<MemoireLue> lue = probleme == ProblemeBase::Aucun ? Rejouer(requete, gardee) : std::nullopt;
    // A memory kept that cannot be read any more: every fact again.
    if (probleme == ProblemeBase::Aucun && !lue) {
        probleme = connexion->Executer(requete, toutes, pourEleve);
        lue = probleme == ProblemeBase::Aucun ? Rejouer(requete, false) : std::nullopt;
    }
    if (!lue)
        return {{}, probleme};
    if (gardee && lue->aGarder())
        GarderMemoire(lue->memoire);
    return {*lue, ProblemeBase::Aucun};
}

ProblemeBase MagasinResultats::GarderMemoire(const MemoirePaires& paires)
{
    // A copy only: another program holding the file is not waited for, the
    // next read replays the facts again.
    QSqlDatabase ouverte = QSqlDatabase::database(connexion->nomConnexion(), false);
    return connexion->EcrireSansAttendre(ouverte, [&](QSqlDatabase& base) {
        QSqlQuery requete(base);
        if (!requete.prepare(SqlGarderMemoire))
            return connexion->Probleme(requete.lastError());
        for (const QVariant& valeur : {QVariant(MemoirePaires::Version), QVariant(paires.dernierFait()),
                                       QVariant(paires.Ecrire()), QVariant(paires.dernierFait()),
                                       QVariant(paires.nbFaits())})
            requete.addBindValue(valeur);
        return requete.exec() ? ProblemeBase::Aucun : connexion->Probleme(requete.lastError());
    });
}

std::optional<MemoireLue> MagasinResultats::Rejouer(QSqlQuery& requete, bool avecGardee)
{
    MemoireLue lue;
    QString date;     // of the saved training of the facts being read
    qint64 jour = 0;  // its day; an undated one takes the day of the one before
    while (requete.next()) {
        if (avecGardee && requete.isNull(0)) {
            if (requete.value(2).toInt() != MemoirePaires::Version)
                continue;
            std::optional<MemoirePaires> memoire = MemoirePaires::Lire(requete.value(3).toString());
            if (!memoire)
                return std::nullopt;
            lue.memoire = *memoire;
            continue;
        }
        if (const QString texte = requete.value(1).toString(); texte != date) {
            date = texte;
            const QDate lu = LireTexteBase(texte).date();
            jour = lu.isValid() ? lu.toJulianDay() : jour;
        }
        lue.memoire.Rejouer({requete.value(0).toLongLong(), jour, {requete.value(2).toInt(), requete.value(3).toInt(),
                                        Issue(requete.value(4).toInt()), 0, Entier(requete.value(5))}});
        ++lue.rejoues;
    }
    return lue;
}

Lecture<Enseignant> MagasinResultats::LireEnseignant()
{
    QSqlQuery requete;
    if (const ProblemeBase probleme = connexion->Executer(requete, SqlEnseignant); probleme != ProblemeBase::Aucun)
        return {{}, probleme};
    Enseignant enseignant;
    while (requete.next()) {
        enseignant.compte = requete.value(0).toString();
        if (!requete.isNull(1))
            enseignant.classes << requete.value(1).toString();
    }
    return {enseignant, ProblemeBase::Aucun};
}

Lecture<QList<EleveClasse>> MagasinResultats::LireClasse(const QDate& depuis, const QDate& aujourdhui)
{
    QSqlQuery requete;
    const QVariant debut = depuis.isValid() ? QVariant(TexteBase(QDateTime(depuis, QTime(0, 0), Qt::UTC))) : QVariant();
    const QString fin = Surlendemain(aujourdhui);
    if (const ProblemeBase probleme = connexion->Executer(requete, SqlClasse, {fin, debut, fin});
        probleme != ProblemeBase::Aucun)
        return {{}, probleme};
    QList<EleveClasse> eleves;
    Resultats resultats{};   // the sums of the pupil being read
    const auto finir = [&] {
        if (!eleves.isEmpty())
            eleves.last().Ajouter(resultats);
        RazResultats(resultats);
    };
    while (requete.next()) {
        if (eleves.isEmpty() || eleves.constLast().eleve != requete.value(0).toString()) {
            finir();
            eleves.append({requete.value(0).toString(), requete.value(1).toString(), requete.value(2).toString()});
        }
        LireLigne(requete, 3, resultats);
    }
    finir();
    return {eleves, ProblemeBase::Aucun};
}

Lecture<QList<Bilan>> MagasinResultats::LireBilansClasse(const QDate& aujourdhui)
{
    QSqlQuery requete;
    if (const ProblemeBase probleme = connexion->Executer(
            requete, SqlFaitsClasse,
            {PremierLivret, PremierLivret + NbLivrets - 1, NbMultiplicateurs, Surlendemain(aujourdhui),
             HistoireFait::Gardes});
        probleme != ProblemeBase::Aucun)
        return {{}, probleme};
    QList<Bilan> bilans;
    QString eleve;
    while (requete.next()) {
        if (bilans.isEmpty() || requete.value(0).toString() != eleve) {
            eleve = requete.value(0).toString();
            bilans.append(Bilan());
        }
        bilans.last().fait(requete.value(1).toInt(), requete.value(2).toInt()).Ajouter(LireReglement(requete, 3));
    }
    return {bilans, ProblemeBase::Aucun};
}

Lecture<QList<PointProgression>> MagasinResultats::LireProgression(const QString& dateHeure, int livret)
{
    QSqlQuery requete;
    if (const ProblemeBase probleme =
            connexion->Executer(requete, PourEleve(SqlProgression, *connexion), {dateHeure, NbEntrainementsProgression});
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

// The reads of the pages on paper. Where %1 stands, the user's own rows
// (PourEleve) or those of the pupil named (FiltrePapier): each statement
// names them wherever it reads a table.
namespace {

// The questions settled day by day from the day given on; a negative time,
// which the program never writes, counts for nothing.
const QString SqlActivite = QStringLiteral(R"(
SELECT substr("DateHeure", 1, 10), COUNT(*), SUM(CASE WHEN "Issue" = 1 THEN 1 ELSE 0 END),
       SUM(CASE WHEN "Dixiemes" > 0 THEN "Dixiemes" ELSE 0 END)
FROM "TFait" WHERE %1 AND "DateHeure" >= ?
GROUP BY substr("DateHeure", 1, 10) ORDER BY 1
)");

// The first fact saved with a date from the day given on: the facts saved
// before it make the grid as it stood then.
const QString SqlPremierFaitDepuis = QStringLiteral(R"(SELECT MIN("Id") FROM "TFait" WHERE %1 AND "DateHeure" >= ?)");

// As SqlDerniersReglements and SqlSerie, among the facts saved before the one given.
const QString SqlDerniersReglementsAvant = QStringLiteral(R"(
SELECT "DateHeure", "Issue", "Dixiemes" FROM "TFait"
WHERE %1 AND "NumLivret" = ? AND "Multiplicateur" = ? AND "Id" < ? ORDER BY "Id" DESC LIMIT ?
)");
const QString SqlSerieAvant = QStringLiteral(R"(
SELECT COUNT(*) FROM "TFait"
WHERE %1 AND "NumLivret" = ? AND "Multiplicateur" = ? AND "Id" < ?
  AND "Id" > COALESCE((SELECT MAX("Id") FROM "TFait"
                       WHERE %1 AND "NumLivret" = ? AND "Multiplicateur" = ? AND "Id" < ? AND "Issue" <> 1), 0)
)");

// The last saved trainings, each met at its own latest row walking back by
// row (as SqlProgression does), then all their rows in the order added.
const QString SqlDerniersEntrainements = QStringLiteral(R"(
WITH "Entrainements" AS (
    SELECT t."Id", t."DateHeure" FROM "TCalkado" AS t
    WHERE %1 AND t."DateHeure" IS NOT NULL
      AND NOT EXISTS (SELECT 1 FROM "TCalkado" AS u WHERE %1 AND u."DateHeure" = t."DateHeure" AND u."Id" > t."Id")
    ORDER BY t."Id" DESC LIMIT CAST(? AS INTEGER))
SELECT e."Id", e."DateHeure", r."NumLivret", r."Multiplicateur1a12", r."Aléatoire", r."NbQuestionParLivret",
       r."NbQuestionEssai1", r."TempsTotalEssai1", r."NbQuestionEssai2", r."NbQuestionRéponse"
FROM "Entrainements" AS e JOIN "TCalkado" AS r ON %1 AND r."DateHeure" = e."DateHeure"
ORDER BY e."Id", r."Id"
)");

const QString SqlReglementsLivret = QStringLiteral(R"(
SELECT "Multiplicateur", "DateHeure", "Issue", "Dixiemes" FROM "TFait" WHERE %1 AND "NumLivret" = ? ORDER BY "Id"
)");

// The statement for the pupil named, or for the user's own rows, and its
// values: a part for each %1, the values that follow it up to the next one,
// each part after the pupil's name when %1 asks for it.
struct RequetePapier
{
    QString sql;
    QVariantList valeurs;
};

RequetePapier FiltrePapier(const QString& sql, const Connexion& connexion, const QString& eleve,
                           const QList<QVariantList>& valeurs)
{
    RequetePapier requete{eleve.isEmpty() ? PourEleve(sql, connexion) : sql.arg(FiltreEleve), {}};
    for (const QVariantList& partie : valeurs)
        requete.valeurs += eleve.isEmpty() ? partie : QVariantList{eleve} + partie;
    return requete;
}

QVariant DebutJour(const QDate& jour)
{
    return TexteBase(QDateTime(jour, QTime(0, 0), Qt::UTC));
}

} // namespace

Lecture<QList<ActiviteJour>> MagasinResultats::LireActivite(const QDate& depuis, const QString& eleve)
{
    QList<ActiviteJour> jours;
    if (const ProblemeBase probleme = connexion->Ouvrir(); probleme != ProblemeBase::Aucun || !faits)
        return {jours, probleme};
    const RequetePapier lecture = FiltrePapier(SqlActivite, *connexion, eleve, {{DebutJour(depuis)}});
    QSqlQuery requete;
    if (const ProblemeBase probleme = connexion->Executer(requete, lecture.sql, lecture.valeurs);
        probleme != ProblemeBase::Aucun)
        return {jours, probleme};
    while (requete.next())
        jours.append({QDate::fromString(requete.value(0).toString(), Qt::ISODate), requete.value(1).toLongLong(),
                      requete.value(2).toLongLong(), requete.value(3).toLongLong()});
    return {jours, ProblemeBase::Aucun};
}

Lecture<Bilan> MagasinResultats::LireBilanAvant(const QDate& jour, const QString& eleve)
{
    Bilan bilan;
    if (const ProblemeBase probleme = connexion->Ouvrir(); probleme != ProblemeBase::Aucun || !faits)
        return {bilan, probleme};
    const RequetePapier premier = FiltrePapier(SqlPremierFaitDepuis, *connexion, eleve, {{DebutJour(jour)}});
    QSqlQuery requete;
    if (const ProblemeBase probleme = connexion->Executer(requete, premier.sql, premier.valeurs);
        probleme != ProblemeBase::Aucun)
        return {bilan, probleme};
    // Nothing saved since: the grid as it stands.
    const qint64 borne = requete.next() && !requete.isNull(0) ? requete.value(0).toLongLong()
                                                             : std::numeric_limits<qint64>::max();
    for (int livret = PremierLivret; livret < PremierLivret + NbLivrets; ++livret)
        for (int multiplicateur = 1; multiplicateur <= NbMultiplicateurs; ++multiplicateur)
            if (const ProblemeBase probleme =
                    LireHistoireAvant(eleve, livret, multiplicateur, borne, bilan.fait(livret, multiplicateur));
                probleme != ProblemeBase::Aucun)
                return {bilan, probleme};
    return {bilan, ProblemeBase::Aucun};
}

ProblemeBase MagasinResultats::LireHistoireAvant(const QString& eleve, int livret, int multiplicateur, qint64 borne,
                                                 HistoireFait& histoire)
{
    const QVariantList fait = {livret, multiplicateur, borne};
    const RequetePapier derniers =
        FiltrePapier(SqlDerniersReglementsAvant, *connexion, eleve, {fait + QVariantList{HistoireFait::Gardes}});
    QSqlQuery requete;
    if (const ProblemeBase probleme = connexion->Executer(requete, derniers.sql, derniers.valeurs);
        probleme != ProblemeBase::Aucun)
        return probleme;
    QList<Reglement> lus;
    while (requete.next())
        lus.prepend(LireReglement(requete, 0));
    for (const Reglement& r : lus)
        histoire.Ajouter(r);
    // A series longer than the settlings kept is counted in full.
    if (histoire.serie < HistoireFait::Gardes)
        return ProblemeBase::Aucun;
    const RequetePapier serie = FiltrePapier(SqlSerieAvant, *connexion, eleve, {fait, fait});
    if (const ProblemeBase probleme = connexion->Executer(requete, serie.sql, serie.valeurs);
        probleme != ProblemeBase::Aucun)
        return probleme;
    histoire.serie = requete.next() ? requete.value(0).toInt() : histoire.serie;
    return ProblemeBase::Aucun;
}

Lecture<QList<PointProgression>> MagasinResultats::LireDerniersEntrainements(const QString& eleve)
{
    const RequetePapier lecture =
        FiltrePapier(SqlDerniersEntrainements, *connexion, eleve, {{}, {NbEntrainementsProgression}, {}});
    QSqlQuery requete;
    if (const ProblemeBase probleme = connexion->Executer(requete, lecture.sql, lecture.valeurs);
        probleme != ProblemeBase::Aucun)
        return {{}, probleme};
    QList<PointProgression> points;
    qlonglong entrainement = 0;
    QString date;
    Resultats resultats{};
    const auto finir = [&] {
        if (entrainement != 0)
            points.append(PointDe(date, resultats, TousLesLivrets, false));
    };
    while (requete.next()) {
        if (requete.value(0).toLongLong() != entrainement) {
            finir();
            entrainement = requete.value(0).toLongLong();
            date = requete.value(1).toString();
            RazResultats(resultats);
        }
        LireLigne(requete, 2, resultats);
    }
    finir();
    return {points, ProblemeBase::Aucun};
}

Lecture<QList<ReglementLivret>> MagasinResultats::LireReglementsLivret(int livret, const QString& eleve)
{
    QList<ReglementLivret> reglements;
    if (const ProblemeBase probleme = connexion->Ouvrir(); probleme != ProblemeBase::Aucun || !faits)
        return {reglements, probleme};
    const RequetePapier lecture = FiltrePapier(SqlReglementsLivret, *connexion, eleve, {{livret}});
    QSqlQuery requete;
    if (const ProblemeBase probleme = connexion->Executer(requete, lecture.sql, lecture.valeurs);
        probleme != ProblemeBase::Aucun)
        return {reglements, probleme};
    while (requete.next())
        reglements.append({requete.value(0).toInt(), LireReglement(requete, 1)});
    return {reglements, ProblemeBase::Aucun};
}

const QString& MagasinResultats::Table()
{
    return NomTable;
}

const QStringList& MagasinResultats::Colonnes()
{
    return NomsColonnes;
}

const QString& MagasinResultats::TableFaits()
{
    return NomTableFaits;
}

const QStringList& MagasinResultats::ColonnesFaits()
{
    return NomsColonnesFaits;
}

QString MagasinResultats::Expliquer(ProblemeBase probleme, const QString& consequence) const
{
    // A file is named as the store opens it: the account's, or the child's who trains.
    const QString cause = connexion->serveur() ? CauseServeur(probleme, configuration)
                                               : CauseFichier(probleme, FichierResultats());
    return cause.isEmpty() ? QString() : cause + QStringLiteral("\n\n") + consequence;
}
