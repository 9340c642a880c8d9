#pragma once
// The two distance units of the start fields and the map's pointer readout,
// shared by the fields and the charts.
#include <QString>

namespace gravitaria {

// The two distance units; the leading blank is part of them.
inline const QString kUniteKm = QStringLiteral(" km");
inline const QString kUniteMillionsKm = QStringLiteral(" Millions de km");

// Multiplier from the start fields' unit to kilometres.
long double unitToKm(const QString& unite);

}  // namespace gravitaria
