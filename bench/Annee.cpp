// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The school's server after a school year: ten classes of thirty pupils, each
// pupil with a thousand saved trainings of about six tables and sixty facts
// (1.8 million rows, 18 million facts), made by the server itself. Then, for
// one pupil, the viewer and the grid opened and a save; for their teacher,
// the class's view over each period. Run on a server made for it
// (tests/ecole.sh).
#include "Mesures.h"
#include "OutilsMesures.h"

#include "Ecole.h"
#include "Factices.h"
#include "core/Textes.h"
#include "core/storage/MagasinResultats.h"
#include "ui/bilan/F_Bilan.h"
#include "ui/classe/F_Classe.h"
#include "ui/viewer/F_Consulter.h"

#include <QDir>
#include <QFile>
#include <QRadioButton>

namespace {

// The pupil measured, in the middle of the school, and their teacher.
const QString Eleve = QStringLiteral("eleve150");
const QString Professeur = QStringLiteral("prof06");
// The day after the last saved training of the year, a Friday.
const QDate Aujourdhui(2026, 6, 19);

// The classes, their pupils and teachers; the passwords of the two measured,
// in a password file of the run, as a school's ~/.pgpass would hold them.
void PreparerComptes(const QString& dossier)
{
    Administrer({QStringLiteral("SELECT COUNT(calkado_ajouter_eleve('classe' || lpad((i / 30 + 1)::text, 2, '0'), "
                                "'eleve' || lpad(i::text, 3, '0'))) FROM generate_series(0, 299) AS i"),
                 QStringLiteral("SELECT COUNT(calkado_ajouter_enseignant('classe' || lpad(c::text, 2, '0'), "
                                "'prof' || lpad(c::text, 2, '0'))) FROM generate_series(1, 10) AS c"),
                 QStringLiteral("ALTER ROLE %1 PASSWORD '%1'").arg(Eleve),
                 QStringLiteral("ALTER ROLE %1 PASSWORD '%1'").arg(Professeur)});
    QFile pgpass(QDir(dossier).filePath(QStringLiteral("pgpass")));
    if (!pgpass.open(QIODevice::WriteOnly) || !pgpass.setPermissions(QFile::ReadOwner | QFile::WriteOwner)
        || pgpass.write(QStringLiteral("*:*:*:%1:%1\n*:*:*:%2:%2\n").arg(Eleve, Professeur).toUtf8()) < 0)
        qFatal("Impossible d'écrire le fichier des mots de passe");
    qputenv("PGPASSFILE", QFile::encodeName(pgpass.fileName()));
}

// A year of each pupil: a saved training every seven hours from the first of
// September, six tables of eleven on average, ten questions a table, settled
// by a rule that spreads the issues and the times; the rows agree with their
// facts. Written pupil by pupil, the server's day quota triggers aside.
const QString SqlAnnee = QStringLiteral(R"(
DO $$
DECLARE
    e integer;
    eleve text;
BEGIN
    SET LOCAL session_replication_role = replica;
    FOR e IN 0 .. 299 LOOP
        eleve := 'eleve' || lpad(e::text, 3, '0');
        INSERT INTO "TFait" ("DateHeure", "NumLivret", "Multiplicateur", "Issue", "NbEssais", "Dixiemes", "Eleve")
        SELECT to_char(timestamp '2025-09-01 08:00:00' + k * interval '7 hours', 'YYYY-MM-DD HH24:MI:SS'),
               t, m, i.issue, i.issue, 15 + (e * 7 + k * 13 + t * 3 + m) % 60, eleve
        FROM generate_series(0, 999) AS k, generate_series(2, 12) AS t, generate_series(1, 10) AS m,
             LATERAL (SELECT CASE WHEN (e + k * 3 + t * 5 + m * 7) % 10 < 7 THEN 1
                                  WHEN (e + k * 3 + t * 5 + m * 7) % 10 < 9 THEN 2 ELSE 3 END AS issue) AS i
        WHERE (e * 7 + k * 3 + t * 5) % 11 < 6
        ORDER BY k, t, m;
        INSERT INTO "TCalkado" ("DateHeure", "Multiplicateur1a12", "Aléatoire", "NumLivret", "NbQuestionParLivret",
                                "NbQuestionEssai1", "TempsTotalEssai1", "NbQuestionEssai2", "NbQuestionRéponse", "Eleve")
        SELECT "DateHeure", 0, 1, "NumLivret", COUNT(*), COUNT(*) FILTER (WHERE "Issue" = 1),
               COALESCE(SUM("Dixiemes") FILTER (WHERE "Issue" = 1), 0), COUNT(*) FILTER (WHERE "Issue" = 2),
               COUNT(*) FILTER (WHERE "Issue" = 3), eleve
        FROM "TFait" WHERE "Eleve" = eleve GROUP BY "DateHeure", "NumLivret" ORDER BY "DateHeure", "NumLivret";
    END LOOP;
END
$$
)");

struct Figures
{
    Serie consulter, bilan, enregistrement, planchers[2];
    Serie periodes[NbPeriodes];
};

// The pupil's windows and saves, beside the smallest read and the smallest
// save's transaction of the server.
void MesurerEleve(Figures& f)
{
    qputenv("PGUSER", Eleve.toUtf8());
    for (int i = 0; i < 10; ++i) {
        F_Consulter visionneuse;
        f.consulter.valeurs.push_back(Chronometrer([&] {
            if (!visionneuse.Form_Load())
                qFatal("La visionneuse ne s'ouvre pas");
            visionneuse.show();
        }));
        F_Bilan bilan;
        f.bilan.valeurs.push_back(Chronometrer([&] {
            if (!bilan.Form_Load(Aujourdhui, false))
                qFatal("Le bilan ne s'ouvre pas");
            bilan.show();
        }));
    }
    MagasinResultats magasin(QStringLiteral("mesure"));
    Session plancher(Eleve);
    for (int i = 0; i < 20; ++i) {
        auto t = Horodatage::now();
        if (magasin.EcrireResultats(TroisTables(), LeursFaits(),
                                    QDateTime(Aujourdhui, QTime(8, 0), Qt::UTC).addSecs(60 * i))
            != ProblemeBase::Aucun)
            qFatal("L'enregistrement a échoué");
        f.enregistrement.valeurs.push_back(MillisecondesDepuis(t));
        t = Horodatage::now();
        plancher.executer(QStringLiteral("SELECT 1"));
        f.planchers[0].valeurs.push_back(MillisecondesDepuis(t));
        t = Horodatage::now();
        plancher.executer(QStringLiteral("BEGIN; SELECT calkado_verrouiller(); COMMIT"));
        f.planchers[1].valeurs.push_back(MillisecondesDepuis(t));
    }
}

// The teacher's view of their class of thirty, each period chosen in turn.
void MesurerEnseignant(Figures& f)
{
    qputenv("PGUSER", Professeur.toUtf8());
    HorlogeFactice horloge;
    horloge.date = QDateTime(Aujourdhui, QTime(17, 0), Qt::UTC);
    F_Classe classe(&horloge);
    if (!classe.Form_Load())
        qFatal("La vue de la classe ne s'ouvre pas");
    classe.show();
    for (int tour = 0; tour < 5; ++tour)
        for (int p = NbPeriodes - 1; p >= 0; --p) {
            auto* periode = classe.findChild<QRadioButton*>(QStringLiteral("O_Periode_%1").arg(p));
            f.periodes[p].valeurs.push_back(Chronometrer([&] { periode->click(); }));
        }
}

} // namespace

void MesurerAnnee(Rapport& rapport)
{
    if (qEnvironmentVariable("CALKADO_SERVEUR") != QLatin1String("1")) {
        rapport.note(QStringLiteral("Année : sautée, sans le serveur de l'école (scripts/mesurer.sh année)."));
        return;
    }
    DossierProgramme dossier;
    PreparerComptes(dossier.chemin());
    // A server that has its year already (this step run again on it) keeps it.
    QStringList rempli;
    Administrer({QStringLiteral(R"(SELECT EXISTS (SELECT 1 FROM "TCalkado" WHERE "Eleve" = 'eleve299'))")}, &rempli);
    if (rempli != QStringList{QStringLiteral("true")})
        Administrer({SqlAnnee, QStringLiteral("VACUUM ANALYZE")});
    Figures f;
    MesurerEleve(f);
    MesurerEnseignant(f);
    const QString ms = QStringLiteral("ms"), lecture = Nombre(f.planchers[0].mediane(), ms);
    const QString annee = QStringLiteral(" (serveur, 300 élèves × 1 000 entraînements)");
    rapport.ajouter({QStringLiteral("Visionneuse ouverte par un élève") + annee, f.consulter, ms, lecture,
                     QStringLiteral("< 200 ms"), f.consulter.mediane() < 200});
    rapport.ajouter({QStringLiteral("Bilan des tables ouvert par un élève") + annee, f.bilan, ms, lecture,
                     QStringLiteral("< 200 ms"), f.bilan.mediane() < 200});
    rapport.ajouter({QStringLiteral("Entraînement enregistré (3 tables, 30 faits)") + annee, f.enregistrement, ms,
                     Nombre(f.planchers[1].mediane(), ms), QStringLiteral("< 50 ms"),
                     f.enregistrement.mediane() < 50});
    for (int p = 0; p < NbPeriodes; ++p) {
        const bool cible = LesPeriodes[std::size_t(p)] == Periode::Tout;
        const QString periode = NomDePeriode(LesPeriodes[std::size_t(p)]).remove(u'&');
        rapport.ajouter({QStringLiteral("Vue de la classe (30 élèves), « %1 »").arg(periode) + annee, f.periodes[p],
                         ms, lecture, cible ? QStringLiteral("< 1 s") : QStringLiteral("–"),
                         !cible || f.periodes[p].mediane() < 1000});
    }
}
