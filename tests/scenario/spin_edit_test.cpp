// The integer spin field: typing filter, reading, bounding on write and on
// exit, stepping, notifications, single-level undo, paste and MaxLength.
#include <QTest>
#include <limits>
#include <string>
#include <vector>

#include "field_test_support.h"
#include "spin_edit.h"

using namespace gravitaria;
using namespace gravitaria::test;

namespace {

// The configurations of the program's spin fields.
struct SpinConfig {
    const char* name;
    std::int32_t min, max, increment;
    int maxLength;
    bool editorEnabled;
};
const SpinConfig kMasseExp{"NumMasseExp", 0, 40, 1, 2, true};
const SpinConfig kRayon{"NumRayon", 10, 100000, 10, 0, true};
const SpinConfig kFree{"NumX", 0, 0, 100, 0, true};
const SpinConfig kDt{"NumDt", 1, 864000, 1, 6, true};
const SpinConfig kPoints{"NumNombrePoints", 100, 1000, 100, 0, false};

void configure(TSpinEdit* f, const SpinConfig& c) {
    f->setMinValue(c.min);
    f->setMaxValue(c.max);
    f->setIncrement(c.increment);
    f->setMaxLength(c.maxLength);
    f->setEditorEnabled(c.editorEnabled);
}

// A key to send: a text typed character by character, or a named key.
struct Step {
    QString text;
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers mods = Qt::NoModifier;
};
Step T(const char* s) { return Step{dec(QString::fromUtf8(s))}; }
Step K(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { return Step{QString(), k, m}; }

void send(QWidget* w, const std::vector<Step>& steps) {
    for (const Step& s : steps) {
        if (s.key != Qt::Key_unknown)
            QTest::keyClick(w, s.key, s.mods);
        else
            typeText(w, s.text);
    }
}

class SpinTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(win.active); }
    // Enters the field showing `start` (all selected, as after Tab).
    void start(const SpinConfig& c, const QString& text) {
        win.leave();
        configure(win.field, c);
        win.field->setText(text);
        win.enter();
        rec.beeps = 0;
    }
    TSpinEdit* f() { return win.field; }

    ScopedRecordingPlatform rec;
    FieldWindow<TSpinEdit> win;
};

}  // namespace

TEST_F(SpinTest, NewFieldShowsZeroAndHasNoBounds) {
    EXPECT_EQ(f()->text(), "0");
    EXPECT_EQ(f()->Value(), 0);
    f()->setValue(-123456);
    EXPECT_EQ(f()->text(), "-123456");
    EXPECT_EQ(f()->CheckValue(std::int64_t{5} << 40), std::numeric_limits<std::int32_t>::max());
}

// Typed sequences into an entered field (whole text selected first).
TEST_F(SpinTest, TypedSequences) {
    struct Case {
        const SpinConfig* config;
        const char* startText;
        std::vector<Step> steps;
        const char* text;        // ',' stands for the locale's decimal separator
        std::int32_t value;
        int beeps;
    };
    const std::vector<Case> cases = {
        {&kMasseExp, "24", {T("3")}, "3", 3, 0},
        {&kMasseExp, "24", {T("4"), T("5")}, "45", 45, 0},      // no bounding while typing
        {&kMasseExp, "24", {T("123")}, "12", 12, 0},            // MaxLength 2
        {&kMasseExp, "24", {T("a")}, "24", 24, 1},
        {&kMasseExp, "24", {T("1 x")}, "1", 1, 2},
        {&kMasseExp, "24", {T("2,")}, "2,", 0, 0},              // separator typeable, reads MinValue
        {&kMasseExp, "24", {K(Qt::Key_Return)}, "24", 24, 1},
        {&kMasseExp, "24", {K(Qt::Key_End), K(Qt::Key_Backspace)}, "2", 2, 0},
        {&kMasseExp, "24", {K(Qt::Key_Delete)}, "", 0, 0},
        {&kFree, "-40000", {T("-")}, "-", 0, 0},
        {&kFree, "-40000", {T("1,5")}, "1,5", 0, 0},
        {&kFree, "-40000", {T("99999999999")}, "99999999999", 0, 0},
        {&kFree, "-40000", {T("2147483647")}, "2147483647", 2147483647, 0},
        {&kFree, "-40000", {T("-2147483648")}, "-2147483648", -2147483647 - 1, 0},
        {&kFree, "-40000", {T("+5")}, "+5", 5, 0},
        {&kFree, "-40000", {T("5-")}, "5-", 0, 0},
        {&kFree, "-40000", {T("é€")}, "-40000", -40000, 2},    // above 255: refused too
        {&kRayon, "6380", {T("5")}, "5", 5, 0},                  // reading never bounds
        {&kDt, "200", {T("1234567")}, "123456", 123456, 0},      // MaxLength 6
        {&kPoints, "100", {T("5")}, "100", 100, 1},
        {&kPoints, "100", {K(Qt::Key_Backspace)}, "100", 100, 1},
        {&kPoints, "100", {K(Qt::Key_Delete)}, "100", 100, 1},
        {&kPoints, "100", {K(Qt::Key_Up), K(Qt::Key_Up)}, "300", 300, 0},
        {&kPoints, "100", {K(Qt::Key_X, Qt::ControlModifier)}, "100", 100, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.config->name) + " typing after " + c.startText);
        start(*c.config, QString::fromUtf8(c.startText));
        send(f(), c.steps);
        const QString expected = dec(QString::fromUtf8(c.text));
        EXPECT_EQ(f()->text(), expected);
        EXPECT_EQ(f()->Value(), c.value);
        EXPECT_EQ(rec.beeps, c.beeps);
    }
}

TEST_F(SpinTest, WritingBoundsAndWritingTextDoesNot) {
    configure(f(), kDt);
    f()->setValue(0);
    EXPECT_EQ(f()->text(), "1");
    f()->setValue(2000000);
    EXPECT_EQ(f()->text(), "864000");
    f()->setText("999999999");
    EXPECT_EQ(f()->Value(), 999999999);
    f()->setText("12a");
    EXPECT_EQ(f()->Value(), 1);   // not a number: MinValue
}

// Leaving the field: OnExit first, then a number outside the bounds becomes
// the nearest bound; a text that is not a number stays.
TEST_F(SpinTest, ExitRule) {
    struct Case {
        const SpinConfig* config;
        const char* typed;
        const char* after;
    };
    const std::vector<Case> cases = {
        {&kDt, "0", "1"},          {&kDt, "999999", "864000"}, {&kDt, "5", "5"},
        {&kMasseExp, "45", "40"},  {&kFree, "-", "-"},         {&kFree, "1,5", "1,5"},
        {&kFree, "99999999999", "99999999999"},                {&kRayon, "", ""},
        {&kRayon, "-5", "10"},     {&kRayon, "7,", "7,"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.config->name) + " left at " + c.typed);
        start(*c.config, "200");
        if (*c.typed)
            typeText(f(), dec(c.typed));
        else
            QTest::keyClick(f(), Qt::Key_Delete);
        win.leave();
        EXPECT_EQ(f()->text(), dec(c.after));
        EXPECT_FALSE(f()->hasFocus());
    }
}

TEST_F(SpinTest, OnExitRunsBeforeTheBoundingRule) {
    start(kRayon, "6380");
    std::vector<QString> seen;
    f()->OnExit = [&](QObject* sender) {
        EXPECT_EQ(sender, f());
        seen.push_back(f()->text());
        f()->setText("3");   // a handler's write is then bounded
    };
    typeText(f(), "0");
    win.leave();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], "0");
    EXPECT_EQ(f()->text(), "10");
}

TEST_F(SpinTest, SteppingWithArrowKeysIsBoundedAndRaisesOnChangeOnlyOnChange) {
    start(kPoints, "100");
    int changes = 0;
    f()->OnChange = [&](QObject*) { ++changes; };
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(f(), Qt::Key_Up);
    EXPECT_EQ(f()->text(), "1000");
    EXPECT_EQ(changes, 9);   // the tenth step leaves the text unchanged

    f()->setText("365");     // as the year preset does
    changes = 0;
    std::vector<QString> texts;
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(f(), Qt::Key_Up);
        texts.push_back(f()->text());
    }
    EXPECT_EQ(texts, (std::vector<QString>{"465", "565", "665", "765", "865", "965", "1000"}));
    EXPECT_EQ(changes, 7);

    f()->setValue(100);
    QTest::keyClick(f(), Qt::Key_Down);
    EXPECT_EQ(f()->text(), "100");
    EXPECT_EQ(rec.beeps, 0);
}

TEST_F(SpinTest, UnboundedSteppingStopsAtTheEndsOfTheRange) {
    start(kFree, "2147483600");
    QTest::keyClick(f(), Qt::Key_Up);
    EXPECT_EQ(f()->Value(), std::numeric_limits<std::int32_t>::max());
    f()->setText("-2147483600");
    QTest::keyClick(f(), Qt::Key_Down);
    EXPECT_EQ(f()->Value(), std::numeric_limits<std::int32_t>::min());
    f()->setText("abc");   // reads as MinValue 0
    QTest::keyClick(f(), Qt::Key_Up);
    EXPECT_EQ(f()->text(), "100");
}

TEST_F(SpinTest, ReadOnlyStepsOnlyBeep) {
    start(kFree, "7");
    f()->setReadOnly(true);
    QTest::keyClick(f(), Qt::Key_Up);
    f()->DownClick();
    typeText(f(), "5");
    EXPECT_EQ(f()->text(), "7");
    EXPECT_EQ(rec.beeps, 2);
}

// OnKeyDown sees every key, after the arrow keys stepped; Enter then beeps.
TEST_F(SpinTest, OnKeyDownAfterStepAndBeforeTheFilter) {
    start(kFree, "0");
    std::vector<std::pair<int, QString>> keys;
    f()->OnKeyDown = [&](QObject* sender, int& key, Qt::KeyboardModifiers) {
        EXPECT_EQ(sender, f());
        keys.push_back({key, f()->text()});
        EXPECT_EQ(rec.beeps, 0);   // the refused Enter beeps afterwards
    };
    QTest::keyClick(f(), Qt::Key_Up);
    QTest::keyClick(f(), Qt::Key_Return);
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0], (std::pair<int, QString>{Qt::Key_Up, "100"}));
    EXPECT_EQ(keys[1].first, Qt::Key_Return);
    EXPECT_EQ(rec.beeps, 1);

    // A handler that clears the key consumes it.
    f()->OnKeyDown = [](QObject*, int& key, Qt::KeyboardModifiers) {
        if (key == Qt::Key_5)
            key = 0;
    };
    typeText(f(), "56");
    EXPECT_EQ(f()->text(), "1006");
}

TEST_F(SpinTest, ChangeRule) {
    std::vector<QString> log;
    f()->OnChange = [&](QObject* sender) {
        EXPECT_EQ(sender, f());
        log.push_back(f()->text());
    };
    f()->setValue(24);
    f()->setValue(24);
    f()->setText("24");
    EXPECT_EQ(log, std::vector<QString>{"24"});

    win.enter();                       // "24" selected
    typeText(f(), "2");                // replaces the selection: one change
    typeText(f(), "4");
    EXPECT_EQ(log, (std::vector<QString>{"24", "2", "24"}));
    f()->selectAll();
    typeText(f(), "24");               // "2" over "24" then "4": two changes
    f()->setSelection(1, 1);
    typeText(f(), "4");                // "4" over "4": no change, nothing raised
    EXPECT_EQ(log, (std::vector<QString>{"24", "2", "24", "2", "24"}));

    // QLineEdit's own setter, through a base pointer, follows the same rule.
    static_cast<QLineEdit*>(f())->setText("7");
    static_cast<QLineEdit*>(f())->setText("7");
    EXPECT_EQ(log.back(), "7");
    EXPECT_EQ(log.size(), 6u);
}

// A handler that writes its own field is re-entered before it continues.
TEST_F(SpinTest, NotificationsNestSynchronously) {
    std::vector<std::string> trace;
    f()->OnChange = [&](QObject*) {
        trace.push_back("begin " + f()->text().toStdString());
        if (f()->text().isEmpty()) {
            f()->setValue(10);
            f()->selectAll();
        }
        trace.push_back("end " + f()->text().toStdString());
    };
    f()->setText("5");
    win.enter();
    trace.clear();
    QTest::keyClick(f(), Qt::Key_Delete);
    EXPECT_EQ(trace, (std::vector<std::string>{"begin ", "begin 10", "end 10", "end 10"}));
    EXPECT_EQ(f()->selectedText(), "10");
    typeText(f(), "3");
    EXPECT_EQ(f()->text(), "3");
}

TEST_F(SpinTest, UndoBringsBackWhatTheLastEditErased) {
    start(kRayon, "6380");
    QTest::keyClick(f(), Qt::Key_Delete);          // whole text erased
    ASSERT_EQ(f()->text(), "");
    f()->Undo();
    EXPECT_EQ(f()->text(), "6380");
    f()->Undo();                                   // a second undo redoes
    EXPECT_EQ(f()->text(), "");

    // A run of Backspaces is one edit.
    f()->setText("6380");
    EXPECT_FALSE(f()->CanUndo());                  // program writes clear the record
    f()->end(false);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(f(), Qt::Key_Backspace);
    f()->Undo();
    EXPECT_EQ(f()->text(), "6380");

    // So is a run of typed characters; the erasure after it is another.
    f()->selectAll();
    typeText(f(), "12");
    QTest::keyClick(f(), Qt::Key_Backspace);
    QTest::keyClick(f(), Qt::Key_Backspace);
    f()->Undo();
    EXPECT_EQ(f()->text(), "12");
    f()->setText("1");
    f()->Undo();                                   // nothing to undo
    EXPECT_EQ(f()->text(), "1");

    // Ctrl+Z is the same undo.
    f()->selectAll();
    QTest::keyClick(f(), Qt::Key_Backspace);
    QTest::keyClick(f(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(f()->text(), "1");
}

TEST_F(SpinTest, PasteAndCut) {
    start(kDt, "200");
    setClipboard("1234567\nsecond line");
    QTest::keyClick(f(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f()->text(), "123456");              // MaxLength, first line only
    f()->selectAll();
    setClipboard("abc");
    f()->PasteFromClipboard();
    EXPECT_EQ(f()->text(), "abc");                 // stays, reads as MinValue
    EXPECT_EQ(f()->Value(), 1);
    f()->Undo();
    EXPECT_EQ(f()->text(), "123456");
    f()->setSelection(0, 3);
    QTest::keyClick(f(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(f()->text(), "456");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "123");

    start(kPoints, "100");                         // typing disabled: ignored
    setClipboard("500");
    QTest::keyClick(f(), Qt::Key_V, Qt::ControlModifier);
    f()->CutToClipboard();
    EXPECT_EQ(f()->text(), "100");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "500");
}

TEST_F(SpinTest, FocusEntrySelectsAllExceptOnALeftClickInTheField) {
    f()->setText("6380");
    int enters = 0;
    f()->OnEnter = [&](QObject*) { ++enters; };
    win.enter();
    EXPECT_EQ(f()->selectedText(), "6380");
    win.leave();
    QTest::mouseClick(f(), Qt::LeftButton, Qt::NoModifier, f()->TextArea().center());
    EXPECT_TRUE(f()->hasFocus());
    EXPECT_FALSE(f()->hasSelectedText());
    EXPECT_EQ(enters, 2);
    // Switching to another window and back is no exit and no entry.
    int exits = 0;
    f()->OnExit = [&](QObject*) { ++exits; };
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(f(), &out);
    QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(f(), &in);
    EXPECT_EQ(exits, 0);
    EXPECT_EQ(enters, 2);
}

TEST_F(SpinTest, OnClickIsAClickInTheTextAreaOnly) {
    configure(f(), kFree);
    int clicks = 0;
    f()->OnClick = [&](QObject* sender) {
        EXPECT_EQ(sender, f());
        ++clicks;
    };
    QTest::mouseClick(f(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(clicks, 1);
    QTest::mouseClick(f(), Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(clicks, 1);
}
