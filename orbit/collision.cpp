#include "collision.h"

#include <cmath>

namespace gravitaria {

CollisionVerdict judgeCollision(PlanePoint previous, PlanePoint current, std::int32_t n,
                                long double radiusKm) {
    const long double R = radiusKm;
    CollisionVerdict verdict;
    if (n <= 0) {
        const long double xk = static_cast<double>(current.x / 1000);
        const long double yk = static_cast<double>(current.y / 1000);
        verdict.distanceKm = std::sqrt(xk * xk + yk * yk);
        verdict.struck = R > verdict.distanceKm;
        return verdict;
    }
    const long double xi = current.x, yi = current.y;
    const long double xj = previous.x, yj = previous.y;
    const long double dx = xi - xj, dy = yi - yj;
    verdict.distanceKm = std::sqrt(xi * xi + yi * yi) / 1000;

    // Where the centre projects onto the line, as a fraction of the step
    // from the previous position (0) to the current one (1).
    const long double stepSquared = dx * dx + dy * dy;
    bool segmentWithin = false;
    if (stepSquared > 0) {
        const long double u = ((0 - xj) * dx + (0 - yj) * dy) / stepSquared;
        if (u > 0 && u < 1) {
            // Distance from the centre to the line, km; 1 m^2 under the root
            // as in the step length the table always used.
            const long double L = std::sqrt(dx * dx + (dy * dy + 1));
            const long double d = std::fabs((-xi) * yj + xj * yi) / L / 1000;
            segmentWithin = R > d;
        }
    }
    verdict.struck = R > verdict.distanceKm || segmentWithin;
    return verdict;
}

std::optional<long double> segmentEntersDisc(PlanePoint from, PlanePoint to, long double radiusM) {
    const long double px = from.x, py = from.y;
    const long double dx = to.x - from.x;
    const long double dy = to.y - from.y;
    const long double r = radiusM;
    const long double c = px * px + py * py - r * r;
    if (c <= 0.0L) return 0.0L;
    const long double a = dx * dx + dy * dy;
    if (a == 0.0L) return std::nullopt;
    const long double b = 2 * (px * dx + py * dy);
    const long double disc = b * b - 4 * a * c;
    if (disc < 0.0L) return std::nullopt;
    // The nearer of the two crossings along the segment: where it enters.
    const long double s = (-b - std::sqrt(disc)) / (2 * a);
    if (!(s >= 0.0L && s <= 1.0L)) return std::nullopt;
    return s;
}

}  // namespace gravitaria
