// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The viewer's progress chart, drawn by hand: one bar per saved training for
// the share of questions right at the first try, and a line through the mean
// times of a right first try on a scale of seconds, the saved training shown
// last and marked. What it draws is its model, read from the store through
// the viewer's connection at each change; it tells the same figures in words
// in its tooltip and accessible description. It takes the focus, and keys
// choose its table as clicks on the viewer's table numbers do.
#pragma once

#include "core/results/Progression.h"

#include <QWidget>

class MagasinResultats;

class GrapheProgression : public QWidget
{
    Q_OBJECT

public:
    GrapheProgression(MagasinResultats& magasin, QWidget* parent);

    // The saved training the viewer shows, by its stored date and time
    // (empty when none is left): reads the store and redraws.
    void Afficher(const QString& dateHeure);
    // A table 2 to 12, or TousLesLivrets: reads the store and redraws.
    void ChoisirLivret(int livret);
    // Reads the store again and paints at once: one whole redraw.
    void Redessiner();

    const Progression& modele() const { return progression; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Lire();

    bool dizaine = false;   // "1" was pressed: 0, 1 or 2 make 10, 11 or 12

    MagasinResultats& magasin;
    QString dateHeure;
    Progression progression;
};
