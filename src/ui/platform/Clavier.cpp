// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Clavier.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QToolButton>
#include <QWidget>

namespace {

class FiltreEntree : public QObject
{
public:
    explicit FiltreEntree(QWidget* fenetre_) : QObject(fenetre_), fenetre(fenetre_) {}

    bool eventFilter(QObject* objet, QEvent* evenement) override
    {
        if (evenement->type() != QEvent::KeyPress || objet == fenetre)
            return false;
        const int touche = static_cast<QKeyEvent*>(evenement)->key();
        if (touche != Qt::Key_Return && touche != Qt::Key_Enter)
            return false;
        QCoreApplication::sendEvent(fenetre, evenement);
        return true;
    }

private:
    QWidget* fenetre;
};

} // namespace

void EntreeALaFenetre(QWidget* fenetre)
{
    auto* filtre = new FiltreEntree(fenetre);
    for (QWidget* controle : fenetre->findChildren<QWidget*>())
        controle->installEventFilter(filtre);
}

bool EntreeSurBouton(QWidget* fenetre, QKeyEvent* event)
{
    const bool entree = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    auto* bouton = qobject_cast<QToolButton*>(fenetre->focusWidget());
    if (!entree || !bouton)
        return false;
    bouton->click();
    return true;
}
