// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Bilan.h"

#include "core/Textes.h"
#include "core/results/DateHeure.h"
#include "core/results/TableauResultats.h"

#include <algorithm>

namespace {

constexpr std::array<int, 6> JoursParBoite = {0, 1, 3, 7, 14, 30};
constexpr int BoiteMax = 5;
constexpr int SerieAcquise = 3;

} // namespace

QString NomEtatFait(EtatFait etat)
{
    switch (etat) {
    case EtatFait::JamaisVu:
        return Textes::JamaisVu;
    case EtatFait::ARevoir:
        return Textes::ARevoir;
    case EtatFait::EnCours:
        return Textes::EnCours;
    case EtatFait::Acquis:
        return Textes::Acquis;
    case EtatFait::Automatise:
        return Textes::Automatise;
    }
    return {};
}

void HistoireFait::Ajouter(const Reglement& reglement)
{
    derniers.append(reglement);
    if (derniers.size() > Gardes)
        derniers.removeFirst();
    serie = reglement.issue == Issue::Essai1 ? serie + 1 : 0;
}

int JoursAvantRetour(int serie)
{
    return JoursParBoite[std::size_t(std::clamp(serie, 0, BoiteMax))];
}

SituationFait Evaluer(const HistoireFait& histoire)
{
    SituationFait s;
    if (histoire.derniers.isEmpty())
        return s;
    s.dernier = histoire.derniers.last().jour;
    s.serie = histoire.serie;
    s.boite = std::min(s.serie, BoiteMax);
    s.retour = s.dernier.addDays(JoursAvantRetour(s.boite));
    if (s.serie == 0) {
        s.etat = EtatFait::ARevoir;
        return s;
    }
    // The right first tries that end the history, the last three at most.
    const auto premier = histoire.derniers.cend() - std::min<qsizetype>({s.serie, SerieAcquise, histoire.derniers.size()});
    qint64 dixiemes = 0;
    bool rapides = true;
    for (auto r = premier; r != histoire.derniers.cend(); ++r) {
        dixiemes += r->dixiemes;
        rapides = rapides && r->dixiemes <= DixiemesAutomatique;
    }
    s.tempsMoyen = TempsMoyen(dixiemes, histoire.derniers.cend() - premier);
    s.etat = s.serie < SerieAcquise ? EtatFait::EnCours : rapides ? EtatFait::Automatise : EtatFait::Acquis;
    return s;
}

SituationFait Evaluer(const HistoireFait& histoire, const MemoirePaire& paire)
{
    SituationFait s = Evaluer(histoire);
    if (s.etat != EtatFait::JamaisVu && s.etat != EtatFait::ARevoir && paire.fsrs.vu())
        s.retour = QDate::fromJulianDay(paire.fsrs.jourDu);
    return s;
}

HistoireFait& Bilan::fait(int livret, int multiplicateur)
{
    return histoires[std::size_t(IndexFait(livret, multiplicateur))];
}

const HistoireFait& Bilan::fait(int livret, int multiplicateur) const
{
    return histoires[std::size_t(IndexFait(livret, multiplicateur))];
}

void Bilan::Ajouter(const QList<Fait>& faits, const QDate& jour)
{
    for (const Fait& f : faits) {
        paires.Rejouer({paires.dernierFait() + 1, jour.toJulianDay(), f});
        if (EstUnLivret(f.livret) && f.multiplicateur >= 1 && f.multiplicateur <= NbMultiplicateurs)
            fait(f.livret, f.multiplicateur).Ajouter({jour, f.issue, f.dixiemes});
    }
}

SituationFait Bilan::Situation(int livret, int multiplicateur) const
{
    const std::optional<int> paire = Paires::Indice(livret, multiplicateur);
    return paire ? Evaluer(fait(livret, multiplicateur), paires.paire(*paire)) : SituationFait();
}

QList<Question> FaitsARevoir(const Bilan& bilan, const Coches& coches, int multMax, const QDate& aujourdhui)
{
    QList<Question> faits;
    for (int i = 0; i < NbLivrets; ++i)
        for (int m = 1; coches[std::size_t(i)] && m <= std::min(multMax, NbMultiplicateurs); ++m)
            if (bilan.Situation(i + PremierLivret, m).du(aujourdhui))
                faits.append({m, i + PremierLivret});
    return faits;
}

QString ResumeFait(int livret, int multiplicateur, EtatFait etat)
{
    return QStringLiteral("%1 x %2 = %3 : ").arg(multiplicateur).arg(livret).arg(multiplicateur * livret)
         + NomEtatFait(etat);
}

QString DetailFait(int livret, int multiplicateur, const SituationFait& s, const QLocale& locale)
{
    QString texte = ResumeFait(livret, multiplicateur, s.etat);
    if (s.serie > 0)
        texte += Textes::DetailSerie(s.serie);
    if (s.dernier.isValid())
        texte += Textes::DetailDernier + TexteJour(s.dernier, locale);
    if (s.tempsMoyen)
        texte += Textes::DetailTemps(FormatTemps(*s.tempsMoyen, locale));
    if (s.retour.isValid())
        texte += Textes::DetailRetour + TexteJour(s.retour, locale);
    return texte;
}
