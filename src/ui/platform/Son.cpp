#include "Son.h"

#include <QApplication>
#include <utility>

namespace {
Sonnerie sonnerieCourante = &QApplication::beep;
}

void Bip()
{
    sonnerieCourante();
}

Sonnerie RemplacerSonnerie(Sonnerie sonnerie)
{
    return std::exchange(sonnerieCourante, sonnerie);
}
