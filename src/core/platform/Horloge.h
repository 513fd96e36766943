// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The clock that times a question and dates a save. Behind an interface so
// that a test can say "4.3 s passed" without waiting for it, or choose the
// day and hour of a save.
#pragma once

#include <QDateTime>
#include <QElapsedTimer>
#include <QtGlobal>

class Horloge
{
public:
    virtual ~Horloge() = default;
    // Milliseconds on a monotonic scale: only differences mean anything.
    virtual qint64 millisecondes() const = 0;
    // The local date and time.
    virtual QDateTime maintenant() const = 0;
};

// The real monotonic clock of the system, which a change of the wall-clock
// time or a busy machine cannot distort.
class HorlogeMonotone final : public Horloge
{
public:
    HorlogeMonotone() { depart.start(); }
    qint64 millisecondes() const override { return depart.elapsed(); }
    QDateTime maintenant() const override { return QDateTime::currentDateTime(); }

private:
    QElapsedTimer depart;
};
