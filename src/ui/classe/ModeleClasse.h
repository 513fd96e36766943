// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The pupils of the teacher's classes as a table model: one row per pupil,
// their name, their classes, the day of their last saved training, then one
// column per table 2 to 12 with the share of right first tries and the mean
// time over the period, in words to tooltips and assistive technology.
#pragma once

#include "core/results/Classe.h"

#include <QAbstractTableModel>
#include <QList>

class ModeleClasse : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int PremiereColonneLivret = 3;

    using QAbstractTableModel::QAbstractTableModel;

    void Afficher(const QList<EleveClasse>& eleves);
    const QList<EleveClasse>& eleves() const { return lignes; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString texte(const EleveClasse& eleve, int colonne) const;
    // The cell in words, for tooltips and assistive technology.
    QString detail(const EleveClasse& eleve, int colonne) const;

    QList<EleveClasse> lignes;
};
