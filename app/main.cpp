// Gravitaria: start-up. The application object, then the start window, the
// main window (whose creation applies the Earth scenario) and the extract
// window; the event loop shows the start window only. When the loop ends
// every window is destroyed and the program exits.
#include <exception>

#include "error_report.h"
#include "program_windows.h"

int main(int argc, char** argv) {
    gravitaria::TApplication app(argc, argv);
    try {
        gravitaria::configureApplication(app);
        gravitaria::ProgramWindows windows;
        windows.start();
        return app.exec();
    } catch (const std::exception& error) {
        // Only a failure before the event loop gets here (a damaged picture,
        // say): errors inside the loop are reported there.
        gravitaria::reportError(error);
        return 1;
    }
}
