// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// « Du jour » as the store grows: from the click on its button to the first
// question shown, the day planned from the memory of the pairs that the file
// keeps; and the same click after another program changed a fact, when the
// memory is replayed from every fact saved and kept again.
#include "Mesures.h"
#include "OutilsMesures.h"

#include "ui/mainwindow/F_Calkado.h"

#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <array>

namespace {

struct Figures
{
    Serie gardee, rejouee;
};

// A main window of its own shown, « Du jour » clicked: the time until its
// first question is on screen.
double Cliquer()
{
    F_Calkado fenetre;
    if (!fenetre.Form_Load())
        qFatal("La fenêtre principale ne s'ouvre pas ici");
    fenetre.show();
    if (!QTest::qWaitForWindowExposed(&fenetre))
        qFatal("La fenêtre principale ne s'affiche pas");
    QTest::qWait(50);   // the deferred activation
    auto* jour = fenetre.findChild<QToolButton*>(QStringLiteral("B_Jour"));
    auto* terme = fenetre.findChild<QLabel*>(QStringLiteral("L_Terme1"));
    if (!jour || !terme || !jour->isEnabled())
        qFatal("« Du jour » ne peut pas être cliqué");
    const double ms = Chronometrer([jour] { jour->click(); });
    if (!terme->isVisible() || terme->text().isEmpty())
        qFatal("« Du jour » n'a posé aucune question");
    return ms;
}

Figures Mesurer(int entrainements)
{
    DossierProgramme dossier;
    RemplirEntrainements(dossier.base(), entrainements);
    Figures f;
    for (int i = 0; i < 10; ++i) {
        // Any change of a fact by another program leaves no memory kept.
        Magasin::executer({QStringLiteral("UPDATE %F SET \"Dixiemes\" = \"Dixiemes\" WHERE \"Id\" = 1")},
                          dossier.base());
        f.rejouee.valeurs.push_back(Cliquer());
        f.gardee.valeurs.push_back(Cliquer());
    }
    return f;
}

QString Taille(int entrainements)
{
    return QLocale(QLocale::French).toString(entrainements) + QStringLiteral(" entraînements");
}

} // namespace

void MesurerJour(Rapport& rapport)
{
    const std::array<std::pair<int, double>, 2> tailles = {{{10000, 50}, {100000, 100}}};
    const QString ms = QStringLiteral("ms");
    for (const auto& [entrainements, cible] : tailles) {
        const Figures f = Mesurer(entrainements);
        const QString texteCible = QStringLiteral("< %1 ms").arg(cible);
        rapport.ajouter({QStringLiteral("« Du jour » (clic → première question), ") + Taille(entrainements), f.gardee,
                         ms, {}, texteCible, f.gardee.mediane() < cible});
        rapport.ajouter({QStringLiteral("« Du jour », faits changés par un autre programme, ") + Taille(entrainements),
                         f.rejouee, ms, {}, texteCible, f.rejouee.mediane() < cible});
    }
}
