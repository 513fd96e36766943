// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What assistive technology (a screen reader, through AT-SPI on Linux) is
// told beyond what Qt tells by itself: the role of plain widgets, and phrases
// said as they happen.
#pragma once

#include <QAccessible>

class QString;
class QWidget;

// Installs the factory that gives the widgets their role set below; the
// others keep Qt's own interfaces.
void InstallerAccessibilite();

// The role that assistive technology gets for this widget: to be set as the
// widget is made, before anything asks for it (Qt keeps the first answer).
void DefinirRoleAccessible(QWidget* widget, QAccessible::Role role);

// Says a phrase through the object that has the focus in the window (the
// window itself when none has): it becomes its accessible description, whose
// change a screen reader speaks. The object given the previous phrase loses it.
void Annoncer(QWidget* fenetre, const QString& phrase);
// The last phrase withdrawn, so that the focus coming back does not repeat it.
void RetirerAnnonce();
