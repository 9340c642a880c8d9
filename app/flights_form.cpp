#include "flights_form.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "chart.h"
#include "chart_setup.h"
#include "error_report.h"
#include "fonts.h"
#include "locale_separators.h"
#include "window_placement.h"

namespace gravitaria {

TFlightsForm::TFlightsForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Bilan des vols"));
    setFont(tahomaFont(11));
    resize(900, 560);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);

    const QStringList header = flightTableHeader();
    TableVols = new QTableWidget(0, static_cast<int>(header.size()), this);
    TableVols->setHorizontalHeaderLabels(header);
    TableVols->verticalHeader()->hide();
    TableVols->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TableVols->setSelectionBehavior(QAbstractItemView::SelectRows);
    TableVols->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(TableVols, 2);

    Panels = new QVBoxLayout;
    Panels->setSpacing(6);
    layout->addLayout(Panels);

    ChartEnergies = new TChart(this);
    ChartEnergies->setMinimumHeight(200);
    const EnergyChartSeries energies = setupEnergyChart(*ChartEnergies);
    SeriesEc = &energies.kinetic;
    SeriesEp = &energies.potential;
    SeriesEm = &energies.mechanical;
    layout->addWidget(ChartEnergies, 3);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    ButtonCopier = new QPushButton(QStringLiteral("Copier le &tableau"), this);
    ButtonFermer = new QPushButton(QStringLiteral("&Fermer"), this);
    for (QPushButton* b : {ButtonCopier, ButtonFermer}) {
        b->setAutoDefault(true);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);

    connect(ButtonCopier, &QPushButton::clicked, this,
            [this] { runHandler([this] { ButtonCopierClick(ButtonCopier); }); });
    connect(ButtonFermer, &QPushButton::clicked, this,
            [this] { runHandler([this] { ButtonFermerClick(ButtonFermer); }); });
}

void TFlightsForm::showFlights(const std::vector<FlightRow>& rows) {
    rows_ = rows;
    const NumberSeparators seps = systemSeparators();
    TableVols->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const QStringList cells = flightRowCells(rows[static_cast<std::size_t>(r)], true, seps);
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            // Numbers line up on the right, words on the left.
            const bool words = c == 7 || c == 14;
            item->setTextAlignment((words ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            TableVols->setItem(r, c, item);
        }
    }
    if (!rows.empty()) TableVols->scrollToBottom();
}

void TFlightsForm::showEnergies(std::span<const FlightSample> samples, long double mu,
                                long double massKg) {
    for (TLineSeries* s : {SeriesEc, SeriesEp, SeriesEm}) s->Clear();
    if (!(massKg > 0.0L)) return;
    for (const FlightSample& s : samples) {
        if (s.x == 0.0 && s.y == 0.0) continue;  // no potential energy at the centre
        const SampleEnergies e = sampleEnergies(s, mu, massKg);
        const double ec = static_cast<double>(e.kinetic);
        const double ep = static_cast<double>(e.potential);
        const double em = static_cast<double>(e.mechanical);
        if (!std::isfinite(ec) || !std::isfinite(ep) || !std::isfinite(em)) continue;
        SeriesEc->AddXY(s.t, ec);
        SeriesEp->AddXY(s.t, ep);
        SeriesEm->AddXY(s.t, em);
    }
}

void TFlightsForm::ButtonCopierClick(QObject* /*Sender*/) {
    QApplication::clipboard()->setText(flightTableText(rows_, systemSeparators()));
}

void TFlightsForm::ButtonFermerClick(QObject* /*Sender*/) { hide(); }

void TFlightsForm::showEvent(QShowEvent* event) {
    if (!shownOnce_) {
        shownOnce_ = true;
        centreOnScreen(*this);
    }
    QWidget::showEvent(event);
}

}  // namespace gravitaria
