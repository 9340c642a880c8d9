// The integration loop allocates nothing: every operator new during a call
// is counted (the functions and the callback below allocate nothing).
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>

#include "flight_measures.h"
#include "runge_kutta4.h"

namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
// GCC cannot see that these pair with the operator new above.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace gravitaria {
namespace {

struct Oscillator {
    int callbacks = 0;
    double f1(TNvector v) { return -1e-6 * v[1].X; }
    double f2(TNvector v) { return -1e-6 * v[2].X; }
    bool cb(TNvector) { return ++callbacks > 0; }
};

TEST(RungeKutta4NoAllocation, ThousandPositionsWithoutHeap) {
    Oscillator osc;
    TFuncVect f;
    f[1] = TUserFunctionV::bind<&Oscillator::f1>(osc);
    f[2] = TUserFunctionV::bind<&Oscillator::f2>(osc);
    const auto cb = TStepCallback::bind<&Oscillator::cb>(osc);
    TNvector init{};
    init[1] = {1, 0};
    init[2] = {0, 1};
    std::uint8_t error = 9;
    const long before = allocations.load();
    IntegrateSystemRK4(0, 200000, 200, 100, init, error, 2, f, cb);
    const long during = allocations.load() - before;
    EXPECT_EQ(error, 0);
    EXPECT_EQ(osc.callbacks, 1001);
    EXPECT_EQ(during, 0);
}

TEST(FlightMeasuresNoAllocation, RecordingAndMeasuringWithoutHeap) {
    static FlightLog log;  // static: too large for a test's stack frame
    const long before = allocations.load();
    log.clear();
    for (int k = 0; k < 1001; ++k)
        log.add({k * 10.0, 7e6 * std::cos(k * 0.01), 7e6 * std::sin(k * 0.01), -7.5e3 * std::sin(k * 0.01),
                 7.5e3 * std::cos(k * 0.01)});
    const FlightMeasures m = measureFlight(log.samples(), 4.002e14L, 6.38e6, true);
    EXPECT_EQ(allocations.load() - before, 0);
    EXPECT_EQ(m.sampleCount, 1001u);
}

}  // namespace
}  // namespace gravitaria
