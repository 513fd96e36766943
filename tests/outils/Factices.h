// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A clock and a source of chance that the test controls.
#pragma once

#include "core/platform/Hasard.h"
#include "core/platform/Horloge.h"

#include <functional>

class HorlogeFactice final : public Horloge
{
public:
    qint64 ms = 0;
    QDateTime date;   // none: the system's local time
    qint64 millisecondes() const override { return ms; }
    QDateTime maintenant() const override { return date.isValid() ? date : QDateTime::currentDateTime(); }
};

// The n-th number drawn (from 0) is suite(n).
class HasardFactice final : public Hasard
{
public:
    std::function<float(int)> suite = [](int) { return 0.f; };
    int tirages = 0;
    float nombre() override { return suite(tirages++); }
};
