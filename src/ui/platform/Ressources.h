// Fonts and pictures that travel inside the program.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// Makes the shipped fonts available and maps the designed families onto them
// where the machine lacks the originals: Liberation Sans has the metrics of
// Arial, Comic Neue stands in for Comic Sans MS.
void ChargerPolices();

// A picture of the resources, drawn at the given size in device-independent
// pixels (sharp on high-density screens too).
QPixmap Image(const QString& nom, QSize taille);
QIcon Icone(const QString& nom);
