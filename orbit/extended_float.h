#pragma once
// Every result of the program (positions, speeds, the table's texts) is
// computed in the 80-bit extended type, which GCC and Clang give as long
// double on x86 (Linux, and Windows with MinGW-w64). MSVC's long double is
// the 64-bit double: the same source would compile there and print other
// numbers, so it is refused here.
#if defined(_MSC_VER) && !defined(__clang__)
#error "MSVC is not supported: its long double is the 64-bit double, and Gravitaria computes in the 80-bit extended type. Build with MinGW-w64 (GCC) on Windows."
#endif

#include <limits>

static_assert(std::numeric_limits<long double>::digits == 64,
              "long double must be the 80-bit extended type (64-bit mantissa); "
              "MSVC and -mlong-double-64 are not supported: build with GCC or MinGW-w64 on x86");
