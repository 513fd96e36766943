// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Ressources.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QPainter>
#include <QSvgRenderer>
#include <QTranslator>

void ChargerPolices()
{
    for (const char* fichier : {":/fonts/LiberationSans-Regular.ttf",
                                ":/fonts/LiberationSans-Bold.ttf",
                                ":/fonts/ComicNeue-Italic.otf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(fichier));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
}

bool ChargerTraductionsQt()
{
    auto* traduction = new QTranslator(QCoreApplication::instance());
    if (!traduction->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traduction;
        return false;
    }
    return QCoreApplication::installTranslator(traduction);
}

QPixmap Image(const QString& nom, QSize taille)
{
    const qreal echelle = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap image(taille * echelle);
    image.setDevicePixelRatio(echelle);
    image.fill(Qt::transparent);
    QSvgRenderer dessin(QStringLiteral(":/images/") + nom + QStringLiteral(".svg"));
    QPainter peintre(&image);
    dessin.render(&peintre, QRectF(QPointF(0, 0), QSizeF(taille)));
    return image;
}

QIcon Icone(const QString& nom)
{
    QIcon icone;
    for (const int cote : {16, 32})
        icone.addPixmap(Image(nom, QSize(cote, cote)));
    return icone;
}
