// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PageClasse.h"

#include "core/Textes.h"
#include "core/results/DateHeure.h"

#include <algorithm>

QString PageClasse::textePeriode() const
{
    QString nom = NomDePeriode(periode);
    nom.remove(QLatin1Char('&'));
    const QDate debut = DebutPeriode(periode, jour);
    const QString fin = TexteJour(jour);
    return nom + QStringLiteral(", ")
         + (debut.isValid() ? Textes::PeriodeDepuis(TexteJour(debut), fin) : Textes::PeriodeTout(fin));
}

bool SEstEntraine(const EleveClasse& eleve)
{
    // A table without a question in the period shows nothing.
    return std::any_of(eleve.livrets.cbegin(), eleve.livrets.cend(),
                       [](const auto& livret) { return !TexteCelluleClasse(livret).isEmpty(); });
}

Lecture<DocumentClasse> LireDocumentClasse(MagasinResultats& magasin, Periode periode, const QDate& jour)
{
    const Lecture<Enseignant> enseignant = magasin.LireEnseignant();
    if (!enseignant)
        return {{}, enseignant.probleme};
    DocumentClasse document;
    document.classe = {Textes::TitreClasse(enseignant.valeur.classes), periode, jour, {}, {}};
    const Lecture<QList<EleveClasse>> eleves = magasin.LireClasse(DebutPeriode(periode, jour), jour);
    if (!eleves)
        return {{}, eleves.probleme};
    const Lecture<QList<Bilan>> bilans = magasin.LireBilansClasse(jour);
    if (!bilans)
        return {{}, bilans.probleme};
    document.classe.eleves = eleves.valeur;
    document.classe.aRevoir = FaitsLesPlusARevoir(bilans.valeur).mid(0, NbFaitsARevoirClasse);
    for (const EleveClasse& eleve : eleves.valeur) {
        if (!SEstEntraine(eleve))
            continue;
        const Lecture<RapportEnfant> rapport = LireRapport(magasin, eleve.eleve, jour, eleve.eleve);
        if (!rapport)
            return {{}, rapport.probleme};
        document.rapports.append(rapport.valeur);
    }
    return {document, ProblemeBase::Aucun};
}
