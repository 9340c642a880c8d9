#pragma once
// Who the program is: shown on the start window, given to the application
// object, and repeated in the Windows version record (resources/gravitaria.rc)
// and the desktop entry, which a test keeps in step with these values.
#include <QString>

namespace gravitaria {

inline const QString kProgramName = QStringLiteral("Gravitaria");
inline const QString kProgramVersion = QStringLiteral("0.21");
inline const QString kProgramDescription = QStringLiteral("Simulation du mouvement de satellites");
inline const QString kMakerName = QStringLiteral("Brumadel");

}  // namespace gravitaria
