// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Accessibilite.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>

namespace {

const char* const RoleAccessible = "roleAccessible";

QAccessibleInterface* Fabrique(const QString&, QObject* objet)
{
    auto* widget = qobject_cast<QWidget*>(objet);
    const QVariant role = widget ? widget->property(RoleAccessible) : QVariant();
    return role.isValid() ? new QAccessibleWidget(widget, QAccessible::Role(role.toInt())) : nullptr;
}

QPointer<QWidget>& DerniereAnnonce()
{
    static QPointer<QWidget> cible;
    return cible;
}

} // namespace

void InstallerAccessibilite()
{
    // Qt keeps a factory once, and asks the latest installed first.
    QAccessible::installFactory(Fabrique);
}

void DefinirRoleAccessible(QWidget* widget, QAccessible::Role role)
{
    widget->setProperty(RoleAccessible, int(role));
}

void Annoncer(QWidget* fenetre, const QString& phrase)
{
    QWidget* cible = fenetre->focusWidget() ? fenetre->focusWidget() : fenetre;
    if (DerniereAnnonce() != cible)
        RetirerAnnonce();
    DerniereAnnonce() = cible;
    // The setter sends QAccessible::DescriptionChanged at every call, the
    // same phrase twice included.
    cible->setAccessibleDescription(phrase);
}

void RetirerAnnonce()
{
    if (DerniereAnnonce())
        DerniereAnnonce()->setAccessibleDescription(QString());
    DerniereAnnonce() = nullptr;
}
