#pragma once
// A main window shown offscreen with a recording platform, for the tests of
// the flight run and of the map's handlers, and the locale's expected texts.
#include <gtest/gtest.h>

#include <QImage>
#include <QLocale>
#include <QPlainTextEdit>
#include <QRect>
#include <QStringList>
#include <QTest>
#include <memory>

#include "chart.h"
#include "recording_platform.h"
#include "satellite_form.h"

namespace gravitaria::testing {

// The tests run once under a French locale and once under the C locale.
inline bool frenchLocale() { return QLocale::system().decimalPoint() == QStringLiteral(","); }

// The locale's thousands separator as the tests spell it.
inline QString groupSeparator() { return frenchLocale() ? QString(QChar(0x202F)) : QStringLiteral(","); }

// "19 400": the digits of a number of 4 to 6 digits with the locale's separator.
inline QString grouped(const char* high, const char* low) {
    return QString::fromLatin1(high) + groupSeparator() + QString::fromLatin1(low);
}

// The smallest rectangle holding every pixel that differs between two
// pictures of the same size: what one drawing added over the other.
inline QRect differingPixels(const QImage& a, const QImage& b) {
    QRect box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) box |= QRect(x, y, 1, 1);
    return box;
}

class RunWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TSatelliteForm>();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void TearDown() override { form.reset(); }

    QStringList memoLines() const { return form->Memo1->toPlainText().split(QLatin1Char('\n')); }

    ScopedRecordingPlatform recorder;
    std::unique_ptr<TSatelliteForm> form;
};

}  // namespace gravitaria::testing
