// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The memory of the simulated child: ACT-R's declarative memory with the
// spacing extension of Pavlik & Anderson (2005, Cognitive Science 29(4),
// doi:10.1207/s15516709cog0000_14; 2008, J. Exp. Psychol.: Applied 14(2),
// doi:10.1037/1076-898X.14.2.101). Each presentation of a fact adds a trace
// that fades as a power of its age; the faster the fact is active when it is
// presented, the faster that new trace fades, which is what makes spaced
// practice last longer than massed practice.
#pragma once

#include <vector>

struct ParametresActr
{
    // The values of the ACT-R spacing module's own test and of the open
    // srs-benchmark's ACT-R model, from adults learning vocabulary (Pavlik &
    // Anderson 2005); the papers' own tables could not be checked. Rounded
    // to three digits as the published test value uses them (srs-benchmark's
    // full precision: a 0.176786766570677, c 0.216967308403809,
    // s 0.254893976981164, τ −0.704205679427144).
    double a = 0.177;     // decay intercept
    double c = 0.217;     // decay scale
    double tau = -0.704;  // retrieval threshold
    double s = 0.255;     // noise of the activation
    double h = 0.025;     // share of the time between sessions that counts
    double F = 1.0;       // latency factor, seconds (ACT-R's default)
};

// Ages below this count as this, so that a presentation "now" stays finite
// (as in the ACT-R spacing module).
inline constexpr double AgeMinimum = 0.05;

// The traces of some facts ("chunks"), in psychological seconds.
class Memoire
{
public:
    Memoire(const ParametresActr& parametres, int fragments);

    // m = ln Σ (t − t_i)^(−d_i) over the presentations of the fragment;
    // −∞ when it was never presented.
    double Activation(int fragment, double t) const;
    // A presentation at t: its decay d = c·e^m + a is fixed by the
    // activation m at that moment (a alone for the first).
    void Presenter(int fragment, double t);

    // The probability of a recall at that activation: 1 / (1 + e^((τ − m)/s)).
    double Rappel(double m) const;
    // The time a recall takes: F·e^(−m) seconds.
    double Latence(double m) const;
    // The time a failed recall takes: as long as a recall at the threshold
    // (ACT-R's retrieval failure time).
    double LatenceEchec() const;

    const ParametresActr& parametres() const { return p; }

private:
    struct Trace
    {
        double t;   // when presented
        double d;   // its decay
    };
    ParametresActr p;
    std::vector<std::vector<Trace>> traces;
};

// Psychological time (Pavlik & Anderson 2008): time within a session of
// practice counts in full, time between sessions h times. A session ends at
// its last event.
class TempsPsychologique
{
public:
    // Psychological time 0 at that real second, outside any session.
    TempsPsychologique(double h, double origine);
    void CommencerSeance(double reel);
    void TerminerSeance(double reel);
    // The psychological second of that real one, which must not come before
    // the last start or end of a session.
    double operator()(double reel) const;

private:
    double h;
    bool enSeance = false;
    double reelRepere;
    double psyRepere = 0;
};
