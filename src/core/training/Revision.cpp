// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Revision.h"

#include "Tirages.h"

#include <utility>

Revision::Revision(const QList<Question>& faits, bool aleatoire_)
    : aleatoire(aleatoire_), total(int(faits.size())), aPoser(faits)
{
}

std::optional<Question> Revision::Suivante(Tirages& tirages)
{
    if (aPoser.isEmpty())
        aPoser = std::exchange(manques, {});
    if (aPoser.isEmpty())
        return std::nullopt;
    derniere = aPoser.takeAt(Choisir(tirages));
    return derniere;
}

qsizetype Revision::Choisir(Tirages& tirages)
{
    if (!aleatoire)
        return aPoser.size() > 1 && aPoser.first() == derniere ? 1 : 0;
    // The bound only guards against a broken source of chance.
    qsizetype i = 0;
    for (int essai = 0; essai < 1000; ++essai) {
        i = tirages.TirerRang(int(aPoser.size()));
        if (aPoser.size() + manques.size() < 2 || aPoser[i] != derniere)
            break;
    }
    return i;
}

void Revision::Regler(const Fait& fait)
{
    if (fait.issue == Issue::Essai1)
        ++connus;
    else
        manques.append(fait.question());
}

std::optional<Avancement> Revision::avancement() const
{
    return Avancement{connus, total};
}
