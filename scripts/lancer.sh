#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Sets everything up, builds Calkado and starts it from its own folder.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
"$racine/scripts/preparer.sh" build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cd "$racine/build"
exec ./Calkado
