#pragma once
// The program's three windows, one instance each for the whole run,
// reachable from every handler, and the start-up that creates them.
#include <memory>

class QApplication;

namespace gravitaria {

class TSplashForm;
class TSatelliteForm;
class TWikiForm;

// Set while a ProgramWindows object lives; null otherwise.
extern TSplashForm* SplashForm;
extern TSatelliteForm* SatelliteForm;
extern TWikiForm* WikiForm;

// The application's identity: title "Gravitaria", version, maker, icon,
// and the fonts the windows ask for. The program ends only through its own
// rules (start window or main window closed, "&Quitter").
void configureApplication(QApplication& app);

// Creates the start window, then the main window (hidden; its creation
// handler runs now), then the extract window (hidden). Destroys them in
// the reverse order.
class ProgramWindows {
public:
    ProgramWindows();
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    // Shows the start window, and only it: the state at start-up.
    void start();

private:
    struct Holder;
    std::unique_ptr<Holder> holder_;
};

}  // namespace gravitaria
