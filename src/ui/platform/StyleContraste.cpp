// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StyleContraste.h"

#include "Contraste.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>

namespace {

// What the parts of a control stand against: 3:1 for a part that says what it
// is or where the focus is, 4.5:1 for the tick and the dot, read as closely as
// a text.
constexpr double ContrasteControle = 3.0;
constexpr double ContrasteMarque = 4.5;

QColor Melange(const QColor& a, const QColor& b, double partA)
{
    return QColor::fromRgbF(float(a.redF() * partA + b.redF() * (1 - partA)),
                            float(a.greenF() * partA + b.greenF() * (1 - partA)),
                            float(a.blueF() * partA + b.blueF() * (1 - partA)));
}

// The colours of a check box or an option in the state the option gives.
struct Teintes
{
    QColor bord, fond, marque;
};

Teintes TeintesIndicateur(const QStyleOption& option)
{
    const QPalette& p = option.palette;
    const QColor fenetre = p.color(QPalette::Window);
    const bool actif = option.state & QStyle::State_Enabled;
    Teintes t;
    // A dark edge on a light window and a light one on a dark window, in the
    // grey between the window and the boxes' text (a caption's colour is its
    // own); a disabled box keeps the palette's faded one.
    t.bord = Melange(p.color(QPalette::Text), fenetre, 0.6);
    t.fond = actif ? p.color(QPalette::Base) : fenetre;
    if (actif)
        t.bord = CouleurLisible(t.bord, {fenetre, t.fond}, ContrasteControle);
    if (option.state & QStyle::State_Sunken)
        t.fond = Melange(t.bord, t.fond, 0.25);
    t.marque = actif ? CouleurLisible(p.color(QPalette::Text), t.fond, ContrasteMarque) : p.color(QPalette::Text);
    return t;
}

void DessinerCase(const QStyleOption& option, QPainter& p)
{
    const Teintes t = TeintesIndicateur(option);
    const QRect r = option.rect;
    p.save();
    p.fillRect(r, t.bord);
    p.fillRect(r.adjusted(1, 1, -1, -1), t.fond);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal trait = std::max(1.5, r.width() / 7.0);
    p.setPen(QPen(t.marque, trait, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QRectF dedans = QRectF(r).adjusted(3.5, 3.5, -3.5, -3.5);
    if (option.state & QStyle::State_On) {
        const QPointF points[] = {{dedans.left(), dedans.top() + dedans.height() * 0.55},
                                  {dedans.left() + dedans.width() * 0.4, dedans.bottom()},
                                  {dedans.right(), dedans.top()}};
        p.drawPolyline(points, 3);
    } else if (option.state & QStyle::State_NoChange) {
        p.drawLine(QPointF(dedans.left(), dedans.center().y()), QPointF(dedans.right(), dedans.center().y()));
    }
    p.restore();
}

void DessinerOption(const QStyleOption& option, QPainter& p)
{
    const Teintes t = TeintesIndicateur(option);
    const QRectF r = QRectF(option.rect).adjusted(0.5, 0.5, -0.5, -0.5);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(t.bord);
    p.drawEllipse(r);
    p.setBrush(t.fond);
    p.drawEllipse(r.adjusted(1.5, 1.5, -1.5, -1.5));
    if (option.state & QStyle::State_On) {
        const qreal rayon = r.width() * 0.2;
        p.setBrush(t.marque);
        p.drawEllipse(r.center(), rayon, rayon);
    }
    p.restore();
}

// The keyboard's focus is shown once the keyboard moves it, as desktops do.
bool FocusMontre(const QStyleOption& option)
{
    return (option.state & QStyle::State_HasFocus) && (option.state & QStyle::State_KeyboardFocusChange);
}

// A ring two pixels wide inside the rectangle, in the highlight's hue made to
// stand out from everything a control of the palette may show around it or
// under it: the window, boxes and buttons, their edges, a selected item.
void DessinerFocus(const QRect& r, const QPalette& palette, QPainter& p)
{
    const QColor couleur = CouleurLisible(
        palette.color(QPalette::Highlight),
        {palette.color(QPalette::Window), palette.color(QPalette::Base), palette.color(QPalette::Button),
         palette.color(QPalette::Mid), palette.color(QPalette::Dark), palette.color(QPalette::Highlight)},
        ContrasteControle);
    QPainterPath anneau;
    anneau.addRect(r);
    anneau.addRect(r.adjusted(2, 2, -2, -2));
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillPath(anneau, couleur);
    p.restore();
}

} // namespace

void StyleContraste::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const
{
    switch (element) {
    case PE_IndicatorCheckBox:
        DessinerCase(*option, *painter);
        return;
    case PE_IndicatorRadioButton:
        DessinerOption(*option, *painter);
        return;
    case PE_FrameFocusRect:
        if (option->state & State_KeyboardFocusChange)
            DessinerFocus(option->rect, option->palette, *painter);
        return;
    case PE_PanelLineEdit:
    case PE_Frame:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        // Entry boxes, lists and grids: the frame itself.
        if (FocusMontre(*option) && (element == PE_PanelLineEdit || qobject_cast<const QAbstractScrollArea*>(widget)))
            DessinerFocus(option->rect, option->palette, *painter);
        return;
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void StyleContraste::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    // Some styles show a push button's focus by its edge alone.
    if (element == CE_PushButton && FocusMontre(*option))
        DessinerFocus(subElementRect(SE_PushButtonFocusRect, option, widget), option->palette, *painter);
}

void StyleContraste::polish(QWidget* widget)
{
    QProxyStyle::polish(widget);
    if (widget->isWindow())
        widget->installEventFilter(this);
}

void StyleContraste::unpolish(QWidget* widget)
{
    widget->removeEventFilter(this);
    QProxyStyle::unpolish(widget);
}

bool StyleContraste::eventFilter(QObject* objet, QEvent* evenement)
{
    // A window opened from one where the keyboard moves the focus, a message
    // box asked for with Alt and a letter, shows its focus at once; set as it
    // is shown, since Qt clears it before.
    if (evenement->type() == QEvent::Show)
        if (auto* fenetre = qobject_cast<QWidget*>(objet); fenetre && fenetre->parentWidget()
            && fenetre->parentWidget()->window()->testAttribute(Qt::WA_KeyboardFocusChange))
            fenetre->setAttribute(Qt::WA_KeyboardFocusChange);
    return QProxyStyle::eventFilter(objet, evenement);
}

void InstallerStyle()
{
    // Over a new instance of the style in use, which the proxy owns.
    if (!qobject_cast<StyleContraste*>(QApplication::style()))
        QApplication::setStyle(new StyleContraste(QApplication::style()->name()));
}
