#pragma once
// Shared set-up of the chart widget tests: one QApplication, a map like the
// main window's (a 439 x 425 square with the attractor disc drawn after
// every drawing) and pixel helpers.
#include <QApplication>
#include <QImage>

#include "chart.h"
#include "chart_setup.h"

namespace gravitaria::testing {

inline void ensureApplication() {
    static int argc = 1;
    static char name[] = "charts_test";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);
}

// The map's after-draw step: a silver disc of radius `radiusKm` at the
// origin, black outline; counts its calls.
struct DiscHook {
    TChart& chart;
    double radiusKm = 6380;
    int calls = 0;
    void operator()() {
        ++calls;
        TCanvas& c = chart.Canvas();
        c.Pen.Color = QColor(0, 0, 0);
        c.Brush.Color = kAttractorSilver;
        TChartAxis& x = chart.BottomAxis();
        TChartAxis& y = chart.LeftAxis();
        c.Ellipse(x.CalcXPosValue(-radiusKm), y.CalcYPosValue(radiusKm), x.CalcXPosValue(radiusKm),
                  y.CalcYPosValue(-radiusKm));
    }
};

inline int countColour(const QImage& image, const QColor& colour, const QRect& area) {
    int n = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour.rgb() & 0xFFFFFF)) ++n;
    return n;
}

inline QRgb rgbAt(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

// Index of the first differing pixel, or -1 when the images are equal.
inline long firstDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return 0;
    const QImage ca = a.convertToFormat(QImage::Format_RGB32);
    const QImage cb = b.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < ca.height(); ++y)
        for (int x = 0; x < ca.width(); ++x)
            if ((ca.pixel(x, y) & 0xFFFFFF) != (cb.pixel(x, y) & 0xFFFFFF)) return long(y) * ca.width() + x;
    return -1;
}

}  // namespace gravitaria::testing
