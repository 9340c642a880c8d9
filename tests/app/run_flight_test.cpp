// The flight run through the main window, as a user starts it: the table in
// the memo, the series of both charts, the flight clock and the collision
// indicator, the delay, parameter errors and errors during a run.
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <cmath>

#include "errors.h"
#include "run_window_support.h"
#include "spin_edit.h"
#include "track_bar.h"

namespace gravitaria::testing {
namespace {

const QColor kRed(0xFF, 0x00, 0x00);
const QColor kYellow(0xFF, 0xFF, 0x00);

QColor clockColour(const TSatelliteForm& f) {
    return f.NumLabTempsDeVol->palette().color(QPalette::WindowText);
}

// A point of a series, for comparisons.
std::pair<double, double> pointAt(const TLineSeries& s, int i) {
    return {s.XValues()[i], s.YValues()[i]};
}

// The start of the Earth preset, applied when the window is created, puts
// the start point twice on the map (the preset's GrafInit, then FormCreate's).
constexpr int kPointsAfterCreation = 2;

using RunFlightTest = RunWindowTest;

TEST_F(RunFlightTest, EarthDefaultsLaunchedWithEnterFallOntoTheEarth) {
    ASSERT_EQ(form->Series2->Count(), kPointsAfterCreation);
    form->NumX->setFocus();
    QTest::keyClick(form->NumX, Qt::Key_Return);

    const QStringList lines = memoLines();
    ASSERT_EQ(lines.size(), 11 + 97);
    EXPECT_EQ(lines[5], QStringLiteral(" Date ini : 0  Date Fin : 20000"));
    EXPECT_EQ(lines[6], QStringLiteral("X(0)=\t30000000\tdx/dt(0)=\t0"));
    EXPECT_EQ(lines[10], QString(139, QLatin1Char('-')));
    const QString first = frenchLocale()
        ? QStringLiteral("0\t    0\t3,00E+004\t0,00E+000\t4,00E+004\t0,00E+000\t50000")
        : QStringLiteral("0\t    0\t3.00E+004\t0.00E+000\t4.00E+004\t0.00E+000\t50000");
    EXPECT_EQ(lines[11], first);
    EXPECT_TRUE(lines.last().startsWith(QStringLiteral("96\t19200\t"))) << lines.last().toStdString();

    // The sample at 19 400 s is the impact: clock red, box ticked.
    EXPECT_EQ(form->NumLabTempsDeVol->text(), grouped("19", "400"));
    EXPECT_EQ(clockColour(*form), kRed);
    EXPECT_TRUE(form->CheckImpact->isChecked());

    // 98 samples shown (n = 0 to 97): the trail gets each one after the
    // run's start point; the marker is the start replaced by each sample,
    // plus the impact point added once more.
    EXPECT_EQ(form->Series2->Count(), kPointsAfterCreation + 1 + 98);
    ASSERT_EQ(form->Series1->Count(), kPointsAfterCreation + 2);
    EXPECT_EQ(pointAt(*form->Series1, 3), pointAt(*form->Series1, 2));
    EXPECT_LT(std::hypot(form->Series1->XValues()[3], form->Series1->YValues()[3]), 6380.0);
    for (TLineSeries* s : {form->Series3, form->Series4, form->Series5}) EXPECT_EQ(s->Count(), 98);
    EXPECT_EQ(form->Series3->XValues()[97], 19400.0);

    // One delay per sample at the slider's position; no error report.
    EXPECT_EQ(recorder.sleeps, std::vector<int>(98, 0));
    EXPECT_TRUE(recorder.boxes.empty());

    // The run's settings, and the start position back in km for the next run.
    EXPECT_EQ(form->UpperLimit, 20000.0);
    EXPECT_EQ(form->CalcInterval, 100.0);
    EXPECT_EQ(form->ReturnInterval, 200.0);
    EXPECT_EQ(form->NUmEquations, 2);
    EXPECT_EQ(form->Error, 0);
    EXPECT_EQ(form->orbit.PosX, 30000.0L);
    EXPECT_EQ(form->orbit.PosY, 40000.0L);
    EXPECT_EQ(form->Memo1->textCursor().position(), 0);
    EXPECT_FALSE(form->Memo1->textCursor().hasSelection());
}

TEST_F(RunFlightTest, TimeStepReadingZeroWritesHeaderAndFrenchError) {
    form->NumDt->setText(QStringLiteral("0"));  // typed, not yet bounded by leaving the field
    form->ButtonEuler->click();

    const QStringList lines = memoLines();
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines[5], QStringLiteral(" Date ini : 0  Date Fin : 0"));
    EXPECT_EQ(lines[11], QStringLiteral("Le nombre de valeurs retournées doit être plus grand que zéro."));
    EXPECT_EQ(form->Error, 1);
    EXPECT_EQ(form->Series3->Count(), 0);
    EXPECT_TRUE(recorder.sleeps.empty());
    EXPECT_TRUE(recorder.boxes.empty());
    EXPECT_EQ(clockColour(*form), kYellow);
    EXPECT_FALSE(form->CheckImpact->isChecked());
}

TEST_F(RunFlightTest, StartAtTheOriginIsAnImpactAtTheFirstSample) {
    form->NumX->setValue(0);
    form->NumY->setValue(0);
    form->ButtonEuler->click();

    // An acceleration evaluated at the centre would divide by zero and be
    // reported: there is none, the first sample stops the flight.
    EXPECT_TRUE(recorder.boxes.empty());
    EXPECT_EQ(memoLines().size(), 11);
    EXPECT_EQ(form->NumLabTempsDeVol->text(), QStringLiteral("0"));
    EXPECT_EQ(clockColour(*form), kRed);
    EXPECT_TRUE(form->CheckImpact->isChecked());
    EXPECT_EQ(form->Series3->Count(), 1);
    EXPECT_EQ(form->Series1->Count(), kPointsAfterCreation + 2);
}

// A near-circular orbit at 42 000 km: 3 087 m/s is the circular speed there.
void startCircularOrbit(TSatelliteForm& f) {
    f.NumX->setValue(42000);
    f.NumY->setValue(0);
    f.NumVox->setValue(0);
    f.NumVoy->setValue(3087);
}

TEST_F(RunFlightTest, HundredPositionsWithoutImpactAndTheChosenDelay) {
    startCircularOrbit(*form);
    form->TrackTemporisation->setPosition(7);
    form->CheckImpact->setChecked(true);  // cleared by the run
    form->ButtonEuler->click();

    const QStringList lines = memoLines();
    ASSERT_EQ(lines.size(), 11 + 101);
    EXPECT_TRUE(lines.last().startsWith(QStringLiteral("100\t20000\t"))) << lines.last().toStdString();
    EXPECT_FALSE(form->CheckImpact->isChecked());
    EXPECT_EQ(clockColour(*form), kYellow);
    EXPECT_EQ(form->NumLabTempsDeVol->text(), grouped("20", "000"));
    EXPECT_EQ(recorder.sleeps, std::vector<int>(101, 7));

    EXPECT_EQ(form->Series2->Count(), kPointsAfterCreation + 1 + 101);
    EXPECT_EQ(form->Series1->Count(), kPointsAfterCreation + 1);
    for (TLineSeries* s : {form->Series3, form->Series4, form->Series5}) EXPECT_EQ(s->Count(), 101);
    // The marker ends on the last sample, 42 000 km from the centre.
    const auto [x, y] = pointAt(*form->Series1, form->Series1->Count() - 1);
    EXPECT_NEAR(std::hypot(x, y), 42000.0, 500.0);
    EXPECT_EQ(form->orbit.PosX, 42000.0L);
    EXPECT_EQ(form->orbit.PosY, 0.0L);

    // The last sample's 6-pixel disc, in the after-draw step's silver with
    // a black outline, is on the map until its next drawing.
    const int px = form->Chart1->BottomAxis().CalcXPosValue(x);
    const int py = form->Chart1->LeftAxis().CalcYPosValue(y);
    const QColor silver(0xC0, 0xC0, 0xC0);
    EXPECT_EQ(QColor(form->Chart1->ScreenImage().pixel(px + 1, py - 1)), silver);
    EXPECT_EQ(QColor(form->Chart1->ScreenImage().pixel(px - 3, py)), QColor(0, 0, 0));
    form->Chart1->Repaint();
    EXPECT_NE(QColor(form->Chart1->ScreenImage().pixel(px + 1, py - 1)), silver);
}

TEST_F(RunFlightTest, SecondRunReplacesTheSpeedChartAndAddsToTheMap) {
    form->ButtonEuler->click();
    startCircularOrbit(*form);
    form->ButtonEuler->click();

    EXPECT_EQ(memoLines().size(), 11 + 101);
    for (TLineSeries* s : {form->Series3, form->Series4, form->Series5}) EXPECT_EQ(s->Count(), 101);
    EXPECT_EQ(form->Series3->XValues()[0], 0.0);
    // Both trails stay, and both runs' end markers.
    EXPECT_EQ(form->Series2->Count(), kPointsAfterCreation + (1 + 98) + (1 + 101));
    EXPECT_EQ(form->Series1->Count(), kPointsAfterCreation + 2 + 1);
    // The second run unticked the impact of the first and turned the clock yellow.
    EXPECT_FALSE(form->CheckImpact->isChecked());
    EXPECT_EQ(clockColour(*form), kYellow);
}

TEST_F(RunFlightTest, ClearingAfterARunLeavesOnlyTheStartPoint) {
    form->ButtonEuler->click();
    form->ZoomPlus->click();
    form->CheckBoxMemo->setChecked(true);  // the memo in front of the map
    ASSERT_TRUE(form->Memo1->isVisible());
    ASSERT_FALSE(form->Chart1->isVisible());

    form->ButtonEffacer->click();
    EXPECT_FALSE(form->CheckImpact->isChecked());
    EXPECT_EQ(form->NumLabTempsDeVol->text(), QStringLiteral("0"));
    EXPECT_EQ(clockColour(*form), kYellow);
    EXPECT_TRUE(form->Memo1->toPlainText().isEmpty());
    EXPECT_FALSE(form->CheckBoxMemo->isChecked());
    EXPECT_FALSE(form->Memo1->isVisible());
    EXPECT_TRUE(form->Chart1->isVisible());
    ASSERT_EQ(form->Series1->Count(), 1);
    ASSERT_EQ(form->Series2->Count(), 1);
    EXPECT_EQ(pointAt(*form->Series1, 0), std::make_pair(30000.0, 40000.0));
    EXPECT_EQ(pointAt(*form->Series2, 0), std::make_pair(30000.0, 40000.0));
    for (TLineSeries* s : {form->Series3, form->Series4, form->Series5}) EXPECT_EQ(s->Count(), 0);
    EXPECT_EQ(form->Chart1->BottomAxis().Maximum(), 25000.0);  // the zoom stays
}

TEST_F(RunFlightTest, WindowCallbackAndAccelerationsServeTheIntegrator) {
    // Towards the centre, about GM / r^2 = 0.2269 m/s^2 at 42 000 km.
    TNvector v{};
    v[1].X = 42.0e6;
    EXPECT_NEAR(form->Test2UserFunc1(v), -6.67e-11 * 6e24 / (42.0e6 * 42.0e6), 1e-12);
    EXPECT_EQ(form->Test2UserFunc2(v), 0.0);

    // A sample outside the radius goes on and writes its line; one inside
    // stops the flight and shows the impact.
    const int markers = form->Series1->Count();
    EXPECT_TRUE(form->Test2CallBackFunc(v));  // n = 0: t = 0
    EXPECT_TRUE(memoLines().last().startsWith(QStringLiteral("0\t    0\t"))) << memoLines().last().toStdString();
    EXPECT_TRUE(memoLines().last().endsWith(QStringLiteral("\t42000")));
    v[0].X = 200;  // n = 1 with the 200 s step
    v[1].X = 1.0e6;
    EXPECT_FALSE(form->Test2CallBackFunc(v));
    EXPECT_TRUE(form->CheckImpact->isChecked());
    EXPECT_EQ(clockColour(*form), kRed);
    EXPECT_EQ(form->Series1->Count(), markers + 1);
    EXPECT_EQ(form->orbit.PosX, 1.0e6L);  // the sample's position, in metres
}

// One run of the Earth defaults puts its start point and 98 samples on the trail.
constexpr int kTrailPointsPerRun = 1 + 98;

TEST_F(RunFlightTest, EnterOrSpaceInAStartFieldLaunchesOneRunAndBeepsOnce) {
    struct Key {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    const Key keys[] = {{"Return", Qt::Key_Return, Qt::NoModifier},
                        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier},
                        {"Space", Qt::Key_Space, Qt::NoModifier},
                        {"Shift+Return", Qt::Key_Return, Qt::ShiftModifier}};
    struct Field {
        const char* name;
        TSpinEdit* edit;
        bool launches;
    };
    const Field fields[] = {{"NumX", form->NumX, true},   {"NumY", form->NumY, true},
                            {"NumVox", form->NumVox, true}, {"NumVoy", form->NumVoy, true},
                            {"NumDt", form->NumDt, false}};
    for (const Field& f : fields) {
        for (const Key& k : keys) {
            if (!f.launches && k.key != Qt::Key_Space) continue;  // the time step: Space is enough
            f.edit->setFocus();
            const QString text = f.edit->Text();
            const int trail = form->Series2->Count();
            const int beeps = recorder.beeps;
            QTest::keyClick(f.edit, k.key, k.modifiers);
            const int runs = (form->Series2->Count() - trail) / kTrailPointsPerRun;
            EXPECT_EQ(runs, f.launches ? 1 : 0) << f.name << " " << k.name;
            EXPECT_EQ(f.edit->Text(), text) << f.name << " " << k.name;
            EXPECT_EQ(recorder.beeps - beeps, 1) << f.name << " " << k.name;
        }
    }
    EXPECT_TRUE(recorder.boxes.empty());
}

TEST_F(RunFlightTest, HeldEnterOrSpaceLaunchesOnceForItsPressNotForItsRepeats) {
    for (const auto& [key, typed] : {std::pair{Qt::Key_Return, "\r"}, std::pair{Qt::Key_Space, " "}}) {
        form->NumY->setFocus();
        const int trail = form->Series2->Count();
        const int beeps = recorder.beeps;
        const QString text = QString::fromLatin1(typed);
        for (bool repeat : {false, true, true, true, true}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text, repeat);
            QApplication::sendEvent(form->NumY, &press);
        }
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(form->NumY, &release);
        EXPECT_EQ(form->Series2->Count() - trail, kTrailPointsPerRun) << key;
        EXPECT_EQ(memoLines().size(), 11 + 97) << key;
        // The field refuses every one of the five characters as usual.
        EXPECT_EQ(recorder.beeps - beeps, 5) << key;
    }
}

TEST_F(RunFlightTest, EmptiedXFieldKeepsTheStartForTheNextRun) {
    // Erased and launched with Enter without leaving it: the field stays
    // empty, so the end of each run cannot read the start from it.
    form->NumX->setFocus();
    form->NumX->SelectAll();
    QTest::keyClick(form->NumX, Qt::Key_Delete);
    ASSERT_TRUE(form->NumX->Text().isEmpty());
    QTest::keyClick(form->NumX, Qt::Key_Return);
    const QStringList first = memoLines();
    ASSERT_EQ(first.size(), 11 + 97);
    EXPECT_EQ(first[6], QStringLiteral("X(0)=\t30000000\tdx/dt(0)=\t0"));
    EXPECT_EQ(form->orbit.PosX, 30000.0L);
    EXPECT_EQ(form->orbit.PosY, 40000.0L);

    QTest::keyClick(form->NumX, Qt::Key_Return);
    const QStringList second = memoLines();
    ASSERT_EQ(second.size(), 11 + 97);
    EXPECT_EQ(second[6], first[6]);
    EXPECT_EQ(second[7], first[7]);
    EXPECT_EQ(second.last(), first.last());
}

TEST_F(RunFlightTest, SampleDiscCoversSixPixelsAroundTheSatellite) {
    // A sample in an empty part of the map: the disc drawn after the map's
    // repaint is all that the next repaint takes away.
    TNvector v{};
    v[1].X = -30.0e6;
    v[2].X = -20.0e6;
    ASSERT_TRUE(form->Test2CallBackFunc(v));
    const QImage withDisc = form->Chart1->ScreenImage();
    form->Chart1->Repaint();
    const int px = form->Chart1->BottomAxis().CalcXPosValue(-30000);
    const int py = form->Chart1->LeftAxis().CalcYPosValue(-20000);
    // Corners (px - 3, py + 3) and (px + 3, py - 3), the second just outside.
    EXPECT_EQ(differingPixels(withDisc, form->Chart1->ScreenImage()), QRect(px - 3, py - 3, 6, 6));
}

// A platform whose delay fails at one sample: an error in the middle of a run.
class FailingDelayPlatform : public RecordingPlatform {
public:
    explicit FailingDelayPlatform(std::size_t failingCall) : failingCall_(failingCall) {}
    void sleepMs(int ms) override {
        RecordingPlatform::sleepMs(ms);
        if (sleeps.size() == failingCall_) throw RangeError();
    }

private:
    std::size_t failingCall_;
};

TEST_F(RunFlightTest, RunEndedByAnErrorIsReportedAndTheNextRunStartsFromTheFields) {
    FailingDelayPlatform failing(5);
    setPlatform(&failing);
    form->ButtonEuler->click();
    setPlatform(&recorder);

    ASSERT_EQ(failing.boxes.size(), 1u);
    EXPECT_EQ(failing.boxes[0].text, QStringLiteral("Erreur de vérification d'étendue."));
    EXPECT_EQ(failing.boxes[0].icon, MessageIcon::Stop);
    // Samples 0 to 3 were written; the fifth sample stopped in its delay.
    EXPECT_EQ(memoLines().size(), 11 + 4);
    // The start position is kilometres again, not the last sample's metres.
    EXPECT_EQ(form->orbit.PosX, 30000.0L);
    EXPECT_EQ(form->orbit.PosY, 40000.0L);

    form->ButtonEuler->click();
    const QStringList lines = memoLines();
    ASSERT_EQ(lines.size(), 11 + 97);
    EXPECT_TRUE(lines[11].endsWith(QStringLiteral("\t50000"))) << lines[11].toStdString();
}

}  // namespace
}  // namespace gravitaria::testing
