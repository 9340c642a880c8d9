// The flight run of the main window: the orbit's run driver does the
// computation and the table; the window adds its display side effects
// through the FlightDisplay hooks, in the driver's order.
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "chart.h"
#include "flight_run.h"
#include "gravity.h"
#include "locale_separators.h"
#include "platform.h"
#include "run_events.h"
#include "satellite_form.h"
#include "satellite_layout.h"
#include "spin_edit.h"
#include "track_bar.h"

namespace gravitaria {

namespace {

// The window's side of a run: series, map, delay, clock, collision
// indicator and memo.
class WindowFlightDisplay : public FlightDisplay {
public:
    WindowFlightDisplay(TSatelliteForm& form, QObject* sender) : f_(form), sender_(sender) {}
    // Lines not yet in the memo reach it however the run ends.
    ~WindowFlightDisplay() override { flushMemo(); }
    WindowFlightDisplay(const WindowFlightDisplay&) = delete;
    WindowFlightDisplay& operator=(const WindowFlightDisplay&) = delete;

    // The run whose settings the window keeps a copy of, and the toolkit's
    // side of it.
    void attach(const FlightRun& run, RunEvents& events) {
        run_ = &run;
        events_ = &events;
    }

    void beginRun() override {
        f_.clearCollisionIndicator();
        // The speed chart shows one run; the map keeps every run until cleared.
        f_.Series3->Clear();
        f_.Series4->Clear();
        f_.Series5->Clear();
    }

    void prepareMap() override {
        if (run_ != nullptr) {
            // The window's copy of the integrator's settings for this run.
            const RunSettings& s = run_->settings();
            f_.LowerLimit = s.LowerLimit;
            f_.UpperLimit = s.UpperLimit;
            f_.CalcInterval = s.CalcInterval;
            f_.ReturnInterval = s.ReturnInterval;
            f_.NUmEquations = s.NUmEquations;
            f_.Error = s.Error;
            f_.TestFuncs[1] = TUserFunctionV::bind<&TSatelliteForm::Test2UserFunc1>(f_);
            f_.TestFuncs[2] = TUserFunctionV::bind<&TSatelliteForm::Test2UserFunc2>(f_);
            f_.Initialvalues[1] = s.Initialvalues[1];
            f_.Initialvalues[2] = s.Initialvalues[2];
        }
        f_.GrafInit(sender_);
    }

    void clearMemo() override {
        pendingLines_.clear();
        f_.Memo1->clear();
    }

    // The lines go to the memo in batches: one edit of many lines costs the
    // memo far less than one edit per line, and the text is the same.
    void appendMemoLine(const std::string& line) override {
        pendingLines_.push_back(QString::fromStdString(line));
    }

    void flushMemo() {
        if (pendingLines_.isEmpty()) return;
        f_.Memo1->appendPlainText(pendingLines_.join(QLatin1Char('\n')));
        pendingLines_.clear();
    }

    void showSample(const SampleRecord& rec) override {
        TLineSeries& marker = *f_.Series1;
        marker.Delete(marker.Count() - 1);
        f_.Series2->AddXY(rec.xk, rec.yk);
        marker.AddXY(rec.xk, rec.yk);
        f_.Series3->AddXY(rec.t, static_cast<double>(rec.speed));
        f_.Series4->AddXY(rec.t, rec.vx);
        f_.Series5->AddXY(rec.t, rec.vy);

        // The map at once, then a 6-pixel disc on the satellite with the
        // pen and brush the map's drawing left on the canvas.
        f_.Chart1->Repaint();
        const int px = marker.GetHorizAxis().CalcXPosValue(rec.xk);
        const int py = marker.GetVertAxis().CalcYPosValue(rec.yk);
        f_.Chart1->Canvas().Ellipse(px - 3, py + 3, px + 3, py - 3);

        const int delay = f_.TrackTemporisation->position();
        if (events_ == nullptr) {
            platform().sleepMs(delay);
        } else {
            if (events_->willService(delay)) flushMemo();
            events_->wait(delay);
        }
        f_.NumLabTempsDeVol->setText(QString::fromStdString(rec.clockText));
        f_.logFlightSample(rec);
    }

    void showCollision(const SampleRecord& rec) override {
        setClockColour(*f_.NumLabTempsDeVol, kClockRed);
        f_.CheckImpact->setChecked(true);
        f_.Series1->AddXY(rec.xk, rec.yk);
        f_.Series1->RefreshSeries();
        f_.logFlightCollision();
    }

    void integrationDone() override {
        flushMemo();
        f_.Memo1->repaint();
        QTextCursor caret = f_.Memo1->textCursor();
        caret.movePosition(QTextCursor::Start);
        f_.Memo1->setTextCursor(caret);
        if (run_ != nullptr) f_.Error = run_->settings().Error;
    }

    void endRun() override { f_.NumXChange(sender_); }

    bool stopAsked() const override { return events_ != nullptr && events_->stopAsked(); }

private:
    TSatelliteForm& f_;
    QObject* sender_;
    const FlightRun* run_ = nullptr;
    RunEvents* events_ = nullptr;
    QStringList pendingLines_;
};

}  // namespace

void TSatelliteForm::ButtonEulerClick(QObject* Sender) {
    const RunInputs inputs = runInputs();
    // The window keeps answering the desktop during the run (run_events.h).
    RunEvents events(*this);
    WindowFlightDisplay display(*this, Sender);
    FlightRun run(orbit, display, systemSeparators());
    display.attach(run, events);
    // A run ended by an error gets its start position back (km) from the
    // driver, so the next run does not start a thousand times too far.
    beginFlightReport();
    try {
        run.ButtonEulerClick(inputs);
    } catch (...) {
        abandonFlightReport();
        throw;
    }
    endFlightReport();
}

double TSatelliteForm::Test2UserFunc1(TNvector V) { return accelerationX(orbit.AttractorMass, V); }

double TSatelliteForm::Test2UserFunc2(TNvector V) { return accelerationY(orbit.AttractorMass, V); }

bool TSatelliteForm::Test2CallBackFunc(TNvector V) {
    WindowFlightDisplay display(*this, this);
    return recordAndShowSample(orbit, display, V, NumDt->Value(), NumRayon->Value(),
                               systemSeparators());
}

}  // namespace gravitaria
