#include "Son.h"

#include <QApplication>

namespace {
int bips = 0;
}

void Bip()
{
    ++bips;
    QApplication::beep();
}

int NombreBips()
{
    return bips;
}
