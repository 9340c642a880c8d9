#pragma once
// The main simulation window: the trajectory map, the five-page notebook and
// the three group boxes of the lower band. Every control is a public member
// named as in the window layout; every handler is a public method. The
// layout and parameter handlers are in satellite_form.cpp, satellite_layout.cpp
// and satellite_params.cpp; the flight run in satellite_run.cpp; the map's
// handlers and pointer readout in satellite_map.cpp.
#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "flight_run.h"
#include "orbit_state.h"
#include "runge_kutta4.h"

class QCheckBox;
class QPainter;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace gravitaria {

class TChart;
class TFloatEdit;
class TLineSeries;
class TRadioGroup;
class TSpinEdit;
class TTrackBar;
class TClickLabel;
class TBilanPage;
class TFlightsForm;
class TMethodComparisonPanel;
struct SampleRecord;

// What the window does once closing is asked for.
enum class TCloseAction { caNone, caHide, caFree, caMinimize };

class TSatelliteForm : public QWidget {
    Q_OBJECT
public:
    explicit TSatelliteForm(QWidget* parent = nullptr);
    ~TSatelliteForm() override;

    // ---- Direct children, bottom of the stacking order first.
    QGroupBox* Actions = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QGroupBox* GroupBox5 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    TChart* Chart1 = nullptr;
    QGroupBox* Conditions = nullptr;

    // ---- Conditions: launch conditions.
    TSpinEdit* NumX = nullptr;
    TSpinEdit* NumY = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    TSpinEdit* NumVox = nullptr;
    TSpinEdit* NumVoy = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;

    // ---- Actions: commands.
    QPushButton* ZoomMoins = nullptr;
    QLabel* Label28 = nullptr;
    QPushButton* ZoomPlus = nullptr;
    QPushButton* ButtonEffacer = nullptr;
    QCheckBox* CheckBoxMemo = nullptr;
    QPushButton* ButtonQuitter = nullptr;
    QPushButton* ButtonEuler = nullptr;

    // ---- GroupBox5: pointer readout.
    QLabel* Label1 = nullptr;
    QLabel* XEnCoursPos = nullptr;
    QLabel* YEnCoursPos = nullptr;
    QLabel* Label26 = nullptr;
    QLabel* RpositionEnCours = nullptr;

    // ---- The notebook's pages.
    QWidget* TabSheet1 = nullptr;   // "Système"
    QWidget* TabSheet2 = nullptr;   // "Chrono"
    QWidget* TabSheet3 = nullptr;   // "Affichage"
    QWidget* TabSheet4 = nullptr;   // "Vitesse"
    QWidget* TabSheet5 = nullptr;   // "A propos"
    TBilanPage* TabSheet6 = nullptr;  // "Bilan", between "Vitesse" and "A propos"

    // The window "Bilan des vols": one instance, a top-level window owned
    // by this one (not one of its children).
    TFlightsForm* FlightsForm = nullptr;
    // Its method comparison panel (owned by the flights window).
    TMethodComparisonPanel* MethodComparison = nullptr;

    // ---- "Système": attractor and satellite.
    QGroupBox* GroupBoxAttracteur = nullptr;
    TRadioGroup* attracteur = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* Label16 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QLabel* Label6 = nullptr;
    TFloatEdit* NumMasseMantisse = nullptr;
    QLabel* Label20 = nullptr;
    TSpinEdit* NumMasseExp = nullptr;
    QLabel* Label7 = nullptr;
    TSpinEdit* NumRayon = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QLabel* Label8 = nullptr;
    TSpinEdit* NumVide = nullptr;
    QLabel* Label18 = nullptr;
    QLabel* Label9 = nullptr;

    // ---- "Chrono": durations.
    QGroupBox* GroupBoxChrono = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* TempsDeVol = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* NumLabTempsDeVol = nullptr;
    QCheckBox* CheckImpact = nullptr;
    QLabel* Label12 = nullptr;
    TSpinEdit* NumDt = nullptr;
    QLabel* Label13 = nullptr;
    TSpinEdit* NumNombrePoints = nullptr;
    TRadioGroup* RadioGroup1 = nullptr;

    // ---- "Affichage": drawing delay, print and copy.
    QGroupBox* EchelleTemps = nullptr;
    QLabel* Label21 = nullptr;
    QLabel* Label15 = nullptr;
    TTrackBar* TrackTemporisation = nullptr;
    QLabel* Label19 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QPushButton* ButtonImprimer = nullptr;
    QLabel* Label17 = nullptr;
    QPushButton* Button2 = nullptr;
    QLabel* label32 = nullptr;
    QLabel* LabelEchap = nullptr;      // Escape stops a run

    // ---- "Vitesse": speed chart.
    QGroupBox* GroupBox4 = nullptr;
    TChart* Chart2 = nullptr;

    // ---- "A propos": principles and information.
    TRadioGroup* methode = nullptr;
    QLabel* Label23 = nullptr;
    TClickLabel* Image1 = nullptr;
    QLabel* Label24 = nullptr;
    TClickLabel* Image2 = nullptr;
    QLabel* Label22 = nullptr;
    TClickLabel* Image4 = nullptr;
    QLabel* Label25 = nullptr;
    TClickLabel* Image3 = nullptr;
    QPushButton* ButtonWiki = nullptr;
    QPushButton* Licence = nullptr;
    QPushButton* Button1 = nullptr;

    // ---- Chart series: the map's marker and trail, the speed chart's V,
    // Vx and Vy. Owned by their charts.
    TLineSeries* Series1 = nullptr;
    TLineSeries* Series2 = nullptr;
    TLineSeries* Series3 = nullptr;
    TLineSeries* Series4 = nullptr;
    TLineSeries* Series5 = nullptr;
    // The map's lines of the methods compared with RK4 (under the trail):
    // explicit Euler, semi-implicit Euler, the reference. Cleared with the
    // map; a run leaves them.
    TLineSeries* EulerLine = nullptr;
    TLineSeries* SemiImplicitLine = nullptr;
    TLineSeries* ReferenceLine = nullptr;

    // ---- Run state.
    QString unite;                     // " km" or " Millions de km"
    double LowerLimit = 0.0;
    double UpperLimit = 0.0;
    double CalcInterval = 0.0;
    double ReturnInterval = 0.0;
    std::uint8_t Error = 0;
    TFuncVect TestFuncs;
    TNvector Initialvalues{};
    std::int32_t NUmEquations = 0;
    // The program-wide state of the flights (mass, start position, table).
    OrbitState orbit;

    // ---- Creation, size, close (satellite_form.cpp).
    void FormCreate(QObject* Sender);
    void SetAxisIsometric(QObject* Sender);
    void fermeture(QObject* Sender, TCloseAction& Action);
    // The outer size that the size limits refer to: the client size plus the
    // frame of a standard 96-dpi title bar and border, whatever the window
    // manager draws, so that the layout is the same everywhere.
    QSize outerSize() const;
    // The outer size the window system reports, frame and caption bar
    // included, that the map's sizing rule reads; the client size where the
    // window system reports no frame.
    QSize reportedOuterSize() const;

    // ---- Presets and parameter fields (satellite_params.cpp).
    void attracteurClick(QObject* Sender);
    void NumMasseMantisChange(QObject* Sender);
    void NumMasseExpChange(QObject* Sender);
    void NumXChange(QObject* Sender);
    void NumYChange(QObject* Sender);
    void NumXExit(QObject* Sender);
    void NumYExit(QObject* Sender);
    void NumVoxExit(QObject* Sender);
    void NumVoyExit(QObject* Sender);
    void NumRayonExit(QObject* Sender);
    void NumVideExit(QObject* Sender);
    void NumMasseExpExit(QObject* Sender);
    void NumDtExit(QObject* Sender);
    void LanceGraf(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
    void RadioGroup1Click(QObject* Sender);
    void GrafInit(QObject* Sender);

    // ---- Steps several handlers share (satellite_params.cpp).
    // PosX and PosY in km from the start fields.
    void updateStartPosition();
    // AttractorMass from the mantissa and exponent texts.
    void updateAttractorMass();
    // TempsDeVol shows dt x N.
    void showPlannedFlightTime();
    // The check box unticked and the clock back to yellow.
    void clearCollisionIndicator();
    // Series1 to Series5 emptied, in this order, then the comparison lines
    // (mapCleared).
    void clearAllSeries();
    // The field values a run reads, at this moment.
    RunInputs runInputs() const;

signals:
    // Everything drawn on the map was removed (clearing, attractor preset).
    void mapCleared();

public:

    // ---- Flight run (satellite_run.cpp).
    void ButtonEulerClick(QObject* Sender);
    double Test2UserFunc1(TNvector V);
    double Test2UserFunc2(TNvector V);
    bool Test2CallBackFunc(TNvector V);

    // ---- Map handlers and pointer readout (satellite_map.cpp).
    void Chart1AfterDraw(QObject* Sender);
    void ZoomPlusClick(QObject* Sender);
    void ZoomMoinsClick(QObject* Sender);
    void ButtonEffacerClick(QObject* Sender);
    void ButtonImprimerClick(QObject* Sender);
    void Button2Click(QObject* Sender);
    void Chart1MouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void Chart1MouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                         int X, int Y);

    // ---- Flight report: the page "Bilan", the flights window and the
    // swept areas on the map (satellite_bilan.cpp).
    // The orbit foreseen from the start state, the mass and the radius.
    void refreshPrediction();
    // A run begins: its start conditions are kept and its samples logged.
    void beginFlightReport();
    void logFlightSample(const SampleRecord& rec);
    void logFlightCollision();
    // A run has ended (its last sample, a collision or an interruption):
    // the last flight's measures, a row of the flights table, the energies,
    // the swept areas.
    void endFlightReport();
    // A run ended by an error: no measure, no row.
    void abandonFlightReport();
    // The map was cleared: the flights and the last flight go with it.
    void clearFlightReport();
    void CheckBoxAiresClick(QObject* Sender);
    void ButtonBilanVolsClick(QObject* Sender);
    void Chart1DrawUnderSeries(QPainter& painter);

    // ---- Navigation (satellite_form.cpp, through navigation.h).
    void CheckBoxMemoClick(QObject* Sender);
    void ButtonQuitterClick(QObject* Sender);
    void Button1Click(QObject* Sender);
    void ButtonWikiClick(QObject* Sender);
    void LicenceClick(QObject* Sender);
    void Image3Click(QObject* Sender);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // The frame a window manager adds after the window is shown arrives
    // with a move; the map is squared again when it changes the outer size.
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Layout (satellite_layout.cpp).
    void createControls();
    void createSystemPage();
    void createChronoPage();
    void createDisplayPage();
    void createSpeedPage();
    void createAboutPage();
    void createBilanPage();
    void buildTabOrder();
    // Event bindings and the resizing rules (satellite_form.cpp).
    void bindEvents();
    void placeChildren();

    struct FlightReport;
    std::unique_ptr<FlightReport> report_;

    bool shownOnce_ = false;
    // The outer size the map was last squared for.
    QSize squaredForOuterSize_;
};

}  // namespace gravitaria
