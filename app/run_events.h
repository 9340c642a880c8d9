#pragma once
// The window's side of the toolkit while a flight runs. The run keeps the
// desktop answered: between samples, and in slices of its delay, the
// toolkit handles what is not input (the window manager's pings, exposures,
// the repaints already asked for). Input (keys, mouse, wheel, touch) never
// reaches a control during the run, and no timer of ours fires into it, so
// no handler runs nested inside a run; Escape, whichever control has the
// focus, asks the run to stop after the current sample. Closing the main
// window, and resizing or moving it (whose handlers square the map), are
// held and carried out once the run has ended.
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace gravitaria {

class RunEvents : public QObject {
public:
    // The longest wait between two servicings of the toolkit, ms: a slice
    // of a sample's delay.
    static constexpr int kSliceMs = 10;
    // At delay 0, the toolkit is serviced once this many ms have passed.
    static constexpr int kServiceIntervalMs = 20;

    explicit RunEvents(QWidget& mainWindow);
    // Carries out what was held (posted: it runs once the current handler
    // has returned).
    ~RunEvents() override;
    RunEvents(const RunEvents&) = delete;
    RunEvents& operator=(const RunEvents&) = delete;

    // The sample's delay: `ms` (0 to 50) waited in slices of at most
    // kSliceMs with the toolkit serviced after each; cut short once a stop
    // is asked. 0 only yields the processor, and services the toolkit when
    // kServiceIntervalMs have passed since the last time.
    void wait(int ms);
    // Whether wait(ms) will service the toolkit.
    bool willService(int ms) const { return ms > 0 || sinceService_.elapsed() >= kServiceIntervalMs; }
    // Lets the toolkit handle the non-input events pending now.
    void service();

    // Escape was pressed during the run.
    bool stopAsked() const { return stopAsked_; }
    bool closeHeld() const { return closeHeld_; }

    // Whether a run is going on (a RunEvents exists).
    static bool running();

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    QPointer<QWidget> window_;
    QElapsedTimer sinceService_;
    bool outermost_ = true;
    bool stopAsked_ = false;
    bool closeHeld_ = false;
    bool resizeHeld_ = false;
    bool moveHeld_ = false;

    bool isMainWindow(const QObject* receiver) const;
};

}  // namespace gravitaria
