#include "chart_setup.h"

namespace gravitaria {

namespace {

void fixedAxis(TChartAxis& a, const QString& picture, int angle, int minorTicks) {
    a.Automatic = a.AutomaticMinimum = a.AutomaticMaximum = false;
    a.AxisValuesFormat = picture;
    a.LabelsAngle = angle;
    a.LabelsSeparation = 100;
    a.MinorTickCount = minorTicks;
    a.Axis.Width = 1;
    a.Grid.Visible = true;
    a.Grid.Style = TPenStyle::Solid;
    a.Grid.Color = QColor(0x80, 0x80, 0x80);
}

TLineSeries& lineSeries(TChart& chart, const QString& name, const QString& title,
                        const QColor& color, bool active) {
    TLineSeries& s = chart.AddSeries(name);
    s.Title = title;
    s.SeriesColor = color;
    s.LinePen.Visible = true;
    s.Pointer.Visible = false;
    s.SetXOrder(TValuesOrder::Ascending);
    s.SetActive(active);
    return s;
}

// What the speed and energy charts share: automatic axes against time, a
// legend with check boxes in the series' colours, white, zoom and panning.
void timeChartSettings(TChart& chart, const QString& xTitle, const QString& yTitle) {
    TChartAxis& x = chart.BottomAxis();
    x.Automatic = x.AutomaticMinimum = x.AutomaticMaximum = true;
    x.Title = xTitle;
    TChartAxis& y = chart.LeftAxis();
    y.Automatic = y.AutomaticMinimum = y.AutomaticMaximum = true;
    y.MinimumOffset = y.MaximumOffset = 15;
    y.MinimumRound = y.MaximumRound = true;
    y.Title = yTitle;
    chart.Legend.Visible = true;
    chart.Legend.CheckBoxes = true;
    chart.Legend.FontSeriesColor = true;
    chart.Legend.SymbolWidth = 5;
    chart.Legend.Frame = false;
    chart.Color = QColor(255, 255, 255);
    chart.AllowZoom = true;
    chart.AllowPanning = TPanning::Both;
}

}  // namespace

TrajectoryMapSeries setupTrajectoryMap(TChart& chart) {
    chart.setObjectName(QStringLiteral("Chart1"));
    fixedAxis(chart.BottomAxis(), QStringLiteral("#,##0"), 90, 0);
    fixedAxis(chart.LeftAxis(), QStringLiteral("#,##0.###"), 0, 3);
    chart.BottomAxis().SetMinMax(-50000, 50000);
    chart.LeftAxis().SetMinMax(-50000, 50000);
    chart.Legend.Visible = false;
    chart.Title.Visible = false;
    chart.MarginUnits = TMarginUnits::Pixels;
    chart.MarginLeft = 3;
    chart.MarginTop = 4;
    chart.MarginRight = 8;
    chart.MarginBottom = 4;
    chart.AllowZoom = false;
    chart.AllowPanning = TPanning::Both;
    chart.Color = QColor(255, 255, 255);
    chart.setCursor(Qt::CrossCursor);
    chart.PrintMargins = TPrintMargins{15, 10, 15, 10};
    chart.PrintProportional = false;
    chart.hide();

    TLineSeries& s1 = chart.AddSeries(QStringLiteral("Series1"));
    s1.ShowInLegend = false;
    s1.LinePen.Visible = false;
    s1.Pointer.Visible = true;
    s1.Pointer.Style = TPointerStyle::Circle;
    s1.Pointer.HorizSize = s1.Pointer.VertSize = 4;
    s1.SeriesColor = kMapMarkerFill;
    s1.Pointer.PenColor = kMapMarkerOutline;
    s1.SetXOrder(TValuesOrder::None);

    TLineSeries& s2 = chart.AddSeries(QStringLiteral("Series2"));
    s2.ShowInLegend = false;
    s2.LinePen.Visible = false;
    s2.Pointer.Visible = true;
    s2.Pointer.Style = TPointerStyle::Cross;
    s2.Pointer.HorizSize = s2.Pointer.VertSize = 1;
    s2.SeriesColor = QColor(0, 0, 0);
    s2.Pointer.PenColor = QColor(0, 0, 0);
    s2.SetXOrder(TValuesOrder::Ascending);
    return {s1, s2};
}

ComparisonLineSeries addComparisonLines(TChart& map) {
    const auto line = [&](int index, const QString& name, const QColor& color) -> TLineSeries& {
        TLineSeries& s = map.InsertSeries(index, name);
        s.ShowInLegend = false;
        s.SeriesColor = color;
        s.LinePen.Visible = true;
        s.Pointer.Visible = false;
        s.SetXOrder(TValuesOrder::None);  // a trajectory keeps its time order
        return s;
    };
    // The reference highest: it always shows, and each method's colour
    // shows where it strays from it.
    TLineSeries& euler = line(0, QStringLiteral("LigneEuler"), kEulerLine);
    TLineSeries& semiImplicit = line(1, QStringLiteral("LigneEulerSemiImplicite"), kSemiImplicitLine);
    TLineSeries& reference = line(2, QStringLiteral("LigneReference"), kReferenceLine);
    return {euler, semiImplicit, reference};
}

SpeedChartSeries setupSpeedChart(TChart& chart) {
    chart.setObjectName(QStringLiteral("Chart2"));
    chart.Title.Visible = true;
    chart.Title.Text = QStringList{kSpeedChartTitle};
    chart.Title.Alignment = Qt::AlignRight;
    timeChartSettings(chart, QStringLiteral("Temps(s)"), QStringLiteral("Vitesse (m/s)"));

    TLineSeries& v = lineSeries(chart, QStringLiteral("Series3"), QStringLiteral("V"),
                                QColor(0xFF, 0, 0), true);
    v.ValueFormat = QStringLiteral("#.# x10E-#");
    TLineSeries& vx = lineSeries(chart, QStringLiteral("Series4"), QStringLiteral("Vx"),
                                 QColor(0, 0x80, 0), false);
    TLineSeries& vy = lineSeries(chart, QStringLiteral("Series5"), QStringLiteral("Vy"),
                                 QColor(0x80, 0x40, 0), false);
    return {v, vx, vy};
}

EnergyChartSeries setupEnergyChart(TChart& chart) {
    chart.setObjectName(QStringLiteral("ChartEnergies"));
    chart.Title.Visible = true;
    chart.Title.Text = QStringList{kEnergyChartTitle};
    timeChartSettings(chart, QStringLiteral("Temps (s)"), QStringLiteral("Énergie (J)"));
    TLineSeries& ec = lineSeries(chart, QStringLiteral("SeriesEc"), QStringLiteral("Ec"),
                                 QColor(0, 0, 0xC0), true);
    TLineSeries& ep = lineSeries(chart, QStringLiteral("SeriesEp"), QStringLiteral("Ep"),
                                 QColor(0, 0x80, 0), true);
    TLineSeries& em = lineSeries(chart, QStringLiteral("SeriesEm"), QStringLiteral("Em"),
                                 QColor(0xC0, 0, 0), true);
    return {ec, ep, em};
}

}  // namespace gravitaria
