// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A long session of random actions on the main window and the viewer, as a
// restless child or parent might make them, with what must always hold
// checked after each one. The seed comes from CALKADO_GRAINE and the number of
// actions from CALKADO_ACTIONS; a failure names the seed and the last actions.
#include "FenetrePrincipale.h"
#include "core/results/Bilan.h"
#include "core/results/TableauResultats.h"
#include "ui/viewer/F_Consulter.h"

#include <QListWidget>
#include <QSqlQuery>
#include <deque>
#include <random>
#include <tuple>

namespace {

const QString Quitter = "Quitter le programme", Enregistrer = "Enregistrer les résultats",
              Supprimer = "Supprimer les résultats du fichier";

// The five configurations of the run states: the buttons of a run, the choice
// of tables, the hint, the commands on the results and, during a run, the
// answer box.
const QString Ouvertes = " | commandes ouvertes", Fermees = " | commandes fermées";
const QStringList Configurations = {
    EtatRepondu + Fermees + " | réponse fermée", EtatQuestion + Fermees + " | réponse ouverte",
    EtatQuestionAide + Fermees + " | réponse ouverte", EtatAucunLivret + Ouvertes, EtatPret + Ouvertes};

// Clicks of the main window, each with its weight among the actions.
const QList<QPair<QString, double>> Clics = {
    {"B_Entrainement", 2.5}, {"B_Nouveau", 8}, {"B_Test", 1.5}, {"B_Résultat", 2}, {"T_Résultat", .5},
    {"O_1a10", 1}, {"O_1a12", 1}, {"C_Aléatoire", 1}, {"C_Revoir", .7}, {"B_Aide", .2}, {"B_Raz", .7},
    {"B_Enregistrer", 3}, {"B_Consulter", 1}, {"B_Bilan", .5}, {"B_Quitter", .2}};

// What a results table must show for those counters, as etiquettesTableau()
// lists its labels; the headings once it was drawn.
QStringList attendus(const ComptesLivrets& c, bool titres)
{
    const TextesResultats t = TextesDuTableau(c);
    QStringList r;
    for (int i = 0; i < NbLivrets; ++i)
        for (const auto& ligne : t.cellules)
            r << ligne[i];
    return r + QStringList(t.totaux.begin(), t.totaux.end()) + (titres ? Titres : QStringList(6));
}

QString comparer(const QList<QLabel*>& lus, const QStringList& attendu)
{
    for (qsizetype i = 0; i < lus.size(); ++i)
        if (!lus[i]->isVisible() || lus[i]->text() != attendu[i])
            return QString("%1 « %2 »%3 au lieu de « %4 »")
                .arg(lus[i]->objectName(), lus[i]->text(), lus[i]->isVisible() ? "" : " cachée", attendu[i]);
    return {};
}

// A stored date and time as a French viewer lists it: dd/MM/yyyy, then the time unless at midnight.
QString texteListe(const QString& d)
{
    return d.mid(8, 2) + "/" + d.mid(5, 2) + "/" + d.left(4) + (d.endsWith("00:00:00") ? "" : " " + d.mid(11));
}

struct Singe : Fenetre
{
    explicit Singe(quint32 graine) : des(graine)
    {
        hasard.suite = [this](int) { return float(des() >> 8) / 16777216.f; };
        horloge.date = QDateTime(QDate(2026, 3, 28), QTime(23, 58), Qt::UTC);
        repondeur.choix = [this](const MessageVu& vu) { return choisirReponse(vu); };
        base = QSqlDatabase::addDatabase("QSQLITE", "singe");
        base.setDatabaseName(dossier.chemin() + "/CalkadoVa.sqlite");
        base.open();
    }
    ~Singe() { base.close(); base = QSqlDatabase(); QSqlDatabase::removeDatabase("singe"); }

    std::mt19937 des;
    QSqlDatabase base;               // the test's own look at the store
    qint64 version = -1;             // of the store when last read
    QStringList magasin;             // the rows it must hold: those saved, less those deleted
    QStringList faits;               // the facts it must hold, likewise
    QStringList dates;               // what the open viewer must list
    QStringList reponses;            // the boxes answered during the current action
    std::deque<QString> journal;     // the last actions and answers
    QString echec;                   // the first thing found wrong
    QList<QLabel*> grille;
    bool dessine = false;            // the results table was drawn once: its headings stay
    int actions = 0;

    int tirer(int n) { return int(des() % quint32(n)); }
    void noter(const QString& ligne)
    {
        if (journal.push_back(ligne); journal.size() > 40)
            journal.pop_front();
    }

    // Any button offered, Enter or Escape; but the program must stay open:
    // when quitting would save, "Non" quits too.
    Repondeur::Reponse choisirReponse(const MessageVu& vu)
    {
        const bool quitter = vu.titre == Quitter, annuler = vu.boutons.testFlag(QMessageBox::Cancel);
        QList<QPair<QString, Repondeur::Reponse>> offertes = {{"Entrée", {QMessageBox::NoButton, Qt::Key_Return}},
                                                              {"Échap", {QMessageBox::NoButton, Qt::Key_Escape}}};
        for (const auto& [b, mot] : {std::pair{QMessageBox::Yes, "Oui"}, std::pair{QMessageBox::No, "Non"},
                                     std::pair{QMessageBox::Cancel, "Annuler"}, std::pair{QMessageBox::Ok, "OK"}})
            if (vu.boutons.testFlag(b) && !(quitter && (b == QMessageBox::Yes || (b == QMessageBox::No && annuler))))
                offertes.append({mot, {b, 0}});
        const auto& [mot, reponse] = offertes[tirer(int(offertes.size()))];
        reponses << vu.titre + " : " + mot;
        noter("      " + vu.titre + " : " + mot);
        // The store never fails here, and the viewer never opens on an empty one.
        const bool panne = vu.icone == QMessageBox::Critical || vu.icone == QMessageBox::NoIcon;
        if (vu.titre == "Calkado" && panne && echec.isEmpty())
            echec = "message inattendu : " + vu.texte;
        return reponse;
    }

    // Time passes: the stopwatch's clock at each action, the calendar by a
    // second now and then (two saves may share their second), sometimes to
    // midnight, or set back to the moment of an earlier save.
    void avancer()
    {
        horloge.ms += tirer(3000);
        const int r = tirer(1000);
        if (r < 30) {
            horloge.date = horloge.date.addSecs(1);
        } else if (r >= 997 && !magasin.isEmpty()) {
            const QString d = magasin[tirer(int(magasin.size()))];
            horloge.date =
                QDateTime(QDate::fromString(d.left(10), "yyyy-MM-dd"), QTime::fromString(d.mid(11, 8)), Qt::UTC);
        } else if (r >= 990) {
            horloge.date = QDateTime(horloge.date.date().addDays(1), QTime(0, 0), Qt::UTC);
        }
    }

    // One action: done, then everything checked.
    void faire(const QString& nom, const std::function<void()>& geste, F_Consulter* v = nullptr)
    {
        avancer();
        reponses.clear();
        noter(QString("%1 %2").arg(++actions, 5).arg(nom));
        geste();
        QCoreApplication::processEvents();
        if (echec.isEmpty())
            echec = verifier();
        if (echec.isEmpty() && v)
            echec = verifierConsulter(v);
    }

    // The window active again, as a click on it would make it, and the control
    // that then has the focus.
    QWidget* cible(QWidget* w)
    {
        if (!w->isActiveWindow()) {
            w->activateWindow();
            QCoreApplication::processEvents();
            if (!w->isActiveWindow() && !QTest::qWaitForWindowActive(w) && echec.isEmpty())
                echec = "la fenêtre ne devient pas active";
        }
        return QApplication::focusWidget() ? QApplication::focusWidget() : w;
    }

    void agir()
    {
        QList<std::tuple<QString, double, std::function<void()>>> possibles;
        QList<QPair<QString, double>> clics = Clics;
        for (int i = 0; i < NbLivrets; ++i)
            clics.append({nom("C_Livret", i), .5});
        for (const auto& [n, p] : clics)
            if (ctrl(n)->isEnabled() && ctrl(n)->isVisible())
                possibles.append({"clic " + n, p, [this, n = n] {
                    n == "B_Enregistrer" ? enregistrer()
                    : n == "B_Consulter" ? consulter()
                    : n == "B_Bilan"     ? bilan()
                                         : cliquer(n);
                }});
        const QString juste = QString::number(texte("L_Terme1").toInt() * texte("L_Terme2").toInt());
        const QString faux = QString::number(tirer(150)), chiffre = QString::number(tirer(10));
        const auto touche = [this](int t) { return [this, t] { QTest::keyClick(cible(&f), Qt::Key(t)); }; };
        possibles += {{"réponse juste " + juste, 3, [this, juste] { taper(juste); }},
                      {"réponse " + faux, 5, [this, faux] { taper(faux); }},
                      {"chiffre " + chiffre, 2, [this, chiffre] { QTest::keyClicks(cible(&f), chiffre); }},
                      {"lettre", .5, touche(Qt::Key_A + tirer(26))},
                      {"retour arrière", 1, touche(Qt::Key_Backspace)},
                      {"Entrée", 2.5, touche(Qt::Key_Return)},
                      {"fermer la fenêtre", .2, [this] { f.close(); }}};
        QList<double> poids;
        for (const auto& possible : possibles)
            poids << std::get<1>(possible);
        const auto& [n, p, geste] = possibles[std::discrete_distribution<int>(poids.begin(), poids.end())(des)];
        faire(n, geste);
    }

    // The answer typed over what the box holds, then Enter.
    void taper(const QString& s)
    {
        QWidget* w = cible(&f);
        QTest::keyClick(w, Qt::Key_Home);
        QTest::keyClick(w, Qt::Key_End, Qt::ShiftModifier);
        QTest::keyClicks(w, s);
        QTest::keyClick(w, Qt::Key_Return);
    }

    // A save adds one row per table with questions, all of the moment of the
    // save, or of the first second after it that no saved training has.
    void enregistrer()
    {
        QStringList lignes;
        const ComptesLivrets& c = f.Compteurs();
        QDateTime moment = horloge.date;
        while (magasin.filter(moment.toString("yyyy-MM-dd HH:mm:ss|")).size() > 0)
            moment = moment.addSecs(1);
        const QString debut = moment.toString("yyyy-MM-dd HH:mm:ss")
                            + QString("|%1|%2").arg(int(ctrl<QRadioButton>("O_1a12")->isChecked()))
                                  .arg(int(ctrl<QCheckBox>("C_Aléatoire")->isChecked()));
        for (int i = 0; i < NbLivrets; ++i)
            if (c[i].NbQuestionParLivret > 0)
                lignes << debut + QString("|%1|%2|%3|%4|%5|%6").arg(i + 2).arg(c[i].NbQuestionParLivret)
                                      .arg(c[i].NbQuestionEssai1).arg(c[i].TempsTotalEssai1)
                                      .arg(c[i].NbQuestionEssai2).arg(c[i].NbQuestionRéponse);
        QStringList questions;
        for (const Fait& q : f.Faits())
            questions << QString("%1|%2|%3|%4|%5|%6").arg(debut.left(19)).arg(q.livret).arg(q.multiplicateur)
                             .arg(int(q.issue)).arg(q.nbEssais).arg(q.dixiemes);
        cliquer("B_Enregistrer");
        if (reponses.contains(Enregistrer + " : Oui")) {
            magasin += lignes;
            faits += questions;
        }
    }

    // The grid of the facts, modal, looked at and closed by Escape or Fermer.
    void bilan()
    {
        modale("F_Bilan", [this] { cliquer("B_Bilan"); }, [&](QDialog* b) {
            int total = 0;
            for (int etat = 0; etat < NbEtatsFait; ++etat)
                total += b->findChild<QLabel*>(nom("L_Legende", etat))->text().section(" : ", 1).toInt();
            if (total != NbFaits && echec.isEmpty())
                echec = QString("bilan : %1 faits").arg(total);
            tirer(2) ? QTest::keyClick(b, Qt::Key_Escape) : b->findChild<QAbstractButton*>("B_Fermer")->click();
        });
    }

    // The viewer, modal, driven from within until a random action closes it.
    void consulter()
    {
        dates.clear();
        for (qsizetype k = magasin.size() - 1; k >= 0; --k)
            if (k == magasin.size() - 1 || magasin[k].left(19) != magasin[k + 1].left(19))
                dates << magasin[k].left(19);
        modale("F_Consulter", [this] { cliquer("B_Consulter"); }, [&](QDialog* d) {
            auto* v = static_cast<F_Consulter*>(d);
            if (echec.isEmpty())
                echec = verifierConsulter(v);
            while (v->isVisible() && echec.isEmpty())
                agirConsulter(v);
        });
    }

    void agirConsulter(F_Consulter* v)
    {
        auto* liste = v->findChild<QListWidget*>("L_Date");
        const int r = tirer(10);
        if (r < 4 && liste->count() > 0) {
            const int i = tirer(liste->count());
            faire(QString("choix de l'entraînement %1").arg(i), [&] {
                liste->scrollToItem(liste->item(i));
                const QPoint centre = liste->visualItemRect(liste->item(i)).center();
                QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, centre);
            }, v);
        } else if (r < 5) {
            const bool haut = tirer(2);
            faire(haut ? "flèche haut" : "flèche bas",
                  [&] { QTest::keyClick(liste, haut ? Qt::Key_Up : Qt::Key_Down); }, v);
        } else if (r < 8) {
            faire("clic B_Supprimer", [&] {
                const int ligne = liste->currentRow();
                QTest::mouseClick(v->findChild<QWidget*>("B_Supprimer"), Qt::LeftButton);
                if (reponses.contains(Supprimer + " : Oui")) {
                    const QString d = dates.takeAt(ligne);
                    magasin.removeIf([&](const QString& l) { return l.startsWith(d); });
                    faits.removeIf([&](const QString& l) { return l.startsWith(d); });
                }
            }, v);
        } else {
            const int comment = tirer(3);
            faire(QStringList{"clic C_Fermer", "Échap dans Consulter", "fermer Consulter"}[comment], [&] {
                if (comment == 0)
                    QTest::mouseClick(v->findChild<QWidget*>("C_Fermer"), Qt::LeftButton);
                else if (comment == 1)
                    QTest::keyClick(cible(v), Qt::Key_Escape);
                else
                    v->close();
                if (v->isVisible() && echec.isEmpty())
                    echec = "Consulter est restée ouverte";
            });
        }
    }

    // The facts of a table are as many as its questions, split as they are,
    // the times of the right first tries summing to its time.
    static QString accord(const ComptesLivrets& c, const QList<Fait>& questions)
    {
        return c == ComptesDesFaits(questions) ? QString() : QString("faits en désaccord avec les compteurs");
    }

    QString verifier()
    {
        if (!f.isVisible())
            return "la fenêtre principale s'est fermée";
        QString e = verifierControles();
        if (e.isEmpty())
            e = verifierComptes();
        return e.isEmpty() ? verifierMagasin() : e;
    }

    // The controls in one of the five configurations; the boxes ticked are
    // the selection the table numbers show; one range.
    QString verifierControles() const
    {
        const qsizetype commandes = ceux(CommandesResultats, &QWidget::isEnabled).size();
        QString configuration =
            etat() + (commandes == CommandesResultats.size() ? Ouvertes : commandes == 0 ? Fermees : " | commandes mixtes");
        if (ctrl<QPushButton>("B_Entrainement")->text() == "&Interrompre")
            configuration += reponse()->isEnabled() ? " | réponse ouverte" : " | réponse fermée";
        if (!Configurations.contains(configuration) || !ctrl("B_Quitter")->isEnabled())
            return "configuration hors des états : " + configuration;
        for (int i = 0; i < NbLivrets; ++i)
            if (ctrl<QCheckBox>(nom("C_Livret", i))->isChecked() != (couleur(nom("L_Livret", i)) == Bleu))
                return "sélection : " + selection();
        if (ctrl<QRadioButton>("O_1a10")->isChecked() == ctrl<QRadioButton>("O_1a12")->isChecked())
            return "plages : " + selection();
        return {};
    }

    // Each question settled once, the facts agreeing with the counters, and
    // the table showing the counters.
    QString verifierComptes()
    {
        const ComptesLivrets& c = f.Compteurs();
        if (const QString e = accord(c, f.Faits()); !e.isEmpty())
            return e;
        for (int i = 0; i < NbLivrets; ++i)
            if (c[i].NbQuestionParLivret != c[i].NbQuestionEssai1 + c[i].NbQuestionEssai2 + c[i].NbQuestionRéponse)
                return QString("livret %1 : %2 questions pour %3 + %4 + %5").arg(i + 2).arg(c[i].NbQuestionParLivret)
                    .arg(c[i].NbQuestionEssai1).arg(c[i].NbQuestionEssai2).arg(c[i].NbQuestionRéponse);
        if (grille.isEmpty())
            grille = etiquettesTableau(&f);
        dessine = dessine || texte("L_Titre_0") == Titres[0];
        if (const QString e = comparer(grille, attendus(c, dessine)); !e.isEmpty())
            return "tableau de résultats : " + e;
        return {};
    }

    // The store, read again whenever another connection changed it (on the
    // school's server, after every action).
    QString verifierMagasin()
    {
        QSqlQuery q(base);
        if (!Magasin::SurServeur() && (!q.exec("PRAGMA data_version") || !q.next()))
            return "magasin illisible";
        const qint64 lue = Magasin::SurServeur() ? version + 1 : q.value(0).toLongLong();
        q.finish();
        if (lue == version)
            return {};
        version = lue;
        if (const QStringList lignes = Magasin::lignes(); lignes != magasin)
            return QString("magasin : %1 lignes au lieu de %2 :\n  %3\nattendues :\n  %4")
                .arg(lignes.size()).arg(magasin.size()).arg(lignes.join("\n  "), magasin.join("\n  "));
        if (const QStringList lus = Magasin::faits(); lus != faits)
            return QString("magasin : %1 faits au lieu de %2").arg(lus.size()).arg(faits.size());
        return {};
    }

    // The viewer lists the saved trainings and shows the one selected.
    QString verifierConsulter(F_Consulter* v)
    {
        const auto* liste = v->findChild<QListWidget*>("L_Date");
        QStringList lus, attendu;
        for (int i = 0; i < liste->count(); ++i)
            lus << liste->item(i)->text();
        for (const QString& d : dates)
            attendu << texteListe(d);
        if (lus != attendu)
            return "liste : " + lus.join(", ") + " au lieu de " + attendu.join(", ");
        const QString titre = v->findChild<QLabel*>("L_Titre_Principal")->text();
        if (liste->count() == 0)
            return titre == "Plus d'entraînement !" ? QString() : "titre : " + titre;
        if (liste->currentRow() < 0 || titre != "Entraînement du " + liste->currentItem()->text())
            return "titre : " + titre;
        ComptesLivrets c;
        for (const QString& ligne : magasin) {
            const QStringList x = ligne.split('|');
            if (x[0] != dates[liste->currentRow()])
                continue;
            c[x[3].toInt() - 2] = {x[4].toInt(), x[5].toInt(), x[7].toInt(), x[8].toInt(), x[6].toInt()};
        }
        const QString e = comparer(etiquettesTableau(v), attendus(c, true));
        return e.isEmpty() ? e : "tableau de Consulter : " + e;
    }
};

} // namespace

class TestSinge : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        PreparerFenetres();
        // Each message box shown offscreen says so: thousands of times here.
        static const QtMessageHandler precedent = qInstallMessageHandler(nullptr);
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& contexte, const QString& texte) {
            if (!texte.contains("propagateSizeHints"))
                precedent(type, contexte, texte);
        });
    }

    void longueSession()
    {
        const quint32 graine = qEnvironmentVariable("CALKADO_GRAINE", "1").toUInt();
        const int total = qEnvironmentVariable("CALKADO_ACTIONS", "20000").toInt();
        qInfo("Graine %u (CALKADO_GRAINE), %d actions (CALKADO_ACTIONS)", graine, total);
        Singe s(graine);
        QVERIFY(s.ouvrir());
        s.echec = s.verifier();
        while (s.actions < total && s.echec.isEmpty())
            s.agir();
        const QStringList journal(s.journal.begin(), s.journal.end());
        QVERIFY2(s.echec.isEmpty(), qPrintable(QString("CALKADO_GRAINE=%1, action %2 : %3\nDernières actions :\n%4")
                                                   .arg(graine).arg(s.actions).arg(s.echec, journal.join('\n'))));
    }
};

QTEST_MAIN(TestSinge)
#include "tst_singe.moc"
