// What the start-up checks read of the display that shows the main window.
#pragma once

class QWidget;

struct MesuresEcran
{
    int largeur = 0;       // device-independent pixels
    int hauteur = 0;
    int dpiLogique = 0;    // horizontal logical dots per inch
    int plans = 1;
    int bitsParPixel = 0;
};

MesuresEcran MesurerEcran(const QWidget& fenetre);
