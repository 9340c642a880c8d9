// The flight report as a user meets it: the page "Bilan" between "Vitesse"
// and "A propos", its prediction following the fields, the last flight's
// measures after a run, the window "Bilan des vols" with its table, copy
// and energies, and the swept areas on the map only when asked for.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <cmath>

#include "bilan_page.h"
#include "chart.h"
#include "flights_form.h"
#include "radio_group.h"
#include "run_window_support.h"
#include "spin_edit.h"
#include "swept_sectors.h"

namespace gravitaria::testing {
namespace {

const QString kDash = QStringLiteral("\u2014");

class RunBilanTest : public RunWindowTest {
protected:
    TBilanPage& page() { return *form->TabSheet6; }
    TFlightsForm& flights() { return *form->FlightsForm; }

    // A circular orbit of 7000 km around the Earth: 7561 m/s, dt 10 s,
    // 1000 positions (about 1.7 turns).
    void setCircularOrbit() {
        form->NumX->setValue(7000);
        form->NumY->setValue(0);
        form->NumVox->setValue(0);
        form->NumVoy->setValue(7561);
        form->NumDt->setValue(10);
        form->NumNombrePoints->setValue(1000);
    }
    void launch() { form->ButtonEuler->click(); }

    // Pixels of the given colour in an image.
    static int countColour(const QImage& image, const QColor& colour) {
        int n = 0;
        const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < rgb.height(); ++y)
            for (int x = 0; x < rgb.width(); ++x)
                if (QColor(rgb.pixel(x, y)) == colour) ++n;
        return n;
    }

    // Every label of the page shows its whole text inside the page.
    void expectNothingClipped() {
        const QRect pageRect(QPoint(0, 0), page().size());
        for (QWidget* w : page().findChildren<QWidget*>()) {
            if (!w->isVisible()) continue;
            const QRect r(w->mapTo(&page(), QPoint(0, 0)), w->size());
            EXPECT_TRUE(pageRect.contains(r)) << w->metaObject()->className() << " "
                                              << (qobject_cast<QLabel*>(w) ? qobject_cast<QLabel*>(w)->text().toStdString() : std::string());
            if (auto* l = qobject_cast<QLabel*>(w)) {
                EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->width()) << l->text().toStdString();
            }
        }
    }

    void savePage(const QString& name) {
        form->PageControl1->setCurrentWidget(form->TabSheet6);
        QCoreApplication::processEvents();
        const QString locale = frenchLocale() ? QStringLiteral("fr") : QStringLiteral("c");
        form->grab().save(QStringLiteral(GRAVITARIA_ARTIFACT_DIR "/bilan-%1-%2.png").arg(name, locale));
        // The notebook alone, twice as large, to read the small print.
        const QImage notebook = form->PageControl1->grab().toImage();
        notebook.scaled(notebook.size() * 2).save(
            QStringLiteral(GRAVITARIA_ARTIFACT_DIR "/bilan-%1-%2-x2.png").arg(name, locale));
    }
};

TEST_F(RunBilanTest, SixthPageBetweenSpeedAndAbout) {
    const QStringList captions = {QStringLiteral("Système"), QStringLiteral("Chrono"),
                                  QStringLiteral("Affichage"), QStringLiteral("Vitesse"),
                                  QStringLiteral("Bilan"), QStringLiteral("A propos")};
    ASSERT_EQ(form->PageControl1->count(), 6);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(form->PageControl1->tabText(i), captions[i]);
    EXPECT_EQ(form->PageControl1->widget(4), form->TabSheet6);
    EXPECT_EQ(form->PageControl1->widget(5), form->TabSheet5);
    EXPECT_EQ(form->PageControl1->currentWidget(), form->TabSheet2);
    // At the window's minimum size every tab shows, without scroll arrows.
    form->resize(form->minimumSize());
    QCoreApplication::processEvents();
    const QTabBar* bar = form->PageControl1->tabBar();
    EXPECT_LE(bar->tabRect(5).right(), bar->width() - 1);
    EXPECT_LE(bar->tabRect(5).right(), form->PageControl1->width() - 1);
    for (int i = 0; i < 6; ++i)
        EXPECT_GE(bar->tabRect(i).width(), bar->fontMetrics().horizontalAdvance(captions[i]) + 8) << i;
    // The page's controls fit its area without clipping, here and with the
    // longest values (the Sun's distances, a collision).
    form->PageControl1->setCurrentWidget(form->TabSheet6);
    QCoreApplication::processEvents();
    EXPECT_LE(page().width(), 340);
    EXPECT_LE(page().height(), 422);
    EXPECT_LE(page().layout()->minimumSize().height(), page().height());
    expectNothingClipped();
    launch();
    savePage(QStringLiteral("earth"));
    expectNothingClipped();
    form->attracteur->setItemIndex(1);  // the Sun
    launch();
    savePage(QStringLiteral("sun"));
    expectNothingClipped();
}

TEST_F(RunBilanTest, PredictionFollowsTheFields) {
    // The Earth preset: a radial fall onto the Earth.
    EXPECT_EQ(page().PrevTrajectoire->text(), QStringLiteral("chute radiale"));
    EXPECT_EQ(page().PrevDistance->text(), grouped("50", "000") + QStringLiteral(" km"));
    EXPECT_FALSE(page().LabelRencontre->isHidden());
    setCircularOrbit();
    EXPECT_EQ(page().PrevTrajectoire->text(), QStringLiteral("cercle"));
    EXPECT_EQ(page().PrevDistance->text(), grouped("7", "000") + QStringLiteral(" km"));
    EXPECT_TRUE(page().LabelRencontre->isHidden());
    EXPECT_TRUE(page().PrevPeriode->text().startsWith(grouped("5", "816"))) << page().PrevPeriode->text().toStdString();
    // The radius: above the perigee the trajectory meets the body.
    form->NumRayon->setValue(7500);
    EXPECT_FALSE(page().LabelRencontre->isHidden());
    form->NumRayon->setValue(6380);
    EXPECT_TRUE(page().LabelRencontre->isHidden());
    // The mass: ten times lighter, the same speed escapes.
    form->NumMasseExp->setText(QStringLiteral("23"));
    EXPECT_EQ(page().PrevTrajectoire->text(), QStringLiteral("hyperbole"));
    EXPECT_EQ(page().PrevPeriode->text(), kDash);
    EXPECT_EQ(page().PrevApogee->text(), kDash);
    form->NumMasseExp->setText(QStringLiteral("24"));
    // The planned duration over T follows dt and N.
    const QString before = page().PrevDureeSurPeriode->text();
    form->NumDt->setValue(20);
    EXPECT_NE(page().PrevDureeSurPeriode->text(), before);
    // At the centre only the start applies.
    form->NumX->setValue(0);
    EXPECT_EQ(page().PrevTrajectoire->text(), QStringLiteral("au centre"));
    EXPECT_EQ(page().PrevExcentricite->text(), kDash);
}

TEST_F(RunBilanTest, LastFlightAfterACollision) {
    EXPECT_EQ(page().VolEchantillons->text(), kDash);
    launch();  // the Earth defaults: a fall, struck at t = 19 400 s
    EXPECT_EQ(page().VolEchantillons->text(), QStringLiteral("98"));
    EXPECT_EQ(page().VolPeriode->text(), kDash);
    const QString impact = page().VolImpact->text();
    ASSERT_TRUE(impact.startsWith(QStringLiteral("Impact à t = 19") + groupSeparator() + "2")) << impact.toStdString();
    EXPECT_TRUE(impact.endsWith(QStringLiteral(" m/s")));
    EXPECT_NE(page().VolEnergiesDebut[0]->text(), kDash);
    // The run itself is unchanged: the clock and the memo as always.
    EXPECT_EQ(form->NumLabTempsDeVol->text(), grouped("19", "400"));
    // Without a satellite mass the energies are not given.
    form->NumVide->setValue(0);
    launch();
    EXPECT_EQ(page().VolEnergiesDebut[1]->text(), kDash);
    EXPECT_EQ(page().VolEnergiesFin[2]->text(), kDash);
    EXPECT_NE(page().VolDeriveEnergie->text(), kDash);
}

TEST_F(RunBilanTest, LastFlightOfACircularOrbit) {
    setCircularOrbit();
    launch();
    EXPECT_EQ(page().VolEchantillons->text(), QStringLiteral("1001"));
    EXPECT_TRUE(page().VolImpact->text().isEmpty());
    EXPECT_TRUE(page().VolPeriode->text().startsWith(grouped("5", "81"))) << page().VolPeriode->text().toStdString();
    EXPECT_NE(page().VolDemiGrandAxe->text(), kDash);
    EXPECT_TRUE(page().VolEcart->text().endsWith(QStringLiteral(" %")));
    EXPECT_TRUE(page().VolDeriveEnergie->text().endsWith(QStringLiteral(" %")));
}

TEST_F(RunBilanTest, FlightsTableOverThreeRunsUntilCleared) {
    form->TabSheet6->ButtonBilanVols->click();
    ASSERT_TRUE(flights().isVisible());
    EXPECT_FALSE(flights().isModal());
    EXPECT_EQ(flights().windowTitle(), QStringLiteral("Bilan des vols"));
    EXPECT_EQ(flights().TableVols->rowCount(), 0);
    launch();
    setCircularOrbit();
    launch();
    launch();
    ASSERT_EQ(flights().TableVols->rowCount(), 3);
    EXPECT_EQ(flights().TableVols->item(2, 0)->text(), QStringLiteral("3"));
    EXPECT_EQ(flights().TableVols->item(0, 7)->text(), QStringLiteral("chute radiale"));
    EXPECT_EQ(flights().TableVols->item(0, 14)->text(), QStringLiteral("oui"));
    EXPECT_EQ(flights().TableVols->item(1, 1)->text(), grouped("7", "000"));
    EXPECT_EQ(flights().TableVols->item(1, 14)->text(), QStringLiteral("non"));
    EXPECT_GT(flights().SeriesEm->Count(), 1000);
    flights().grab().save(QStringLiteral(GRAVITARIA_ARTIFACT_DIR "/bilan-des-vols-%1.png")
                              .arg(frenchLocale() ? QStringLiteral("fr") : QStringLiteral("c")));

    // The copy for a spreadsheet: a header line and a line per flight.
    flights().ButtonCopier->click();
    const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Vol\tX0 (km)\tY0 (km)\tVx0 (m/s)")));
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("Dérive Em (%)\tCollision")));
    const QStringList first = lines[1].split(QLatin1Char('\t'));
    ASSERT_EQ(first.size(), 15);
    EXPECT_EQ(first[1], QStringLiteral("30000"));  // no grouping in the copy
    EXPECT_EQ(first[10], frenchLocale() ? QStringLiteral("39260,09") : QStringLiteral("39260.09"));
    EXPECT_EQ(first[11], kDash);
    EXPECT_EQ(lines[3].split(QLatin1Char('\t'))[0], QStringLiteral("3"));

    // "E&ffacer", like the map's trail, empties the table; so does a preset.
    form->ButtonEffacer->click();
    EXPECT_EQ(flights().TableVols->rowCount(), 0);
    EXPECT_EQ(flights().SeriesEm->Count(), 0);
    EXPECT_EQ(page().VolEchantillons->text(), kDash);
    launch();
    EXPECT_EQ(flights().TableVols->rowCount(), 1);
    EXPECT_EQ(flights().TableVols->item(0, 0)->text(), QStringLiteral("1"));
    form->attracteur->setItemIndex(2);
    EXPECT_EQ(flights().TableVols->rowCount(), 0);
}

TEST_F(RunBilanTest, FlightsWindowIsOneInstanceHiddenOnClose) {
    TFlightsForm* window = form->FlightsForm;
    form->TabSheet6->ButtonBilanVols->click();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_TRUE(window->isWindow());
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(form->FlightsForm, window);
    form->TabSheet6->ButtonBilanVols->click();
    EXPECT_TRUE(window->isVisible());
    window->ButtonFermer->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(form->isVisible());
}

// The window carries the method comparison: its button, found inside the
// window a user opens, compares the start conditions and draws the lines.
TEST_F(RunBilanTest, FlightsWindowHoldsTheMethodComparison) {
    form->TabSheet6->ButtonBilanVols->click();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&flights()));
    QPushButton* compare = nullptr;
    for (QPushButton* b : flights().findChildren<QPushButton*>())
        if (b->text() == QStringLiteral("Comparer les &m\u00e9thodes")) compare = b;
    ASSERT_NE(compare, nullptr);
    ASSERT_TRUE(compare->isVisible());
    EXPECT_EQ(form->EulerLine->Count(), 0);
    QTest::mouseClick(compare, Qt::LeftButton);
    EXPECT_GT(form->EulerLine->Count(), 1);
    EXPECT_GT(form->ReferenceLine->Count(), 1);
    QTableWidget* table = nullptr;
    for (QTableWidget* t : flights().findChildren<QTableWidget*>())
        if (t != flights().TableVols) table = t;
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 4);
}

TEST_F(RunBilanTest, SweptAreasOnlyWhenTicked) {
    // A circle of 20 000 km (4473 m/s), 1.8 turns: the sectors lie well
    // outside the Earth's disc.
    form->NumX->setValue(20000);
    form->NumY->setValue(0);
    form->NumVox->setValue(0);
    form->NumVoy->setValue(4473);
    form->NumDt->setValue(50);
    form->NumNombrePoints->setValue(1000);
    launch();
    form->Chart1->Repaint();
    const QImage plain = form->Chart1->RenderImage();
    // Unticked, the map is exactly what it is without the report.
    const auto hook = form->Chart1->OnDrawUnderSeries;
    form->Chart1->OnDrawUnderSeries = nullptr;
    EXPECT_EQ(form->Chart1->RenderImage(), plain);
    form->Chart1->OnDrawUnderSeries = hook;
    EXPECT_EQ(countColour(plain, kSectorColourA), 0);

    form->TabSheet6->CheckBoxAires->setChecked(true);
    form->Chart1->Repaint();
    const QImage screen = form->Chart1->ScreenImage();
    EXPECT_GT(countColour(screen, kSectorColourA), 100);
    EXPECT_GT(countColour(screen, kSectorColourB), 100);
    // The copied bitmap shows them too, and the trail stays over them.
    form->Button2->click();
    const QImage copied = QApplication::clipboard()->image();
    EXPECT_GT(countColour(copied, kSectorColourA), 100);
    EXPECT_EQ(countColour(copied, QColor(0, 0, 0)), countColour(plain, QColor(0, 0, 0)));
    form->Chart1->grab().save(QStringLiteral(GRAVITARIA_ARTIFACT_DIR "/bilan-sectors.png"));

    // A new run shows the areas of the flight that has ended.
    form->NumVoy->setValue(5000);
    launch();
    form->Chart1->Repaint();
    EXPECT_GT(countColour(form->Chart1->ScreenImage(), kSectorColourA), 100);
    savePage(QStringLiteral("ellipse"));
    form->TabSheet6->CheckBoxAires->setChecked(false);
    form->Chart1->Repaint();
    EXPECT_EQ(countColour(form->Chart1->ScreenImage(), kSectorColourA), 0);
}

}  // namespace
}  // namespace gravitaria::testing
