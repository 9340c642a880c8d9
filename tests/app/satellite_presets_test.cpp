// The attractor presets and the flight-duration presets, chosen as a user
// chooses them: clicks on the radio items.
#include <QCheckBox>

#include "presets.h"
#include "satellite_test_support.h"

namespace gravitaria::test {
namespace {

class PresetTest : public SatelliteFormTest {
protected:
    void SetUp() override {
        SatelliteFormTest::SetUp();
        showForm();
        form->PageControl1->setCurrentWidget(form->TabSheet1);
    }
    void choose(int attractor) { clickItem(form->attracteur, attractor); }
};

TEST_F(PresetTest, EarthThenMoonKeepsTheMoonsTimeStep) {
    choose(2);
    EXPECT_EQ(form->NumDt->Text(), QStringLiteral("500"));
    EXPECT_EQ(form->NumX->Text(), QStringLiteral("4000"));
    EXPECT_EQ(form->orbit.PosX, 4000.0L);
    EXPECT_EQ(form->orbit.PosY, 4000.0L);
    EXPECT_EQ(form->orbit.AttractorMass, attractorPreset(2)->mass);
    EXPECT_EQ(form->Chart1->BottomAxis().Maximum(), 10000.0);
    EXPECT_EQ(form->Chart1->LeftAxis().Minimum(), -10000.0);
    EXPECT_EQ(form->TempsDeVol->text(), QStringLiteral("50") + grp() + QStringLiteral("000"));
    EXPECT_TRUE(form->windowTitle().endsWith(QStringLiteral("Attracteur en cours : Lune")));
}

TEST_F(PresetTest, EarthSunMoonEndsWithTheUnadjustedTimeStep) {
    choose(1);
    EXPECT_EQ(form->RadioGroup1->itemIndex(), 2);
    EXPECT_EQ(form->NumDt->Text(), QStringLiteral("86400"));
    EXPECT_EQ(form->NumNombrePoints->Text(), QStringLiteral("365"));
    EXPECT_EQ(form->orbit.PosY, 1.5e8L);
    EXPECT_EQ(form->orbit.AttractorMass, attractorPreset(1)->mass);
    EXPECT_EQ(form->Label2->text(), QStringLiteral("X initial en Millions de km"));
    EXPECT_EQ(form->Label16->text(), QStringLiteral(" Millions de km"));
    EXPECT_EQ(form->TempsDeVol->text(),
              QStringLiteral("31") + grp() + QStringLiteral("536") + grp() + QStringLiteral("000"));
    // The start marker lies 150 million km above the Sun.
    ASSERT_EQ(form->Series1->Count(), 1);
    EXPECT_EQ(form->Series1->YValues()[0], 1.5e8);
    choose(2);
    EXPECT_EQ(form->RadioGroup1->itemIndex(), 4);
    EXPECT_EQ(form->NumDt->Text(), QStringLiteral("200"));
    EXPECT_EQ(form->unite, QStringLiteral(" km"));
}

TEST_F(PresetTest, SunThenOtherKeepsMapAndStartFieldsReadAsKilometres) {
    choose(1);
    choose(3);
    EXPECT_EQ(form->unite, QStringLiteral(" km"));
    EXPECT_EQ(form->Label2->text(), QStringLiteral("X initial en km"));
    EXPECT_EQ(form->Label3->text(), QStringLiteral("Y initial en km"));
    EXPECT_EQ(form->Chart1->BottomAxis().Maximum(), 2.0e8);
    EXPECT_EQ(form->Chart1->LeftAxis().Minimum(), -2.0e8);
    EXPECT_EQ(form->NumX->Text(), QStringLiteral("0"));
    EXPECT_EQ(form->NumY->Text(), QStringLiteral("150"));
    EXPECT_EQ(form->NumVox->Text(), QStringLiteral("22000"));
    // Unchanged start fields: the position stays in kilometres of the Sun.
    EXPECT_EQ(form->orbit.PosX, 0.0L);
    EXPECT_EQ(form->orbit.PosY, 1.5e8L);
    EXPECT_EQ(form->RadioGroup1->itemIndex(), 4);
    EXPECT_EQ(form->NumNombrePoints->Text(), QStringLiteral("100"));
    EXPECT_EQ(form->NumDt->Text(), QStringLiteral("200"));
    EXPECT_EQ(form->NumRayon->Text(), QStringLiteral("1500"));
    EXPECT_EQ(form->orbit.AttractorMass, 1.0e21L);
    // The new start point is marked at 150 km now.
    ASSERT_EQ(form->Series2->Count(), 1);
    EXPECT_EQ(form->Series2->YValues()[0], 150.0);
    // A change of a start field brings the position to kilometres.
    form->NumY->setValue(151);
    EXPECT_EQ(form->orbit.PosY, 151.0L);
}

TEST_F(PresetTest, OtherKeepsTheTimeStepWhenUnadjustedWasSelected) {
    form->NumDt->setText(QStringLiteral("777"));
    choose(3);
    EXPECT_EQ(form->NumDt->Text(), QStringLiteral("777"));
    EXPECT_EQ(form->NumX->Text(), QStringLiteral("30000"));
    EXPECT_EQ(form->Chart1->BottomAxis().Maximum(), 50000.0);
}

TEST_F(PresetTest, ChoosingTheSelectedItemAgainChangesNothing) {
    form->NumX->setValue(1234);
    choose(0);
    EXPECT_EQ(form->NumX->Text(), QStringLiteral("1234"));
    EXPECT_EQ(form->Series1->Count(), 2);
}

TEST_F(PresetTest, SunRadiusStandsAboveItsBoundUntilTheFieldIsLeft) {
    choose(1);
    EXPECT_EQ(form->NumRayon->Text(), QStringLiteral("1392000"));
    EXPECT_EQ(form->NumRayon->Value(), 1392000);
    focus(form->NumRayon);
    EXPECT_EQ(form->NumRayon->Text(), QStringLiteral("1392000"));
    leaveField();
    EXPECT_EQ(form->NumRayon->Text(), QStringLiteral("100000"));
}

TEST_F(PresetTest, PresetsShowTheMapHiddenByTheMemoAndEmptyEverySeries) {
    form->Series3->AddXY(1, 2);
    form->Chart1->hide();
    choose(2);
    EXPECT_TRUE(form->Chart1->isVisible());
    EXPECT_EQ(form->Series3->Count(), 0);
    EXPECT_EQ(form->Series1->Count(), 1);
    form->Chart1->hide();
    form->Series4->AddXY(1, 2);
    choose(3);
    EXPECT_FALSE(form->Chart1->isVisible());   // "Autre" leaves the map as it is
    EXPECT_EQ(form->Series4->Count(), 0);
    EXPECT_EQ(form->Series2->Count(), 1);
}

TEST_F(PresetTest, PresetAfterPanningAwayFromTheCentre) {
    // A map dragged far off the centre: the preset still sets its range.
    form->Chart1->BottomAxis().SetMinMax(-900000.0, -800000.0);
    form->Chart1->LeftAxis().SetMinMax(700000.0, 800000.0);
    choose(2);
    EXPECT_EQ(form->Chart1->BottomAxis().Minimum(), -10000.0);
    EXPECT_EQ(form->Chart1->BottomAxis().Maximum(), 10000.0);
    EXPECT_EQ(form->Chart1->LeftAxis().Minimum(), -10000.0);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(PresetTest, EveryDurationPresetsPlannedFlightTime) {
    form->PageControl1->setCurrentWidget(form->TabSheet2);
    struct Case {
        int item;
        const char* points;
        const char* dt;
        QStringList planned;   // groups of three digits
    };
    const Case cases[] = {
        {0, "100", "864", {"86", "400"}},
        {1, "100", "861", {"86", "100"}},
        {2, "365", "86400", {"31", "536", "000"}},
        {3, "365", "864000", {"315", "360", "000"}},
        {4, "100", "200", {"20", "000"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        clickItem(form->RadioGroup1, c.item);
        EXPECT_EQ(form->RadioGroup1->itemIndex(), c.item);
        EXPECT_EQ(form->NumNombrePoints->Text(), QString::fromLatin1(c.points));
        EXPECT_EQ(form->NumDt->Text(), QString::fromLatin1(c.dt));
        EXPECT_EQ(form->TempsDeVol->text(), c.planned.join(grp()));
    }
    // Typing a new dt does not refresh the planned time; the same item
    // clicked again changes nothing.
    form->NumDt->setText(QStringLiteral("300"));
    clickItem(form->RadioGroup1, 4);
    EXPECT_EQ(form->NumDt->Text(), QStringLiteral("300"));
    EXPECT_EQ(form->TempsDeVol->text(), QStringLiteral("20") + grp() + QStringLiteral("000"));
}

}  // namespace
}  // namespace gravitaria::test
