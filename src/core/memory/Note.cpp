// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Note.h"

Note Noter(Issue issue, qint32 dixiemes)
{
    if (issue != Issue::Essai1)
        return Note::ARevoir;
    return dixiemes >= 0 && dixiemes <= DixiemesAutomatique ? Note::Correct : Note::Difficile;
}
