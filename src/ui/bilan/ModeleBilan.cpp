// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ModeleBilan.h"

#include "SigneEtat.h"
#include "core/Textes.h"
#include "ui/platform/Ressources.h"

#include <QPainter>

namespace {

constexpr int TailleSigne = 12;

// On the light palette, dark colours under white text; on the dark one, light
// colours under black text. Each keeps 3:1 against its text and against the
// window of its palette.
QRgb Fond(EtatFait etat, bool sombre)
{
    switch (etat) {
    case EtatFait::JamaisVu:
        return sombre ? 0xC8C8C8 : 0x767676;
    case EtatFait::ARevoir:
        return sombre ? 0xFF9696 : 0xC80000;
    case EtatFait::EnCours:
        return sombre ? 0xFFC878 : 0xA04800;
    case EtatFait::Acquis:
        return sombre ? 0x96E696 : 0x007800;
    case EtatFait::Automatise:
        return sombre ? 0x96B4FF : 0x0000FF;
    }
    return 0;
}

} // namespace

ModeleBilan::ModeleBilan(bool paletteSombre, QObject* parent)
    : QAbstractTableModel(parent), sombre(paletteSombre)
{
}

void ModeleBilan::Afficher(const Bilan& bilan, const QDate& aujourdhui)
{
    beginResetModel();
    jour = aujourdhui;
    for (int livret = PremierLivret; livret < PremierLivret + NbLivrets; ++livret)
        for (int m = 1; m <= NbMultiplicateurs; ++m)
            situations[std::size_t(IndexFait(livret, m))] = bilan.Situation(livret, m);
    endResetModel();
}

int ModeleBilan::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : NbLivrets;
}

int ModeleBilan::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : NbMultiplicateurs;
}

QVariant ModeleBilan::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int livret = index.row() + PremierLivret, multiplicateur = index.column() + 1;
    const SituationFait& s = situation(livret, multiplicateur);
    switch (role) {
    case Qt::DisplayRole:
        return livret * multiplicateur;
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        return DetailFait(livret, multiplicateur, s);
    case Qt::AccessibleTextRole:
        return ResumeFait(livret, multiplicateur, s.etat);
    case Qt::BackgroundRole:
        return fond(s.etat);
    case Qt::ForegroundRole:
        return texte();
    case Qt::DecorationRole:
        return signe(s.etat);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant ModeleBilan::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical && role != Qt::DisplayRole)
        return enTeteDiplome(section + PremierLivret, role);
    if (role != Qt::DisplayRole)
        return {};
    return orientation == Qt::Vertical ? QVariant(Textes::TableDe(section + PremierLivret)) : QVariant(section + 1);
}

const SituationFait& ModeleBilan::situation(int livret, int multiplicateur) const
{
    return situations[std::size_t(IndexFait(livret, multiplicateur))];
}

std::array<int, NbEtatsFait> ModeleBilan::parEtat() const
{
    std::array<int, NbEtatsFait> nombres{};
    for (const SituationFait& s : situations)
        ++nombres[std::size_t(s.etat)];
    return nombres;
}

int ModeleBilan::dus() const
{
    return int(std::count_if(situations.begin(), situations.end(), [this](const SituationFait& s) { return s.du(jour); }));
}

QColor ModeleBilan::fond(EtatFait etat) const
{
    return QColor(Fond(etat, sombre));
}

QColor ModeleBilan::texte() const
{
    return sombre ? Qt::black : Qt::white;
}

QPixmap ModeleBilan::signe(EtatFait etat) const
{
    QPixmap image(TailleSigne, TailleSigne);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DessinerSigne(p, etat, texte(), QRectF(0, 0, TailleSigne, TailleSigne));
    return image;
}

void ModeleBilan::DefinirDiplomes(const QList<DiplomeGagne>& gagnes)
{
    diplomes = gagnes;
    emit headerDataChanged(Qt::Vertical, 0, NbLivrets - 1);
}

std::optional<DiplomeGagne> ModeleBilan::diplome(int livret) const
{
    for (const DiplomeGagne& d : diplomes)
        if (d.livret == livret)
            return d;
    return std::nullopt;
}

QVariant ModeleBilan::enTeteDiplome(int livret, int role) const
{
    if (!diplome(livret))
        return {};
    switch (role) {
    case Qt::DecorationRole:
        return Icone(QStringLiteral("diplome"));
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        return Textes::DiplomeGagne(livret);
    default:
        return {};
    }
}
