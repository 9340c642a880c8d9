// The handlers of the parameter fields and of the two preset radio groups:
// they read the fields, call the rules of scenario/, and write the results
// into the fields and the model state. A field or radio change made here
// runs that control's own handler at once; the setters of nested_changes.h
// (and rethrowPending() after an undo) then end this handler too when that
// nested one failed.
#include <QCheckBox>
#include <QLabel>

#include "chart.h"
#include "custom_edit.h"
#include "error_report.h"
#include "float_edit.h"
#include "locale_separators.h"
#include "nested_changes.h"
#include "parameter_rules.h"
#include "presets.h"
#include "radio_group.h"
#include "satellite_form.h"
#include "satellite_layout.h"
#include "spin_edit.h"

namespace gravitaria {

namespace {

// Undoes the erasure of an emptied field when it is left.
void restoreIfEmpty(TCustomEdit* field) {
    if (!field->Text().isEmpty()) return;
    field->Undo();
    rethrowPending();
}

}  // namespace

// ---- Attractor presets.

void TSatelliteForm::attracteurClick(QObject* Sender) {
    unite = kUniteKm;
    const int index = attracteur->itemIndex();
    if (const AttractorPreset* preset = attractorPreset(index)) {
        orbit.AttractorMass = preset->mass;
        setValue(NumMasseMantisse, preset->mantissa);
        setText(NumMasseExp, preset->exponentText);
        setText(NumRayon, preset->radiusText);
        if (const auto& start = preset->start) {
            unite = preset->unite;
            // The map is hidden while its ranges change so that it is drawn
            // once, with the new ranges. Both ends of an axis are set
            // together: a map panned far off the centre could otherwise
            // refuse the new minimum as above its current maximum.
            Chart1->hide();
            Chart1->BottomAxis().SetMinMax(-start->mapHalfRange, start->mapHalfRange);
            Chart1->LeftAxis().SetMinMax(-start->mapHalfRange, start->mapHalfRange);
            Chart1->show();
            setValue(NumX, start->x);
            setValue(NumY, start->y);
            setValue(NumVox, start->vx);
            setValue(NumVoy, start->vy);
            if (preset->durationFirst) {
                setItemIndex(RadioGroup1, preset->durationIndex);
                setValue(NumDt, start->dt);
                setText(NumNombrePoints, preset->pointsText);
            } else {
                setValue(NumDt, start->dt);
                setText(NumNombrePoints, preset->pointsText);
                setItemIndex(RadioGroup1, preset->durationIndex);
            }
        } else {
            setText(NumNombrePoints, preset->pointsText);
            setItemIndex(RadioGroup1, preset->durationIndex);
        }
    }
    Label2->setText(startXCaption(unite));
    Label3->setText(startYCaption(unite));
    Label16->setText(unite);
    for (QLabel* l : {Label2, Label3, Label16}) fitLabel(l);
    clearAllSeries();
    clearFlightReport();
    GrafInit(Sender);
    if (index >= 0 && index < attracteur->items().size()) {
        setWindowTitle(attractorWindowCaption(attracteur->items().at(index)));
    }
    // The preset may set the mass without changing the mass fields' texts.
    refreshPrediction();
}

void TSatelliteForm::GrafInit(QObject* /*Sender*/) {
    showPlannedFlightTime();
    const double x = static_cast<double>(startPositionKm(NumX->Value(), unite));
    const double y = static_cast<double>(startPositionKm(NumY->Value(), unite));
    Series2->AddXY(x, y);
    Series1->AddXY(x, y);
}

// ---- Attractor mass.

void TSatelliteForm::NumMasseMantisChange(QObject* /*Sender*/) {
    if (NumMasseMantisse->Text().isEmpty()) {
        // Runs this handler again, nested, for the text 1,00.
        setValue(NumMasseMantisse, 1.0L);
        NumMasseMantisse->SelectAll();
    }
    updateAttractorMass();
}

void TSatelliteForm::NumMasseExpChange(QObject* /*Sender*/) { updateAttractorMass(); }

// ---- Start position.

void TSatelliteForm::NumXChange(QObject* /*Sender*/) {
    if (NumX->Text().isEmpty()) return;
    updateStartPosition();
}

void TSatelliteForm::NumYChange(QObject* /*Sender*/) {
    if (NumY->Text().isEmpty()) return;
    updateStartPosition();
    // A new start clears the collision shown by the last run.
    clearCollisionIndicator();
}

// ---- Leaving a field.

void TSatelliteForm::NumXExit(QObject* /*Sender*/) { restoreIfEmpty(NumX); }
void TSatelliteForm::NumYExit(QObject* /*Sender*/) { restoreIfEmpty(NumY); }
void TSatelliteForm::NumVoxExit(QObject* /*Sender*/) { restoreIfEmpty(NumVox); }
void TSatelliteForm::NumVoyExit(QObject* /*Sender*/) { restoreIfEmpty(NumVoy); }
void TSatelliteForm::NumRayonExit(QObject* /*Sender*/) { restoreIfEmpty(NumRayon); }
void TSatelliteForm::NumVideExit(QObject* /*Sender*/) { restoreIfEmpty(NumVide); }
void TSatelliteForm::NumMasseExpExit(QObject* /*Sender*/) { restoreIfEmpty(NumMasseExp); }

void TSatelliteForm::NumDtExit(QObject* /*Sender*/) {
    if (NumDt->Text().isEmpty()) setValue(NumDt, 10);
}

// ---- Keyboard launch and duration presets.

void TSatelliteForm::LanceGraf(QObject* Sender, int& Key, Qt::KeyboardModifiers /*Shift*/) {
    // Enter (either key) or the space bar, whatever the modifiers; the key
    // is not consumed. A held key launches once: its automatic repeats
    // would each start another whole run.
    const auto* field = qobject_cast<const TCustomEdit*>(Sender);
    if (field != nullptr && field->KeyIsAutoRepeat()) return;
    if (Key == Qt::Key_Return || Key == Qt::Key_Enter || Key == Qt::Key_Space) {
        ButtonEulerClick(Sender);
    }
}

void TSatelliteForm::RadioGroup1Click(QObject* /*Sender*/) {
    if (const DurationPreset* preset = durationPreset(RadioGroup1->itemIndex())) {
        setValue(NumNombrePoints, preset->points);
        setValue(NumDt, preset->dt);
    }
    showPlannedFlightTime();
}

// ---- Steps several handlers share.

void TSatelliteForm::updateStartPosition() {
    orbit.PosX = startPositionKm(NumX->Value(), unite);
    orbit.PosY = startPositionKm(NumY->Value(), unite);
    refreshPrediction();
}

void TSatelliteForm::updateAttractorMass() {
    orbit.AttractorMass = attractorMassFromTexts(
        NumMasseMantisse->Text(), NumMasseExp->Text(), NumMasseMantisse->DecimalSeparator());
    refreshPrediction();
}

void TSatelliteForm::showPlannedFlightTime() {
    TempsDeVol->setText(
        plannedFlightText(NumDt->Value(), NumNombrePoints->Value(), systemSeparators()));
    fitLabel(TempsDeVol);
}

void TSatelliteForm::clearCollisionIndicator() {
    CheckImpact->setChecked(false);
    setClockColour(*NumLabTempsDeVol, kClockYellow);
}

void TSatelliteForm::clearAllSeries() {
    for (TLineSeries* s : {Series1, Series2, Series3, Series4, Series5}) s->Clear();
    for (TLineSeries* s : {EulerLine, SemiImplicitLine, ReferenceLine}) s->Clear();
    emit mapCleared();
}

RunInputs TSatelliteForm::runInputs() const {
    return RunInputs{NumDt->Value(), NumNombrePoints->Value(), NumVox->Value(), NumVoy->Value(),
                     NumRayon->Value()};
}

}  // namespace gravitaria
