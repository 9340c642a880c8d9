#include "program_windows.h"

#include <QApplication>

#include "fonts.h"
#include "pictures.h"
#include "program_identity.h"
#include "satellite_form.h"
#include "splash_form.h"
#include "wiki_form.h"

namespace gravitaria {

TSplashForm* SplashForm = nullptr;
TSatelliteForm* SatelliteForm = nullptr;
TWikiForm* WikiForm = nullptr;

namespace {

// Owns one window and keeps its program-wide reference valid exactly as
// long as the window exists, also when a later window fails to build.
template <class Form>
class Registered {
public:
    explicit Registered(Form*& global) : global_(global), form_(std::make_unique<Form>()) {
        global_ = form_.get();
    }
    ~Registered() { global_ = nullptr; }
    Registered(const Registered&) = delete;
    Registered& operator=(const Registered&) = delete;

private:
    Form*& global_;
    std::unique_ptr<Form> form_;
};

}  // namespace

// Members are built in declaration order and destroyed in reverse.
struct ProgramWindows::Holder {
    Registered<TSplashForm> splash{SplashForm};
    Registered<TSatelliteForm> satellite{SatelliteForm};
    Registered<TWikiForm> wiki{WikiForm};
};

void configureApplication(QApplication& app) {
    app.setApplicationName(kProgramName);
    app.setApplicationVersion(kProgramVersion);
    app.setOrganizationName(kMakerName);
    app.setWindowIcon(applicationIcon());
    app.setQuitOnLastWindowClosed(false);
    loadTahoma();
}

ProgramWindows::ProgramWindows() : holder_(std::make_unique<Holder>()) {}

ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::start() { SplashForm->show(); }

}  // namespace gravitaria
