#include "Clavier.h"

#include <QCoreApplication>
#include <QKeyEvent>
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
