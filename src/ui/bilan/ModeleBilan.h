// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The grid of the 132 facts as a table model: one row per table 2 to 12, one
// column per multiplier 1 to 12. Each cell shows its product; its state is
// told by its colour and by a sign of its own shape, and in words to
// tooltips and assistive technology.
#pragma once

#include "core/results/Automatisation.h"
#include "core/results/Bilan.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QDate>
#include <QPixmap>
#include <array>

class ModeleBilan : public QAbstractTableModel
{
    Q_OBJECT

public:
    // On a dark palette the colours are light ones, with dark text.
    explicit ModeleBilan(bool paletteSombre, QObject* parent = nullptr);

    void Afficher(const Bilan& bilan, const QDate& aujourdhui);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const SituationFait& situation(int livret, int multiplicateur) const;
    // How many facts are in each state, and how many are due on the day shown.
    std::array<int, NbEtatsFait> parEtat() const;
    int dus() const;

    // The tables whose diploma is earned: their row's header shows a rosette.
    void DefinirDiplomes(const QList<DiplomeGagne>& gagnes);
    std::optional<DiplomeGagne> diplome(int livret) const;

    QColor fond(EtatFait etat) const;
    QColor texte() const;
    QPixmap signe(EtatFait etat) const;

private:
    QVariant enTeteDiplome(int livret, int role) const;

    bool sombre;
    QDate jour;
    std::array<SituationFait, NbFaits> situations{};
    QList<DiplomeGagne> diplomes;
};
