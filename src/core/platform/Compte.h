// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The user's account as a person reads its name, for what Calkado prints:
// the full name that the system keeps for it, or its login without one.
#pragma once

#include <QString>

// The account this program runs under.
QString NomDuCompte();

// From the account's fields: the first part of the comment field (GECOS,
// "Léa Martin,,,"), where "&" stands for the login with a capital; the
// login when that part is empty.
QString NomAffiche(const QString& gecos, const QString& login);
