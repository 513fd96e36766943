// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Automatisation.h"

#include <algorithm>
#include <functional>

bool EstAutomatise(const HistoireFait& histoire)
{
    return Evaluer(histoire).etat == EtatFait::Automatise;
}

bool DevenuAutomatise(const HistoireFait& auDebut, const HistoireFait& aLaFin)
{
    return EstAutomatise(aLaFin) && !EstAutomatise(auDebut);
}

QList<Question> FaitsDevenusAutomatises(const Bilan& auDebut, const Bilan& aLaFin)
{
    QList<Question> faits;
    for (int livret = PremierLivret; livret < PremierLivret + NbLivrets; ++livret)
        for (int m = 1; m <= NbMultiplicateurs; ++m)
            if (DevenuAutomatise(auDebut.fait(livret, m), aLaFin.fait(livret, m)))
                faits.append({m, livret});
    return faits;
}

bool LivretAutomatise(const Bilan& bilan, int livret, int multMax)
{
    for (int m = 1; m <= multMax; ++m)
        if (!EstAutomatise(bilan.fait(livret, m)))
            return false;
    return true;
}

QList<int> LivretsDevenusAutomatises(const Bilan& avant, const Bilan& apres, int multMax)
{
    QList<int> livrets;
    for (int livret = PremierLivret; livret < PremierLivret + NbLivrets; ++livret)
        if (LivretAutomatise(apres, livret, multMax) && !LivretAutomatise(avant, livret, multMax))
            livrets.append(livret);
    return livrets;
}

std::optional<DiplomeGagne> DiplomeDe(const Bilan& bilan, int livret)
{
    if (!LivretAutomatise(bilan, livret, MultMaxCourt))
        return std::nullopt;
    return DiplomeGagne{livret, LivretAutomatise(bilan, livret, NbMultiplicateurs) ? NbMultiplicateurs : MultMaxCourt};
}

QList<DiplomeGagne> DiplomesGagnes(const Bilan& bilan)
{
    QList<DiplomeGagne> diplomes;
    for (int livret = PremierLivret; livret < PremierLivret + NbLivrets; ++livret)
        if (const std::optional<DiplomeGagne> diplome = DiplomeDe(bilan, livret))
            diplomes.append(*diplome);
    return diplomes;
}

QDate JourAutomatise(const QList<ReglementLivret>& reglements, int multMax)
{
    // The settlings replayed one by one through the grid's rule: the day
    // is the last one that turned the table automatisé.
    std::array<HistoireFait, NbMultiplicateurs> histoires;
    std::array<bool, NbMultiplicateurs> automatises{};
    const auto tous = [&] {
        return std::all_of(automatises.cbegin(), automatises.cbegin() + multMax, std::identity());
    };
    QDate depuis;
    for (const ReglementLivret& r : reglements) {
        if (r.multiplicateur < 1 || r.multiplicateur > NbMultiplicateurs)
            continue;
        const std::size_t i = std::size_t(r.multiplicateur - 1);
        histoires[i].Ajouter(r.reglement);
        automatises[i] = EstAutomatise(histoires[i]);
        if (!tous())
            depuis = QDate();
        else if (!depuis.isValid())
            depuis = r.reglement.jour;
    }
    return depuis;
}
