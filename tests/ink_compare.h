#pragma once
// Comparing a rendering on a scaled screen with the 1.0 rendering: each ink
// pixel (axes, text, lines, outlines) of one picture must have ink near its
// position, scaled, in the other. Text is hinted at each size, so single
// glyph pixels may miss; a region whose ink mostly misses means a control
// moved or a caption was cut.
#include <QImage>
#include <QRect>
#include <QString>
#include <cmath>
#include <vector>

namespace gravitaria::testing {

inline bool isInk(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 100; }

struct InkComparison {
    int ink = 0;         // ink pixels of `from`
    int unmatched = 0;   // of them, with no ink of `to` within reach
    std::vector<QRect> lostCells;  // cells of `from` whose ink is two thirds unmatched
};

// `scale` maps `from`'s pixels to `to`'s (the factor, or its inverse);
// `reach` in `to`'s pixels; `cell` the side of a region in `from`'s pixels.
inline InkComparison compareInk(const QImage& from, const QImage& to, double scale, int reach, int cell = 12) {
    InkComparison r;
    const int cols = (from.width() + cell - 1) / cell, rows = (from.height() + cell - 1) / cell;
    std::vector<int> inkIn(static_cast<std::size_t>(cols * rows)), missIn(inkIn.size());
    for (int y = 0; y < from.height(); ++y) {
        for (int x = 0; x < from.width(); ++x) {
            if (!isInk(from, x, y)) continue;
            ++r.ink;
            const std::size_t c = static_cast<std::size_t>((y / cell) * cols + x / cell);
            ++inkIn[c];
            const int cx = static_cast<int>(std::floor((x + 0.5) * scale));
            const int cy = static_cast<int>(std::floor((y + 0.5) * scale));
            bool found = false;
            for (int dy = -reach; dy <= reach && !found; ++dy)
                for (int dx = -reach; dx <= reach && !found; ++dx) {
                    const int tx = cx + dx, ty = cy + dy;
                    found = tx >= 0 && ty >= 0 && tx < to.width() && ty < to.height() && isInk(to, tx, ty);
                }
            if (!found) {
                ++r.unmatched;
                ++missIn[c];
            }
        }
    }
    for (int c = 0; c < cols * rows; ++c) {
        const auto i = static_cast<std::size_t>(c);
        if (inkIn[i] >= 12 && missIn[i] * 3 > inkIn[i] * 2)
            r.lostCells.emplace_back((c % cols) * cell, (c / cols) * cell, cell, cell);
    }
    return r;
}

inline QString cellsText(const std::vector<QRect>& cells) {
    QString out;
    for (const QRect& c : cells) out += QStringLiteral(" (%1,%2)").arg(c.x()).arg(c.y());
    return out;
}

}  // namespace gravitaria::testing
