// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The school's server of a test or a benchmark (tests/ecole.sh) seen from
// outside the program: statements run as its administrator or as any of its
// roles, as a school's administrator or a curious child would run them with
// psql. Each role's password is its own name, the administrator's in the
// environment.
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The administrator's role.
QString Administrateur();

// What a statement (or several, "; " between them) gives when run as that
// role: the first value of its last result's first row ("" for none), its
// number of rows changed, or "refusé".
QString Comme(const QString& role, const QString& sql);

// Statements run in turn as the administrator, each in its own transaction;
// the program stops on any failure. The first value of each, if asked for.
void Administrer(const QStringList& sql, QStringList* lus = nullptr);

// A session of a role of its own, kept open: it holds what it takes (locks,
// a transaction) until it ends.
class Session
{
public:
    explicit Session(const QString& role);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    bool executer(const QString& sql);

private:
    QString nom;
};

// The server's messages from now on in that language ("C", "fr_FR.UTF-8"),
// as the administrator sets it; false when the server cannot speak it here.
bool ParlerLangue(const QString& langue);

// Runs a set-up script of the server with psql, as its administrator: psql's
// exit code.
int LancerScript(const QString& script);
