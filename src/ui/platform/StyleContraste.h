// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop's style, with the marks a child must find drawn from the
// palette of the moment so that they stand out on a light desktop and a dark
// one (non-text contrast, WCAG 2.2, 1.4.11): the box of a check box and the
// ring of an option at 3:1 against the window, the tick and the dot at 4.5:1
// against their box, and the keyboard's focus as a ring at 3:1 against all
// the colours around it, from the moment the keyboard moves it in a window or
// in the one that opened it. Sizes and places stay the style's own: nothing
// moves.
#pragma once

#include <QProxyStyle>

class StyleContraste : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void polish(QWidget* widget) override;
    void unpolish(QWidget* widget) override;
    using QProxyStyle::polish;
    using QProxyStyle::unpolish;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
};

// Puts StyleContraste over the style in use, for every window of the program.
void InstallerStyle();
