// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Rapport.h"

#include <algorithm>

#ifndef CALKADO_VERSION
#error "the build gives the project's version"
#endif

QList<FaitAReviser> FaitsAReviser(const Bilan& bilan, int nombre)
{
    QList<FaitAReviser> faits;
    for (int livret = PremierLivret; livret < PremierLivret + NbLivrets; ++livret)
        for (int m = 1; m <= NbMultiplicateurs; ++m) {
            const HistoireFait& histoire = bilan.fait(livret, m);
            const EtatFait etat = Evaluer(histoire).etat;
            if (etat != EtatFait::ARevoir && etat != EtatFait::EnCours)
                continue;
            const auto manques = std::count_if(histoire.derniers.cbegin(), histoire.derniers.cend(),
                                               [](const Reglement& r) { return r.issue != Issue::Essai1; });
            faits.append({livret, m, etat, int(manques)});
        }
    std::stable_sort(faits.begin(), faits.end(), [](const FaitAReviser& a, const FaitAReviser& b) {
        return a.etat != b.etat ? a.etat < b.etat : a.manques > b.manques;
    });
    return faits.first(std::min<qsizetype>(faits.size(), std::max(nombre, 0)));
}

EtatFait RapportEnfant::etat(int livret, int multiplicateur) const
{
    return etats[std::size_t(livret - PremierLivret)][std::size_t(multiplicateur - 1)];
}

RapportEnfant ComposerRapport(const QString& nom, const QDate& jour, const LecturesRapport& lu)
{
    RapportEnfant r;
    r.nom = nom;
    r.jour = jour;
    for (int livret = PremierLivret; livret < PremierLivret + NbLivrets; ++livret)
        for (int m = 1; m <= NbMultiplicateurs; ++m) {
            const EtatFait etat = Evaluer(lu.bilan.fait(livret, m)).etat;
            r.etats[std::size_t(livret - PremierLivret)][std::size_t(m - 1)] = etat;
            ++r.parEtat[std::size_t(etat)];
        }
    r.semaine = Chiffres(lu.activite, DebutDerniersJours(jour, JoursSemaine), jour, lu.avantSemaine, lu.bilan);
    r.mois = Chiffres(lu.activite, DebutDerniersJours(jour, JoursMois), jour, lu.avantMois, lu.bilan);
    r.aReviser = FaitsAReviser(lu.bilan);
    r.progression.points = lu.derniers;
    return r;
}

namespace {

// The value read, kept where it belongs; false once a read has failed.
template<typename T>
bool Garder(const Lecture<T>& lecture, T& valeur, ProblemeBase& probleme)
{
    probleme = lecture.probleme;
    if (lecture)
        valeur = lecture.valeur;
    return bool(lecture);
}

} // namespace

Lecture<RapportEnfant> LireRapport(MagasinResultats& magasin, const QString& nom, const QDate& jour,
                                   const QString& eleve)
{
    LecturesRapport lu;
    ProblemeBase probleme = ProblemeBase::Aucun;
    const QDate semaine = DebutDerniersJours(jour, JoursSemaine), mois = DebutDerniersJours(jour, JoursMois);
    const bool tout = Garder(magasin.LireBilan(eleve), lu.bilan, probleme)
                   && Garder(magasin.LireBilanAvant(semaine, eleve), lu.avantSemaine, probleme)
                   && Garder(magasin.LireBilanAvant(mois, eleve), lu.avantMois, probleme)
                   && Garder(magasin.LireActivite(mois, eleve), lu.activite, probleme)
                   && Garder(magasin.LireDerniersEntrainements(eleve), lu.derniers, probleme);
    if (!tout)
        return {{}, probleme};
    return {ComposerRapport(nom, jour, lu), ProblemeBase::Aucun};
}

QString VersionCalkado()
{
    return QStringLiteral(CALKADO_VERSION);
}
