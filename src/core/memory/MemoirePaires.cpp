// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MemoirePaires.h"

#include "ModeleFsrs.h"
#include "Note.h"

#include <QStringList>
#include <cmath>

namespace {

const ModeleFsrs& Modele()
{
    static const ModeleFsrs modele;
    return modele;
}

// Learnt in a run: right at the first try twice on one day.
constexpr int JustesPourApprendre = 2;

// The fields of a pair, in the order of its line.
constexpr int NbChamps = 11;

QString Reel(double valeur)
{
    return QString::number(valeur, 'g', 17);
}

} // namespace

void MemoirePaires::Rejouer(const FaitRejoue& f)
{
    dernier = f.id;
    ++nombre;
    const std::optional<int> indice = Paires::Indice(f.fait.livret, f.fait.multiplicateur);
    if (!indice || f.jour <= 0)
        return;
    MemoirePaire& p = paires[std::size_t(*indice)];
    const Note note = Noter(f.fait.issue, f.fait.dixiemes);
    const bool juste = f.fait.issue == Issue::Essai1;
    p.fsrs = Modele().Reviser(p.fsrs, note, f.jour);
    p.serie = juste ? p.serie + 1 : 0;
    p.justesDuJour = (f.jour == p.dernierJour && p.statut != StatutPaire::JamaisVue ? p.justesDuJour : 0) + (juste ? 1 : 0);
    p.dernierJour = f.jour;
    p.dernierOrdre = Paires::Faits(*indice).front() == f.fait.question() ? 0 : 1;
    switch (p.statut) {
    case StatutPaire::JamaisVue:
        p.premierJour = f.jour;
        p.statut = note == Note::Correct ? StatutPaire::Connue : StatutPaire::AApprendre;
        break;
    case StatutPaire::AApprendre:
        if (p.debutApprentissage == 0)
            p.debutApprentissage = f.jour;
        if (p.justesDuJour >= JustesPourApprendre)
            p.statut = StatutPaire::Connue;
        break;
    case StatutPaire::Connue:
        break;
    }
}

QString MemoirePaires::Ecrire() const
{
    QStringList lignes = {QStringLiteral("%1 %2").arg(dernier).arg(nombre)};
    for (const MemoirePaire& p : paires)
        lignes << QStringList{QString::number(int(p.statut)), Reel(p.fsrs.stabilite), Reel(p.fsrs.difficulte),
                              QString::number(p.fsrs.dernierJour), QString::number(p.fsrs.jourDu),
                              QString::number(p.serie), QString::number(p.premierJour),
                              QString::number(p.debutApprentissage), QString::number(p.dernierJour),
                              QString::number(p.justesDuJour), QString::number(p.dernierOrdre)}
                      .join(QLatin1Char(' '));
    return lignes.join(QLatin1Char('\n'));
}

std::optional<MemoirePaires> MemoirePaires::Lire(const QString& texte)
{
    const QStringList lignes = texte.split(QLatin1Char('\n'));
    if (lignes.size() != Paires::Nb + 1)
        return std::nullopt;
    bool ok = true;
    const auto entier = [&ok](const QString& champ) {
        bool lu = false;
        const qint64 valeur = champ.toLongLong(&lu);
        ok = ok && lu;
        return valeur;
    };
    const auto reel = [&ok](const QString& champ) {
        bool lu = false;
        const double valeur = champ.toDouble(&lu);
        ok = ok && lu && std::isfinite(valeur);
        return valeur;
    };
    MemoirePaires m;
    const QStringList tete = lignes.front().split(QLatin1Char(' '));
    ok = tete.size() == 2;
    m.dernier = entier(tete.value(0));
    m.nombre = entier(tete.value(1));
    for (int i = 0; i < Paires::Nb && ok; ++i) {
        const QStringList c = lignes[i + 1].split(QLatin1Char(' '));
        if (c.size() != NbChamps)
            return std::nullopt;
        MemoirePaire& p = m.paires[std::size_t(i)];
        const qint64 statut = entier(c[0]);
        ok = ok && statut >= int(StatutPaire::JamaisVue) && statut <= int(StatutPaire::Connue);
        p.statut = StatutPaire(statut);
        p.fsrs = {reel(c[1]), reel(c[2]), entier(c[3]), entier(c[4])};
        p.serie = int(entier(c[5]));
        p.premierJour = entier(c[6]);
        p.debutApprentissage = entier(c[7]);
        p.dernierJour = entier(c[8]);
        p.justesDuJour = int(entier(c[9]));
        p.dernierOrdre = int(entier(c[10]));
    }
    return ok ? std::optional<MemoirePaires>(m) : std::nullopt;
}
