// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window under a user's hands: the answer tested, the next question
// asked, and the stopwatch on a machine kept busy.
#include "Mesures.h"
#include "OutilsMesures.h"

#include "ui/mainwindow/F_Calkado.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

template<typename T>
T* Controle(QWidget& fenetre, const QString& nom)
{
    T* controle = fenetre.findChild<T*>(nom);
    if (!controle)
        qFatal("Contrôle introuvable : %s", qPrintable(nom));
    return controle;
}

QString Produit(QWidget& fenetre)
{
    return QString::number(Controle<QLabel>(fenetre, QStringLiteral("L_Terme1"))->text().toInt()
                           * Controle<QLabel>(fenetre, QStringLiteral("L_Terme2"))->text().toInt());
}

// The main window shown, table 7 ticked and a run started.
void Commencer(F_Calkado& fenetre)
{
    if (!fenetre.Form_Load())
        qFatal("La fenêtre principale ne s'ouvre pas ici");
    fenetre.show();
    if (!QTest::qWaitForWindowExposed(&fenetre))
        qFatal("La fenêtre principale ne s'affiche pas");
    QTest::qWait(50);   // the deferred activation
    Controle<QCheckBox>(fenetre, QStringLiteral("C_Livret_5"))->click();
    QTest::keyClick(&fenetre, Qt::Key_Return);
}

// The floor: Enter in a bare answer box that writes a label.
Serie PlancherReponse(int fois)
{
    QWidget fenetre;
    auto* champ = new QLineEdit(&fenetre);
    auto* etiquette = new QLabel(&fenetre);
    auto* disposition = new QVBoxLayout(&fenetre);
    disposition->addWidget(champ);
    disposition->addWidget(etiquette);
    int n = 0;
    QObject::connect(champ, &QLineEdit::returnPressed, etiquette, [&] { etiquette->setNum(++n); });
    fenetre.show();
    if (!QTest::qWaitForWindowExposed(&fenetre))
        qFatal("La fenêtre du plancher ne s'affiche pas");
    Serie serie;
    for (int i = 0; i < fois; ++i)
        serie.valeurs.push_back(Chronometrer([&] { QTest::keyClick(champ, Qt::Key_Return); }));
    return serie;
}

} // namespace

void MesurerReponses(Rapport& rapport)
{
    DossierProgramme dossier;
    F_Calkado fenetre;
    Commencer(fenetre);
    auto* champ = Controle<QLineEdit>(fenetre, QStringLiteral("T_Résultat"));
    auto* total = Controle<QLabel>(fenetre, QStringLiteral("L_NbQuestionTotal"));
    Serie reponses, questions;
    for (int i = 0; i < 300; ++i) {
        questions.valeurs.push_back(Chronometrer([&] { QTest::keyClick(&fenetre, Qt::Key_Return); }));
        QTest::keyClicks(champ, Produit(fenetre));
        const QString avant = total->text();
        reponses.valeurs.push_back(Chronometrer([&] { QTest::keyClick(champ, Qt::Key_Return); }));
        if (total->text() == avant)
            qFatal("La réponse n'a pas été comptée");
    }
    const QString plancher = Nombre(PlancherReponse(300).mediane(), QStringLiteral("ms"));
    rapport.ajouter({QStringLiteral("Réponse testée (Entrée → tableau redessiné)"), reponses,
                     QStringLiteral("ms"), plancher, QStringLiteral("< 2 ms"), reponses.mediane() < 2});
    rapport.ajouter({QStringLiteral("Nouvelle question (Entrée → question affichée)"), questions,
                     QStringLiteral("ms"), plancher, QStringLiteral("< 2 ms"), questions.mediane() < 2});
}

namespace {

// Processes that keep every core busy while they live.
class Charge
{
public:
    Charge()
    {
        for (int i = 0; i < 2; ++i)
            if (const pid_t pid = fork(); pid == 0) {
                volatile unsigned long n = 0;
                for (;;)
                    n = n + 1;
            } else if (pid > 0) {
                processus.push_back(pid);
            }
    }
    ~Charge()
    {
        for (const pid_t pid : processus) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }

private:
    std::vector<pid_t> processus;
};

// The summed time of the first table saved, or -1.
int DixiemesEnregistres(const QString& fichier)
{
    const QStringList lignes = Magasin::lignes(fichier);
    return lignes.isEmpty() ? -1 : lignes.first().section(QLatin1Char('|'), 6, 6).toInt();
}

} // namespace

void MesurerChronometre(Rapport& rapport)
{
    Charge charge;
    QStringList vus;
    Serie secondes;
    bool tenue = true;
    for (int essai = 0; essai < 3; ++essai) {
        DossierProgramme dossier;
        Repondeur repondeur;
        repondeur.choix = OuiSinonOk;
        F_Calkado fenetre;
        Commencer(fenetre);
        QTest::keyClick(&fenetre, Qt::Key_Return);   // the question is asked
        const auto question = Horodatage::now();
        while (MillisecondesDepuis(question) < 4300)
            QTest::qWait(20);
        auto* champ = Controle<QLineEdit>(fenetre, QStringLiteral("T_Résultat"));
        QTest::keyClicks(champ, Produit(fenetre));
        QTest::keyClick(champ, Qt::Key_Return);
        secondes.valeurs.push_back(MillisecondesDepuis(question) / 1000);
        const QString affiche = Controle<QLabel>(fenetre, QStringLiteral("L_Temps_5"))->text();
        // The run interrupted and saved, every question answered "Oui", then "OK".
        Controle<QPushButton>(fenetre, QStringLiteral("B_Entrainement"))->click();
        Controle<QToolButton>(fenetre, QStringLiteral("B_Enregistrer"))->click();
        const int dixiemes = DixiemesEnregistres(dossier.base());
        vus << QStringLiteral("%1 dixièmes, « %2 » affiché").arg(dixiemes).arg(affiche);
        tenue = tenue && dixiemes == 43 && (affiche == QLatin1String("4,3") || affiche == QLatin1String("4.3"));
    }
    rapport.ajouter({QStringLiteral("Chronomètre, 2 cœurs occupés : réponse juste donnée après 4,3 s"), secondes,
                     QStringLiteral("s"), {}, QStringLiteral("43 dixièmes, « 4,3 » affiché"), tenue});
    rapport.note(QStringLiteral("Chronomètre : ") + vus.join(QStringLiteral(" ; ")) + QLatin1Char('.'));
}
