#include "method_trajectory.h"

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
    trajectory.samples.push_back(s);
    // The run's own judgement of a sample: row 1 against row 0 of a scratch
    // table (or row 0 alone for the first sample).
    OrbitState scratch;
    const std::size_t count = trajectory.samples.size();
    TNvector v = toStateVector(s);
    if (count > 1) {
        const FlightSample& previous = trajectory.samples[count - 2];
        scratch.TabX[0] = previous.x;
        scratch.TabY[0] = previous.y;
        v[0].X = 1.0;
    } else {
        v[0].X = 0.0;
    }
    const bool collision = recordSample(scratch, v, 1, radiusKm, NumberSeparators{}).collision;
    trajectory.collision = collision;
    return collision;
}

}  // namespace gravitaria
