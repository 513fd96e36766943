// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ModeleClasse.h"

#include "core/Textes.h"
#include "core/results/DateHeure.h"

#include <QTextDocument>

void ModeleClasse::Afficher(const QList<EleveClasse>& eleves)
{
    beginResetModel();
    lignes = eleves;
    endResetModel();
}

int ModeleClasse::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(lignes.size());
}

int ModeleClasse::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : PremiereColonneLivret + NbLivrets;
}

QString ModeleClasse::texte(const EleveClasse& eleve, int colonne) const
{
    switch (colonne) {
    case 0:
        return eleve.eleve;
    case 1:
        return eleve.classe;
    case 2:
        return eleve.dernier.isEmpty() ? Textes::JamaisEntraine : TexteJour(LireTexteBase(eleve.dernier).date());
    default:
        return TexteCelluleClasse(eleve.livrets[std::size_t(colonne - PremiereColonneLivret)]);
    }
}

QString ModeleClasse::detail(const EleveClasse& eleve, int colonne) const
{
    if (colonne >= PremiereColonneLivret)
        return DetailCelluleClasse(eleve, colonne - PremiereColonneLivret + PremierLivret);
    // A last saved training is shown with its time; what is not a date, not at all.
    const QDateTime dernier = LireTexteBase(eleve.dernier);
    return colonne == 2 && dernier.isValid() ? TexteDateHeure(dernier) : texte(eleve, colonne);
}

QVariant ModeleClasse::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= lignes.size())
        return {};
    const EleveClasse& eleve = lignes.at(index.row());
    const bool livret = index.column() >= PremiereColonneLivret;
    switch (role) {
    case Qt::DisplayRole:
        return texte(eleve, index.column());
    case Qt::ToolTipRole:
        // A tooltip reads markup as HTML: a pupil's text is shown as written.
        return Qt::convertFromPlainText(detail(eleve, index.column()));
    case Qt::AccessibleTextRole:
        return detail(eleve, index.column());
    case Qt::TextAlignmentRole:
        return int(livret ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant ModeleClasse::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    const bool livret = section >= PremiereColonneLivret;
    const int numero = section - PremiereColonneLivret + PremierLivret;
    switch (role) {
    case Qt::DisplayRole:
        return livret ? QString::number(numero) : Textes::TitresClasse.value(section);
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole:
        return livret ? Textes::TableDe(numero) : Textes::TitresClasse.value(section);
    default:
        return {};
    }
}
