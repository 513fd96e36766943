// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MagasinEntrainements.h"

#include "core/results/DateHeure.h"
#include "core/storage/Lignes.h"
#include "core/storage/Schema.h"
#include "core/storage/Tables.h"

#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <utility>

namespace {

// Where %1 stands, the user's own rows (BaseResultats::PourEleve).

// Whether a saved training already has that date and time.
const QString SqlDatePrise = QStringLiteral(R"(SELECT EXISTS (SELECT 1 FROM "TCalkado" WHERE %1 AND "DateHeure" = ?))");

const QString SqlContient = QStringLiteral(R"(SELECT EXISTS (SELECT 1 FROM "TCalkado" WHERE %1))");

// Newest first, in the order rows were added, read backwards straight from
// the table. A row without a date, which the program never writes, belongs
// to no saved training.
const QString SqlDates =
    QStringLiteral(R"(SELECT "DateHeure" FROM "TCalkado" WHERE %1 AND "DateHeure" IS NOT NULL ORDER BY "Id" DESC)");

// Each table's record, in the order rows were added.
const QString SqlResultats = QStringLiteral("SELECT ") + ListeSql(TCalkado::Enregistrement)
                           + QStringLiteral(R"( FROM "TCalkado" WHERE %1 AND "DateHeure" = ? ORDER BY "Id")");

const QString SqlSupprimer = QStringLiteral(R"(DELETE FROM "TCalkado" WHERE "DateHeure" = ?)");
const QString SqlSupprimerFaits = QStringLiteral(R"(DELETE FROM "TFait" WHERE "DateHeure" = ?)");

// The school's server only. A saved training deleted, with its facts, by the
// server's own function: a pupil holds no right to delete rows.
const QString SqlSupprimerServeur = QStringLiteral("SELECT calkado_supprimer_entrainement(?)");

} // namespace

MagasinEntrainements::MagasinEntrainements(BaseResultats& base_) : base(base_)
{
}

ProblemeBase MagasinEntrainements::EcrireResultats(const Resultats& resultats, const QList<Fait>& faitsRegles,
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

ProblemeBase MagasinEntrainements::Ecrire(const Resultats& resultats, const QList<Fait>& faitsRegles,
                                         const QDateTime& moment)
{
    // The transaction holds the write lock before the date is chosen: another
    // program saving in the same second waits, then takes the next one.
    QString dateChoisie;
    Connexion& connexion = base.connexion();
    const ProblemeBase probleme = connexion.Transaction([&](QSqlDatabase& b) {
        ProblemeBase p = MettreAJour(b, connexion);
        const Lecture<QString> date = p == ProblemeBase::Aucun ? DateLibre(b, moment) : Lecture<QString>{{}, p};
        if (!date)
            return date.probleme;
        dateChoisie = date.valeur;
        p = EcrireLignes(b, resultats, date.valeur);
        return p == ProblemeBase::Aucun ? EcrireFaits(b, faitsRegles, date.valeur) : p;
    });
    if (probleme == ProblemeBase::Aucun)
        base.FaitsEcrits();
    else if (connexion.commitIncertain())
        enSuspens = EnSuspens{dateChoisie, faitsRegles};
    return probleme;
}

Lecture<bool> MagasinEntrainements::DateEnregistree(const QString& date)
{
    QSqlQuery requete;
    if (const ProblemeBase probleme = base.Executer(requete, base.PourEleve(SqlDatePrise, {{date}}));
        probleme != ProblemeBase::Aucun)
        return {false, probleme};
    return {requete.next() && requete.value(0).toBool(), ProblemeBase::Aucun};
}

Lecture<QString> MagasinEntrainements::DateLibre(QSqlDatabase& b, QDateTime moment)
{
    QSqlQuery requete(b);
    if (!requete.prepare(base.PourEleve(SqlDatePrise).sql))
        return {{}, base.connexion().Probleme(requete.lastError())};
    for (;; moment = moment.addSecs(1)) {
        requete.addBindValue(TexteBase(moment));
        if (!requete.exec() || !requete.next())
            return {{}, base.connexion().Probleme(requete.lastError())};
        if (!requete.value(0).toBool())
            return {TexteBase(moment), ProblemeBase::Aucun};
    }
}

ProblemeBase MagasinEntrainements::EcrireLignes(QSqlDatabase& b, const Resultats& resultats, const QString& date)
{
    // In the order of TCalkado::Colonnes.
    QList<QVariantList> lignes;
    for (int i = 0; i < NbLivrets; ++i) {
        const ResultatLivret& r = resultats[i];
        if (r.NbQuestionParLivret != 0)
            lignes.append({date, r.Multiplicateur1a12 ? 1 : 0, r.Aléatoire, i + PremierLivret, r.NbQuestionParLivret,
                           r.NbQuestionEssai1, r.TempsTotalEssai1, r.NbQuestionEssai2, r.NbQuestionRéponse});
    }
    return Inserer(b, TCalkado::Nom, TCalkado::Colonnes, lignes);
}

ProblemeBase MagasinEntrainements::EcrireFaits(QSqlDatabase& b, const QList<Fait>& faitsRegles, const QString& date)
{
    // In the order of TFait::Colonnes.
    QList<QVariantList> lignes;
    for (const Fait& f : faitsRegles)
        lignes.append({date, f.livret, f.multiplicateur, int(f.issue), f.nbEssais, f.dixiemes});
    return Inserer(b, TFait::Nom, TFait::Colonnes, lignes);
}

ProblemeBase MagasinEntrainements::Inserer(QSqlDatabase& b, const QString& table, const QStringList& colonnes,
                                          const QList<QVariantList>& lignes)
{
    // Many rows a statement, in their order: on the school's server each
    // statement is a round trip, and a whole class saves at once.
    constexpr qsizetype ParInstruction = 100;
    const QString insertion = QStringLiteral("INSERT INTO %1 (%2) VALUES ").arg(NomSql(table), ListeSql(colonnes));
    const QString marques = QLatin1Char('(') + QStringList(colonnes.size(), QStringLiteral("?")).join(u',')
                          + QLatin1Char(')');
    for (qsizetype debut = 0; debut < lignes.size(); debut += ParInstruction) {
        const QList<QVariantList> paquet = lignes.mid(debut, ParInstruction);
        QSqlQuery requete(b);
        if (!requete.prepare(insertion + QStringList(paquet.size(), marques).join(u',')))
            return base.connexion().Probleme(requete.lastError());
        for (const QVariantList& ligne : paquet)
            for (const QVariant& valeur : ligne)
                requete.addBindValue(valeur);
        if (!requete.exec())
            return base.connexion().Probleme(requete.lastError());
    }
    return ProblemeBase::Aucun;
}

Lecture<bool> MagasinEntrainements::ContientDesResultats()
{
    QSqlQuery requete;
    if (const ProblemeBase probleme = base.Executer(requete, base.PourEleve(SqlContient));
        probleme != ProblemeBase::Aucun)
        return {false, probleme};
    return {requete.next() && requete.value(0).toBool(), ProblemeBase::Aucun};
}

Lecture<QStringList> MagasinEntrainements::LireDates()
{
    QSqlQuery requete;
    if (const ProblemeBase probleme = base.Executer(requete, base.PourEleve(SqlDates)); probleme != ProblemeBase::Aucun)
        return {{}, probleme};
    QStringList dates;
    while (requete.next()) {
        QString dateHeure = requete.value(0).toString();
        if (dates.isEmpty() || dates.constLast() != dateHeure)
            dates << std::move(dateHeure);
    }
    return {dates, ProblemeBase::Aucun};
}

Lecture<Resultats> MagasinEntrainements::LireResultats(const QString& dateHeure)
{
    QSqlQuery requete;
    if (const ProblemeBase probleme = base.Executer(requete, base.PourEleve(SqlResultats, {{dateHeure}}));
        probleme != ProblemeBase::Aucun)
        return {{}, probleme};
    Resultats resultats{};
    const LecteurEnregistrement lecteur(requete);
    while (requete.next())
        lecteur.Lire(requete, resultats);
    return {resultats, ProblemeBase::Aucun};
}

ProblemeBase MagasinEntrainements::SupprimerEntrainement(const QString& dateHeure)
{
    if (!base.serveur())
        return SupprimerDuFichier(dateHeure);
    QSqlQuery requete;
    if (const ProblemeBase probleme = base.Executer(requete, {SqlSupprimerServeur, {dateHeure}});
        probleme != ProblemeBase::Aucun)
        return probleme;
    return requete.next() && requete.value(0).toInt() > 0 ? ProblemeBase::Aucun : ProblemeBase::Introuvable;
}

ProblemeBase MagasinEntrainements::SupprimerDuFichier(const QString& dateHeure)
{
    Connexion& connexion = base.connexion();
    return connexion.Transaction([&](QSqlDatabase& b) {
        QSqlQuery requete(b);
        requete.prepare(SqlSupprimer);
        requete.addBindValue(dateHeure);
        if (!requete.exec())
            return connexion.Probleme(requete.lastError());
        // Nothing deleted is no success: the saved training is gone already.
        if (requete.numRowsAffected() < 1)
            return ProblemeBase::Introuvable;
        if (!base.faits())
            return ProblemeBase::Aucun;
        // Its rows took their facts with them; any fact left alone goes too.
        QSqlQuery faitsSeuls(b);
        faitsSeuls.prepare(SqlSupprimerFaits);
        faitsSeuls.addBindValue(dateHeure);
        return faitsSeuls.exec() ? ProblemeBase::Aucun : connexion.Probleme(faitsSeuls.lastError());
    });
}
