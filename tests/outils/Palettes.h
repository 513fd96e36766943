// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Dark palettes that a program may be given, for the tests of what stays
// readable and visible on them.
#pragma once

#include <QPalette>

// Qt's own from one colour: white texts on black boxes, the disabled texts
// darker than the window.
inline QPalette PaletteSombreSimple()
{
    return QPalette(QColor(53, 53, 53));
}

// As dark desktops and programs' dark themes make them: boxes a little darker
// than the window, the disabled texts mid-grey.
inline QPalette PaletteSombreGrise()
{
    QPalette palette(QColor(50, 50, 50));
    for (const auto groupe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor texte = groupe == QPalette::Disabled ? QColor(Qt::gray) : QColor(240, 240, 240);
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(groupe, role, texte);
        palette.setColor(groupe, QPalette::Base, groupe == QPalette::Disabled ? QColor(50, 50, 50) : QColor(36, 36, 36));
        palette.setColor(groupe, QPalette::Highlight, groupe == QPalette::Disabled ? QColor(Qt::gray) : QColor(48, 140, 198));
        palette.setColor(groupe, QPalette::HighlightedText, QColor(240, 240, 240));
    }
    return palette;
}
