// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Lancement.h"

#include "Statistiques.h"

#include <QByteArray>
#include <QFile>
#include <QThread>

#include <csignal>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

namespace {

double MegaoctetsResidents(pid_t pid)
{
    QFile statut(QStringLiteral("/proc/%1/status").arg(pid));
    if (!statut.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    // The files of /proc have no size: read them whole.
    for (const QByteArray& ligne : statut.readAll().split('\n'))
        if (ligne.startsWith("VmRSS:"))
            return ligne.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1;
}

// Follows the program's top-level windows from their creation: the time the
// first one mapped other than the one left out is mapped, then the time
// something is first drawn into it (the DAMAGE extension reports it), both
// from the moment given. That window, or none after the delay.
xcb_window_t AttendreFenetre(xcb_connection_t* connexion, Horodatage::time_point debut, int delaiMs,
                             xcb_window_t sauf, double& carte, double& dessin)
{
    const uint8_t dommage = xcb_get_extension_data(connexion, &xcb_damage_id)->first_event + XCB_DAMAGE_NOTIFY;
    pollfd attente{xcb_get_file_descriptor(connexion), POLLIN, 0};
    xcb_window_t fenetre = XCB_NONE;
    while (MillisecondesDepuis(debut) < delaiMs) {
        while (xcb_generic_event_t* evenement = xcb_poll_for_event(connexion)) {
            const uint8_t type = evenement->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                const auto* creation = reinterpret_cast<xcb_create_notify_event_t*>(evenement);
                xcb_damage_create(connexion, xcb_generate_id(connexion), creation->window,
                                  XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(connexion);
            } else if (type == XCB_MAP_NOTIFY && fenetre == XCB_NONE) {
                const auto* carteFaite = reinterpret_cast<xcb_map_notify_event_t*>(evenement);
                if (carteFaite->window != sauf) {
                    fenetre = carteFaite->window;
                    carte = MillisecondesDepuis(debut);
                }
            } else if (type == dommage && fenetre != XCB_NONE
                       && reinterpret_cast<xcb_damage_notify_event_t*>(evenement)->drawable == fenetre) {
                dessin = MillisecondesDepuis(debut);
            }
            free(evenement);
            if (dessin >= 0)
                return fenetre;
        }
        poll(&attente, 1, 1);
    }
    return XCB_NONE;
}

// The key that types that symbol on the server's keyboard, 0 when none does.
xcb_keycode_t Touche(xcb_connection_t* connexion, std::uint32_t symbole)
{
    const xcb_setup_t* setup = xcb_get_setup(connexion);
    const int nombre = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t* carte = xcb_get_keyboard_mapping_reply(
        connexion, xcb_get_keyboard_mapping(connexion, setup->min_keycode, uint8_t(nombre)), nullptr);
    if (!carte)
        return 0;
    const xcb_keysym_t* symboles = xcb_get_keyboard_mapping_keysyms(carte);
    xcb_keycode_t touche = 0;
    for (int i = 0; i < nombre * carte->keysyms_per_keycode && touche == 0; ++i)
        if (symboles[i] == symbole)
            touche = xcb_keycode_t(setup->min_keycode + i / carte->keysyms_per_keycode);
    free(carte);
    return touche;
}

// The key pressed and let go in that window, as the keyboard would send them.
void Appuyer(xcb_connection_t* connexion, xcb_window_t racine, xcb_window_t fenetre, xcb_keycode_t touche)
{
    for (const uint8_t type : {uint8_t(XCB_KEY_PRESS), uint8_t(XCB_KEY_RELEASE)}) {
        xcb_key_press_event_t evenement{};
        evenement.response_type = type;
        evenement.detail = touche;
        evenement.time = XCB_CURRENT_TIME;
        evenement.root = racine;
        evenement.event = fenetre;
        evenement.child = XCB_NONE;
        evenement.same_screen = 1;
        xcb_send_event(connexion, 0, fenetre, XCB_EVENT_MASK_KEY_PRESS | XCB_EVENT_MASK_KEY_RELEASE,
                       reinterpret_cast<const char*>(&evenement));
    }
    xcb_flush(connexion);
}

pid_t Demarrer(const QByteArray& programme, const QByteArray& dossier)
{
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(dossier.constData()) != 0)
            _exit(127);
        unsetenv("QT_QPA_PLATFORM");   // the real display, as a user has it
        const QByteArray nom = programme.mid(programme.lastIndexOf('/') + 1);
        char* const arguments[] = {const_cast<char*>(nom.constData()), nullptr};
        execv(programme.constData(), arguments);
        _exit(127);
    }
    return pid;
}

} // namespace

Lancement Lancer(const QString& programme, const QString& dossier, int attenteMs, std::uint32_t symbole)
{
    Lancement resultat;
    xcb_connection_t* connexion = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connexion)) {
        xcb_disconnect(connexion);
        return resultat;
    }
    // Every top-level window appears as a child of the root being mapped.
    const xcb_window_t racine = xcb_setup_roots_iterator(xcb_get_setup(connexion)).data->root;
    const uint32_t masque = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connexion, racine, XCB_CW_EVENT_MASK, &masque);
    free(xcb_damage_query_version_reply(
        connexion, xcb_damage_query_version(connexion, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION), nullptr));
    const xcb_keycode_t touche = symbole ? Touche(connexion, symbole) : 0;
    // A round trip: the server has the mask before the program starts.
    free(xcb_get_input_focus_reply(connexion, xcb_get_input_focus(connexion), nullptr));

    const auto debut = Horodatage::now();
    const pid_t pid = Demarrer(QFile::encodeName(programme), QFile::encodeName(dossier));
    const xcb_window_t premiere
        = pid > 0 ? AttendreFenetre(connexion, debut, 10000, XCB_NONE, resultat.carte, resultat.dessin) : XCB_NONE;
    if (premiere != XCB_NONE && touche != 0) {
        const auto choix = Horodatage::now();
        Appuyer(connexion, racine, premiere, touche);
        AttendreFenetre(connexion, choix, 10000, premiere, resultat.carteApres, resultat.dessinApres);
    }
    if (premiere != XCB_NONE) {
        QThread::msleep(static_cast<unsigned long>(attenteMs));
        resultat.megaoctets = MegaoctetsResidents(pid);
    }
    if (pid > 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    xcb_disconnect(connexion);
    return resultat;
}
