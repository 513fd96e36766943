// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What Calkado remembers of each of the 77 pairs of facts, for the day's
// plan and the grid's due days, never a truth of its own: it is replayed
// from every settling of the pair's facts, oldest first (a copy kept in the
// results file only saves replaying them again). A pair's memory in FSRS-6
// and in fixed boxes, and where it stands: never met, to learn (its first
// settling was not right at once within 3,0 s), known (its first settling
// was, or it has since been right at the first try twice in one day).
#pragma once

#include "core/memory/EtatMemoire.h"
#include "core/memory/Paires.h"
#include "core/training/Fait.h"

#include <QString>
#include <array>
#include <optional>

enum class StatutPaire {
    JamaisVue,
    AApprendre,
    Connue,
};

struct MemoirePaire
{
    StatutPaire statut = StatutPaire::JamaisVue;
    EtatMemoire fsrs;
    int serie = 0;                  // right first tries in a row, both orders together: its box
    qint64 premierJour = 0;         // of its first settling: the day it was met, or checked
    qint64 debutApprentissage = 0;  // the first day it was practised as a pair to learn; 0 if never
    qint64 dernierJour = 0;         // of its last settling
    int justesDuJour = 0;           // right first tries on that day
    int dernierOrdre = -1;          // which of its facts (Paires::Faits) was asked last; -1 never

    bool operator==(const MemoirePaire&) const = default;
};

// A settled question as the replay reads it: its place among all the facts
// saved (their "Id", rising with each save) and its day number (QDate's
// Julian day).
struct FaitRejoue
{
    qint64 id = 0;
    qint64 jour = 0;
    Fait fait;
};

class MemoirePaires
{
public:
    // Of the replay's rules and of the text below: a text of another version
    // is not read, and the memory is replayed afresh.
    static constexpr int Version = 1;

    // One more settling, newer than all those replayed; a fact of no pair or
    // of no day (another program's) changes nothing but the count.
    void Rejouer(const FaitRejoue& fait);

    const MemoirePaire& paire(int indice) const { return paires[std::size_t(indice)]; }
    // The last fact replayed, and how many.
    qint64 dernierFait() const { return dernier; }
    qint64 nbFaits() const { return nombre; }

    // As text to keep it, and back: none from a text that is not such.
    QString Ecrire() const;
    static std::optional<MemoirePaires> Lire(const QString& texte);

    bool operator==(const MemoirePaires&) const = default;

private:
    std::array<MemoirePaire, Paires::Nb> paires{};
    qint64 dernier = 0;
    qint64 nombre = 0;
};

// The memory as a read of the results store gives it: how many facts it had
// to replay, beyond the memory the file keeps (all of them without one).
struct MemoireLue
{
    MemoirePaires memoire;
    qint64 rejoues = 0;

    // Worth keeping in the file: about a week of saves replayed, which costs
    // more than writing it.
    bool aGarder() const { return rejoues >= 1000; }
};
