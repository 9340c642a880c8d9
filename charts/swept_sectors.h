#pragma once
// The areas swept by the radius vector (Kepler's second law) drawn on the
// map: filled sectors centre -> successive samples, k samples per sector,
// in two alternating light colours, under the trail.
#include <QColor>
#include <QPolygonF>
#include <cstddef>
#include <span>
#include <vector>

#include "axis_mapping.h"
#include "flight_measures.h"

class QPainter;

namespace gravitaria {

inline const QColor kSectorColourA = QColor(0xC8, 0xDC, 0xFF);  // light blue
inline const QColor kSectorColourB = QColor(0xFF, 0xE6, 0xAA);  // light amber

// Sector i: the centre, then samples i*k .. (i+1)*k (the last sector may be
// shorter), in map units (km). Consecutive sectors share their edge sample.
std::vector<QPolygonF> sweptSectors(std::span<const FlightSample> samples, std::size_t k);

// Fills the sectors through the axes' mappings, no outline, colours
// alternating from the first one.
void drawSweptSectors(QPainter& p, const std::vector<QPolygonF>& sectors, const AxisMapping& x,
                      const AxisMapping& y);

}  // namespace gravitaria
