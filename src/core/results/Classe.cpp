// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Classe.h"

#include "core/Textes.h"
#include "core/results/DateHeure.h"
#include "core/results/Progression.h"

#include <algorithm>

namespace {

// The class's line names this many facts at most.
constexpr int NbFaitsLigne = 5;

// The spreadsheet's language, whatever this machine's: decimal commas,
// day/month/year, and no digit grouping that it would read as text.
QLocale Francais()
{
    QLocale francais(QLocale::French, QLocale::France);
    francais.setNumberOptions(QLocale::OmitGroupSeparator);
    return francais;
}

// A field that a spreadsheet would take for a formula (OWASP's list of the
// characters that start one, with their full-width and small forms, which
// some spreadsheets read alike) is kept as text by a leading quote.
QString Texte(const QString& champ)
{
    static const QString debuts = QStringLiteral("=+-@\t\r\uFF1D\uFF0B\uFF0D\uFF20\uFE66\uFE62\uFE63\uFE6B");
    const bool formule = !champ.isEmpty() && debuts.contains(champ.front());
    return formule ? QLatin1Char('\'') + champ : champ;
}

// A field is quoted, its quotes doubled, when it holds a separator, a quote
// or a line break. No field, whatever a pupil wrote, starts a formula.
QString Ligne(const QStringList& champs)
{
    QStringList ecrits;
    for (QString champ : champs) {
        champ = Texte(champ);
        if (champ.contains(QLatin1Char(';')) || champ.contains(QLatin1Char('"')) || champ.contains(QLatin1Char('\n'))
            || champ.contains(QLatin1Char('\r')))
            champ = QLatin1Char('"') + champ.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
        ecrits << champ;
    }
    return ecrits.join(QLatin1Char(';')) + QStringLiteral("\r\n");
}

} // namespace

QString NomDePeriode(Periode periode)
{
    switch (periode) {
    case Periode::Semaine: return Textes::CetteSemaine;
    case Periode::Mois: return Textes::CeMois;
    case Periode::Tout: break;
    }
    return Textes::DepuisLeDebut;
}

QDate DebutPeriode(Periode periode, const QDate& aujourdhui)
{
    switch (periode) {
    case Periode::Semaine:
        return aujourdhui.addDays(1 - aujourdhui.dayOfWeek());
    case Periode::Mois:
        return QDate(aujourdhui.year(), aujourdhui.month(), 1);
    case Periode::Tout:
        break;
    }
    return {};
}

void EleveClasse::Ajouter(const Resultats& resultats)
{
    for (std::size_t i = 0; i < livrets.size(); ++i)
        livrets[i] += resultats[i];
}

QList<FaitARevoir> FaitsLesPlusARevoir(const QList<Bilan>& bilans)
{
    QList<FaitARevoir> faits;
    for (int livret = PremierLivret; livret < PremierLivret + NbLivrets; ++livret)
        for (int m = 1; m <= NbMultiplicateurs; ++m) {
            const auto eleves = std::count_if(bilans.cbegin(), bilans.cend(), [&](const Bilan& bilan) {
                return Evaluer(bilan.fait(livret, m)).etat == EtatFait::ARevoir;
            });
            if (eleves > 0)
                faits.append({livret, m, int(eleves)});
        }
    std::stable_sort(faits.begin(), faits.end(),
                     [](const FaitARevoir& a, const FaitARevoir& b) { return a.eleves > b.eleves; });
    return faits;
}

QString LigneARevoir(const QList<FaitARevoir>& faits)
{
    QStringList premiers;
    for (const FaitARevoir& f : faits.first(std::min<qsizetype>(faits.size(), NbFaitsLigne)))
        premiers << Textes::FaitARevoirClasse(f.multiplicateur, f.livret, f.eleves);
    return Textes::LigneARevoir(premiers, faits.size() > NbFaitsLigne);
}

QString TexteCelluleClasse(const Comptes& c, const QLocale& locale)
{
    if (c.NbQuestionParLivret < 1)
        return {};
    return Textes::CelluleClasse(TextePart(PartEssai1(c.NbQuestionEssai1, c.NbQuestionParLivret)),
                                 TexteTempsMoyen(c.TempsTotalEssai1, c.NbQuestionEssai1, locale));
}

QString DetailCelluleClasse(const EleveClasse& eleve, int livret, const QLocale& locale)
{
    const Comptes& c = eleve.livrets[std::size_t(IndexLivret(livret))];
    return Textes::DetailCelluleClasse(eleve.eleve, livret, c.NbQuestionParLivret,
                                       TextePart(PartEssai1(c.NbQuestionEssai1, c.NbQuestionParLivret)),
                                       TexteTempsMoyen(c.TempsTotalEssai1, c.NbQuestionEssai1, locale));
}

QByteArray CsvClasse(const QList<EleveClasse>& eleves, const QDate& depuis)
{
    const QLocale francais = Francais();
    QString texte = Ligne(Textes::ColonnesCsv);
    const QString debut = depuis.isValid() ? TexteJour(depuis, francais) : QString();
    for (const EleveClasse& e : eleves) {
        const QDateTime moment = LireTexteBase(e.dernier);   // what is not a date is left out
        const QString dernier = moment.isValid() ? TexteDateHeure(moment, francais) : QString();
        for (int i = 0; i < NbLivrets; ++i) {
            const Comptes& c = e.livrets[std::size_t(i)];
            const std::optional<double> temps = TempsMoyen(c.TempsTotalEssai1, c.NbQuestionEssai1);
            const double part = PartEssai1(c.NbQuestionEssai1, c.NbQuestionParLivret);
            texte += Ligne({e.eleve, e.classe, debut, dernier, QString::number(i + PremierLivret),
                            QString::number(c.NbQuestionParLivret), QString::number(c.NbQuestionEssai1),
                            c.NbQuestionParLivret < 1 ? QString() : francais.toString(part, 'f', 1),
                            temps ? FormatTemps(*temps, francais) : QString(), QString::number(c.NbQuestionEssai2),
                            QString::number(c.NbQuestionRéponse)});
        }
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + texte.toUtf8();
}
