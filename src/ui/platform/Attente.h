// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Shows that the program is waiting for something outside it, such as
// another program holding the results file: the busy cursor over every
// window, until the wait is over.
#pragma once

void SignalerAttente(bool attente);
