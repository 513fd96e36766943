// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BaseResultats.h"

#include "core/Textes.h"
#include "core/family/EnfantCourant.h"
#include "core/storage/ConnexionPostgres.h"
#include "core/storage/ConnexionSqlite.h"
#include "core/storage/Schema.h"
#include "core/storage/Tables.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

// The first version of the schema with the facts.
constexpr int VersionFaits = 1;

// The pupil's own rows: on the school's server, the user's (as text of the
// column's collation: a name's is "C", which the index on the pupil would
// not serve); a file holds one child's only. On the server every read of the
// pupil's own rows names the pupil: it keeps the rows of a whole school, and
// its index on the pupil answers at once.
const QString FiltreServeur = QStringLiteral(R"("Eleve" = CAST(SESSION_USER AS TEXT) COLLATE "default")");
const QString FiltreFichier = QStringLiteral("1 = 1");
// A pupil's rows, as a teacher reads them.
const QString FiltreEleve = QStringLiteral(R"("Eleve" = ?)");

// The school's server only: the server's functions of this version are
// there, and the user may call them.
const QString SqlVerifierServeur = QStringLiteral("SELECT 1 FROM calkado_classes_enseignees() WHERE 1 = 0");

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

} // namespace

BaseResultats::BaseResultats(const QString& nomConnexion, bool mettreAJour_)
    : configuration(LireConfiguration()), mettreAJour(mettreAJour_)
{
    const auto verification = [this](QSqlDatabase& base) { return Verifier(base); };
    if (configuration.definie())
        lien = std::make_unique<ConnexionPostgres>(nomConnexion, configuration, verification);
    else
        lien = std::make_unique<ConnexionSqlite>(nomConnexion, FichierResultats, verification);
}

BaseResultats::~BaseResultats() = default;

ProblemeBase BaseResultats::VerifierTable(QSqlDatabase& base, const QString& table, const QStringList& colonnes,
                                          const QStringList& cle) const
{
    // Fails on a table without one of the columns, without reading a row.
    QSqlQuery requete(base);
    if (!requete.exec(QStringLiteral("SELECT %1 FROM %2 WHERE 1 = 0").arg(ListeSql(cle + colonnes), NomSql(table))))
        return lien->Probleme(requete.lastError());
    for (const QString& colonne : lien->ColonnesObligatoires(base, table))
        if (!colonnes.contains(colonne))
            return ProblemeBase::PasUneBase;
    return ProblemeBase::Aucun;
}

ProblemeBase BaseResultats::Verifier(QSqlDatabase& base)
{
    if (const ProblemeBase probleme = VerifierTable(base, TCalkado::Nom, TCalkado::Colonnes, {ColonneId});
        probleme != ProblemeBase::Aucun)
        return probleme;
    // No Calkado writes a negative version.
    const std::optional<int> version = lien->Version(base);
    if (version && *version < 0)
        return ProblemeBase::PasUneBase;
    // A file made before the facts is brought up to date when it can be; one
    // that cannot (read-only) is used as it is, without facts. A table in the
    // way that the program did not make tells a file that is not Calkado's;
    // the failed update leaves it as it was.
    if (mettreAJour && version && *version < VersionSchema(SchemaProgramme())
        && lien->EcrireSansAttendre(base, [this](QSqlDatabase& b) { return MettreAJour(b, *lien); })
               == ProblemeBase::PasUneBase)
        return ProblemeBase::PasUneBase;
    avecFaits = VerifierTable(base, TFait::Nom, TFait::Colonnes, {ColonneId}) == ProblemeBase::Aucun;
    avecMemoire = avecFaits && !serveur()
               && VerifierTable(base, TMemoire::Nom, TMemoire::Colonnes, {}) == ProblemeBase::Aucun;
    if (!version) {
        // A server is kept by its administrator: the facts, and the functions
        // of this version of its script.
        QSqlQuery requete(base);
        if (!avecFaits)
            return ProblemeBase::PasUneBase;
        return requete.exec(SqlVerifierServeur) ? ProblemeBase::Aucun : lien->Probleme(requete.lastError());
    }
    return avecFaits || lien->Version(base) < VersionFaits ? ProblemeBase::Aucun : ProblemeBase::PasUneBase;
}

Requete BaseResultats::PourEleve(const QString& sql, const QList<QVariantList>& parties, const QString& eleve) const
{
    if (eleve.isEmpty()) {
        Requete requete{sql.arg(serveur() ? FiltreServeur : FiltreFichier), {}};
        for (const QVariantList& partie : parties)
            requete.valeurs += partie;
        return requete;
    }
    Requete requete{sql.arg(FiltreEleve), {}};
    for (const QVariantList& partie : parties)
        requete.valeurs += QVariantList{eleve} + partie;
    return requete;
}

ProblemeBase BaseResultats::Executer(QSqlQuery& requete, const Requete& lecture)
{
    return lien->Executer(requete, lecture.sql, lecture.valeurs);
}

QString BaseResultats::Expliquer(ProblemeBase probleme, const QString& consequence) const
{
    // A file is named as the store opens it: the account's, or the child's who trains.
    const QString cause = serveur() ? CauseServeur(probleme, configuration) : CauseFichier(probleme, FichierResultats());
    return cause.isEmpty() ? QString() : cause + QStringLiteral("\n\n") + consequence;
}
