#include "method_trajectory.h"

#include "collision.h"
#include "flight_run.h"

namespace gravitaria {

TNvector toStateVector(const FlightSample& s) {
    TNvector v{};
    v[0].X = s.t;
    v[1] = {s.x, s.vx};
    v[2] = {s.y, s.vy};
    return v;
}

FlightSample fromStateVector(const TNvector& v) {
    return FlightSample{v[0].X, v[1].X, v[2].X, v[1].XPrime, v[2].XPrime};
}

bool appendAndJudge(MethodTrajectory& trajectory, const FlightSample& s, std::int32_t radiusKm) {
    checkSampleFinite(toStateVector(s));
    trajectory.samples.push_back(s);
    const std::size_t n = trajectory.samples.size() - 1;
    const FlightSample& previous = trajectory.samples[n > 0 ? n - 1 : 0];
    const bool struck = hasStruck(PlanePoint{previous.x, previous.y}, PlanePoint{s.x, s.y},
                                  static_cast<std::int32_t>(n), radiusKm);
    trajectory.collision = struck;
    return struck;
}

}  // namespace gravitaria
