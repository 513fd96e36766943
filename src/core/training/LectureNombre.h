// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading the number the child typed.
#pragma once

#include <QString>
#include <QStringView>

// The number at the start of the text, read from the left: blanks (spaces,
// tabs, line breaks) are passed over wherever they stand, the digits met are
// the number, and reading stops at the first other character; a text without
// a digit before such a character reads as 0 (" 4 2" is 42, "12a3" is 12,
// "x12" is 0). The result is its decimal digits without leading zeros, of any
// length, so that no answer, however long, overflows.
QString LireNombre(QStringView texte);
