// The main window: creation, event bindings, resizing rules, first display,
// close, and the handlers that move between windows.
#include "satellite_form.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "chart.h"
#include "click_label.h"
#include "error_report.h"
#include "float_edit.h"
#include "navigation.h"
#include "parameter_rules.h"
#include "radio_group.h"
#include "satellite_flight_report.h"
#include "satellite_layout.h"
#include "spin_edit.h"
#include "window_placement.h"

namespace gravitaria {

namespace {

// A notification handler run under the top-level error report.
template <class Form, class Method>
TNotifyEvent guarded(Form* form, Method method) {
    return [form, method](QObject* sender) { runHandler([&] { (form->*method)(sender); }); };
}

}  // namespace

TSatelliteForm::TSatelliteForm(QWidget* parent) : QWidget(parent) {
    createControls();
    bindEvents();
    buildTabOrder();
    setMinimumSize(kMinOuterWidth - kFrameWidth, kMinOuterHeight - kFrameHeight);
    setMaximumSize(kMaxOuterWidth - kFrameWidth, kMaxOuterHeight - kFrameHeight);
    runHandler([this] { FormCreate(this); });
}

TSatelliteForm::~TSatelliteForm() = default;

QSize TSatelliteForm::outerSize() const {
    return size() + QSize(kFrameWidth, kFrameHeight);
}

QSize TSatelliteForm::reportedOuterSize() const {
    return isWindow() ? frameGeometry().size() : size();
}

void TSatelliteForm::bindEvents() {
    // Start fields: the bindings of NumVox and NumVoy are deliberately
    // crossed (a change of either goes to NumXChange, a click in NumVoy to
    // NumYChange).
    NumX->OnChange = guarded(this, &TSatelliteForm::NumXChange);
    NumX->OnClick = guarded(this, &TSatelliteForm::NumXChange);
    NumX->OnExit = guarded(this, &TSatelliteForm::NumXExit);
    NumY->OnChange = guarded(this, &TSatelliteForm::NumYChange);
    NumY->OnClick = guarded(this, &TSatelliteForm::NumYChange);
    NumY->OnExit = guarded(this, &TSatelliteForm::NumYExit);
    NumVox->OnChange = guarded(this, &TSatelliteForm::NumXChange);
    NumVox->OnClick = guarded(this, &TSatelliteForm::NumXChange);
    NumVox->OnExit = guarded(this, &TSatelliteForm::NumVoxExit);
    NumVoy->OnChange = guarded(this, &TSatelliteForm::NumXChange);
    NumVoy->OnClick = guarded(this, &TSatelliteForm::NumYChange);
    NumVoy->OnExit = guarded(this, &TSatelliteForm::NumVoyExit);
    for (TSpinEdit* start : {NumX, NumY, NumVox, NumVoy}) {
        start->OnKeyDown = [this](QObject* sender, int& key, Qt::KeyboardModifiers shift) {
            runHandler([&] { LanceGraf(sender, key, shift); });
        };
    }

    NumMasseMantisse->OnChange = guarded(this, &TSatelliteForm::NumMasseMantisChange);
    NumMasseExp->OnChange = guarded(this, &TSatelliteForm::NumMasseExpChange);
    NumMasseExp->OnExit = guarded(this, &TSatelliteForm::NumMasseExpExit);
    NumRayon->OnExit = guarded(this, &TSatelliteForm::NumRayonExit);
    NumVide->OnExit = guarded(this, &TSatelliteForm::NumVideExit);
    NumDt->OnExit = guarded(this, &TSatelliteForm::NumDtExit);
    // The foreseen orbit also follows the radius and the planned duration.
    for (TSpinEdit* field : {NumRayon, NumDt, NumNombrePoints})
        field->OnChange = [this](QObject*) { runHandler([this] { refreshPrediction(); }); };

    connect(attracteur, &TRadioGroup::clicked, this,
            [this] { runHandler([this] { attracteurClick(attracteur); }); });
    connect(RadioGroup1, &TRadioGroup::clicked, this,
            [this] { runHandler([this] { RadioGroup1Click(RadioGroup1); }); });

    Chart1->OnAfterDraw = [this] { runHandler([this] { Chart1AfterDraw(Chart1); }); };
    Chart1->OnMouseDown = [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                                 int y) {
        runHandler([&] { Chart1MouseDown(Chart1, button, shift, x, y); });
    };
    Chart1->OnMouseMove = [this](Qt::KeyboardModifiers shift, int x, int y) {
        runHandler([&] { Chart1MouseMove(Chart1, shift, x, y); });
    };

    const auto click = [this](QAbstractButton* b, void (TSatelliteForm::*method)(QObject*)) {
        connect(b, &QAbstractButton::clicked, this,
                [this, b, method] { runHandler([&] { (this->*method)(b); }); });
    };
    click(ButtonEuler, &TSatelliteForm::ButtonEulerClick);
    click(ZoomPlus, &TSatelliteForm::ZoomPlusClick);
    click(ZoomMoins, &TSatelliteForm::ZoomMoinsClick);
    click(ButtonEffacer, &TSatelliteForm::ButtonEffacerClick);
    click(ButtonQuitter, &TSatelliteForm::ButtonQuitterClick);
    click(ButtonImprimer, &TSatelliteForm::ButtonImprimerClick);
    click(Button2, &TSatelliteForm::Button2Click);
    click(ButtonWiki, &TSatelliteForm::ButtonWikiClick);
    click(Licence, &TSatelliteForm::LicenceClick);
    click(Button1, &TSatelliteForm::Button1Click);
    // The memo switch follows every change of the tick, by the user or by
    // the program (clearing the map unticks it).
    connect(CheckBoxMemo, &QCheckBox::toggled, this,
            [this] { runHandler([this] { CheckBoxMemoClick(CheckBoxMemo); }); });
    connect(Image3, &TClickLabel::clicked, this,
            [this] { runHandler([this] { Image3Click(Image3); }); });
}

// ---- Size and first display.

void TSatelliteForm::placeChildren() {
    // Anchors: Actions, Conditions and the notebook follow the right edge,
    // the three lower boxes the bottom edge, GroupBox5 stretches; the map and
    // the memo stay at the top left.
    const int dx = width() - kClientWidth;
    const int dy = height() - kClientHeight;
    Actions->move(219 + dx, 440 + dy);
    Conditions->move(441 + dx, 440 + dy);
    PageControl1->move(441 + dx, 3);
    GroupBox5->setGeometry(8, 440 + dy, 205 + dx, GroupBox5->height());
}

void TSatelliteForm::SetAxisIsometric(QObject* /*Sender*/) {
    // The map is the square whose side is the smaller of the room left of
    // the notebook and the room above the lower band.
    const QSize outer = reportedOuterSize();
    squaredForOuterSize_ = outer;
    const int height = outer.height() - GroupBox5->height() - 42;
    const int width = outer.width() - kTabSheetWidth - 36;
    const int side = std::min(width, height);
    Chart1->setGeometry(0, 0, side, side);
}

void TSatelliteForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // A window manager that maximises past the size limits is brought back
    // inside them.
    const QSize bounded = size().boundedTo(maximumSize()).expandedTo(minimumSize());
    if (bounded != size()) {
        resize(bounded);
        return;
    }
    placeChildren();
    runHandler([this] { SetAxisIsometric(this); });
}

void TSatelliteForm::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (reportedOuterSize() != squaredForOuterSize_)
        runHandler([this] { SetAxisIsometric(this); });
}

void TSatelliteForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    centreOnScreen(*this);
    NumX->setFocus(Qt::OtherFocusReason);
}

void TSatelliteForm::closeEvent(QCloseEvent* event) {
    TCloseAction action = TCloseAction::caHide;
    runHandler([&] { fermeture(this, action); });
    event->accept();
}

void TSatelliteForm::FormCreate(QObject* Sender) {
    unite = kUniteKm;
    orbit.PosX = NumX->Value();
    orbit.PosY = NumY->Value();
    attracteurClick(Sender);
    GrafInit(Sender);
}

// ---- Moves between windows, messages, memo switch, quitting.

void TSatelliteForm::fermeture(QObject* /*Sender*/, TCloseAction& /*Action*/) {
    closeMainWindow(*this);
}

void TSatelliteForm::CheckBoxMemoClick(QObject* /*Sender*/) {
    switchMemo(*CheckBoxMemo, *Chart1, *Memo1);
}

void TSatelliteForm::ButtonQuitterClick(QObject* /*Sender*/) { quitProgram(); }

void TSatelliteForm::Button1Click(QObject* /*Sender*/) { showStartWindow(); }

void TSatelliteForm::ButtonWikiClick(QObject* /*Sender*/) { showExtractWindow(); }

void TSatelliteForm::LicenceClick(QObject* /*Sender*/) { showIntegratorCredit(); }

void TSatelliteForm::Image3Click(QObject* /*Sender*/) { showForceMessage(); }

}  // namespace gravitaria
