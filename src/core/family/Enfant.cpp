// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Enfant.h"

#include "core/Textes.h"

QString Enfant::fichier() const
{
    if (numero <= 1)
        return Textes::NomFichierBase;
    return QStringLiteral("CalkadoVa-%1.sqlite").arg(numero);
}
