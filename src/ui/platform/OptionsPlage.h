// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The multiplier range as both windows show it: its caption, and the options
// "1-10" and "1-12" in a frame without a border, in blue, "1-12" selected.
#pragma once

#include <QRect>

class QFrame;
class QLabel;
class QRadioButton;
class QWidget;

struct OptionsPlage
{
    QLabel* L_Mul = nullptr;
    QFrame* Fr_Multiplicateur = nullptr;
    QRadioButton* O_1a10 = nullptr;
    QRadioButton* O_1a12 = nullptr;
};

// Places in twips; the options' places are inside the frame.
struct DispositionPlage
{
    QRect legende;
    QRect cadre;
    QRect option1a10;
    QRect option1a12;
};

OptionsPlage CreerOptionsPlage(QWidget* parent, const DispositionPlage& disposition);
