// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A child of the family and the results file that is theirs alone, in the
// working folder beside the account's own.
#pragma once

#include <QString>

struct Enfant
{
    QString nom;
    // The first child has the account's file, CalkadoVa.sqlite, as it was;
    // the others CalkadoVa-2.sqlite, CalkadoVa-3.sqlite... in the order they
    // came. A number is never given twice.
    int numero = 1;

    QString fichier() const;
    bool operator==(const Enfant&) const = default;
};
