// The parameter fields' handlers, driven by keys, clicks and focus changes:
// the mass from its two fields, the start position, the empty-field rules
// and the collision indicator.
#include <QCheckBox>

#include "presets.h"
#include "satellite_test_support.h"

namespace gravitaria::test {
namespace {

class ParamsTest : public SatelliteFormTest {
protected:
    void SetUp() override {
        SatelliteFormTest::SetUp();
        showForm();
        form->PageControl1->setCurrentWidget(form->TabSheet1);
    }
    QString mantissa(const char* intPart, const char* decimals) const {
        return QString::fromLatin1(intPart) + dec() + QString::fromLatin1(decimals);
    }
};

TEST_F(ParamsTest, MassFollowsTypedExponentDigits) {
    focus(form->NumMasseExp);   // selects "24"
    QTest::keyClick(form->NumMasseExp, Qt::Key_3);
    EXPECT_EQ(form->NumMasseExp->Text(), QStringLiteral("3"));
    EXPECT_EQ(form->orbit.AttractorMass, 6.0e3L);
    QTest::keyClick(form->NumMasseExp, Qt::Key_0);
    EXPECT_EQ(form->orbit.AttractorMass, 6.0e30L);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(ParamsTest, ErasedExponentGivesTheMantissaAloneUntilTheFieldIsLeft) {
    focus(form->NumMasseExp);
    QTest::keyClick(form->NumMasseExp, Qt::Key_Backspace);
    EXPECT_EQ(form->NumMasseExp->Text(), QString());
    EXPECT_EQ(form->orbit.AttractorMass, 6.0L);
    leaveField();
    EXPECT_EQ(form->NumMasseExp->Text(), QStringLiteral("24"));
    EXPECT_EQ(form->orbit.AttractorMass, 6.0e24L);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(ParamsTest, ErasedMantissaBecomesOneWithItsTextSelected) {
    focus(form->NumMasseMantisse);
    QTest::keyClick(form->NumMasseMantisse, Qt::Key_Backspace);
    EXPECT_EQ(form->NumMasseMantisse->Text(), mantissa("1", "00"));
    EXPECT_EQ(form->NumMasseMantisse->selectedText(), mantissa("1", "00"));
    EXPECT_EQ(form->orbit.AttractorMass, 1.0e24L);
    // The next key typed replaces the selected text.
    QTest::keyClick(form->NumMasseMantisse, Qt::Key_7);
    EXPECT_EQ(form->NumMasseMantisse->Text(), QStringLiteral("7"));
    EXPECT_EQ(form->orbit.AttractorMass, 7.0e24L);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(ParamsTest, DecimalSeparatorInTheExponentIsReportedAndTheMassKept) {
    focus(form->NumMasseExp);
    QTest::keyClick(form->NumMasseExp, Qt::Key_End);
    QTest::keyClick(form->NumMasseExp, Qt::Key_Backspace);   // "2": 6 x 10^2 kg
    ASSERT_EQ(form->orbit.AttractorMass, 600.0L);
    QTest::keyClicks(form->NumMasseExp, dec());
    EXPECT_EQ(form->NumMasseExp->Text(), QStringLiteral("2") + dec());
    EXPECT_EQ(form->orbit.AttractorMass, 600.0L);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text,
              QStringLiteral("'") + mantissa("6", "00") + QStringLiteral("E2") + dec() +
                  QStringLiteral("' n'est pas une valeur en virgule flottante correcte."));
    EXPECT_EQ(platform.boxes[0].caption, QStringLiteral("Gravitaria"));
    EXPECT_EQ(platform.boxes[0].icon, MessageIcon::Stop);
    // The window goes on: the next convertible text sets the mass again.
    QTest::keyClick(form->NumMasseExp, Qt::Key_Backspace);
    EXPECT_EQ(form->orbit.AttractorMass, 600.0L);
    QTest::keyClick(form->NumMasseExp, Qt::Key_5);
    EXPECT_EQ(form->orbit.AttractorMass, 6.0e25L);
    EXPECT_EQ(platform.boxes.size(), 1u);
}

TEST_F(ParamsTest, FailingNestedMassChangeEndsTheOuterHandlerWithOneReport) {
    focus(form->NumMasseExp);
    QTest::keyClick(form->NumMasseExp, Qt::Key_End);
    QTest::keyClick(form->NumMasseExp, Qt::Key_Backspace);
    QTest::keyClicks(form->NumMasseExp, dec());       // "2,": reported once
    ASSERT_EQ(platform.boxes.size(), 1u);
    const long double mass = form->orbit.AttractorMass;
    // Erasing the mantissa sets it to 1,00, whose own change handler fails
    // on "1,00E2,"; that ends the erasing handler too, before it selects
    // the text: one more report, and the mass kept.
    focus(form->NumMasseMantisse);
    QTest::keyClick(form->NumMasseMantisse, Qt::Key_Backspace);
    EXPECT_EQ(form->NumMasseMantisse->Text(), mantissa("1", "00"));
    EXPECT_TRUE(form->NumMasseMantisse->selectedText().isEmpty());
    EXPECT_EQ(form->orbit.AttractorMass, mass);
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(platform.boxes[1].text,
              QStringLiteral("'") + mantissa("1", "00") + QStringLiteral("E2") + dec() +
                  QStringLiteral("' n'est pas une valeur en virgule flottante correcte."));
}

TEST_F(ParamsTest, MantissaWithItsOwnExponentMarkIsReportedAtEachChange) {
    focus(form->NumMasseMantisse);
    QTest::keyClick(form->NumMasseMantisse, Qt::Key_1);   // replaces the selection
    QTest::keyClicks(form->NumMasseMantisse, QStringLiteral("E"));
    ASSERT_EQ(form->NumMasseMantisse->Text(), QStringLiteral("1E"));
    EXPECT_EQ(form->orbit.AttractorMass, 1.0e24L);   // "1EE24" did not convert
    QTest::keyClick(form->NumMasseMantisse, Qt::Key_0);   // "1E0E24"
    EXPECT_EQ(form->orbit.AttractorMass, 1.0e24L);
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_TRUE(platform.boxes[0].text.startsWith(QStringLiteral("'1EE24' n'est pas")));
    EXPECT_TRUE(platform.boxes[1].text.startsWith(QStringLiteral("'1E0E24' n'est pas")));
}

TEST_F(ParamsTest, StartFieldInMillionsOfKilometres) {
    clickItem(form->attracteur, 1);   // the Sun: millions of km
    focus(form->NumX);                // selects "0"
    QTest::keyClick(form->NumX, Qt::Key_1);
    EXPECT_EQ(form->orbit.PosX, 1000000.0L);
    EXPECT_EQ(form->orbit.PosY, 1.5e8L);
    QTest::keyClick(form->NumX, Qt::Key_Minus);   // "1-": not a number, reads 0
    EXPECT_EQ(form->orbit.PosX, 0.0L);
}

TEST_F(ParamsTest, EmptyStartFieldDoesNotMoveTheStartAndIsRestoredWhenLeft) {
    focus(form->NumX);
    QTest::keyClick(form->NumX, Qt::Key_Delete);
    EXPECT_EQ(form->NumX->Text(), QString());
    EXPECT_EQ(form->orbit.PosX, 30000.0L);
    leaveField();
    EXPECT_EQ(form->NumX->Text(), QStringLiteral("30000"));
    EXPECT_EQ(form->orbit.PosX, 30000.0L);

    // An emptied Y field leaves the position as it was too; a velocity
    // change meanwhile reads the empty Y field as 0.
    focus(form->NumY);
    QTest::keyClick(form->NumY, Qt::Key_Delete);
    EXPECT_EQ(form->orbit.PosY, 40000.0L);
    form->NumVox->setValue(5);
    EXPECT_EQ(form->orbit.PosY, 0.0L);
    leaveField();
    EXPECT_EQ(form->NumY->Text(), QStringLiteral("40000"));
    EXPECT_EQ(form->orbit.PosY, 40000.0L);
}

TEST_F(ParamsTest, ClickInVoyClearsTheCollisionButAValueChangeDoesNot) {
    const auto showCollision = [this] {
        form->CheckImpact->setChecked(true);
        QPalette p = form->NumLabTempsDeVol->palette();
        p.setColor(QPalette::WindowText, QColor(255, 0, 0));
        form->NumLabTempsDeVol->setPalette(p);
    };
    showCollision();
    focus(form->NumVoy);
    QTest::keyClick(form->NumVoy, Qt::Key_Up);          // 100 m/s
    EXPECT_EQ(form->NumVoy->Text(), QStringLiteral("100"));
    QTest::keyClick(form->NumVoy, Qt::Key_5);           // typed
    EXPECT_TRUE(form->CheckImpact->isChecked());
    EXPECT_EQ(textColour(form->NumLabTempsDeVol), QColor(255, 0, 0));
    // ... though the position was recomputed from the start fields.
    form->orbit.PosX = 1.0L;
    QTest::keyClick(form->NumVoy, Qt::Key_6);
    EXPECT_EQ(form->orbit.PosX, 30000.0L);

    clickText(form->NumVoy);
    EXPECT_FALSE(form->CheckImpact->isChecked());
    EXPECT_EQ(textColour(form->NumLabTempsDeVol), QColor(255, 255, 0));

    // A change of NumY clears it as well; one of NumX does not.
    showCollision();
    form->NumX->setValue(31000);
    EXPECT_TRUE(form->CheckImpact->isChecked());
    form->NumY->setValue(41000);
    EXPECT_FALSE(form->CheckImpact->isChecked());
}

TEST_F(ParamsTest, ClickInAStartFieldRecomputesTheStartAndYClicksClearTheCollision) {
    struct Case {
        const char* name;
        TSpinEdit* field;
        bool clearsCollision;  // bound to NumYChange rather than NumXChange
    };
    const Case cases[] = {{"NumX", form->NumX, false}, {"NumY", form->NumY, true},
                          {"NumVox", form->NumVox, false}, {"NumVoy", form->NumVoy, true}};
    for (const Case& c : cases) {
        form->CheckImpact->setChecked(true);
        form->orbit.PosX = 1.0L;
        form->orbit.PosY = 2.0L;
        clickText(c.field);
        EXPECT_EQ(form->orbit.PosX, 30000.0L) << c.name;
        EXPECT_EQ(form->orbit.PosY, 40000.0L) << c.name;
        EXPECT_EQ(form->CheckImpact->isChecked(), !c.clearsCollision) << c.name;
    }
}

TEST_F(ParamsTest, LeavingFieldsEmptyRestoresThemOrGivesTheTimeStepTen) {
    struct Case {
        TSpinEdit* field;
        const char* restored;
    };
    const Case cases[] = {
        {form->NumRayon, "6380"}, {form->NumVide, "600"}, {form->NumVox, "0"},
        {form->NumVoy, "0"},
    };
    for (const Case& c : cases) {
        focus(c.field);
        QTest::keyClick(c.field, Qt::Key_Delete);
        ASSERT_EQ(c.field->Text(), QString());
        leaveField();
        EXPECT_EQ(c.field->Text(), QString::fromLatin1(c.restored));
    }

    form->PageControl1->setCurrentWidget(form->TabSheet2);
    struct DtCase {
        const char* typed;
        const char* left;
    };
    const DtCase dts[] = {{"", "10"}, {"0", "1"}, {"999999", "864000"}};
    for (const DtCase& d : dts) {
        focus(form->NumDt);
        QTest::keyClick(form->NumDt, Qt::Key_Delete);
        QTest::keyClicks(form->NumDt, QString::fromLatin1(d.typed));
        leaveField();
        EXPECT_EQ(form->NumDt->Text(), QString::fromLatin1(d.left)) << d.typed;
    }
    // A typed time step does not refresh the planned flight time.
    EXPECT_EQ(form->TempsDeVol->text(), QStringLiteral("20") + grp() + QStringLiteral("000"));
}

TEST_F(ParamsTest, NumberOfPositionsOnlyStepsByItsArrows) {
    form->PageControl1->setCurrentWidget(form->TabSheet2);
    focus(form->NumNombrePoints);
    QTest::keyClick(form->NumNombrePoints, Qt::Key_5);
    QTest::keyClick(form->NumNombrePoints, Qt::Key_Backspace);
    EXPECT_EQ(form->NumNombrePoints->Text(), QStringLiteral("100"));
    EXPECT_EQ(platform.beeps, 2);
    for (int i = 0; i < 12; ++i) QTest::keyClick(form->NumNombrePoints, Qt::Key_Up);
    EXPECT_EQ(form->NumNombrePoints->Text(), QStringLiteral("1000"));
}

}  // namespace
}  // namespace gravitaria::test
