// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Comptes.h"

#include <algorithm>

Comptes& Comptes::operator+=(const Fait& fait)
{
    ++NbQuestionParLivret;
    switch (fait.issue) {
    case Issue::Essai1:
        ++NbQuestionEssai1;
        TempsTotalEssai1 += fait.dixiemes;
        break;
    case Issue::Essai2:
        ++NbQuestionEssai2;
        break;
    case Issue::Reponse:
        ++NbQuestionRéponse;
        break;
    }
    return *this;
}

Comptes& Comptes::operator+=(const Comptes& autres)
{
    NbQuestionParLivret += std::max<qint64>(autres.NbQuestionParLivret, 0);
    NbQuestionEssai1 += std::max<qint64>(autres.NbQuestionEssai1, 0);
    NbQuestionEssai2 += std::max<qint64>(autres.NbQuestionEssai2, 0);
    NbQuestionRéponse += std::max<qint64>(autres.NbQuestionRéponse, 0);
    if (autres.NbQuestionEssai1 >= 1)
        TempsTotalEssai1 += autres.TempsTotalEssai1;
    return *this;
}

ComptesLivrets ComptesDesFaits(const QList<Fait>& faits)
{
    ComptesLivrets comptes;
    for (const Fait& fait : faits)
        if (EstUnLivret(fait.livret))
            comptes[std::size_t(IndexLivret(fait.livret))] += fait;
    return comptes;
}

Comptes Total(const ComptesLivrets& livrets)
{
    Comptes total;
    for (const Comptes& livret : livrets)
        total += livret;
    return total;
}
