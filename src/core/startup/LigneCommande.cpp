// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LigneCommande.h"

#include "core/Textes.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <cstdio>

#ifndef CALKADO_VERSION
#error "the build gives the project's version"
#endif

namespace {

// Every option, in the order the help lists them. A new option is one more
// member here and one more line in toutes(); what it does is read in
// LireLigneCommande.
struct Options
{
    QCommandLineOption aide{{QStringLiteral("h"), QStringLiteral("help")}, Textes::OptionAide};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               Textes::OptionVersion};
    QCommandLineOption classe{QStringLiteral("classe"), Textes::OptionClasse};
    QCommandLineOption enfant{QStringLiteral("enfant"), Textes::OptionEnfant, Textes::ValeurOptionEnfant};

    QList<const QCommandLineOption*> toutes() const { return {&aide, &version, &classe, &enfant}; }
};

// An option's name as it is typed: "-h", "--help".
QString NomTape(const QString& nom)
{
    return (nom.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + nom;
}

// "-h, --help", "--enfant PRÉNOM": as the help writes an option's names.
QString NomsOption(const QCommandLineOption& option)
{
    QStringList noms;
    for (const QString& nom : option.names())
        noms << NomTape(nom);
    const QString valeur = option.valueName().isEmpty() ? QString() : QLatin1Char(' ') + option.valueName();
    return noms.join(QStringLiteral(", ")) + valeur;
}

// Written here rather than by QCommandLineParser::helpText(), whose words are English.
QString TexteAide(const Options& options)
{
    qsizetype largeur = 0;
    for (const QCommandLineOption* option : options.toutes())
        largeur = qMax(largeur, NomsOption(*option).size());
    QString lignes;
    for (const QCommandLineOption* option : options.toutes())
        lignes += QStringLiteral("  ") + NomsOption(*option).leftJustified(largeur + 2)
                + option->description() + QLatin1Char('\n');
    return Textes::AideLigneCommande(lignes);
}

} // namespace

DemandeLigneCommande ErreurLigneCommande(const QString& message)
{
    return {false, Textes::ErreurLigneCommande(message), CodeLigneCommandeIncorrecte};
}

QStringList ArgumentsProgramme(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

DemandeLigneCommande LireLigneCommande(const QStringList& arguments)
{
    const Options options;
    QCommandLineParser analyse;
    for (const QCommandLineOption* option : options.toutes())
        analyse.addOption(*option);
    if (!analyse.parse(arguments)) {
        const QStringList inconnues = analyse.unknownOptionNames();
        if (!inconnues.isEmpty())
            return ErreurLigneCommande(Textes::OptionInconnue(NomTape(inconnues.constFirst())));
        // A value given to an option that takes none, or the other way round.
        return ErreurLigneCommande(Textes::LigneCommandeIncomprise(arguments.mid(1).join(QLatin1Char(' '))));
    }
    if (!analyse.positionalArguments().isEmpty())
        return ErreurLigneCommande(Textes::ArgumentInattendu(analyse.positionalArguments().constFirst()));
    if (analyse.isSet(options.aide))
        return {false, TexteAide(options), 0};
    if (analyse.isSet(options.version))
        return {false, Textes::VersionLigneCommande(QStringLiteral(CALKADO_VERSION)), 0};
    DemandeLigneCommande fenetre;
    fenetre.classe = analyse.isSet(options.classe);
    if (analyse.isSet(options.enfant)) {
        if (fenetre.classe)
            return ErreurLigneCommande(Textes::EnfantEtClasse);
        fenetre.enfant = analyse.value(options.enfant);
    }
    return fenetre;
}

int Repondre(const DemandeLigneCommande& demande)
{
    std::FILE* sortie = demande.codeSortie == 0 ? stdout : stderr;
    const QByteArray octets = demande.reponse.toLocal8Bit();
    std::fwrite(octets.constData(), 1, std::size_t(octets.size()), sortie);
    std::fflush(sortie);
    return demande.codeSortie;
}
