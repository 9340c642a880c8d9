#pragma once
// The map's pointer readout and start placement, as plain computation: from
// the map values under the pointer (kilometres, as the map's axes give them)
// to the captions of the readout labels and to the start fields' values.
// The window only fetches the pointer's map values and writes the results.
#include <QPoint>
#include <QString>
#include <cstdint>

#include "axis_mapping.h"
#include "distance_units.h"
#include "number_text.h"

namespace gravitaria {

// The captions of the five readout labels.
struct PointerCaptions {
    QString positionTitle;  // Label1
    QString distanceTitle;  // Label26
    QString x;              // XEnCoursPos
    QString y;              // YEnCoursPos
    QString distance;       // RpositionEnCours: R and h
};

// The readout values: X and Y in the field's unit truncated toward zero
// (whole numbers, in extended precision: a map zoomed out far past any
// preset reads values beyond the 64-bit integers), R from the truncated X
// and Y, h = R minus the radius in that unit.
struct PointerReadout {
    long double x = 0;
    long double y = 0;
    long double r = 0;
    long double h = 0;
};

// mapX, mapY: the axis values at the pointer, km. radiusKm: NumRayon's value.
// Raises RangeError for a value that is not a finite number.
PointerReadout pointerReadout(long double mapX, long double mapY, int radiusKm,
                              const QString& unite);

// The same from the pointer's pixel in the map's client coordinates and the
// layout of the map's last drawing (its horizontal and vertical axis). Never
// fails on a finite range, whatever the zoom: the values come from
// pixelToExtendedValue.
PointerReadout pointerReadout(const AxisMapping& horizontal, const AxisMapping& vertical,
                              QPoint pixel, int radiusKm, const QString& unite);

// The captions for a readout, numbers as grouped texts of precision 5
// (scientific beyond five digits: "1,2346E5", "8,9885E307").
PointerCaptions pointerCaptions(const PointerReadout& readout, const QString& unite,
                                const NumberSeparators& seps);

// The start field value for a clicked map value (km): truncated toward zero
// in the field's unit (unitToKm). Raises RangeError when it does not fit a signed
// 32-bit integer (the fields hold 32-bit values).
std::int32_t startFieldValue(double mapValue, const QString& unite);

}  // namespace gravitaria
