#include "Attente.h"

#include <QCursor>
#include <QGuiApplication>

void SignalerAttente(bool attente)
{
    if (attente)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QGuiApplication::restoreOverrideCursor();
}
