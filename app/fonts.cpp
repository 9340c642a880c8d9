#include "fonts.h"

#include <algorithm>

#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QRawFont>
#include <QtEndian>
#include <cmath>

namespace gravitaria {

namespace {

#ifndef _WIN32
// Linux: the Tahoma face of the fonts-wine package. Only the regular face is
// loaded: the packaged bold face is the regular outline spaced wider, which
// reads as regular and overflows bold captions. Qt thickens the regular
// outline for bold text instead.
const char* const kTahomaFiles[] = {
    "/usr/share/wine/fonts/tahoma.ttf",
};
#else
// Windows: Tahoma is installed with both its faces; the installed family
// below is used as it is.
const char* const kTahomaFiles[] = {nullptr};
#endif

// Whether the family came from our own copy of the regular face only.
bool boldIsThickened = false;

QString findFamily() {
    QString family;
    for (const char* path : kTahomaFiles) {
        if (!path || !QFile::exists(QString::fromLatin1(path))) continue;
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(path));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (family.isEmpty() && !families.isEmpty()) family = families.first();
    }
    if (!family.isEmpty()) {
        boldIsThickened = true;
        return family;
    }
    // Narrow sans-serifs first: Tahoma is narrower than most, and every
    // caption was sized for it.
    const QStringList installed = QFontDatabase::families();
    for (const char* candidate : {"Tahoma", "DejaVu Sans Condensed", "Liberation Sans Narrow",
                                  "Liberation Sans", "DejaVu Sans"}) {
        if (installed.contains(QString::fromLatin1(candidate))) return QString::fromLatin1(candidate);
    }
    return QStringLiteral("Sans Serif");
}

}  // namespace

QString loadTahoma() {
    static const QString family = findFamily();
    return family;
}

QFont tahomaFont(int pixelHeight, bool bold) {
    QFont font(loadTahoma());
    if (bold && boldIsThickened) pixelHeight = std::min(pixelHeight, kLargestThickenedBoldPixels);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

namespace {

struct WinMetrics {
    int ascent = 0;
    int descent = 0;
    bool known = false;
};

// usWinAscent and usWinDescent of the OS/2 table, scaled as GDI does:
// each rounded to whole pixels at the font's character height.
WinMetrics winMetrics(const QFont& font) {
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray os2 = raw.isValid() ? raw.fontTable("OS/2") : QByteArray();
    WinMetrics m;
    if (os2.size() < 78 || raw.unitsPerEm() <= 0) return m;
    const auto* data = reinterpret_cast<const uchar*>(os2.constData());
    const double scale = raw.pixelSize() / raw.unitsPerEm();
    m.ascent = static_cast<int>(std::lround(qFromBigEndian<quint16>(data + 74) * scale));
    m.descent = static_cast<int>(std::lround(qFromBigEndian<quint16>(data + 76) * scale));
    m.known = true;
    return m;
}

}  // namespace

int cellAscent(const QFont& font) {
    const WinMetrics m = winMetrics(font);
    return m.known ? m.ascent : QFontMetrics(font).ascent();
}

int cellHeight(const QFont& font) {
    const WinMetrics m = winMetrics(font);
    return m.known ? m.ascent + m.descent : QFontMetrics(font).height();
}

}  // namespace gravitaria
