// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Programme.h"

#include "Tirage.h"
#include "core/Textes.h"
#include "core/storage/Schema.h"
#include "core/platform/Hasard.h"
#include "core/platform/Horloge.h"
#include "core/plan/PlanJour.h"
#include "core/plan/SourceJour.h"
#include "core/results/Bilan.h"
#include "core/results/DateHeure.h"
#include "core/storage/MagasinResultats.h"
#include "core/training/Entrainement.h"

#include <QFile>
#include <algorithm>

static_assert(int(EtatCase::JamaisVu) == int(EtatFait::JamaisVu) && int(EtatCase::ARevoir) == int(EtatFait::ARevoir)
              && int(EtatCase::EnCours) == int(EtatFait::EnCours) && int(EtatCase::Acquis) == int(EtatFait::Acquis)
              && int(EtatCase::Automatise) == int(EtatFait::Automatise));
static_assert(Grille::Livrets == NbLivrets && Grille::Multiplicateurs == NbMultiplicateurs);

namespace {

// The simulation's time, for the stopwatch of a question and the date of a save.
class HorlogeSimulee final : public Horloge
{
public:
    HorlogeSimulee(const std::int64_t& ms_, const QDateTime& origine_) : ms(ms_), origine(origine_) {}
    qint64 millisecondes() const override { return ms; }
    QDateTime maintenant() const override { return origine.addMSecs(ms); }

private:
    const std::int64_t& ms;
    QDateTime origine;
};

// The program's chance from a seed, with the 24 bits of a float's mantissa.
class HasardGraine final : public Hasard
{
public:
    explicit HasardGraine(std::uint64_t graine) : tirage(graine) {}
    float nombre() override { return static_cast<float>(tirage.brut() >> 40) * (1.0f / 16777216.0f); }

private:
    Tirage tirage;
};

void Exiger(ProblemeBase probleme, const MagasinResultats& magasin, const QString& quoi)
{
    if (probleme != ProblemeBase::Aucun)
        qFatal("%s", qPrintable(magasin.Expliquer(probleme, quoi)));
}

bool MemeHistoire(const HistoireFait& a, const HistoireFait& b)
{
    return a.serie == b.serie
        && std::equal(a.derniers.cbegin(), a.derniers.cend(), b.derniers.cbegin(), b.derniers.cend(),
                      [](const Reglement& x, const Reglement& y) {
                          return x.jour == y.jour && x.issue == y.issue && x.dixiemes == y.dixiemes;
                      });
}

} // namespace

int Grille::AuMoins(EtatCase etat) const
{
    return int(std::count_if(etats.cbegin(), etats.cend(), [etat](EtatCase e) { return e >= etat; }));
}

bool Grille::LivretAuMoins(int livret, EtatCase minimum) const
{
    for (int m = 1; m <= Multiplicateurs; ++m)
        if (etat(livret, m) < minimum)
            return false;
    return true;
}

struct Programme::Coeur
{
    Coeur(const std::int64_t& ms, const QDateTime& origine, std::uint64_t graine, const QString& nom)
        : horloge(ms, origine), hasard(graine), entrainement(hasard, horloge), magasin(nom)
    {
    }
    void MettreAJourGrille();

    HorlogeSimulee horloge;
    HasardGraine hasard;
    Entrainement entrainement;
    MagasinResultats magasin;
    Bilan bilan;
    Grille grille;
    Coches coches{};
};

void Programme::Coeur::MettreAJourGrille()
{
    for (int livret = PremierLivret; livret < PremierLivret + NbLivrets; ++livret)
        for (int m = 1; m <= NbMultiplicateurs; ++m)
            grille.etats[std::size_t(IndexFait(livret, m))] =
                EtatCase(int(::Evaluer(bilan.fait(livret, m)).etat));
}

bool Programme::CreerFichier(QString* erreur)
{
    QFile::remove(Textes::NomFichierBase);
    return CreerBase(QStringLiteral(CALKADO_SCHEMA), Textes::NomFichierBase, erreur);
}

Programme::Programme(const std::int64_t& horloge, const QDateTime& origine, std::uint64_t graine)
{
    static int connexions = 0;
    coeur = std::make_unique<Coeur>(horloge, origine, graine, QStringLiteral("simulation-%1").arg(++connexions));
    Exiger(coeur->magasin.Verifier(), coeur->magasin, QStringLiteral("Simulation impossible."));
    coeur->MettreAJourGrille();
}

Programme::~Programme()
{
    coeur->magasin.Fermer();
}

const Grille& Programme::LireGrille()
{
    const Lecture<Bilan> lu = coeur->magasin.LireBilan();
    Exiger(lu.probleme, coeur->magasin, QStringLiteral("Bilan illisible."));
    for (int livret = PremierLivret; livret < PremierLivret + NbLivrets; ++livret)
        for (int m = 1; m <= NbMultiplicateurs; ++m)
            if (!MemeHistoire(lu.valeur.fait(livret, m), coeur->bilan.fait(livret, m)))
                qFatal("%d x %d : le fichier des résultats ne garde pas ce qui a été enregistré", m, livret);
    coeur->bilan = lu.valeur;
    coeur->MettreAJourGrille();
    return coeur->grille;
}

const Grille& Programme::grille() const
{
    return coeur->grille;
}

void Programme::CommencerTables(const std::vector<int>& livrets)
{
    coeur->coches.fill(false);
    for (const int livret : livrets)
        coeur->coches[std::size_t(livret - PremierLivret)] = true;
    coeur->entrainement.DemarrerEntrainement(coeur->coches, NbMultiplicateurs, true);
}

bool Programme::CommencerRevision()
{
    // As the main window prepares it: the saved facts and those on screen.
    const QDate aujourdhui = coeur->horloge.maintenant().date();
    Bilan bilan = coeur->bilan;
    bilan.Ajouter(coeur->entrainement.faits(), aujourdhui);
    coeur->coches.fill(true);
    const QList<Question> aRevoir = FaitsARevoir(bilan, coeur->coches, NbMultiplicateurs, aujourdhui);
    if (aRevoir.isEmpty())
        return false;
    coeur->entrainement.DemarrerRevision(aRevoir, true);
    return true;
}

bool Programme::CommencerJour(const ReglagesDuJour& reglages)
{
    // As the main window plans it, from the memory the results file gives.
    const Lecture<MemoireLue> lue = coeur->magasin.LireMemoire();
    Exiger(lue.probleme, coeur->magasin, QStringLiteral("Mémoire illisible."));
    ReglagesJour r;
    r.memoire = reglages.boites ? MemoireJour::Boites : MemoireJour::Fsrs;
    r.verificationsParJour = reglages.verifications;
    r.nouvellesParJour = reglages.nouvelles;
    if (!reglages.tables.empty())
        r.ordre = OrdreDesTables(QList<int>(reglages.tables.cbegin(), reglages.tables.cend()));
    const PlanJour plan =
        Planifier(lue.valeur.memoire, coeur->horloge.maintenant().date().toJulianDay(), NbMultiplicateurs, r);
    if (plan.vide())
        return false;
    coeur->entrainement.Demarrer(std::make_unique<SourceJour>(plan, lue.valeur.memoire, coeur->horloge, r));
    return true;
}

bool Programme::SeanceTerminee() const
{
    return coeur->entrainement.Terminee();
}

QuestionPosee Programme::NouvelleQuestion()
{
    const Question q = coeur->entrainement.NouvelleQuestion();
    return {q.multiplicateur, q.livret};
}

bool Programme::Tester(int valeur)
{
    const Verdict verdict = coeur->entrainement.TesterReponse(QString::number(valeur));
    if (!verdict.essaiCompte())
        qFatal("Réponse %d non comptée : %s", valeur, qPrintable(verdict.phrase));
    return verdict.genre == Verdict::Genre::Juste;
}

void Programme::DonnerReponse()
{
    coeur->entrainement.DonnerReponse();
}

bool Programme::ResultatsPresents() const
{
    return coeur->entrainement.aDesResultats();
}

void Programme::Enregistrer()
{
    const QDateTime moment = MomentEnregistrement(coeur->horloge.maintenant());
    Entrainement& e = coeur->entrainement;
    Exiger(coeur->magasin.EcrireResultats(ResultatsDesComptes(e.comptes(), true, true), e.faits(), moment),
           coeur->magasin, QStringLiteral("Enregistrement impossible."));
    coeur->bilan.Ajouter(e.faits(), moment.date());
    e.RazCompteurs();
    coeur->MettreAJourGrille();
}
