// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Son.h"

#include <QApplication>
#include <utility>

namespace {
Sonnerie sonnerieCourante = &QApplication::beep;
}

void Bip()
{
    sonnerieCourante();
}

Sonnerie RemplacerSonnerie(Sonnerie sonnerie)
{
    return std::exchange(sonnerieCourante, sonnerie);
}
