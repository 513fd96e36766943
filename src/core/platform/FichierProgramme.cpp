// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FichierProgramme.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>

#ifdef Q_OS_WIN
#include <vector>
#include <windows.h>
#endif

QString RepertoireCourant()
{
    QString repertoire = QDir::toNativeSeparators(QDir::currentPath());
    if (!repertoire.endsWith(QDir::separator()))
        repertoire += QDir::separator();
    return repertoire;
}

bool FichierExiste(const QString& chemin)
{
    const QFileInfo info(chemin);
    return info.exists() && info.isFile();
}

#ifdef Q_OS_WIN

VersionFichier LireVersionFichier(const QString& chemin)
{
    VersionFichier version;
    const std::wstring nom = chemin.toStdWString();
    DWORD poignee = 0;
    const DWORD taille = GetFileVersionInfoSizeW(nom.c_str(), &poignee);
    if (taille < 1)
        return version;
    std::vector<char> tampon(taille);
    if (!GetFileVersionInfoW(nom.c_str(), 0, taille, tampon.data()))
        return version;
    VS_FIXEDFILEINFO* info = nullptr;
    UINT longueur = 0;
    if (!VerQueryValueW(tampon.data(), L"\\", reinterpret_cast<void**>(&info), &longueur) || !info)
        return version;
    version.majeur = static_cast<std::int16_t>(HIWORD(info->dwFileVersionMS));
    version.mineur = static_cast<std::int16_t>(LOWORD(info->dwFileVersionMS));
    version.revision = static_cast<std::int16_t>(LOWORD(info->dwFileVersionLS));
    return version;
}

#else

namespace {

std::uint32_t lireMot(const uchar* octets)
{
    // The record is little-endian, as on Windows.
    return std::uint32_t(octets[0]) | std::uint32_t(octets[1]) << 8
         | std::uint32_t(octets[2]) << 16 | std::uint32_t(octets[3]) << 24;
}

constexpr std::size_t TailleInfoFixe = 52;

} // namespace

VersionFichier LireVersionFichier(const QString& chemin)
{
    VersionFichier version;
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly) || fichier.size() < qint64(TailleInfoFixe))
        return version;
    const auto taille = static_cast<std::size_t>(fichier.size());
    const uchar* debut = fichier.map(0, fichier.size());
    if (!debut)
        return version;

    // The signature's first byte is searched with memchr, then the whole
    // signature and the structure version are compared word by word: the
    // searching code holds the signature as an operand, but never followed by
    // the structure version.
    const uchar* fin = debut + taille - TailleInfoFixe;
    for (const uchar* p = debut; p <= fin;) {
        p = static_cast<const uchar*>(std::memchr(p, 0xBD, std::size_t(fin - p) + 1));
        if (!p)
            break;
        if (lireMot(p) == 0xFEEF04BDu && lireMot(p + 4) == 0x00010000u) {
            const std::uint32_t fichierHaut = lireMot(p + 8);
            const std::uint32_t fichierBas = lireMot(p + 12);
            version.majeur = static_cast<std::int16_t>(fichierHaut >> 16);
            version.mineur = static_cast<std::int16_t>(fichierHaut & 0xFFFFu);
            version.revision = static_cast<std::int16_t>(fichierBas & 0xFFFFu);
            break;
        }
        ++p;
    }
    fichier.unmap(const_cast<uchar*>(debut));
    return version;
}

#endif
