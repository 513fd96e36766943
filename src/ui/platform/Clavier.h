// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Enter on any control of a window goes to the window itself, which gives it
// to its default button: some platform themes (GTK's) make Enter press the
// focused button or tick the focused check box instead.
#pragma once

class QKeyEvent;
class QWidget;

// For every control the window holds now.
void EntreeALaFenetre(QWidget* fenetre);

// In a window without a default button: Enter presses the button that has
// the focus, as Space does. True when it did.
bool EntreeSurBouton(QWidget* fenetre, QKeyEvent* event);
