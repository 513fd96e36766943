// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Memoire.h"

#include <algorithm>
#include <cmath>
#include <limits>

Memoire::Memoire(const ParametresActr& parametres, int fragments)
    : p(parametres), traces(std::size_t(fragments))
{
}

double Memoire::Activation(int fragment, double t) const
{
    const std::vector<Trace>& liste = traces[std::size_t(fragment)];
    if (liste.empty())
        return -std::numeric_limits<double>::infinity();
    double somme = 0;
    for (const Trace& trace : liste)
        somme += std::pow(std::max(t - trace.t, AgeMinimum), -trace.d);
    return std::log(somme);
}

void Memoire::Presenter(int fragment, double t)
{
    const double m = Activation(fragment, t);
    // e^(−∞) is 0: the first presentation decays at a.
    traces[std::size_t(fragment)].push_back({t, p.c * std::exp(m) + p.a});
}

double Memoire::Rappel(double m) const
{
    return 1.0 / (1.0 + std::exp((p.tau - m) / p.s));
}

double Memoire::Latence(double m) const
{
    return p.F * std::exp(-m);
}

double Memoire::LatenceEchec() const
{
    return Latence(p.tau);
}

TempsPsychologique::TempsPsychologique(double h_, double origine)
    : h(h_), reelRepere(origine)
{
}

void TempsPsychologique::CommencerSeance(double reel)
{
    psyRepere = (*this)(reel);
    reelRepere = reel;
    enSeance = true;
}

void TempsPsychologique::TerminerSeance(double reel)
{
    psyRepere = (*this)(reel);
    reelRepere = reel;
    enSeance = false;
}

double TempsPsychologique::operator()(double reel) const
{
    return psyRepere + (enSeance ? 1.0 : h) * (reel - reelRepere);
}
