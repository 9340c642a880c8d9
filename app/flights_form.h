#pragma once
// The window "Bilan des vols": the table of the flights since the map was
// last cleared, the energies of the last flight against time, a copy of the
// table for a spreadsheet. Modeless and resizable; one instance, hidden by
// its close box and by "&Fermer", centred on the screen the first time.
#include <QWidget>
#include <span>
#include <vector>

#include "flight_report.h"

class QPushButton;
class QTableWidget;
class QVBoxLayout;

namespace gravitaria {

class TChart;
class TLineSeries;

class TFlightsForm : public QWidget {
    Q_OBJECT
public:
    explicit TFlightsForm(QWidget* parent = nullptr);

    QTableWidget* TableVols = nullptr;
    TChart* ChartEnergies = nullptr;
    TLineSeries* SeriesEc = nullptr;
    TLineSeries* SeriesEp = nullptr;
    TLineSeries* SeriesEm = nullptr;
    QPushButton* ButtonCopier = nullptr;   // "Copier le &tableau"
    QPushButton* ButtonFermer = nullptr;   // "&Fermer"

    // Room for one more panel under the flights table: widgets added here
    // sit between the table and the energy chart.
    QVBoxLayout* Panels = nullptr;

    // The table shows these rows (numbers grouped, the locale's marks).
    void showFlights(const std::vector<FlightRow>& rows);
    // The energy chart shows Ec, Ep and Em of these samples for the mass
    // (kg); empty with a mass <= 0.
    void showEnergies(std::span<const FlightSample> samples, long double mu, long double massKg);

    // "Copier le &tableau": the table as TAB-separated text on the clipboard.
    void ButtonCopierClick(QObject* Sender);
    // "&Fermer": hides the window.
    void ButtonFermerClick(QObject* Sender);

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::vector<FlightRow> rows_;
    bool shownOnce_ = false;
};

}  // namespace gravitaria
