// The method comparison as a user meets it: the button fills the table, the
// sentence and the map's coloured lines; the check boxes show and hide the
// lines; the copy puts the TAB text on the clipboard; clearing the map and
// the attractor presets remove the lines, a run leaves them; the lines lie
// under the marker and the disc, and go with the map's bitmap copy.
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "chart_setup.h"
#include "locale_separators.h"
#include "method_comparison_panel.h"
#include "nested_changes.h"
#include "run_window_support.h"

namespace gravitaria::testing {
namespace {

class ComparisonPanelTest : public RunWindowTest {
protected:
    void SetUp() override {
        RunWindowTest::SetUp();
        panel = std::make_unique<TMethodComparisonPanel>(*form);
        panel->resize(900, 260);
        panel->show();
    }
    void TearDown() override {
        panel.reset();
        RunWindowTest::TearDown();
    }

    void compare() { QTest::mouseClick(panel->ButtonComparer, Qt::LeftButton); }

    // The number of pixels of exactly this colour in the map's screen image.
    int pixelsOf(const QColor& c) {
        form->Chart1->Repaint();
        const QImage image = form->Chart1->ScreenImage();
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y).rgb() == c.rgb();
        return n;
    }

    // A circular orbit of 7000 km around the Earth, 60 s a sample.
    void circularOrbit() {
        runHandler([&] {
            setValue(form->NumX, 7000);
            setValue(form->NumY, 0);
            setValue(form->NumVox, 0);
            setValue(form->NumVoy, 7549);
            setValue(form->NumDt, 60);
            setText(form->NumNombrePoints, QStringLiteral("1000"));
        });
    }

    std::unique_ptr<TMethodComparisonPanel> panel;
};

TEST_F(ComparisonPanelTest, LayoutTexts) {
    EXPECT_EQ(panel->ButtonComparer->text(), QStringLiteral("Comparer les &méthodes"));
    EXPECT_EQ(panel->ButtonCopier->text(), QStringLiteral("Copier la &comparaison"));
    EXPECT_FALSE(panel->ButtonCopier->isEnabled());
    EXPECT_EQ(panel->CheckEuler->text(), QStringLiteral("Euler"));
    EXPECT_EQ(panel->CheckSemiImplicit->text(), QStringLiteral("Euler semi-implicite"));
    EXPECT_EQ(panel->CheckReference->text(), QStringLiteral("Référence"));
    const QStringList headers = {"Méthode",       "Évaluations de a", "Écart final (km)",
                                 "Écart max (km)", "Dérive Em (%)",   "Dérive h (%)",
                                 "Fermeture après 1 tour (km)",       "Collision"};
    ASSERT_EQ(panel->Table->columnCount(), headers.size());
    for (int c = 0; c < headers.size(); ++c)
        EXPECT_EQ(panel->Table->horizontalHeaderItem(c)->text().replace(QLatin1Char('\n'), QLatin1Char(' ')),
                  headers[c]);
    const QStringList rows = {"Euler", "Euler semi-implicite", "RK4", "Référence"};
    for (int r = 0; r < rows.size(); ++r) EXPECT_EQ(panel->Table->item(r, 0)->text(), rows[r]);
    EXPECT_TRUE(panel->Summary->text().isEmpty());
    EXPECT_EQ(form->EulerLine->Count(), 0);
}

TEST_F(ComparisonPanelTest, CompareFillsTableSentenceAndLines) {
    circularOrbit();
    compare();
    ASSERT_TRUE(panel->comparison());
    const MethodComparison& c = *panel->comparison();
    const NumberSeparators seps = systemSeparators();
    for (ComparedMethod m : ComparedMethods) {
        const auto cells = comparisonCells(c, m, true, seps);
        for (int col = 0; col < 8; ++col) {
            EXPECT_EQ(panel->Table->item(static_cast<int>(m), col)->text(),
                      QString::fromStdString(cells[static_cast<std::size_t>(col)]));
        }
    }
    EXPECT_EQ(panel->Table->item(2, 1)->text(), QStringLiteral("8") + groupSeparator() + QStringLiteral("004"));
    EXPECT_EQ(panel->Summary->text(), QString::fromStdString(comparisonSummary(c, seps)));
    EXPECT_TRUE(panel->Summary->text().contains(QStringLiteral("fois celle de RK4")));

    // One point per sample, in km, in time order; RK4 is the ordinary trail.
    for (auto [line, m] : {std::pair{form->EulerLine, ComparedMethod::Euler},
                           std::pair{form->SemiImplicitLine, ComparedMethod::SemiImplicitEuler},
                           std::pair{form->ReferenceLine, ComparedMethod::Reference}}) {
        const auto& samples = c.trajectory(m).samples;
        ASSERT_EQ(line->Count(), static_cast<int>(samples.size()));
        EXPECT_EQ(line->XValues()[500], samples[500].x / 1000);
        EXPECT_EQ(line->YValues()[500], samples[500].y / 1000);
    }
    EXPECT_EQ(form->Series2->Count(), 2);  // the trail holds only the start points: no run
    // Under the reference, each method shows where it strays from it.
    EXPECT_GT(pixelsOf(kEulerLine), 1000);
    EXPECT_GT(pixelsOf(kSemiImplicitLine), 0);
    EXPECT_GT(pixelsOf(kReferenceLine), 0);

    // Copy: the TAB text with the locale's separators, no grouping.
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(panel->ButtonCopier, Qt::LeftButton);
    const QString text = QGuiApplication::clipboard()->text();
    EXPECT_EQ(text, QString::fromStdString(comparisonText(c, seps)));
    EXPECT_TRUE(text.startsWith(QStringLiteral("Méthode\tÉvaluations de a\t")));
    EXPECT_TRUE(text.contains(QStringLiteral("\nRK4\t8004\t")));
}

TEST_F(ComparisonPanelTest, CheckBoxesShowAndHideTheirLine) {
    circularOrbit();
    compare();
    struct Case {
        QCheckBox* box;
        TLineSeries* line;
        QColor colour;
    };
    for (const Case& k : {Case{panel->CheckEuler, form->EulerLine, kEulerLine},
                          Case{panel->CheckSemiImplicit, form->SemiImplicitLine, kSemiImplicitLine},
                          Case{panel->CheckReference, form->ReferenceLine, kReferenceLine}}) {
        ASSERT_TRUE(k.box->isChecked());
        QTest::mouseClick(k.box, Qt::LeftButton, {}, QPoint(6, k.box->height() / 2));
        EXPECT_FALSE(k.box->isChecked());
        EXPECT_FALSE(k.line->Active());
        EXPECT_EQ(pixelsOf(k.colour), 0) << k.box->text().toStdString();
        QTest::mouseClick(k.box, Qt::LeftButton, {}, QPoint(6, k.box->height() / 2));
        EXPECT_TRUE(k.line->Active());
        EXPECT_GT(pixelsOf(k.colour), 0) << k.box->text().toStdString();
    }
}

TEST_F(ComparisonPanelTest, ClearingAndPresetsRemoveTheLinesARunLeavesThem) {
    const QImage before = form->Chart1->RenderImage();
    circularOrbit();
    const QImage orbitBefore = form->Chart1->RenderImage();
    compare();
    EXPECT_NE(form->Chart1->RenderImage(), orbitBefore);

    QTest::mouseClick(form->ButtonEuler, Qt::LeftButton);
    EXPECT_GT(form->Series2->Count(), 1000);
    EXPECT_EQ(form->EulerLine->Count(), 1001);
    EXPECT_TRUE(panel->comparison());

    QTest::mouseClick(form->ButtonEffacer, Qt::LeftButton);
    for (TLineSeries* line : {form->EulerLine, form->SemiImplicitLine, form->ReferenceLine})
        EXPECT_EQ(line->Count(), 0);
    EXPECT_FALSE(panel->comparison());
    EXPECT_TRUE(panel->Summary->text().isEmpty());
    EXPECT_TRUE(panel->Table->item(0, 1)->text().isEmpty());
    EXPECT_FALSE(panel->ButtonCopier->isEnabled());

    compare();
    EXPECT_GT(form->ReferenceLine->Count(), 0);
    runHandler([&] { setItemIndex(form->attracteur, 0); });  // the Earth preset again
    runHandler([&] { form->attracteurClick(form->attracteur); });
    for (TLineSeries* line : {form->EulerLine, form->SemiImplicitLine, form->ReferenceLine})
        EXPECT_EQ(line->Count(), 0);
    // Back on the Earth defaults, the map is drawn exactly as before.
    EXPECT_EQ(form->Chart1->RenderImage(), before);
}

TEST_F(ComparisonPanelTest, LinesLieUnderTheMarkerAndTheDiscAndGoWithTheCopy) {
    // The Earth defaults: a radial fall from (30000, 40000) km; every line
    // starts under the start marker and ends inside the disc.
    compare();
    const MethodComparison& c = *panel->comparison();
    ASSERT_TRUE(c.measure(ComparedMethod::Reference).collision);
    form->Chart1->Repaint();
    QImage image = form->Chart1->ScreenImage();
    TChartAxis& h = form->Chart1->BottomAxis();
    TChartAxis& v = form->Chart1->LeftAxis();
    // Inside the start marker, off the grid line through its centre.
    EXPECT_EQ(image.pixelColor(h.CalcXPosValue(30000) + 2, v.CalcYPosValue(40000) - 2).rgb(),
              kMapMarkerFill.rgb());
    const FlightSample& end = c.trajectory(ComparedMethod::Reference).samples.back();
    EXPECT_EQ(image.pixelColor(h.CalcXPosValue(end.x / 1000), v.CalcYPosValue(end.y / 1000)).rgb(),
              kAttractorSilver.rgb());
    // Halfway down, the reference line is green (the other two, on the same
    // ray, hidden), on screen and in the copy.
    panel->CheckEuler->setChecked(false);
    panel->CheckSemiImplicit->setChecked(false);
    form->Chart1->Repaint();
    image = form->Chart1->ScreenImage();
    const FlightSample& mid = c.trajectory(ComparedMethod::Reference).samples[40];
    const QPoint p(h.CalcXPosValue(mid.x / 1000), v.CalcYPosValue(mid.y / 1000));
    bool green = false;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) green = green || image.pixelColor(p + QPoint(dx, dy)).rgb() == kReferenceLine.rgb();
    EXPECT_TRUE(green);
    QTest::mouseClick(form->Button2, Qt::LeftButton);
    const QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(copied, image.convertToFormat(QImage::Format_RGB32));
}

// Pictures of the map and the panel, for the eye: the Earth defaults, a
// circular orbit and the Sun's year, written under /tmp.
TEST_F(ComparisonPanelTest, RendersThreeComparisons) {
    const QString dir = QDir::tempPath() + QStringLiteral("/gravitaria-comparison");
    QDir().mkpath(dir);
    const auto save = [&](const QString& name) {
        QCoreApplication::processEvents();
        form->Chart1->Repaint();
        const QImage map = form->Chart1->ScreenImage();
        const QImage table = panel->grab().toImage();
        QImage both(std::max(map.width(), table.width()), map.height() + table.height(), QImage::Format_RGB32);
        both.fill(Qt::white);
        QPainter p(&both);
        p.drawImage(0, 0, map);
        p.drawImage(0, map.height(), table);
        p.end();
        EXPECT_TRUE(both.save(dir + QStringLiteral("/%1.png").arg(name)));
    };
    compare();
    save(QStringLiteral("earth-defaults"));
    circularOrbit();
    compare();
    save(QStringLiteral("circular-orbit"));
    runHandler([&] { setItemIndex(form->attracteur, 1); });  // the Sun
    runHandler([&] { setItemIndex(form->RadioGroup1, 2); }); // a year
    compare();
    ASSERT_TRUE(panel->comparison());
    EXPECT_EQ(panel->comparison()->trajectory(ComparedMethod::Reference).samples.back().t, 365 * 86400.0);
    save(QStringLiteral("sun-year"));
}

}  // namespace
}  // namespace gravitaria::testing
