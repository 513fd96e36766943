// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's version, embedded in the program file as the fixed file
// information record of a Windows version resource, so that the start-up
// reads it from the file as it would on Windows.
#include <cstdint>

#ifndef CALKADO_VERSION_MAJEUR
#error "the build gives the version numbers"
#endif

namespace {

struct InfoFichierFixe
{
    std::uint32_t signature;
    std::uint32_t versionStructure;
    std::uint32_t versionFichierHaut;
    std::uint32_t versionFichierBas;
    std::uint32_t versionProduitHaut;
    std::uint32_t versionProduitBas;
    std::uint32_t masqueIndicateurs;
    std::uint32_t indicateurs;
    std::uint32_t systeme;
    std::uint32_t type;
    std::uint32_t sousType;
    std::uint32_t dateHaut;
    std::uint32_t dateBas;
};
static_assert(sizeof(InfoFichierFixe) == 52);

constexpr std::uint32_t Haut = (std::uint32_t(CALKADO_VERSION_MAJEUR) << 16) | CALKADO_VERSION_MINEUR;
constexpr std::uint32_t Bas = (std::uint32_t(CALKADO_VERSION_CORRECTIF) << 16) | CALKADO_VERSION_REVISION;

#if defined(__GNUC__)
[[gnu::used]]
#endif
const InfoFichierFixe infoVersion = {
    0xFEEF04BDu, 0x00010000u, Haut, Bas, Haut, Bas,
    0x3Fu,        // every flag is meaningful
    0u,           // none set: a release build
    0x00040004u,  // written for 32-bit Windows
    1u,           // an application
    0u, 0u, 0u,
};

} // namespace
