// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Simulation.h"

#include <QStringList>
#include <cmath>

namespace {

// The first day: the start of a school year. Saves carry no time zone.
const QDateTime Origine(QDate(2026, 9, 1), QTime(0, 0), Qt::UTC);
constexpr std::int64_t MsJour = 86'400'000;
constexpr std::int64_t DebutJour = 17 * 3'600'000;   // the day's practice starts at 17:00
// Each question also costs this much: reading the feedback, asking for the next.
constexpr double SecondesEntreQuestions = 1.5;
constexpr int EssaisAvantReponse = 3;
constexpr int NbFaits = Grille::Livrets * Grille::Multiplicateurs;
// Psychological time starts before any profile's past practice.
constexpr double OriginePsychologique = -100 * 86400.0;

double Secondes(std::int64_t ms)
{
    return double(ms) / 1000.0;
}

double Minutes(std::int64_t ms)
{
    return double(ms) / 60000.0;
}

// One child's days in front of the program, the same for every way of training.
class Course
{
public:
    Course(const FaconInscrite& facon, const Profil& profil, std::uint64_t graine, const Reglages& reglages);
    Parcours Suivre();

private:
    void Jour(int jour);
    void Jouer(const Seance& seance, std::int64_t finPratique);
    void Question();
    void Enregistrer();
    void Avancer(double secondes);
    double Garde(std::int64_t moment) const;

    const Reglages& reglages;
    const Profil& profil;
    std::int64_t ms = 0;          // the clock, from Origine
    std::int64_t pratique = 0;    // practice so far
    Enfant enfant;
    Programme programme;
    std::unique_ptr<Facon> facon;
    Parcours parcours;
    bool fini = false;
};

Course::Course(const FaconInscrite& facon_, const Profil& profil_, std::uint64_t graine, const Reglages& reglages_)
    : reglages(reglages_), profil(profil_), enfant(TirerCaractere(graine), graine, OriginePsychologique),
      programme(ms, Origine, Graine(graine, 2)), facon(facon_.creer())
{
}

Parcours Course::Suivre()
{
    enfant.Preparer(profil, Secondes(DebutJour));
    for (int jour = 1; jour <= reglages.jours && !fini; ++jour)
        Jour(jour);
    // A child done keeps its grid: all automatisé on the days left.
    for (std::size_t i = 0; i < JoursReleves.size(); ++i)
        if (fini && parcours.automatises[i] < 0 && JoursReleves[i] <= reglages.jours)
            parcours.automatises[i] = NbFaits;
    parcours.garde = Garde(ms + reglages.joursGarde * MsJour);
    parcours.minutes = Minutes(pratique);
    return parcours;
}

void Course::Jour(int jour)
{
    ms = (jour - 1) * MsJour + DebutJour;
    const std::int64_t finPratique = pratique + std::int64_t(reglages.minutesParJour) * 60000;
    enfant.CommencerSeance(Secondes(ms));
    programme.LireGrille();
    for (int seance = 0; !fini && pratique < finPratique; ++seance) {
        const Seance s = facon->Commencer(programme, {jour, seance, programme.grille(), enfant.caractere()});
        if (!s.commencee)
            break;
        Jouer(s, finPratique);
    }
    enfant.TerminerSeance(Secondes(ms));
    for (std::size_t i = 0; i < JoursReleves.size(); ++i)
        if (JoursReleves[i] == jour)
            parcours.automatises[i] = programme.grille().AuMoins(EtatCase::Automatise);
}

void Course::Jouer(const Seance& seance, std::int64_t finPratique)
{
    for (int q = 0; (seance.questionsMax == 0 || q < seance.questionsMax) && !programme.SeanceTerminee()
                    && pratique < finPratique;
         ++q)
        Question();
    if (programme.ResultatsPresents())
        Enregistrer();
}

void Course::Question()
{
    const QuestionPosee q = programme.NouvelleQuestion();
    int dernierFaux = 0, essais = 0;
    bool juste = false;
    while (!juste && essais < EssaisAvantReponse) {
        ++essais;
        const Essai essai = enfant.Essayer(q.multiplicateur, q.livret, Secondes(ms), dernierFaux);
        Avancer(essai.secondes);
        juste = programme.Tester(essai.valeur);
        dernierFaux = essai.valeur;
    }
    if (!juste)
        programme.DonnerReponse();
    enfant.Apprendre(q.multiplicateur, q.livret, Secondes(ms));
    Avancer(SecondesEntreQuestions);
    ++parcours.questions;
    if (juste && essais == 1)
        ++parcours.justesPremierEssai;
}

void Course::Enregistrer()
{
    programme.Enregistrer();
    const Grille& grille = programme.grille();
    for (std::size_t k = 0; k < EtatsReleves.size(); ++k)
        if (!parcours.minutesEtat[k] && grille.AuMoins(EtatsReleves[k]) == NbFaits)
            parcours.minutesEtat[k] = Minutes(pratique);
    fini = parcours.minutesEtat.back().has_value();
}

void Course::Avancer(double secondes)
{
    const auto duree = std::llround(secondes * 1000.0);
    ms += duree;
    pratique += duree;
}

double Course::Garde(std::int64_t moment) const
{
    double somme = 0;
    for (int livret = 2; livret < 2 + Grille::Livrets; ++livret)
        for (int m = 1; m <= Grille::Multiplicateurs; ++m)
            somme += enfant.Rappel(m, livret, Secondes(moment));
    return somme / NbFaits;
}

QString Nombre(double valeur)
{
    return QString::number(valeur, 'g', 17);
}

} // namespace

Parcours SimulerEnfant(const FaconInscrite& facon, const Profil& profil, int enfant, const Reglages& reglages)
{
    QString erreur;
    if (!Programme::CreerFichier(&erreur))
        qFatal("%s", qPrintable(erreur));
    return Course(facon, profil, Graine(reglages.graine, std::uint64_t(enfant)), reglages).Suivre();
}

QString Parcours::Ecrire() const
{
    QStringList champs;
    for (const std::optional<double>& etat : minutesEtat)
        champs << (etat ? Nombre(*etat) : QStringLiteral("-"));
    for (const int n : automatises)
        champs << QString::number(n);
    champs << Nombre(garde) << QString::number(questions) << QString::number(justesPremierEssai) << Nombre(minutes);
    return champs.join(QLatin1Char(' '));
}

std::optional<Parcours> Parcours::Lire(const QString& ligne)
{
    const QStringList champs = ligne.split(QLatin1Char(' '));
    if (champs.size() != qsizetype(EtatsReleves.size() + JoursReleves.size() + 4))
        return std::nullopt;
    Parcours p;
    bool ok = true;
    const auto reel = [&](qsizetype i) {
        bool lu = false;
        const double v = champs[i].toDouble(&lu);
        ok = ok && lu;
        return v;
    };
    const auto entier = [&](qsizetype i) {
        bool lu = false;
        const int v = champs[i].toInt(&lu);
        ok = ok && lu;
        return v;
    };
    qsizetype i = 0;
    for (std::optional<double>& minutes : p.minutesEtat) {
        if (champs[i] != QLatin1String("-"))
            minutes = reel(i);
        ++i;
    }
    for (int& n : p.automatises)
        n = entier(i++);
    p.garde = reel(i++);
    p.questions = entier(i++);
    p.justesPremierEssai = entier(i++);
    p.minutes = reel(i++);
    return ok ? std::optional<Parcours>(p) : std::nullopt;
}
