// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The labels of a results table on a window: six headings, 55 cells and five
// totals, named and coloured as designed. The main window and the viewer each
// place one with their own positions.
#pragma once

#include "core/results/TableauResultats.h"

#include <QRect>
#include <array>

class QLabel;
class QWidget;

// Positions in twips, as the windows were designed.
struct DispositionResultats
{
    int gaucheTitres = 0;
    int largeurTitres = 0;
    std::array<int, NbLignesResultats> hautLignes{};   // rows top to bottom
    int hauteurLigne = 0;
    std::array<int, NbLivrets> gaucheCellules{};
    int largeurCellule = 0;
    int gaucheTotal = 0;
    int largeurTotal = 0;
    QRect titreTotal;                                  // heading "Total"
    qreal pointsTitreTotal = 20.25;
    bool grasTitreTotal = true;
};

class GrilleResultats
{
public:
    GrilleResultats(QWidget* parent, const DispositionResultats& disposition);

    // Writes the headings and every cell and total; each number is named to
    // assistive technology with its row heading and its table.
    void Afficher(const TextesResultats& textes);
    void MontrerTableauResultats(bool visible);

    QLabel* titreTotal() const { return titres[NbTitresResultats - 1]; }

private:
    void Nommer(const TextesResultats& textes);

    std::array<QLabel*, NbTitresResultats> titres{};
    std::array<std::array<QLabel*, NbLivrets>, NbLignesResultats> cellules{};
    std::array<QLabel*, NbLignesResultats> totaux{};
};
