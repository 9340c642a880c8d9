#pragma once
// A main window shown offscreen with a recording platform, and helpers that
// drive it as a user would: focus changes, keys and clicks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QLabel>
#include <QLocale>
#include <QTest>

#include "chart.h"
#include "click_label.h"
#include "error_report.h"
#include "float_edit.h"
#include "locale_separators.h"
#include "radio_group.h"
#include "recording_platform.h"
#include "satellite_form.h"
#include "spin_edit.h"

namespace gravitaria::test {

inline QApplication& testApplication() {
    static int argc = 1;
    static char name[] = "satellite_test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new TApplication(argc, argv);
    return *app;
}

// The user's separators, as the window shows them.
inline QString dec() { return QString(systemDecimalSeparator()); }
inline QString grp() { return QString(systemGroupSeparator()); }

class SatelliteFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        testApplication();
        form = std::make_unique<TSatelliteForm>();
    }
    void TearDown() override { form.reset(); }

    // Shows the window as the start window does and waits until it is
    // active, so that focus changes raise the fields' entry and exit rules.
    void showForm() {
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    // Gives the keyboard focus to `w` as the Tab key would.
    static void focus(QWidget* w) {
        w->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
    }

    // Leaves the focused field for a control that runs no handler.
    void leaveField() { focus(form->ButtonEuler); }

    // A click into a field's text area, away from its arrow buttons.
    static void clickText(QWidget* field) {
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(8, field->height() / 2));
    }

    // A click on item `index` of a radio group, as the user makes it.
    static void clickItem(TRadioGroup* group, int index) {
        QRadioButton* b = group->button(index);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    }

    static QColor textColour(const QWidget* w) {
        return w->palette().color(QPalette::WindowText);
    }

    ScopedRecordingPlatform platform;
    std::unique_ptr<TSatelliteForm> form;
};

}  // namespace gravitaria::test
