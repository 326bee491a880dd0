#include "ui/shell/tsplash.h"

#include "core/app/programme.h"
#include "ui/common/icones.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

TSplash::TSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setFixedSize(318, 221);
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->geometry().center() - rect().center());
}

void TSplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(236, 240, 248));
    p.setPen(QPen(QColor(40, 90, 170), 2));
    p.drawRect(rect().adjusted(1, 1, -1, -1));
    p.drawPixmap(24, 24, imageProgramme(96));

    QFont nom(QStringLiteral("Arial"));
    nom.setPixelSize(34);
    nom.setBold(true);
    p.setFont(nom);
    p.setPen(QColor(30, 50, 100));
    p.drawText(QRect(130, 40, 176, 50), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Tarvinel"));

    QFont version(QStringLiteral("Arial"));
    version.setPixelSize(14);
    p.setFont(version);
    p.drawText(QRect(130, 92, 176, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Version ") + Programme::version());
    p.drawText(QRect(24, 160, 270, 40), Qt::AlignCenter,
               QStringLiteral("Gestion des locations immobilières"));
}
