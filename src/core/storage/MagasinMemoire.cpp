// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MagasinMemoire.h"

#include "core/results/DateHeure.h"
#include "core/storage/Lignes.h"
#include "core/storage/Tables.h"

#include <QSqlError>
#include <QSqlQuery>
#include <limits>

namespace {

// The memory of the pairs that the file keeps, then the facts saved after
// the last it has replayed (all of them when it is of another version), in
// the order they were saved: one statement, so that no other program's
// change falls between the two. The memory comes first, its "Id" empty.
const QString SqlMemoire = QStringLiteral(R"(
SELECT NULL AS "Id", NULL AS "DateHeure", NULL AS "NumLivret", NULL AS "Multiplicateur", NULL AS "Issue",
       NULL AS "Dixiemes", "Version", "Etat" FROM "TMemoire"
UNION ALL
SELECT "Id", "DateHeure", "NumLivret", "Multiplicateur", "Issue", "Dixiemes", NULL, NULL FROM "TFait"
WHERE "Id" > COALESCE((SELECT "DernierFait" FROM "TMemoire" WHERE "Version" = ?), ?)
ORDER BY 1
)");

// Every fact, in the order they were saved, where no memory is kept. Where
// %1 stands, the user's own or the pupil's that a teacher looks at.
const QString SqlFaitsRejoues = QStringLiteral(R"(
SELECT "Id", "DateHeure", "NumLivret", "Multiplicateur", "Issue", "Dixiemes" FROM "TFait"
WHERE %1 AND "Id" IS NOT NULL ORDER BY "Id"
)");

// The memory kept, as long as the facts up to the last it has replayed are
// as many as it has replayed: none deleted, none slipped in before it.
const QString SqlGarderMemoire = QStringLiteral(R"(
INSERT INTO "TMemoire" ("Cle", "Version", "DernierFait", "Etat")
SELECT 1, ?, ?, ? WHERE (SELECT COUNT(*) FROM "TFait" WHERE "Id" <= ?) = ?
ON CONFLICT ("Cle") DO UPDATE SET "Version" = excluded."Version", "DernierFait" = excluded."DernierFait",
                                  "Etat" = excluded."Etat"
)");

} // namespace

MagasinMemoire::MagasinMemoire(BaseResultats& base_) : base(base_)
{
}

Lecture<MemoireLue> MagasinMemoire::LireMemoire(const QString& eleve)
{
    if (const ProblemeBase probleme = base.connexion().Ouvrir(); probleme != ProblemeBase::Aucun || !base.faits())
        return {{}, probleme};
    const bool gardee = base.memoire() && eleve.isEmpty();
    const Requete toutes = base.PourEleve(SqlFaitsRejoues, {{}}, eleve);
    QSqlQuery requete;
    ProblemeBase probleme =
        gardee ? base.Executer(requete, {SqlMemoire, {MemoirePaires::Version, std::numeric_limits<qint64>::min()}})
               : base.Executer(requete, toutes);
    std::optional<MemoireLue> lue = probleme == ProblemeBase::Aucun ? Rejouer(requete, gardee) : std::nullopt;
    // A memory kept that cannot be read any more: every fact again.
    if (probleme == ProblemeBase::Aucun && !lue) {
        probleme = base.Executer(requete, toutes);
        lue = probleme == ProblemeBase::Aucun ? Rejouer(requete, false) : std::nullopt;
    }
    if (!lue)
        return {{}, probleme};
    if (gardee && lue->aGarder())
        GarderMemoire(lue->memoire);
    return {*lue, ProblemeBase::Aucun};
}

ProblemeBase MagasinMemoire::GarderMemoire(const MemoirePaires& paires)
{
    // A copy only: another program holding the file is not waited for, the
    // next read replays the facts again.
    Connexion& connexion = base.connexion();
    QSqlDatabase ouverte = QSqlDatabase::database(connexion.nomConnexion(), false);
    return connexion.EcrireSansAttendre(ouverte, [&](QSqlDatabase& b) {
        QSqlQuery requete(b);
        if (!requete.prepare(SqlGarderMemoire))
            return connexion.Probleme(requete.lastError());
        for (const QVariant& valeur : {QVariant(MemoirePaires::Version), QVariant(paires.dernierFait()),
                                       QVariant(paires.Ecrire()), QVariant(paires.dernierFait()),
                                       QVariant(paires.nbFaits())})
            requete.addBindValue(valeur);
        return requete.exec() ? ProblemeBase::Aucun : connexion.Probleme(requete.lastError());
    });
}

std::optional<MemoireLue> MagasinMemoire::Rejouer(QSqlQuery& requete, bool avecGardee)
{
    const int id = Position(requete, ColonneId), date = Position(requete, TFait::DateHeure),
              livret = Position(requete, TFait::NumLivret), multiplicateur = Position(requete, TFait::Multiplicateur),
              issue = Position(requete, TFait::Issue), dixiemes = Position(requete, TFait::Dixiemes),
              version = Position(requete, TMemoire::Version), etat = Position(requete, TMemoire::Etat);
    MemoireLue lue;
    QString texteDate;   // of the saved training of the facts being read
    qint64 jour = 0;     // its day; an undated one takes the day of the one before
    while (requete.next()) {
        if (avecGardee && requete.isNull(id)) {
            if (requete.value(version).toInt() != MemoirePaires::Version)
                continue;
            std::optional<MemoirePaires> memoire = MemoirePaires::Lire(requete.value(etat).toString());
            if (!memoire)
                return std::nullopt;
            lue.memoire = *memoire;
            continue;
        }
        if (const QString texte = requete.value(date).toString(); texte != texteDate) {
            texteDate = texte;
            const QDate lu = LireTexteBase(texte).date();
            jour = lu.isValid() ? lu.toJulianDay() : jour;
        }
        lue.memoire.Rejouer({requete.value(id).toLongLong(), jour,
                             {requete.value(livret).toInt(), requete.value(multiplicateur).toInt(),
                              Issue(requete.value(issue).toInt()), 0, Entier(requete.value(dixiemes))}});
        ++lue.rejoues;
    }
    return lue;
}
