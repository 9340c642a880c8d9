#pragma once
// Whether a sample strikes the attractor (a disc of radius R km at the
// origin). Pure: every caller that needs the verdict (the run's recording,
// anything that replays or compares flights) calls this one rule.
//
// The satellite has struck when
//   - its current position lies inside the radius (R > ri, strictly: a
//     position exactly on the surface is no collision), or
//   - n > 0 and the straight segment from the previous position to the
//     current one passes within the radius: the centre's projection onto
//     the line falls strictly between the two positions (0 < u < 1) and the
//     distance d from the centre to the line is below R. Two equal
//     positions cross nothing.
// So a flight moving away from the body (a vertical launch) never strikes
// through the part of the line behind it, and a fast pass through the body
// between two samples strikes whether it ends nearer or farther.
#include <cstdint>
#include <optional>

namespace gravitaria {

// A position in the orbital plane, metres.
struct PlanePoint {
    long double x = 0.0L;
    long double y = 0.0L;
};

struct CollisionVerdict {
    bool struck = false;
    // The current distance ri from the centre, km: the table's distance
    // column. For n = 0 it is computed from the position rounded to km as
    // doubles, as the map shows it; for n > 0 from the metres.
    long double distanceKm = 0.0L;
};

// `previous` is the sample n - 1 and is read only when n > 0; `current` is
// the sample n (n = 0 is the start of the flight). radiusKm is the
// attractor's radius in km.
CollisionVerdict judgeCollision(PlanePoint previous, PlanePoint current, std::int32_t n,
                                long double radiusKm);

// Where the straight segment from `from` to `to` first enters the disc of
// radius R (m) about the origin: the fraction s in [0, 1] of the way from
// `from`, 0 when `from` is already inside or on the edge; empty when the
// segment stays outside. The time of an impact between two samples.
std::optional<long double> segmentEntersDisc(PlanePoint from, PlanePoint to, long double radiusM);

// judgeCollision(...).struck.
inline bool hasStruck(PlanePoint previous, PlanePoint current, std::int32_t n, long double radiusKm) {
    return judgeCollision(previous, current, n, radiusKm).struck;
}

}  // namespace gravitaria
