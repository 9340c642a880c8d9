#include "distance_units.h"

namespace gravitaria {

long double unitToKm(const QString& unite) {
    return unite == kUniteKm ? 1.0L : 1000000.0L;
}

}  // namespace gravitaria
