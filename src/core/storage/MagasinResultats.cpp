// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MagasinResultats.h"

#include "core/storage/Tables.h"

MagasinResultats::MagasinResultats(const QString& nomConnexion, bool mettreAJour)
    : base(nomConnexion, mettreAJour), entrainements(base), memoire(base), bilan(base, memoire), papier(base, bilan), classe(base)
{
}

const QString& MagasinResultats::Table()
{
    return TCalkado::Nom;
}

const QStringList& MagasinResultats::Colonnes()
{
    return TCalkado::Colonnes;
}

const QString& MagasinResultats::TableFaits()
{
    return TFait::Nom;
}

const QStringList& MagasinResultats::ColonnesFaits()
{
    return TFait::Colonnes;
}
