// The saved trainings in the results store: the record of one table's results,
// the table TCalkado and its columns, and the writing of one saved training.
#pragma once

#include "DateHeure.h"
#include "platform/BaseDonnees.h"
#include "training/Compteurs.h"

#include <QString>
#include <QStringList>
#include <array>

// The results of one table as they are saved and read back.
struct ResultatLivret
{
    bool Multiplicateur1a12 = false;   // multipliers 1 to 12, else 1 to 10
    int Aléatoire = 0;                 // 1: questions drawn at random
    qint32 NbQuestionParLivret = 0;
    qint32 NbQuestionEssai1 = 0;
    qint32 NbQuestionEssai2 = 0;
    qint32 NbQuestionRéponse = 0;
    qint32 TempsTotalEssai1 = 0;       // tenths of a second
};

// Index i stands for the table i + 2.
using Resultats = std::array<ResultatLivret, NbLivrets>;

inline const QString NomTableResultats = QStringLiteral("TCalkado");

// The columns every row gets, in the order they are written.
const QStringList& ColonnesResultats();

// The results store in the working folder, its table checked when it opens.
class BaseResultats : public BaseDonnees
{
public:
    explicit BaseResultats(const QString& nomConnexion);
};

// The counters and the options in force, one record per table.
Resultats RemplirResultats(const CompteursLivrets& compteurs, bool multiplicateur1a12, bool aleatoire);

// Appends one row per table that has questions, in the order of the tables,
// all with the same moment, in one transaction: a failure leaves no row.
ProblemeBase EcrireResultats(const Resultats& resultats, BaseDonnees& base,
                             const QDateTime& moment = MomentEnregistrement());

// Whether the store holds at least one row.
Lecture<bool> ContientDesResultats(BaseDonnees& base);
