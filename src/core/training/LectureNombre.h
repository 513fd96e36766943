// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading the number the child typed.
#pragma once

#include <QString>
#include <QStringView>

// The number at the start of the text, read from the left as the original
// program did: blanks are skipped, reading stops at the first character that
// cannot continue the number, and a text that does not start with a number
// reads as 0. The result is its decimal digits without leading zeros, of any
// length, so that no answer, however long, overflows.
QString LireNombre(QStringView texte);
