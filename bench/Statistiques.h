// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Repeated measurements and the table that reports them.
#pragma once

#include <QString>
#include <QStringList>
#include <chrono>
#include <vector>

using Horodatage = std::chrono::steady_clock;

inline double MillisecondesDepuis(Horodatage::time_point debut)
{
    return std::chrono::duration<double, std::milli>(Horodatage::now() - debut).count();
}

struct Serie
{
    std::vector<double> valeurs;
    double mediane() const;
    double minimum() const;
    double maximum() const;
};

// One line of the table: the figure, its floor measured in the same run, and
// the target it is held to.
struct Ligne
{
    QString mesure;
    Serie serie;
    QString unite;
    QString plancher;     // the floor's median, or empty
    QString cible;
    bool tenue = true;
};

class Rapport
{
public:
    void ajouter(const Ligne& ligne) { lignes.push_back(ligne); }
    void note(const QString& texte) { notes << texte; }
    // A Markdown table, ready for the README.
    QString texte() const;

private:
    std::vector<Ligne> lignes;
    QStringList notes;
};

QString Nombre(double valeur, const QString& unite);
// The machine the figures come from.
QString DescriptionMachine();
