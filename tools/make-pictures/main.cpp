// Writes the program's pictures under the resource folder given on the
// command line: pictures/ for the program and the desktop, icons/ for the
// desktop theme's icon sizes, windows/ for the Windows icon.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "drawings.h"

namespace {

bool writeFile(const QDir& dir, const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    return true;
}

bool writePng(const QDir& dir, const QString& name, const QImage& image) {
    if (!image.save(dir.filePath(name), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(dir.filePath(name)));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s RESOURCE_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir resources(QString::fromLocal8Bit(argv[1]));
    if (!resources.mkpath(QStringLiteral("pictures")) || !resources.mkpath(QStringLiteral("windows")) ||
        !resources.mkpath(QStringLiteral("icons"))) {
        std::fprintf(stderr, "cannot create the folders under %s\n", argv[1]);
        return 1;
    }
    const QDir dir(resources.filePath(QStringLiteral("pictures")));
    const QDir windows(resources.filePath(QStringLiteral("windows")));
    using namespace makepictures;
    const QImage icon = paintSpacecraftIcon();
    bool ok = writeFile(dir, QStringLiteral("telescope.jpg"), encodeJpeg(paintTelescope(), 90)) &&
              writeFile(dir, QStringLiteral("planets.jpg"), encodeJpeg(paintPlanetTable(), 92)) &&
              writePng(dir, QStringLiteral("gravitaria.png"), icon) &&
              writeFile(windows, QStringLiteral("gravitaria.ico"), icoWithPng(icon)) &&
              writePng(dir, QStringLiteral("bullet-newton.png"), paintAppleBullet()) &&
              writePng(dir, QStringLiteral("bullet-steps.png"), paintStepsBullet()) &&
              writePng(dir, QStringLiteral("bullet-planet.png"), paintRingedPlanetBullet()) &&
              writePng(dir, QStringLiteral("bullet-star.png"), paintStarBullet());
    // The icon theme's other sizes, each painted at its own size (icons/NxN.png;
    // the 32 px one is gravitaria.png above).
    const QDir icons(resources.filePath(QStringLiteral("icons")));
    for (const int size : {16, 48, 64, 128, 256})
        ok = ok && writePng(icons, QStringLiteral("%1x%1.png").arg(size), paintSpacecraftIcon(size));
    return ok ? 0 : 1;
}
