// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Fonts and pictures that travel inside the program.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// Makes the shipped fonts available and maps the designed families onto them
// where the machine lacks the originals: Liberation Sans has the metrics of
// Arial, Comic Neue stands in for Comic Sans MS.
void ChargerPolices();

// Qt's own texts (context menus, standard dialogs and their shortcuts) in
// French whatever the machine's language, from the translations the system
// installs with Qt (qtbase_fr). False when the system has none: Qt's English
// texts stay.
bool ChargerTraductionsQt();

// A picture of the resources, drawn at the given size in device-independent
// pixels (sharp on high-density screens too).
QPixmap Image(const QString& nom, QSize taille);
QIcon Icone(const QString& nom);
