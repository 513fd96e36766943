// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Revision.h"

#include <utility>

void Revision::Commencer(const QList<Question>& faits)
{
    enCours = !faits.isEmpty();
    aPoser = faits;
    manques.clear();
    derniere = {};
}

Question Revision::Tirer(bool aleatoire, const std::function<int(int)>& rang)
{
    if (aPoser.isEmpty())
        aPoser = std::exchange(manques, {});
    if (aPoser.isEmpty())
        return derniere;
    qsizetype i = 0;
    if (aleatoire) {
        // The bound only guards against a broken source of chance.
        for (int essai = 0; essai < 1000; ++essai) {
            i = rang(int(aPoser.size()));
            if (aPoser.size() + manques.size() < 2 || aPoser[i] != derniere)
                break;
        }
    } else if (aPoser.size() > 1 && aPoser.first() == derniere) {
        i = 1;
    }
    derniere = aPoser.takeAt(i);
    return derniere;
}

void Revision::Regler(const Question& question, Issue issue)
{
    if (enCours && issue != Issue::Essai1)
        manques.append(question);
}
