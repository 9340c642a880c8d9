#include "pictures.h"

#include <QString>

#include "errors.h"
#include "jpeg_picture.h"

namespace gravitaria {

namespace {

QPixmap iconResource(const char* file) {
    const QString path = QStringLiteral(":/gravitaria/pictures/") + QLatin1String(file);
    QPixmap pixmap(path);
    if (pixmap.isNull())
        throw GeneralError(QStringLiteral("L'icône %1 est illisible").arg(QLatin1String(file)).toStdString());
    return pixmap;
}

}  // namespace

QImage telescopePhoto() { return loadJpeg(QStringLiteral(":/gravitaria/pictures/telescope.jpg")); }

QImage planetTablePicture() { return loadJpeg(QStringLiteral(":/gravitaria/pictures/planets.jpg")); }

QPixmap applicationIconPixmap() { return iconResource("gravitaria.png"); }

QIcon applicationIcon() { return QIcon(applicationIconPixmap()); }

QPixmap aboutBulletPixmap(AboutBullet which) {
    switch (which) {
    case AboutBullet::Newton: return iconResource("bullet-newton.png");
    case AboutBullet::Steps: return iconResource("bullet-steps.png");
    case AboutBullet::SolarSystem: return iconResource("bullet-planet.png");
    case AboutBullet::Star: return iconResource("bullet-star.png");
    }
    return iconResource("bullet-star.png");
}

}  // namespace gravitaria
