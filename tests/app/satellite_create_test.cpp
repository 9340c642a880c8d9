// The main window right after creation: the Earth scenario applied by
// FormCreate, the layout values of the controls, their looks and order.
#include <QCheckBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextCursor>
#include <algorithm>
#include <string>
#include <vector>

#include "presets.h"
#include "satellite_test_support.h"
#include "track_bar.h"

namespace gravitaria::test {
namespace {

TEST_F(SatelliteFormTest, CreationAppliesTheEarthScenario) {
    TSatelliteForm& f = *form;
    EXPECT_EQ(f.NumMasseMantisse->Text(), QStringLiteral("6") + dec() + QStringLiteral("00"));
    EXPECT_EQ(f.NumMasseExp->Text(), QStringLiteral("24"));
    EXPECT_EQ(f.orbit.AttractorMass, attractorPreset(0)->mass);
    EXPECT_EQ(f.orbit.AttractorMass, 6.0e24L);
    EXPECT_EQ(f.NumRayon->Text(), QStringLiteral("6380"));
    EXPECT_EQ(f.unite, QStringLiteral(" km"));
    EXPECT_EQ(f.Label2->text(), QStringLiteral("X initial en km"));
    EXPECT_EQ(f.Label3->text(), QStringLiteral("Y initial en km"));
    EXPECT_EQ(f.Label16->text(), QStringLiteral(" km"));
    for (TChartAxis* axis : {&f.Chart1->BottomAxis(), &f.Chart1->LeftAxis()}) {
        EXPECT_EQ(axis->Minimum(), -50000.0);
        EXPECT_EQ(axis->Maximum(), 50000.0);
    }
    EXPECT_EQ(f.NumX->Text(), QStringLiteral("30000"));
    EXPECT_EQ(f.NumY->Text(), QStringLiteral("40000"));
    EXPECT_EQ(f.NumVox->Text(), QStringLiteral("0"));
    EXPECT_EQ(f.NumVoy->Text(), QStringLiteral("0"));
    EXPECT_EQ(f.orbit.PosX, 30000.0L);
    EXPECT_EQ(f.orbit.PosY, 40000.0L);
    EXPECT_EQ(f.NumDt->Text(), QStringLiteral("200"));
    EXPECT_EQ(f.NumNombrePoints->Text(), QStringLiteral("100"));
    EXPECT_EQ(f.RadioGroup1->itemIndex(), 4);
    EXPECT_EQ(f.attracteur->itemIndex(), 0);
    EXPECT_EQ(f.windowTitle(),
              QStringLiteral("Simulateur du mouvement des satellites - Attracteur en cours : Terre"));
    EXPECT_EQ(f.TempsDeVol->text(), QStringLiteral("20") + grp() + QStringLiteral("000"));
    // The preset and FormCreate each mark the start point.
    EXPECT_EQ(f.Series1->Count(), 2);
    EXPECT_EQ(f.Series2->Count(), 2);
    EXPECT_EQ(f.Series1->XValues()[0], 30000.0);
    EXPECT_EQ(f.Series1->YValues()[1], 40000.0);
    EXPECT_EQ(f.Series3->Count(), 0);
    // Shown by the preset, hidden with the window itself until it comes up.
    EXPECT_TRUE(f.Chart1->isVisibleTo(&f));
    EXPECT_FALSE(f.Memo1->isVisibleTo(&f));
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.PageControl1->currentWidget(), f.TabSheet2);
    EXPECT_EQ(f.NumLabTempsDeVol->text(), QStringLiteral("0"));
    EXPECT_FALSE(f.CheckImpact->isChecked());
    EXPECT_FALSE(f.CheckBoxMemo->isChecked());
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(SatelliteFormTest, ChildrenStackingAndLayoutBoxes) {
    TSatelliteForm& f = *form;
    EXPECT_EQ(f.size(), QSize(784, 564));
    const QObjectList& children = f.children();
    std::vector<QWidget*> order;
    for (QObject* o : children)
        if (auto* w = qobject_cast<QWidget*>(o)) order.push_back(w);
    const std::vector<QWidget*> expected = {f.Actions, f.PageControl1, f.GroupBox5,
                                            f.Memo1,   f.Chart1,       f.Conditions};
    EXPECT_EQ(order, expected);
    EXPECT_EQ(f.Actions->geometry(), QRect(219, 440, 216, 120));
    EXPECT_EQ(f.PageControl1->geometry(), QRect(441, 3, 340, 422));
    EXPECT_EQ(f.GroupBox5->geometry(), QRect(8, 440, 205, 120));
    EXPECT_EQ(f.Conditions->geometry(), QRect(441, 440, 335, 120));
    EXPECT_EQ(f.Memo1->geometry().topLeft(), QPoint(0, 0));
    EXPECT_EQ(f.Memo1->width(), 785);

    // A sample of each container's rows.
    EXPECT_EQ(f.NumX->geometry(), QRect(25, 22, 112, 28));
    EXPECT_EQ(f.NumVoy->geometry(), QRect(185, 67, 112, 28));
    EXPECT_EQ(f.ButtonEuler->geometry(), QRect(111, 80, 89, 25));
    EXPECT_EQ(f.CheckBoxMemo->geometry(), QRect(34, 47, 161, 17));
    EXPECT_EQ(f.Label26->pos(), QPoint(5, 66));
    EXPECT_EQ(f.attracteur->geometry(), QRect(22, 23, 281, 130));
    EXPECT_EQ(f.NumMasseMantisse->geometry(), QRect(8, 47, 33, 21));
    EXPECT_EQ(f.NumRayon->geometry(), QRect(165, 50, 76, 22));
    EXPECT_EQ(f.NumDt->geometry(), QRect(196, 129, 105, 28));
    EXPECT_EQ(f.NumLabTempsDeVol->geometry(), QRect(132, 52, 169, 38));
    EXPECT_EQ(f.RadioGroup1->geometry(), QRect(16, 217, 285, 137));
    EXPECT_EQ(f.TrackTemporisation->geometry(), QRect(16, 117, 281, 40));
    EXPECT_EQ(f.Chart2->geometry(), QRect(8, 12, 309, 368));
    EXPECT_EQ(f.Button1->geometry(), QRect(248, 360, 65, 25));
    EXPECT_EQ(f.Image3->geometry(), QRect(8, 277, 41, 41));
    // The planned flight time keeps its right edge at 301.
    EXPECT_EQ(f.TempsDeVol->geometry().right() + 1, 301);

    const QStringList pages = {QStringLiteral("Système"), QStringLiteral("Chrono"),
                               QStringLiteral("Affichage"), QStringLiteral("Vitesse"),
                               QStringLiteral("Bilan"), QStringLiteral("A propos")};
    ASSERT_EQ(f.PageControl1->count(), 6);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(f.PageControl1->tabText(i), pages[i]);
    EXPECT_EQ(f.PageControl1->widget(0), f.TabSheet1);
    EXPECT_EQ(f.PageControl1->widget(5), f.TabSheet5);
}

TEST_F(SatelliteFormTest, FieldSettingsTextsAndLooks) {
    TSatelliteForm& f = *form;
    struct Spin {
        TSpinEdit* field;
        int increment, min, max, maxLength;
    };
    const Spin spins[] = {
        {f.NumX, 100, 0, 0, 0},          {f.NumY, 100, 0, 0, 0},
        {f.NumVox, 100, 0, 0, 0},        {f.NumVoy, 100, 0, 0, 0},
        {f.NumMasseExp, 1, 0, 40, 2},    {f.NumRayon, 10, 10, 100000, 0},
        {f.NumVide, 1, 0, 0, 0},         {f.NumDt, 1, 1, 864000, 6},
        {f.NumNombrePoints, 100, 100, 1000, 0},
    };
    for (const Spin& s : spins) {
        SCOPED_TRACE(s.field->objectName().toStdString() + " " + s.field->Text().toStdString());
        EXPECT_EQ(s.field->Increment(), s.increment);
        EXPECT_EQ(s.field->MinValue(), s.min);
        EXPECT_EQ(s.field->MaxValue(), s.max);
        EXPECT_EQ(s.field->MaxLength(), s.maxLength);
    }
    EXPECT_FALSE(f.NumNombrePoints->EditorEnabled());
    EXPECT_EQ(f.NumVide->Text(), QStringLiteral("600"));
    EXPECT_EQ(f.NumMasseMantisse->Digits(), 2);
    EXPECT_EQ(f.NumMasseMantisse->Min(), 1.0L);
    EXPECT_EQ(f.NumMasseMantisse->Max(), 10.0L);
    EXPECT_EQ(f.NumMasseMantisse->AdditionalDecimalSeparator(), QChar(u'.'));
    EXPECT_FALSE(f.NumMasseMantisse->Loading());

    // Display look on the start fields, the time step, N and the clock.
    for (QWidget* w : std::initializer_list<QWidget*>{f.NumX, f.NumVoy, f.NumDt,
                                                       f.NumNombrePoints}) {
        EXPECT_EQ(w->palette().color(QPalette::Base), QColor(0, 0, 0));
        EXPECT_EQ(w->palette().color(QPalette::Text), QColor(255, 255, 0));
        EXPECT_EQ(w->font().pixelSize(), 15);
        EXPECT_TRUE(w->font().bold());
    }
    EXPECT_EQ(f.NumLabTempsDeVol->font().pixelSize(), 32);
    EXPECT_EQ(textColour(f.NumLabTempsDeVol), QColor(255, 255, 0));
    EXPECT_TRUE(f.NumLabTempsDeVol->autoFillBackground());
    EXPECT_EQ(textColour(f.XEnCoursPos), QColor(0x80, 0, 0));
    EXPECT_TRUE(f.XEnCoursPos->text().isEmpty());
    EXPECT_EQ(textColour(f.Label19), QColor(0, 0, 0x80));
    EXPECT_EQ(f.font().pixelSize(), 11);
    EXPECT_EQ(f.NumMasseMantisse->font().pixelSize(), 11);

    // Texts with their accelerators and blanks.
    EXPECT_EQ(f.ButtonEffacer->text(), QStringLiteral("E&ffacer"));
    EXPECT_EQ(f.CheckBoxMemo->text(), QStringLiteral("Afficher / masquer le &mémo "));
    EXPECT_EQ(f.ButtonImprimer->text(), QStringLiteral("Im&primer"));
    EXPECT_EQ(f.Licence->text(), QStringLiteral(" Infos RK4"));
    EXPECT_EQ(f.GroupBox5->title(), QStringLiteral("Informations de la position du curseur "));
    EXPECT_EQ(f.RadioGroup1->items().at(1), QStringLiteral("à une journée sidérale"));
    EXPECT_TRUE(f.Label21->text().contains(QStringLiteral("option  permet")));
    EXPECT_TRUE(f.Label9->wordWrap());
    // Sized for one line, it shows its text on one line.
    EXPECT_LT(f.Label9->height(), 2 * f.Label9->fontMetrics().height());
    EXPECT_GE(f.Label9->width(), f.Label9->fontMetrics().horizontalAdvance(f.Label9->text()));
    // Captions to the left of their boxes.
    EXPECT_EQ(f.CheckImpact->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(f.CheckBoxMemo->layoutDirection(), Qt::RightToLeft);
}

TEST_F(SatelliteFormTest, MethodGroupIsDisabledOnRk4) {
    EXPECT_FALSE(form->methode->isEnabled());
    EXPECT_EQ(form->methode->itemIndex(), 1);
    clickItem(form->methode, 0);
    EXPECT_EQ(form->methode->itemIndex(), 1);
    EXPECT_TRUE(form->methode->button(1)->isChecked());
}

TEST_F(SatelliteFormTest, TrackBarAndCollisionIndicator) {
    TTrackBar* t = form->TrackTemporisation;
    EXPECT_EQ(t->minimum(), 0);
    EXPECT_EQ(t->maximum(), 50);
    EXPECT_EQ(t->tickInterval(), 5);
    EXPECT_EQ(t->position(), 0);
    EXPECT_EQ(t->orientation(), Qt::Horizontal);

    // The collision indicator is a plain check box: ticking it by hand
    // changes nothing else.
    showForm();
    const long double x = form->orbit.PosX;
    const QString clock = form->NumLabTempsDeVol->text();
    QTest::mouseClick(form->CheckImpact, Qt::LeftButton);
    EXPECT_TRUE(form->CheckImpact->isChecked());
    EXPECT_EQ(form->orbit.PosX, x);
    EXPECT_EQ(form->NumLabTempsDeVol->text(), clock);
    EXPECT_EQ(textColour(form->NumLabTempsDeVol), QColor(255, 255, 0));
}

TEST_F(SatelliteFormTest, TabOrderStartsWithTheStartFields) {
    showForm();
    EXPECT_EQ(QApplication::focusWidget(), form->NumX);
    const std::vector<QWidget*> expected = {form->NumY, form->NumVox, form->NumVoy};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
    // Inside the "Edition " box, "&Copier" comes before "Im&primer".
    EXPECT_EQ(form->Button2->nextInFocusChain(), form->ButtonImprimer);
    EXPECT_EQ(form->ButtonEuler->nextInFocusChain(), form->ButtonEffacer);
}

TEST_F(SatelliteFormTest, TabInTheMemoMovesTheFocusAndTypesNothing) {
    showForm();
    form->CheckBoxMemo->setChecked(true);
    ASSERT_TRUE(form->Memo1->isVisible());
    const QString table = QStringLiteral("0\t    0\t3,00E+004");
    struct Key {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool forward;
    };
    const Key keys[] = {{"Tab", Qt::Key_Tab, Qt::NoModifier, true},
                        {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier, false},
                        {"Ctrl+Tab", Qt::Key_Tab, Qt::ControlModifier, true},
                        {"Ctrl+Shift+Tab", Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, false}};
    for (const Key& k : keys) {
        form->Memo1->setPlainText(table);
        form->Memo1->setFocus(Qt::MouseFocusReason);
        QTextCursor caret = form->Memo1->textCursor();
        caret.setPosition(1);
        form->Memo1->setTextCursor(caret);
        QTest::keyClick(form->Memo1, k.key, k.modifiers);
        EXPECT_EQ(form->Memo1->toPlainText().toStdString(), table.toStdString()) << k.name;
        // The memo's neighbours in the tab order, the map being hidden behind it.
        QWidget* expected = k.forward ? static_cast<QWidget*>(form->NumX) : form->CheckBoxMemo;
        EXPECT_EQ(QApplication::focusWidget(), expected) << k.name;
    }
}

// The keyboard cycle from NumX with Tab (forward) or Shift+Tab, back to
// NumX; a radio button stands for its group, which must be entered on its
// selected item (or its first item while none is selected).
struct TabCycle {
    std::vector<QWidget*> stops;
    std::vector<std::string> faults;
};

TabCycle tabCycle(TSatelliteForm& form, bool forward) {
    TabCycle cycle;
    form.NumX->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    for (int i = 0; i < 100; ++i) {
        QWidget* w = QApplication::focusWidget();
        if (w == nullptr) {
            cycle.faults.push_back("no focus");
            break;
        }
        if (i > 0 && w == form.NumX) break;
        QWidget* stop = w;
        if (auto* group = qobject_cast<TRadioGroup*>(w->parentWidget())) {
            stop = group;
            const int index = std::max(group->itemIndex(), 0);
            if (w != group->button(index)) {
                cycle.faults.push_back(group->title().toStdString() + " entered on " +
                                       static_cast<QRadioButton*>(w)->text().toStdString());
            }
        }
        cycle.stops.push_back(stop);
        QTest::keyClick(w, forward ? Qt::Key_Tab : Qt::Key_Backtab,
                        forward ? Qt::NoModifier : Qt::ShiftModifier);
    }
    if (!forward) std::reverse(cycle.stops.begin() + 1, cycle.stops.end());
    return cycle;
}

std::string stopNames(const std::vector<QWidget*>& stops) {
    std::string names;
    for (QWidget* w : stops) {
        QString name = QString::fromLatin1(w->metaObject()->className());
        if (auto* b = qobject_cast<QAbstractButton*>(w)) name += QLatin1Char(':') + b->text();
        if (auto* g = qobject_cast<QGroupBox*>(w)) name += QLatin1Char(':') + g->title();
        names += name.toStdString() + " ";
    }
    return names;
}

TEST_F(SatelliteFormTest, EachRadioGroupIsOneTabStopOnItsSelectedItem) {
    showForm();
    const int pages = form->PageControl1->count();
    const auto cycles = [&](bool forward) {
        std::vector<TabCycle> all;
        for (int page = 0; page < pages; ++page) {
            form->PageControl1->setCurrentIndex(page);
            all.push_back(tabCycle(*form, forward));
        }
        return all;
    };
    const std::vector<TabCycle> created = cycles(true);
    for (const TabCycle& c : created) {
        EXPECT_TRUE(c.faults.empty()) << c.faults.front();
        EXPECT_GT(c.stops.size(), 10u) << stopNames(c.stops);
    }
    const auto expectCreationCycles = [&](const char* after) {
        for (bool forward : {true, false}) {
            const std::vector<TabCycle> now = cycles(forward);
            for (int page = 0; page < pages; ++page) {
                const TabCycle& c = now[static_cast<std::size_t>(page)];
                for (const std::string& fault : c.faults) ADD_FAILURE() << after << ": " << fault;
                EXPECT_EQ(c.stops, created[static_cast<std::size_t>(page)].stops)
                    << after << (forward ? ", Tab" : ", Shift+Tab") << ", page " << page << ":\n"
                    << stopNames(c.stops) << "\ninstead of\n"
                    << stopNames(created[static_cast<std::size_t>(page)].stops);
            }
        }
    };

    form->PageControl1->setCurrentWidget(form->TabSheet1);
    clickItem(form->attracteur, 1);   // the Sun, by a click; also sets a duration
    expectCreationCycles("the Sun clicked");
    form->PageControl1->setCurrentWidget(form->TabSheet2);
    clickItem(form->RadioGroup1, 0);  // a day, by a click
    expectCreationCycles("a day clicked");
    form->attracteur->setItemIndex(2);   // by code
    form->RadioGroup1->setItemIndex(3);
    form->methode->setItemIndex(0);
    expectCreationCycles("selections set by code");
    form->RadioGroup1->setItemIndex(-1);  // none: entered on the first item
    expectCreationCycles("no duration selected");

    // The arrow keys move between the items (and select them); Tab then
    // leaves the group for the next control.
    form->PageControl1->setCurrentWidget(form->TabSheet2);
    form->RadioGroup1->setItemIndex(1);
    form->RadioGroup1->button(1)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), form->RadioGroup1->button(2));
    EXPECT_EQ(form->RadioGroup1->itemIndex(), 2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form->CheckImpact);
    expectCreationCycles("a year chosen with the arrow keys");
}

}  // namespace
}  // namespace gravitaria::test
