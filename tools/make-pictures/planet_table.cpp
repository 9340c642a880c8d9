// An encyclopedia-style table of the eight planets. Diameter, mass and
// semi-major axis are relative to the Earth's; periods are in days (a
// negative rotation period is a retrograde rotation).
#include <QFont>
#include <QPainter>
#include <QString>

#include "drawings.h"

namespace makepictures {

namespace {

struct PlanetRow {
    const char* name;
    const char* symbol;   // UTF-8
    const char* diameter;
    const char* mass;
    const char* semiMajorAxis;
    const char* rotation;
    const char* siderealPeriod;
};

// Equatorial diameter over 12 756 km, mass over 5,972E24 kg, semi-major axis
// in astronomical units, sidereal rotation and orbital periods in days.
const PlanetRow kPlanets[] = {
    {"Mercure", "\u263F", "0,383", "0,055", "0,387", "58,65", "87,97"},
    {"Vénus", "\u2640", "0,949", "0,815", "0,723", "\u2212243,02", "224,70"},
    {"Terre", "\u2295", "1,000", "1,000", "1,000", "0,997", "365,26"},
    {"Mars", "\u2642", "0,532", "0,107", "1,524", "1,026", "686,98"},
    {"Jupiter", "\u2643", "11,209", "317,8", "5,203", "0,414", "4 332,59"},
    {"Saturne", "\u2644", "9,449", "95,2", "9,537", "0,440", "10 759,22"},
    {"Uranus", "\u2645", "4,007", "14,5", "19,19", "\u22120,718", "30 688,5"},
    {"Neptune", "\u2646", "3,883", "17,1", "30,07", "0,671", "60 182"},
};

const int kLeft = 6;
const int kWidths[] = {84, 62, 92, 76, 92, 118, 123};   // 647 px between 6 px margins
const int kTitleHeight = 30;
const int kHeaderHeight = 40;
const int kRowHeight = 28;

QFont font(int pixels, bool bold = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

void paintCells(QPainter& p, int top, int height, const QStringList& texts, const QColor& fill,
                const QFont& f, bool leftAlignFirst) {
    int x = kLeft;
    for (int c = 0; c < texts.size(); ++c) {
        const QRect cell(x, top, kWidths[c], height);
        p.fillRect(cell, fill);
        p.setPen(QColor(162, 169, 177));
        p.drawRect(cell);
        p.setPen(QColor(32, 33, 34));
        p.setFont(f);
        const int align = (c == 0 && leftAlignFirst) ? (Qt::AlignLeft | Qt::AlignVCenter)
                                                     : (Qt::AlignCenter);
        p.drawText(cell.adjusted(6, 0, -4, 0), align | Qt::TextWordWrap, texts[c]);
        x += kWidths[c];
    }
}

}  // namespace

QImage paintPlanetTable() {
    QImage image(659, 328, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    p.setPen(QColor(32, 33, 34));
    p.setFont(font(15, true));
    p.drawText(QRect(kLeft, 4, 647, kTitleHeight - 6), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Caractéristiques des planètes du système solaire"));
    p.setPen(QColor(162, 169, 177));
    p.drawLine(kLeft, kTitleHeight - 1, 659 - kLeft, kTitleHeight - 1);

    const QStringList header = {
        QStringLiteral("Planète"),        QStringLiteral("Symbole"),
        QStringLiteral("Diamètre équatorial *"), QStringLiteral("Masse *"),
        QStringLiteral("Demi-grand axe *"), QStringLiteral("Période de rotation (jours)"),
        QStringLiteral("Période sidérale (jours)")};
    int top = kTitleHeight + 4;
    paintCells(p, top, kHeaderHeight, header, QColor(234, 236, 240), font(11, true), false);
    top += kHeaderHeight;

    for (const PlanetRow& row : kPlanets) {
        const QStringList texts = {QString::fromUtf8(row.name), QString(),
                                   QString::fromUtf8(row.diameter), QString::fromUtf8(row.mass),
                                   QString::fromUtf8(row.semiMajorAxis), QString::fromUtf8(row.rotation),
                                   QString::fromUtf8(row.siderealPeriod)};
        paintCells(p, top, kRowHeight, texts, QColor(248, 249, 250), font(12), true);
        // The symbol, larger, in its own cell.
        p.setFont(font(18));
        p.drawText(QRect(kLeft + kWidths[0], top, kWidths[1], kRowHeight), Qt::AlignCenter,
                   QString::fromUtf8(row.symbol));
        top += kRowHeight;
    }

    p.setFont(font(10));
    p.setPen(QColor(84, 89, 93));
    p.drawText(QRect(kLeft, top + 2, 647, 328 - top - 2), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("* rapporté à celui de la Terre. Une période de rotation négative "
                              "indique une rotation rétrograde."));
    return image;
}

}  // namespace makepictures
