#pragma once
// Flights integrated for the orbit tests: the program's integrator and
// gravity from an exact start state, every returned sample kept, stopping
// at the attractor's radius like a run does.
#include <cmath>

#include "flight_measures.h"
#include "gravity.h"
#include "runge_kutta4.h"

namespace gravitaria::testing {

inline constexpr long double EarthMass = 6e24L;
inline const long double EarthMu = 6.67e-11L * EarthMass;

struct IntegratedFlight {
    long double mass = EarthMass;
    double radius = 0.0;  // m; 0 = no attractor surface
    FlightLog log;
    bool collided = false;

    double ax(TNvector v) { return accelerationX(mass, v); }
    double ay(TNvector v) { return accelerationY(mass, v); }
    bool sample(TNvector v) {
        log.add({v[0].X, v[1].X, v[2].X, v[1].XPrime, v[2].XPrime});
        collided = radius > 0 && std::hypot(v[1].X, v[2].X) < radius;
        return !collided;
    }

    void fly(double x, double y, double vx, double vy, double dt, int positions) {
        log.clear();
        TFuncVect f;
        f[1] = TUserFunctionV::bind<&IntegratedFlight::ax>(*this);
        f[2] = TUserFunctionV::bind<&IntegratedFlight::ay>(*this);
        TNvector init{};
        init[1] = {x, vx};
        init[2] = {y, vy};
        std::uint8_t error = 0;
        IntegrateSystemRK4(0, dt * positions, dt, dt / 2, init, error, 2, f,
                           TStepCallback::bind<&IntegratedFlight::sample>(*this));
    }
};

}  // namespace gravitaria::testing
