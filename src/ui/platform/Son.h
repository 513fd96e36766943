// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The platform's short warning sound.
#pragma once

void Bip();

// What Bip() plays, the system's beep unless replaced: a test, which cannot
// hear it, puts a function of its own in its place. Returns the one replaced.
using Sonnerie = void (*)();
Sonnerie RemplacerSonnerie(Sonnerie sonnerie);
