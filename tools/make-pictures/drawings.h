#pragma once
// The drawings of the program's pictures, each painted by code.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace makepictures {

// 200 x 200: a space telescope in orbit above the Earth.
QImage paintTelescope();

// 659 x 328: the eight planets with their symbol, equatorial diameter, mass
// and semi-major axis relative to the Earth's, rotation and sidereal periods.
QImage paintPlanetTable();

// 32 x 32 icons of 256 colours.
QImage paintSpacecraftIcon(int size = 32);  // grey winged spacecraft: the program's icon, size x size px
QImage paintAppleBullet();      // Newton's law
QImage paintStepsBullet();      // step-by-step integration
QImage paintRingedPlanetBullet();
QImage paintStarBullet();

// Baseline JPEG of an image, at the given quality (0-100).
QByteArray encodeJpeg(const QImage& image, int quality);

// A Windows icon file holding one PNG-compressed picture.
QByteArray icoWithPng(const QImage& image);

}  // namespace makepictures
