// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Every French text the child or the parent reads, in one place so that
// wording is checked in one file. Line breaks inside messages are "\n".
#pragma once

#include <QString>
#include <QStringList>

namespace Textes {

// Program file and window title
#ifdef Q_OS_WIN
inline const QString NomFichierProgramme = QStringLiteral("Calkado.exe");
#else
inline const QString NomFichierProgramme = QStringLiteral("Calkado");
#endif
inline const QString TitreApplication = QStringLiteral("Calkado");
inline const QString DebutTitreFenetre = QStringLiteral("Calkado   -   Version ");
inline const QString SeparateurTitre = QStringLiteral("   -   ");
inline const QString MentionDroits = QStringLiteral("© 2026 L'équipe Calkado - logiciel libre");

// The command line, answered on the terminal
inline const QString NomCommande = QStringLiteral("calkado");
inline const QString OptionAide = QStringLiteral("affiche cette aide et quitte");
inline const QString OptionVersion = QStringLiteral("affiche la version de Calkado et quitte");
inline QString AideLigneCommande(const QString& options)
{
    return QStringLiteral("Utilisation : ") + NomCommande + QStringLiteral(" [OPTION]\n"
        "Entraînement aux tables de multiplication de 2 à 12, pour l'école primaire.\n"
        "Sans option, ouvre la fenêtre de Calkado.\n\n"
        "Options :\n") + options + QStringLiteral("\n"
        "La commande calkado garde les résultats de chaque utilisateur dans\n"
        "~/.local/share/calkado/CalkadoVa.sqlite, et ceux des enfants de la liste\n"
        "« Qui s'entraîne ? » à côté, chacun dans son fichier.\n"
        "Pour en savoir plus : man calkado\n");
}
inline QString VersionLigneCommande(const QString& version)
{
    return QStringLiteral("Calkado ") + version + QStringLiteral("\n"
        "Copyright © 2026 L'équipe Calkado <equipe@calkado.org>\n"
        "Licence GPLv3+ : GNU GPL version 3 ou ultérieure <https://gnu.org/licenses/gpl.html>\n"
        "Ceci est un logiciel libre : vous êtes libre de le modifier et de le redistribuer.\n"
        "Il n'y a AUCUNE GARANTIE, dans les limites permises par la loi.\n");
}
inline QString OptionInconnue(const QString& option)
{
    return QStringLiteral("option inconnue « ") + option + QStringLiteral(" »");
}
inline QString ArgumentInattendu(const QString& argument)
{
    return QStringLiteral("argument inattendu « ") + argument
         + QStringLiteral(" » : Calkado ne prend que des options");
}
inline QString LigneCommandeIncomprise(const QString& arguments)
{
    return QStringLiteral("ligne de commande incomprise « ") + arguments + QStringLiteral(" »");
}
inline QString ErreurLigneCommande(const QString& message)
{
    return NomCommande + QStringLiteral(" : ") + message + QStringLiteral("\n"
        "Pour en savoir plus, tapez « ") + NomCommande + QStringLiteral(" --help ».\n");
}

// Start-up messages
inline const QString TitreFinProgramme = QStringLiteral("Fin du programme");
inline QString MessageFichierAbsent(const QString& fichier)
{
    return QStringLiteral("Le fichier ") + fichier + QStringLiteral(" n'existe pas !\n\nLe programme se termine");
}
inline const QString MessageResolutionInsuffisante = QStringLiteral(
    "Ce logiciel ne peut pas fonctionner. Il nécessite une résolution\n"
    "de l'affichage de 1024 x 768 au minimum.\n\n"
    "Cliquez sur <OK> pour terminer l'exécution de ce programme.\n");
inline const QString MessageTailleTexteObligatoire = QStringLiteral(
    "Pour pouvoir utiliser ce logiciel avec la résolution de l'affichage de 1024x768,"
    "vous devez configurer la taille du texte de Windows en \"Petite-100%\"\n\n"
    "Vous pouvez modifier ce paramètre dans le panneau de configuration de Windows\n\n"
    "Cliquez sur <OK> pour terminer l'exécution de ce programme.\n");
inline const QString MessageTailleTexteConseillee = QStringLiteral(
    "La taille du texte configurée dans Windows n'est pas \"Petite-100%\"\n"
    "Il est possible que ce logiciel ne s'affiche pas correctement !\n\n"
    "Si c'est le cas, fermer ce programme et mettez la taille du texte à \"Petite-100%\"\n\n"
    "Vous pouvez modifier ce paramètre dans le panneau de configuration de Windows\n");
inline const QString MessageCouleurs = QStringLiteral(
    "Votre système affiche moins de 65536 couleurs (16 bits).\n"
    "Le logiciel fonctionnera correctement mais la qualité de\n"
    "certaines images ne sera pas assurée.\n\n"
    "Cliquez sur <OK> pour continuer.\n");

// Table selection and help
inline const QString MessageOptionBloquee = QStringLiteral(
    "Pour changer cette option, vous devez\n\nsauvegarder les résultats ou les effacer\n\n");
inline const QString MessageAide = QStringLiteral(
    "Cette fonction n'est pas encore disponible.\n\nMerci de consulter le mode d'emploi.\n");
inline const QString IndicationSelection = QStringLiteral(
    "Sélectionner un ou plusieurs livrets à exercer puis cliquer sur < S'entraîner >");

// Captions of the main window
inline const QString Multiplicateur = QStringLiteral("Multiplicateur");
inline const QString Plage1a10 = QStringLiteral("1-10");
inline const QString Plage1a12 = QStringLiteral("1-12");
inline const QString TirageAleatoire = QStringLiteral("Tirage aléatoire");
inline const QString RevoirMesErreurs = QStringLiteral("Revoir mes erreurs");
inline const QString NouveauCalcul = QStringLiteral("&Nouveau calcul");
inline const QString TesterLaReponse = QStringLiteral("&Tester la réponse");
inline const QString DonnerLaReponse = QStringLiteral("&Donner la réponse");
inline const QString SEntrainer = QStringLiteral("&S'entraîner");
inline const QString Interrompre = QStringLiteral("&Interrompre");
inline const QString Aide = QStringLiteral("&Aide");
inline const QString Consulter = QStringLiteral("&Consulter");
inline const QString Raz = QStringLiteral("&Raz");
inline const QString Enregistrer = QStringLiteral("&Enregistrer");
inline const QString Quitter = QStringLiteral("&Quitter");
inline const QString Fois = QStringLiteral("x");
inline const QString Egal = QStringLiteral("=");

// Answer feedback
inline const QString PasDeNombre = QStringLiteral("Pas de nombre !");
inline const QString DejaEssaye = QStringLiteral("Déjà essayé !");
inline const QString Reponse = QStringLiteral("Réponse !");
inline const QString DebutNbEssais = QStringLiteral("Essai(s) :  ");

inline const QStringList PhrasesEssai1 = {
    QStringLiteral("Très bien"), QStringLiteral("Super"), QStringLiteral("Wouah !"),
    QStringLiteral("Génial"), QStringLiteral("Excellent"), QStringLiteral("Extra"),
    QStringLiteral("Epatant"), QStringLiteral("Super mega")};
inline const QStringList PhrasesEssai2 = {
    QStringLiteral("Bien"), QStringLiteral("Juste"), QStringLiteral("Ok"),
    QStringLiteral("Réussi"), QStringLiteral("Essai concluant"), QStringLiteral("Bon rattrapage"),
    QStringLiteral("Bien vu")};
inline const QStringList PhrasesErreur = {
    QStringLiteral("Oops !"), QStringLiteral("Faux"), QStringLiteral("???"),
    QStringLiteral("Essaie encore"), QStringLiteral("Dommage"), QStringLiteral("Concentre-toi"),
    QStringLiteral("Appliques-toi"), QStringLiteral("Tu peux faire mieux"), QStringLiteral("Réfléchis")};

// Results table headings, by heading index 0..5
inline const QStringList TitresResultats = {
    QStringLiteral("Nombre de questions"), QStringLiteral("OK au 1er essai"),
    QStringLiteral("OK 2ème essai ou +"), QStringLiteral("Réponse fournie"),
    QStringLiteral("Temps 1er essai"), QStringLiteral("Total")};

// Saved trainings: the results store, saving, reset, consulting, quitting
inline const QString NomFichierBase = QStringLiteral("CalkadoVa.sqlite");
inline const QString AucunResultatASauvegarder = QStringLiteral("Aucun résultat à sauvegarder !\n\n");
inline const QString TitreEnregistrer = QStringLiteral("Enregistrer les résultats");
inline const QString MessageEnregistrer = QStringLiteral(
    "Voulez-vous enregistrer les résultats actuels afin de pouvoir les consulter plus tard ?\n\n"
    "L'affichage sera ensuite remis à zéro.\n\n\n"
    "<OUI> pour ENREGISTRER\n\n"
    "<NON> pour annuler l'enregistrement\n\n");
inline const QString AucunResultatAEffacer = QStringLiteral("Aucun résultat à effacer !\n\n");
inline const QString TitreRaz = QStringLiteral("Remettre les résultats à zéro");
inline const QString MessageRaz = QStringLiteral(
    "Voulez-vous effacer les résultats actuels ?\n\n"
    "<OUI> pour EFFACER\n\n"
    "<NON> pour conserver les résultats\n\n");
inline const QString AucunResultatAConsulter = QStringLiteral("Aucun résultat enregistré à consulter !\n\n");
inline const QString TitreQuitter = QStringLiteral("Quitter le programme");
inline const QString MessageQuitterSansEnregistrer = QStringLiteral(
    "Vous désirez quitter le programme mais vos résultats ne sont pas enregistrés !\n\n"
    "Voulez-vous les enregistrer ?\n\n\n"
    "<OUI> pour ENREGISTRER et quitter\n\n"
    "<NON> pour quitter sans enregistrer\n\n"
    "<ANNULER> pour revenir dans le programme\n\n");
inline const QString MessageQuitter = QStringLiteral("Voulez-vous quitter le programme ?");

// The viewer
inline const QString TitreConsulter = QStringLiteral("Consulter les résultats des entraînements");
inline const QString Aleatoire = QStringLiteral("Aléatoire");
inline const QString PasDeDonnees = QStringLiteral("Pas de données à afficher !");
inline const QString DebutEntrainement = QStringLiteral("Entraînement du ");
inline const QString PlusDEntrainement = QStringLiteral("Plus d'entraînement !");
// A saved training whose date was left empty by another program.
inline const QString SansDate = QStringLiteral("(sans date)");
inline const QString Supprimer = QStringLiteral("&Supprimer");
inline const QString Fermer = QStringLiteral("&Fermer");
inline const QString TitreSupprimer = QStringLiteral("Supprimer les résultats du fichier");
inline QString MessageSupprimer(const QString& dateHeure)
{
    return QStringLiteral("Voulez-vous supprimer les résultats sélectionnés ?\n\n") + DebutEntrainement
        + dateHeure + QStringLiteral("\n\n<OUI> pour EFFACER\n\n<NON> pour annuler\n\n");
}

// The viewer's progress chart
inline const QString ProgressionTotaux = QStringLiteral("Progression : toutes les tables");
inline const QString ProgressionLivret = QStringLiteral("Progression : table de ");
inline const QString EchellePart = QStringLiteral("% OK au 1er essai");
inline const QString EchelleTemps = QStringLiteral("secondes");
// One saved training of the chart in words; a training without a right first
// try has no time.
inline QString LigneProgression(const QString& dateHeure, const QString& part, const QString& temps,
                                bool affiche)
{
    return dateHeure + QStringLiteral(" : ") + part + QStringLiteral(" OK au 1er essai")
        + (temps.isEmpty() ? QString() : QStringLiteral(", ") + temps + QStringLiteral(" s en moyenne"))
        + (affiche ? QStringLiteral(" (affiché)") : QString());
}

// The grid of the facts ("Bilan"): the five states of a fact, and the pieces
// of a fact's details.
inline const QString JamaisVu = QStringLiteral("jamais vu");
inline const QString ARevoir = QStringLiteral("à revoir");
inline const QString EnCours = QStringLiteral("en cours");
inline const QString Acquis = QStringLiteral("acquis");
inline const QString Automatise = QStringLiteral("automatisé");
inline QString DetailSerie(int serie)
{
    return QStringLiteral(", %1 fois de suite du premier coup").arg(serie);
}
inline const QString DetailDernier = QStringLiteral(" ; dernière fois le ");
inline QString DetailTemps(const QString& secondes)
{
    return QStringLiteral(" ; ") + secondes + QStringLiteral(" s en moyenne");
}
inline const QString DetailRetour = QStringLiteral(" ; à revoir le ");
inline const QString Bilan = QStringLiteral("&Bilan");
inline const QString TitreBilan = QStringLiteral("Bilan des tables");
inline QString TableDe(int livret)
{
    return QStringLiteral("Table de %1").arg(livret);
}
inline QString LegendeEtat(const QString& etat, int nombre)
{
    return etat + QStringLiteral(" : ") + QString::number(nombre);
}
inline QString DusAujourdhui(int nombre)
{
    return QStringLiteral("À revoir aujourd'hui : ") + QString::number(nombre);
}
// Reviewing mistakes: nothing due in the tables ticked, and the end of it.
inline QString RienARevoir(const QList<int>& livrets)
{
    QStringList noms;
    for (const int livret : livrets)
        noms << QStringLiteral("de %1").arg(livret);
    const QString derniere = noms.takeLast();
    const QString tables = noms.isEmpty() ? QStringLiteral("la table ") + derniere
                                          : QStringLiteral("les tables ") + noms.join(QStringLiteral(", "))
                                                + QStringLiteral(" et ") + derniere;
    return QStringLiteral("Rien à revoir aujourd'hui dans ") + tables + QStringLiteral(". Bravo !");
}
inline const QString ToutesRevues = QStringLiteral("Toutes les erreurs sont revues !");
// « Du jour »: the button, the run's progress and its end.
inline const QString Jour = QStringLiteral("Du &jour");
inline const QString NomJour = QStringLiteral("Entraînement du jour");
inline const QString RienAFaire = QStringLiteral("Rien à faire aujourd'hui : reviens demain !");
inline QString AvancementJour(int faites, int total)
{
    return QStringLiteral("%1 / %2").arg(faites).arg(total);
}
// The same in words, for a screen reader.
inline QString AvancementJourDit(int faites, int total)
{
    return NomJour + QStringLiteral(" : ") + QString::number(faites) + QStringLiteral(" questions sur ")
        + QString::number(total);
}
inline QString PhraseEtAvancement(const QString& phrase, int faites, int total)
{
    return phrase + QStringLiteral(" ; ") + QString::number(faites) + QStringLiteral(" questions sur ")
        + QString::number(total);
}
inline const QString FinJour = QStringLiteral("Bravo ! L'entraînement du jour est fini :");
// What was done: "12 multiplications revues, 1 nouvelle rencontrée, 0 devenue automatisée".
inline QString ResumeJour(int revues, int nouvelles, int automatisees)
{
    const auto nombre = [](int n, const char* un, const char* plusieurs) {
        return QString::number(n) + QLatin1Char(' ') + QString::fromUtf8(n > 1 ? plusieurs : un);
    };
    return nombre(revues, "multiplication revue", "multiplications revues") + QStringLiteral(", ")
        + nombre(nouvelles, "nouvelle rencontrée", "nouvelles rencontrées") + QStringLiteral(", ")
        + nombre(automatisees, "devenue automatisée", "devenues automatisées") + QLatin1Char('.');
}
inline const QString BilanSansResultatsAffiches = QStringLiteral(
    "Les résultats affichés dans la fenêtre principale ne sont pas encore enregistrés : ils ne sont pas "
    "dans ce bilan.");

// Faults of the results store, for the parent: what went wrong with the
// file named (the account's CalkadoVa.sqlite, or a child's)...
inline QString BaseAbsente(const QString& fichier = NomFichierBase)
{
    return QStringLiteral("Le fichier des résultats ") + fichier
         + QStringLiteral(" est introuvable : il doit se trouver dans le dossier du programme.");
}
inline QString BaseInaccessible(const QString& fichier = NomFichierBase)
{
    return QStringLiteral("Le fichier des résultats ") + fichier + QStringLiteral(
        " ne peut pas être lu ou modifié : les droits d'accès au fichier ou à son dossier ne le permettent pas, "
        "ou le disque a une erreur.");
}
inline QString BasePasUneBase(const QString& fichier = NomFichierBase)
{
    return QStringLiteral("Le fichier ") + fichier
         + QStringLiteral(" n'est pas un fichier de résultats de Calkado, ou il est abîmé.");
}
inline QString BaseLectureSeule(const QString& fichier = NomFichierBase)
{
    return QStringLiteral("Le fichier des résultats ") + fichier
         + QStringLiteral(" est en lecture seule : rien ne peut y être écrit.");
}
inline QString BaseVerrouillee(const QString& fichier = NomFichierBase)
{
    return QStringLiteral("Le fichier des résultats ") + fichier
         + QStringLiteral(" est bloqué par un autre programme. Fermez cet autre programme, puis réessayez.");
}
inline QString BaseDisquePlein(const QString& fichier = NomFichierBase)
{
    return QStringLiteral("Le disque est plein : le fichier des résultats ") + fichier
         + QStringLiteral(" ne peut plus grandir. Libérez de la place sur le disque, puis réessayez.");
}
inline QString EntrainementIntrouvable(const QString& fichier = NomFichierBase)
{
    return QStringLiteral("Cet entraînement n'est plus dans le fichier des résultats ") + fichier
         + QStringLiteral(" : un autre programme l'a sans doute supprimé.");
}
// The same faults of the school's server, where %1 names it.
inline const QString ServeurAbsent = QStringLiteral(
    "Le serveur des résultats (%1) ne répond pas : il est arrêté, ou le réseau est coupé.");
inline const QString ServeurInaccessible = QStringLiteral(
    "Le serveur des résultats (%1) refuse ce compte : il n'y est pas connu, son mot de passe n'est pas le bon, "
    "ou il n'y a pas les droits de Calkado.");
inline const QString ServeurPasUneBase = QStringLiteral(
    "La base du serveur des résultats (%1) n'existe pas, ou n'est pas une base de Calkado à jour : le script "
    "d'installation de l'école n'y a pas été passé.");
inline const QString ServeurLectureSeule = QStringLiteral(
    "Le serveur des résultats (%1) n'accepte que la lecture : rien ne peut y être écrit.");
inline const QString ServeurOccupe = QStringLiteral(
    "Le serveur des résultats (%1) est occupé par un autre programme. Réessayez dans un moment.");
inline const QString ServeurDisquePlein = QStringLiteral(
    "Le disque du serveur des résultats (%1) est plein. Prévenez l'administrateur de l'école.");
inline const QString ServeurEntrainementIntrouvable = QStringLiteral(
    "Cet entraînement n'est plus sur le serveur des résultats (%1) : il a sans doute été supprimé ailleurs.");
inline const QString ServeurRefuse = QStringLiteral(
    "Le serveur des résultats (%1) refuse ces résultats : ils ne sont pas de ceux qu'écrit Calkado, ou ce compte "
    "en a déjà enregistré aujourd'hui bien plus qu'un élève. Prévenez l'administrateur de l'école.");
// The configuration file that names the server, when it cannot be read or
// understood: the file, then why.
inline QString ConfigurationIncomprise(const QString& fichier, const QString& raison)
{
    return QStringLiteral("Le fichier de configuration %1, qui dit où Calkado garde les résultats, ne peut pas être "
                          "compris : %2. Tant qu'il n'est pas corrigé, les résultats ne sont gardés ni sur le "
                          "serveur de l'école, ni sur cet ordinateur.")
        .arg(fichier, raison);
}
inline const QString ConfigurationPasUnFichier = QStringLiteral(
    "ce n'est pas un fichier (un dossier, un périphérique, ou un lien qui ne mène à rien)");
inline const QString ConfigurationIllisible = QStringLiteral("ses droits d'accès ne permettent pas de le lire");
inline const QString ConfigurationPasUnTexte = QStringLiteral("ce n'est pas un texte de quelques lignes");
inline QString ConfigurationLigne(int ligne, const QString& raison)
{
    return QStringLiteral("ligne %1, %2").arg(QString::number(ligne), raison);
}
inline QString ConfigurationSectionInconnue(const QString& section)
{
    return QStringLiteral("la section %1 est inconnue (seule [serveur] est lue)").arg(section);
}
inline QString ConfigurationLigneIncomprise(const QString& ligne)
{
    return QStringLiteral("« %1 » n'est ni une section ni une clé de la section [serveur] (cle=valeur)").arg(ligne);
}
inline QString ConfigurationCleInconnue(const QString& cle)
{
    return QStringLiteral("la clé « %1 » est inconnue (seules service, hote, port et base sont lues)").arg(cle);
}
inline QString ConfigurationPort(const QString& port)
{
    return QStringLiteral("le port « %1 » n'est pas un nombre de 1 à 65535").arg(port);
}
// ...and what it means for what the user was doing.
inline const QString BaseAuDemarrage = QStringLiteral(
    "Vous pouvez vous entraîner, mais les résultats ne pourront être enregistrés ou consultés "
    "qu'une fois ce fichier remis en état.");
inline const QString BaseEnregistrement = QStringLiteral(
    "Les résultats n'ont pas été enregistrés. Ils restent affichés : vous pourrez réessayer.");
inline const QString BaseQuitter = QStringLiteral(
    "Les résultats n'ont pas été enregistrés. Le programme reste ouvert avec vos résultats.");
inline const QString BaseConsultation = QStringLiteral(
    "Les entraînements enregistrés ne peuvent pas être consultés.");
inline const QString BaseSuppression = QStringLiteral("L'entraînement n'a pas été supprimé.");
inline const QString BaseBilan = QStringLiteral("Le bilan des tables ne peut pas être affiché.");
inline const QString BaseRevision = QStringLiteral("Les erreurs ne peuvent pas être revues : l'entraînement ne commence pas.");
inline const QString BaseJour = QStringLiteral(
    "L'entraînement du jour ne peut pas être préparé : il ne commence pas.");

// What assistive technology (a screen reader) says of the windows: the names
// of the controls, and the phrases said as a training goes on.
inline QString NomLivret(int livret)
{
    return QStringLiteral("Table de ") + QString::number(livret);
}
// A question as the window shows it: the multiplier, then the table.
inline QString NomQuestion(int multiplicateur, int livret)
{
    return QString::number(multiplicateur) + QStringLiteral(" fois ") + QString::number(livret);
}
inline const QString NomReponse = QStringLiteral("Réponse");
inline const QString NomFois = QStringLiteral("fois");
inline const QString NomEgal = QStringLiteral("égale");
inline const QString NomPlage1a10 = QStringLiteral("Multiplicateurs de 1 à 10");
inline const QString NomPlage1a12 = QStringLiteral("Multiplicateurs de 1 à 12");
inline const QString NomListeDates = QStringLiteral("Entraînements enregistrés");
// A number of the results table with its row heading and its column:
// "OK au 1er essai, table de 7 : 3", "OK au 1er essai, total : 5".
inline QString NomCellule(const QString& titre, const QString& colonne, const QString& valeur)
{
    return titre + QStringLiteral(", ") + colonne + (valeur.isEmpty() ? QString() : QStringLiteral(" : ") + valeur);
}
inline QString ColonneLivret(int livret)
{
    return QStringLiteral("table de ") + QString::number(livret);
}
inline const QString ColonneTotal = QStringLiteral("total");
inline QString AnnonceReponseDonnee(const QString& question, const QString& reponse)
{
    return QStringLiteral("Réponse ! ") + question + QStringLiteral(" égale ") + reponse;
}
inline QString AnnonceFin(qint64 questions, qint64 essai1)
{
    return QStringLiteral("Fin de l'entraînement. Nombre de questions : ") + QString::number(questions)
        + QStringLiteral(". OK au 1er essai : ") + QString::number(essai1) + QStringLiteral(".");
}
inline const QString AideGraphe = QStringLiteral(
    "Choisissez la table avec les chiffres de 2 à 9, 1 puis 0, 1 ou 2 pour les tables de 10 à 12, "
    "ou avec les flèches ; 0 ou Début revient à toutes les tables.");

// The children of the family (« Qui s'entraîne ? »): the window, its
// questions, and what the family is told of a name or of the list.
inline const QString NomFichierListeEnfants = QStringLiteral("CalkadoEnfants.json");
inline const QString TitreEnfants = QStringLiteral("Qui s'entraîne ?");
inline const QString Enfants = QStringLiteral("En&fants");
inline const QString ConsigneEnfants = QStringLiteral("Clique sur ton prénom, ou tape son numéro.");
inline const QString ConsignePremierEnfant = QStringLiteral(
    "Chaque enfant peut avoir ses propres résultats. Les résultats déjà enregistrés sur ce compte "
    "seront ceux du premier enfant ajouté.");
inline const QString AjouterEnfant = QStringLiteral("Ajouter un enfant");
inline const QString RenommerEnfant = QStringLiteral("Renommer");
inline const QString RetirerEnfant = QStringLiteral("Retirer");
inline const QString FermerEnfants = QStringLiteral("Fermer");
inline const QString QuitterEnfants = QStringLiteral("Quitter");
inline QString NomRenommer(const QString& nom)
{
    return QStringLiteral("Renommer ") + nom;
}
inline QString NomRetirer(const QString& nom)
{
    return QStringLiteral("Retirer ") + nom;
}
inline QString ToucheEnfant(int rang)
{
    return QStringLiteral("Touche %1").arg(rang);
}
// The child's name in the main window, as a screen reader says it.
inline QString NomEnfantAffiche(const QString& nom)
{
    return nom + QStringLiteral(" s'entraîne");
}
inline const QString NomEnfantsFenetre = QStringLiteral("Qui s'entraîne ? : les enfants");
inline const QString QuestionPrenom = QStringLiteral("Prénom de l'enfant (30 caractères au plus) :");
inline QString TitreRenommer(const QString& nom)
{
    return QStringLiteral("Renommer « ") + nom + QStringLiteral(" »");
}
inline const QString TitreRetirerEnfant = QStringLiteral("Retirer un enfant");
inline QString MessageRetirerEnfant(const QString& nom, const QString& dossier)
{
    return QStringLiteral("Voulez-vous retirer « ") + nom + QStringLiteral(" » de la liste des enfants ?\n\n"
        "Ses résultats seront retirés de Calkado : son fichier sera rangé dans le dossier ") + dossier
        + QStringLiteral(", d'où il reviendra si vous ajoutez de nouveau un enfant nommé « ") + nom
        + QStringLiteral(" ».\n\n<OUI> pour RETIRER\n\n<NON> pour annuler\n\n");
}
inline QString MessageReprendre(const QString& nom)
{
    return QStringLiteral("Un enfant nommé « ") + nom + QStringLiteral(
        " » a été retiré de la liste, et ses résultats sont gardés.\n\n"
        "Voulez-vous les reprendre ?\n\n"
        "<OUI> pour reprendre ses résultats\n\n"
        "<NON> pour commencer avec des résultats vides\n\n"
        "<ANNULER> pour ne pas ajouter d'enfant\n\n");
}
inline QString EnfantEnCours(const QString& nom)
{
    return QStringLiteral("« ") + nom + QStringLiteral(" » s'entraîne en ce moment : choisissez d'abord un autre "
        "enfant, puis retirez « ") + nom + QStringLiteral(" ».");
}
inline const QString TitreChangerEnfant = QStringLiteral("Changer d'enfant");
inline QString MessageChangerEnfant(const QString& nom)
{
    const QString resultats = nom.isEmpty() ? QStringLiteral("vos résultats ne sont pas enregistrés")
        : QStringLiteral("les résultats de « ") + nom + QStringLiteral(" » ne sont pas enregistrés");
    return QStringLiteral("Vous désirez changer d'enfant mais ") + resultats + QStringLiteral(" !\n\n"
        "Voulez-vous les enregistrer ?\n\n\n"
        "<OUI> pour ENREGISTRER et changer d'enfant\n\n"
        "<NON> pour changer d'enfant sans enregistrer\n\n"
        "<ANNULER> pour revenir dans le programme\n\n");
}
inline const QString BaseChangerEnfant = QStringLiteral(
    "Les résultats n'ont pas été enregistrés. Ils restent affichés, et l'enfant n'a pas changé.");
// A name refused, and why.
inline const QString PrenomVide = QStringLiteral("Le prénom est vide : tapez le prénom de l'enfant.");
inline QString PrenomTropLong(int longueur, int maximum)
{
    return QStringLiteral("Le prénom a %1 caractères : il en faut %2 au plus.").arg(longueur).arg(maximum);
}
inline const QString PrenomBarre = QStringLiteral(
    "Un prénom ne peut pas contenir de barre oblique (/ ni \\).");
inline const QString PrenomPoints = QStringLiteral(
    "Un prénom ne peut pas contenir deux points qui se suivent (..).");
inline const QString PrenomInvisible = QStringLiteral(
    "Le prénom contient un caractère invisible (tabulation, retour à la ligne ou autre commande) : "
    "tapez-le de nouveau.");
inline QString PrenomPris(const QString& autre)
{
    return QStringLiteral("Il y a déjà un enfant nommé « ") + autre + QStringLiteral(
        " » : deux prénoms doivent se distinguer par autre chose que les majuscules ou les accents.");
}
inline QString TropDEnfants(int maximum)
{
    return QStringLiteral("La liste compte déjà %1 enfants : c'est le plus que Calkado puisse proposer.")
        .arg(maximum);
}
inline QString DernierEnfant(const QString& nom)
{
    return QStringLiteral("« ") + nom + QStringLiteral(
        " » est le seul enfant de la liste : il reste, pour que ses résultats gardent un nom.");
}
inline const QString EnfantDisparu = QStringLiteral(
    "Cet enfant n'est plus dans la liste des enfants : un autre Calkado ouvert sur ce compte l'a sans doute "
    "changée. Rien n'a été changé.");
// The list of the family and the children's files.
inline QString ListeIllisible(const QString& liste)
{
    return QStringLiteral("La liste des enfants ") + liste + QStringLiteral(
        " ne peut pas être lue : les droits d'accès au fichier ou à son dossier ne le permettent pas, ou le "
        "disque a une erreur. Calkado la laisse telle quelle.");
}
inline QString ListeAbimee(const QString& liste)
{
    return QStringLiteral("La liste des enfants ") + liste + QStringLiteral(
        " est abîmée : Calkado ne sait plus quel fichier de résultats est celui de chaque enfant. Elle reste "
        "telle quelle : remettez-en une copie, ou retirez-la pour revenir aux seuls résultats du compte.");
}
inline QString ListeNonEcrite(const QString& liste)
{
    return QStringLiteral("La liste des enfants ") + liste + QStringLiteral(
        " n'a pas pu être enregistrée : le dossier n'est pas modifiable, ou le disque est plein. "
        "Rien n'a été changé.");
}
inline QString FichierEnfantNonCree(const QString& nom)
{
    return QStringLiteral("Le fichier des résultats de « ") + nom + QStringLiteral(
        " » n'a pas pu être créé : le dossier n'est pas modifiable, ou le disque est plein. Rien n'a été changé.");
}
inline QString FichierEnfantNonRetire(const QString& nom, const QString& dossier)
{
    return QStringLiteral("Le fichier des résultats de « ") + nom + QStringLiteral(
        " » n'a pas pu être rangé dans le dossier ") + dossier + QStringLiteral(
        " : le dossier n'est pas modifiable. Rien n'a été changé.");
}
inline QString FichierEnfantNonRepris(const QString& nom, const QString& dossier)
{
    return QStringLiteral("Les résultats de « ") + nom + QStringLiteral(" » n'ont pas pu être repris du dossier ")
        + dossier + QStringLiteral(" : le dossier n'est pas modifiable. Rien n'a été changé.");
}
inline QString RetraitIntrouvable(const QString& nom, const QString& dossier)
{
    return QStringLiteral("Les résultats retirés de « ") + nom + QStringLiteral(" » ne sont plus dans le dossier ")
        + dossier + QStringLiteral(". Rien n'a été changé.");
}
inline const QString EnfantsAuDemarrage = QStringLiteral("\n\nLe programme se termine.");
inline const QString EnfantsNonModifiables = QStringLiteral("\n\nLa liste des enfants ne peut pas être ouverte.");
// Choosing the child from the command line.
inline const QString OptionEnfant = QStringLiteral(
    "ouvre Calkado pour l'enfant de ce prénom, sans demander « Qui s'entraîne ? »");
inline const QString ValeurOptionEnfant = QStringLiteral("PRÉNOM");
inline QString EnfantInconnu(const QString& nom, const QStringList& noms)
{
    if (noms.isEmpty())
        return QStringLiteral("aucun enfant ne s'appelle « ") + nom + QStringLiteral(
            " » : la liste des enfants est vide. Les enfants s'ajoutent par le bouton « Enfants » de la fenêtre "
            "de Calkado.");
    return QStringLiteral("aucun enfant ne s'appelle « ") + nom + QStringLiteral(" » ; les enfants sont : ")
        + noms.join(QStringLiteral(", "));
}
inline const QString EnfantSurServeur = QStringLiteral(
    "--enfant ne sert pas quand les résultats sont gardés sur le serveur de l'école : chaque élève y a son "
    "propre compte");
inline const QString EnfantEtClasse = QStringLiteral("--enfant et --classe ne vont pas ensemble");

// Standard message-box buttons, whatever the machine's language
inline const QString BoutonOui = QStringLiteral("Oui");
inline const QString BoutonNon = QStringLiteral("Non");
inline const QString BoutonAnnuler = QStringLiteral("Annuler");
inline const QString BoutonOk = QStringLiteral("OK");

// The teacher's view of their classes (calkado --classe), on the school's server
inline const QString OptionClasse = QStringLiteral(
    "ouvre la vue de la classe, pour l'enseignant (résultats gardés sur le serveur de l'école)");
inline const QString TitreFenetreClasse = QStringLiteral("Calkado   -   La classe");
inline QString TitreClasse(const QStringList& classes)
{
    if (classes.size() < 2)
        return QStringLiteral("La classe ") + classes.value(0);
    QStringList noms = classes;
    const QString derniere = noms.takeLast();
    return QStringLiteral("Les classes ") + noms.join(QStringLiteral(", ")) + QStringLiteral(" et ") + derniere;
}
inline const QString ClasseSansServeur = QStringLiteral(
    "La vue de la classe montre les résultats que les élèves gardent sur le serveur de l'école, "
    "mais aucun serveur n'est configuré : le fichier calkado.conf (dans /etc/calkado ou "
    "~/.config/calkado) n'en nomme pas.\n\nLe programme se termine.");
inline QString ClassePasEnseignant(const QString& compte)
{
    return QStringLiteral("Le compte « ") + compte + QStringLiteral(
        " » n'enseigne dans aucune classe de Calkado : la vue de la classe est réservée aux enseignants. "
        "L'administrateur de l'école peut vous ajouter comme enseignant d'une classe.\n\n"
        "Le programme se termine.");
}
inline const QString BaseClasseDemarrage = QStringLiteral(
    "La vue de la classe ne peut pas s'ouvrir. Le programme se termine.");
inline const QString BaseClasse = QStringLiteral(
    "Les chiffres de la classe n'ont pas pu être relus : ceux qui sont affichés restent.");
inline const QString NomPeriode = QStringLiteral("Période");
inline const QString CetteSemaine = QStringLiteral("Cette &semaine");
inline const QString CeMois = QStringLiteral("Ce &mois-ci");
inline const QString DepuisLeDebut = QStringLiteral("&Depuis le début");
inline const QString NomListeEleves = QStringLiteral("Élèves de la classe");
inline const QStringList TitresClasse = {QStringLiteral("Élève"), QStringLiteral("Classe"),
                                         QStringLiteral("Dernier entraînement")};
inline const QString JamaisEntraine = QStringLiteral("jamais");
inline const QString LegendeClasse = QStringLiteral(
    "Pour chaque table, sur la période choisie : la part des réussites du premier coup, puis le temps "
    "moyen d'une réussite du premier coup. Entrée ou un double clic ouvre le bilan de l'élève choisi.");
// A pupil's table over the period: "80 %\n3,2 s" on screen, in words to
// tooltips and assistive technology.
inline QString CelluleClasse(const QString& part, const QString& temps)
{
    return part + (temps.isEmpty() ? QString() : QStringLiteral("\n") + temps + QStringLiteral(" s"));
}
inline QString DetailCelluleClasse(const QString& eleve, int livret, qint64 questions, const QString& part,
                                   const QString& temps)
{
    const QString debut = eleve + QStringLiteral(", table de ") + QString::number(livret) + QStringLiteral(" : ");
    if (questions < 1)
        return debut + QStringLiteral("aucune question");
    return debut + part + QStringLiteral(" OK au 1er essai sur ") + QString::number(questions)
        + (questions > 1 ? QStringLiteral(" questions") : QStringLiteral(" question"))
        + (temps.isEmpty() ? QString() : QStringLiteral(", ") + temps + QStringLiteral(" s en moyenne"));
}
// The facts most often à revoir across the class.
inline QString FaitARevoirClasse(int multiplicateur, int livret, int eleves)
{
    return QStringLiteral("%1 x %2 (%3 ").arg(multiplicateur).arg(livret).arg(eleves)
        + (eleves > 1 ? QStringLiteral("élèves)") : QStringLiteral("élève)"));
}
inline QString LigneARevoir(const QStringList& faits, bool autres)
{
    if (faits.isEmpty())
        return QStringLiteral("Aucune multiplication n'est à revoir dans la classe.");
    return QStringLiteral("À revoir le plus souvent : ") + faits.join(QStringLiteral(", "))
        + (autres ? QStringLiteral("…") : QString());
}
inline QString TitreBilanEleve(const QString& eleve)
{
    return QStringLiteral("Bilan des tables de ") + eleve;
}
inline const QString NomBilanEleve = QStringLiteral("Bilan de l'élève choisi");
inline const QString Exporter = QStringLiteral("&Exporter");
// The export for a spreadsheet.
inline const QString TitreExporter = QStringLiteral("Exporter les chiffres de la classe");
inline const QString FiltreCsv = QStringLiteral("Tableur, séparateur point-virgule (*.csv)");
inline QString NomFichierExport(const QString& jour)
{
    return QStringLiteral("calkado-classe-") + jour + QStringLiteral(".csv");
}
inline const QStringList ColonnesCsv = {
    QStringLiteral("Élève"), QStringLiteral("Classe"), QStringLiteral("Depuis le"),
    QStringLiteral("Dernier entraînement"), QStringLiteral("Table"), QStringLiteral("Nombre de questions"),
    QStringLiteral("OK au 1er essai"), QStringLiteral("% OK au 1er essai"),
    QStringLiteral("Temps 1er essai (s)"), QStringLiteral("OK 2ème essai ou +"), QStringLiteral("Réponse fournie")};
inline QString ExportReussi(const QString& fichier)
{
    return QStringLiteral("Les chiffres de la classe sont enregistrés dans le fichier :\n") + fichier;
}
inline QString ExportEchoue(const QString& fichier)
{
    return QStringLiteral("Le fichier ") + fichier + QStringLiteral(
        " n'a pas pu être écrit : le dossier n'existe pas, n'est pas modifiable, ou le disque est plein.\n\n"
        "Les chiffres de la classe n'ont pas été exportés.");
}

// On paper: the child's report, the class's pages and the diplomas, their
// buttons and messages.
inline const QString Imprimer = QStringLiteral("&Imprimer…");
inline const QString NomImprimerBilan = QStringLiteral("Imprimer le bilan sur une page");
inline const QString Diplome = QStringLiteral("&Diplôme…");
inline QString NomDiplome(int livret)
{
    return QStringLiteral("Imprimer le diplôme de la table de %1").arg(livret);
}
inline QString SansDiplome(int livret)
{
    return QStringLiteral("Pas encore de diplôme pour la table de %1 : ses multiplications de 1 à 10 ne sont pas "
                          "toutes automatisées.").arg(livret);
}
inline QString DiplomeGagne(int livret)
{
    return QStringLiteral("Table de %1 : diplôme gagné, cliquez pour l'imprimer").arg(livret);
}
inline const QString NomImprimerClasse = QStringLiteral("Imprimer la classe et une page par élève");
inline const QString Apercu = QStringLiteral("&Aperçu…");
inline const QString NomApercu = QStringLiteral("Aperçu avant impression");
inline const QString TitreImprimerBilan = QStringLiteral("Imprimer le bilan");
inline const QString TitreImprimerClasse = QStringLiteral("Imprimer la classe");
inline const QString TitreImprimerDiplome = QStringLiteral("Imprimer le diplôme");
inline const QString BaseImpression = QStringLiteral("Rien n'a été imprimé.");
inline const QString ImpressionEchouee = QStringLiteral(
    "L'impression n'a pas pu se faire : l'imprimante ou le fichier choisi ne l'accepte pas.");
inline QString PiedDePage(const QString& version)
{
    return QStringLiteral("Calkado ") + version + QStringLiteral(" · entraînement aux tables de multiplication");
}
// The child's report.
inline QString TitreRapport(const QString& nom, const QString& jour)
{
    return QStringLiteral("Bilan de ") + nom + QStringLiteral(" au ") + jour;
}
// The name a document takes in a printer's queue, or a PDF file's: no "/".
inline QString NomDocumentRapport(const QString& nom, const QString& jourIso)
{
    return QStringLiteral("Bilan de ") + QString(nom).replace(QLatin1Char('/'), QLatin1Char('-'))
        + QStringLiteral(" au ") + jourIso;
}
inline const QString SousTitreGrille = QStringLiteral("Les 132 multiplications, table par table");
inline QString DerniersJours(int jours)
{
    return QStringLiteral("%1 derniers jours").arg(jours);
}
inline QString DuAu(const QString& debut, const QString& fin)
{
    return QStringLiteral("du ") + debut + QStringLiteral(" au ") + fin;
}
inline const QStringList LignesChiffres = {
    QStringLiteral("Jours d'entraînement"), QStringLiteral("Minutes d'entraînement"), QStringLiteral("Questions"),
    QStringLiteral("Réussies du premier coup"), QStringLiteral("Multiplications devenues automatisées")};
inline const QString TitreChiffres = QStringLiteral("Ces derniers jours");
inline const QString TitreAReviser = QStringLiteral("À revoir en priorité");
inline const QString RienAReviser = QStringLiteral("Aucune multiplication à revoir ni en cours : bravo !");
inline QString FaitAReviser(int multiplicateur, int livret, const QString& etat)
{
    return QStringLiteral("%1 x %2 = %3 (").arg(multiplicateur).arg(livret).arg(multiplicateur * livret) + etat
        + QStringLiteral(")");
}
inline QString SousTitreProgression(int entrainements)
{
    return QStringLiteral("les %1 derniers entraînements enregistrés").arg(entrainements);
}
inline const QString AucunEntrainement = QStringLiteral("Aucun entraînement enregistré.");
// The class's page.
inline QString TitrePageClasse(const QString& classe, const QString& periode)
{
    return classe + QStringLiteral(" : ") + periode;
}
inline QString PeriodeDepuis(const QString& debut, const QString& jour)
{
    return QStringLiteral("du ") + debut + QStringLiteral(" au ") + jour;
}
inline QString PeriodeTout(const QString& jour)
{
    return QStringLiteral("jusqu'au ") + jour;
}
inline const QString RienSurLaPeriode = QStringLiteral("aucun entraînement sur la période");
inline const QString TitreARevoirClasse = QStringLiteral("Le plus souvent à revoir dans la classe");
inline const QString LegendePageClasse = QStringLiteral(
    "Pour chaque table, sur la période : la part des réussites du premier coup, puis le temps moyen d'une "
    "réussite du premier coup. Chaque élève qui s'est entraîné sur la période a sa page à la suite.");
// The diploma.
inline QString TitreDiplome(int livret)
{
    return QStringLiteral("Diplôme de la table de %1").arg(livret);
}
inline const QString DecerneA = QStringLiteral("décerné à");
inline QString LeJour(const QString& jour)
{
    return QStringLiteral("le ") + jour;
}
inline QString RaisonDiplome(int faits, int livret)
{
    return QStringLiteral("pour avoir automatisé les %1 multiplications de la table de %2 :").arg(faits).arg(livret);
}
inline QString NomDocumentDiplome(const QString& nom, int livret)
{
    return QStringLiteral("Diplôme de la table de %1 de ").arg(livret)
        + QString(nom).replace(QLatin1Char('/'), QLatin1Char('-'));
}
// After a save that made tables automatisé.
inline const QString TitreBravo = QStringLiteral("Bravo !");
inline QString Bravo(const QList<int>& livrets)
{
    if (livrets.size() == 1)
        return QStringLiteral("Bravo ! La table de %1 est automatisée.\n\nVeux-tu imprimer son diplôme ?")
            .arg(livrets.first());
    QStringList noms;
    for (const int livret : livrets)
        noms << QStringLiteral("de %1").arg(livret);
    const QString derniere = noms.takeLast();
    return QStringLiteral("Bravo ! Les tables ") + noms.join(QStringLiteral(", ")) + QStringLiteral(" et ") + derniere
        + QStringLiteral(" sont automatisées.\n\nVeux-tu imprimer leurs diplômes ?");
}

} // namespace Textes
