// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The ways of training a child can use with Calkado, each deciding which run
// the child starts next; everything else of the day (the questions, the
// answers, the saves, the clock) is the same for all of them. A new way is
// one more class here and one more line of Facons().
#pragma once

#include "Enfant.h"
#include "Programme.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

// Where the child's day stands when it starts a run.
struct Journee
{
    int jour = 1;             // from 1
    int seance = 0;           // runs already played today
    const Grille& grille;     // of the saved trainings, as the child sees it
    const Caractere& enfant;
};

// The run the way started: none when the child has nothing more to do
// today. It ends after that many questions (none: when the program ends it),
// or when the day's practice time is up, at the end of the question under way.
struct Seance
{
    bool commencee = false;
    int questionsMax = 0;
};

class Facon
{
public:
    virtual ~Facon() = default;
    // Starts the next run on the program, as this way has the child do it.
    virtual Seance Commencer(Programme& programme, const Journee& journee) = 0;
};

struct FaconInscrite
{
    QString nom;
    std::function<std::unique_ptr<Facon>()> creer;   // one for each child
    // Whether the child always finds something to do for the day's whole
    // time; « Du jour » can have done the day's plan before.
    bool journeeEntiere = true;
};

// The ways compared, in the order of the table.
const std::vector<FaconInscrite>& Facons();

// « tables »: the two or three first tables, in the order of the tables,
// whose row is not all acquis or better; once every row is, those whose row
// is not all automatisé. Ten questions a table, then a save.
class FaconTables : public Facon
{
public:
    static constexpr int QuestionsParLivret = 10;
    Seance Commencer(Programme& programme, const Journee& journee) override;
};

// « tables + révision »: each day starts with « Revoir mes erreurs » on every
// table until the program ends it; then as « tables ».
class FaconTablesRevision : public FaconTables
{
public:
    Seance Commencer(Programme& programme, const Journee& journee) override;
};

// « Du jour »: each day, the run Calkado plans, then another as long as
// Calkado finds something to do and the day's time is not up.
class FaconJour : public Facon
{
public:
    explicit FaconJour(ReglagesDuJour reglages_) : reglages(std::move(reglages_)) {}
    Seance Commencer(Programme& programme, const Journee& journee) override;

private:
    ReglagesDuJour reglages;
};
