// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the fuzz targets share: a broken promise is told before the fuzzer
// keeps the input that broke it.
#pragma once

#include <QString>
#include <cstdio>
#include <cstdlib>

inline void exiger(bool condition, const char* promesse, const QString& cas)
{
    if (condition)
        return;
    std::fprintf(stderr, "%s : %s\n", promesse, qUtf8Printable(cas));
    std::abort();
}
