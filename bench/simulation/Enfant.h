// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The simulated child: its memory of the facts, how long it takes to read
// and type an answer, and what it answers to a product, try after try.
#pragma once

#include "Memoire.h"
#include "Tirage.h"

#include <QString>
#include <cstdint>
#include <vector>

// What tells one child from another, drawn from its seed: its own a and τ
// within ±10 % of the published values, its reading-and-typing time per
// answer between 0.7 and 2.0 s, and how many tables it ticks at a time
// when it chooses them itself.
struct Caractere
{
    ParametresActr actr;
    double saisie = 1.3;        // seconds
    int livretsParSeance = 2;   // 2 or 3
};
Caractere TirerCaractere(std::uint64_t graine);

// What a child knows when it starts: the tables it learnt well before,
// practised twice every other day over the eight weeks before its first day.
struct Profil
{
    QString nom;
    std::vector<int> livretsConnus;
};
// "commence le CE2" (the tables of 2, 5 and 10 well, nothing else), then
// "ne sait rien".
const std::vector<Profil>& Profils();

// Practising 6 x 9 carries over almost wholly to 9 x 6 (Rickard, Healy &
// Bourne 1994): the child keeps one memory for a x b and b x a. The 132
// facts of the grid (tables 2 to 12, multipliers 1 to 12) make 77 of them:
// 1 x n alone, the squares alone, and 55 pairs.
inline constexpr int NbFragments = 77;
int Fragment(int multiplicateur, int livret);

// One try at a product: the number typed and the seconds it took.
struct Essai
{
    int valeur = 0;
    double secondes = 0;
};

class Enfant
{
public:
    // Real times in seconds from the simulation's origin; the child's
    // psychological time starts at the origin given.
    Enfant(const Caractere& caractere, std::uint64_t graine, double origine);

    const Caractere& caractere() const { return c; }
    // The past practice of its profile, in sessions ending before `debut`.
    void Preparer(const Profil& profil, double debut);
    void CommencerSeance(double reel);
    void TerminerSeance(double reel);

    // A try at the product, begun at that moment: recalled with the
    // probability of its activation, in F·e^(−m) seconds, or not, after the
    // failure time, and then a wrong product of a neighbouring fact, never
    // the wrong answer given just before. Plus reading and typing.
    Essai Essayer(int multiplicateur, int livret, double reel, int dernierFaux);
    // The product seen, right or given: a presentation.
    void Apprendre(int multiplicateur, int livret, double reel);
    // The probability of recalling the product at that moment.
    double Rappel(int multiplicateur, int livret, double reel) const;

private:
    int ProduitVoisin(int multiplicateur, int livret, int dernierFaux);

    Caractere c;
    Memoire memoire;
    TempsPsychologique temps;
    Tirage tirage;
};
