// The trajectory map's handlers: the attractor disc drawn after every
// drawing, zoom, clearing, printing and copying, and the pointer readout and
// start placement of the map used as an input.
#include <QCheckBox>
#include <QCursor>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cmath>

#include "chart.h"
#include "chart_setup.h"
#include "errors.h"
#include "locale_separators.h"
#include "nested_changes.h"
#include "pointer_readout.h"
#include "satellite_form.h"
#include "satellite_layout.h"
#include "spin_edit.h"

namespace gravitaria {

namespace {


// Both axes scaled about the origin by f, each end in turn; with the map
// hidden meanwhile, it is drawn once with the new ranges.
void zoomMap(TChart& chart, double f) {
    chart.hide();
    TChartAxis& bottom = chart.BottomAxis();
    TChartAxis& left = chart.LeftAxis();
    bottom.SetMinimum(f * bottom.Minimum());
    bottom.SetMaximum(f * bottom.Maximum());
    left.SetMinimum(f * left.Minimum());
    left.SetMaximum(f * left.Maximum());
    chart.show();
}

// The system pointer in the map's client coordinates: the readout follows
// the pointer itself, not the coordinates an event carries.
QPoint pointerOnMap(const TChart& chart) { return chart.mapFromGlobal(QCursor::pos()); }

void setCaption(QLabel& label, const QString& text) {
    label.setText(text);
    fitLabel(&label);  // the readout labels size themselves to their text
}

}  // namespace

void TSatelliteForm::Chart1AfterDraw(QObject* /*Sender*/) {
    if (Chart1->SeriesCount() == 0) return;
    TCanvas& canvas = Chart1->Canvas();
    canvas.Pen = TPen{QColor(0, 0, 0), 1, TPenStyle::Solid};
    canvas.Brush = TBrush{kAttractorSilver, TBrushStyle::Solid};
    // The radius in km is taken as it is in map units: the map is in km for
    // every attractor.
    const double r = NumRayon->Value();
    const TChartAxis& h = Series1->GetHorizAxis();
    const TChartAxis& v = Series1->GetVertAxis();
    canvas.Ellipse(h.CalcXPosValue(-r), v.CalcYPosValue(r), h.CalcXPosValue(r),
                   v.CalcYPosValue(-r));
}

void TSatelliteForm::ZoomPlusClick(QObject* /*Sender*/) { zoomMap(*Chart1, 0.5); }

void TSatelliteForm::ZoomMoinsClick(QObject* /*Sender*/) { zoomMap(*Chart1, 2.0); }

void TSatelliteForm::ButtonEffacerClick(QObject* Sender) {
    clearCollisionIndicator();
    NumLabTempsDeVol->setText(QStringLiteral("0"));
    Memo1->clear();
    clearAllSeries();
    clearFlightReport();
    // Unticking the memo switch runs its handler, which brings the map back
    // in front of the memo.
    setChecked(CheckBoxMemo, false);
    GrafInit(Sender);
}

void TSatelliteForm::ButtonImprimerClick(QObject* /*Sender*/) { Chart1->Print(); }

void TSatelliteForm::Button2Click(QObject* /*Sender*/) { Chart1->CopyToClipboardBitmap(); }

void TSatelliteForm::Chart1MouseMove(QObject* /*Sender*/, Qt::KeyboardModifiers /*Shift*/,
                                     int /*X*/, int /*Y*/) {
    const PointerReadout readout =
        pointerReadout(Series1->GetHorizAxis().Mapping(), Series1->GetVertAxis().Mapping(),
                       pointerOnMap(*Chart1), NumRayon->Value(), unite);
    const PointerCaptions c = pointerCaptions(readout, unite, systemSeparators());
    setCaption(*Label1, c.positionTitle);
    setCaption(*Label26, c.distanceTitle);
    setCaption(*XEnCoursPos, c.x);
    setCaption(*YEnCoursPos, c.y);
    setCaption(*RpositionEnCours, c.distance);
}

void TSatelliteForm::Chart1MouseDown(QObject* /*Sender*/, Qt::MouseButton /*Button*/,
                                     Qt::KeyboardModifiers /*Shift*/, int /*X*/, int /*Y*/) {
    const QPoint pixel = pointerOnMap(*Chart1);
    const double mapX = Series1->GetHorizAxis().CalcPosPoint(pixel.x());
    const double mapY = Series1->GetVertAxis().CalcPosPoint(pixel.y());
    // On a map zoomed out near the largest double the 64-bit value can
    // overflow: that is past the fields' range too, and the start keeps its
    // finite value.
    if (!std::isfinite(mapX) || !std::isfinite(mapY)) throw RangeError();
    orbit.PosX = mapX;
    orbit.PosY = mapY;
    // Each field's change handler runs inside the setting; a value past the
    // fields' 32-bit range stops here with what was done before it kept.
    setValue(NumX, startFieldValue(mapX, unite));
    setValue(NumY, startFieldValue(mapY, unite));
    ButtonEuler->setFocus();
    Series1->Delete(Series1->Count() - 1);
    Series1->AddXY(static_cast<double>(orbit.PosX), static_cast<double>(orbit.PosY));
}

}  // namespace gravitaria
