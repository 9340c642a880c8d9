// The decimal field: loading, reading, bounded writes, the Min/Max
// cross-check, typing rules, paste, Escape, focus entry and exit.
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

#include "errors.h"
#include "field_test_support.h"
#include "float_edit.h"
#include "spin_edit.h"

using namespace gravitaria;
using namespace gravitaria::test;

namespace {

// NumMasseMantisse as the window layout sets it up.
void setUpMantissa(TFloatEdit* f) {
    f->setDigits(2);
    f->setMin(1.0L);
    f->setMax(10.0L);
    f->setAdditionalDecimalSeparator(QLatin1Char('.'));
    f->setValue(6.0L);
    f->Loaded();
}

class FloatTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(win.active);
        setUpMantissa(win.field);
    }
    // Enters the field showing `value` (all selected, as after Tab).
    void start(long double value) {
        win.leave();
        win.field->setValue(value);
        win.enter();
    }
    TFloatEdit* f() { return win.field; }

    ScopedRecordingPlatform rec;
    FieldWindow<TFloatEdit> win;
};

}  // namespace

TEST(FloatEditLoading, HeldUntilLoadedThenBoundedAndFormatted) {
    ScopedRecordingPlatform rec;
    TFloatEdit f;
    EXPECT_TRUE(f.Loading());
    EXPECT_EQ(f.text(), dec("0,0"));            // Min formatted
    EXPECT_EQ(f.Alignment(), FieldAlignment::Right);
    int changes = 0;
    f.OnChange = [&](QObject*) { ++changes; };
    f.setMax(1.0L);                             // no cross-check while loading
    f.setMin(10.0L);
    f.setDigits(2);
    f.setValue(6.0L);
    EXPECT_EQ(f.Value(), 6.0L);                 // the held value
    EXPECT_EQ(f.text(), dec("0,0"));
    EXPECT_EQ(changes, 0);
    f.Loaded();                                 // crossed bounds are swapped
    EXPECT_EQ(f.Min(), 1.0L);
    EXPECT_EQ(f.Max(), 10.0L);
    EXPECT_EQ(f.text(), dec("6,00"));
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(rec.boxes.empty());
}

TEST_F(FloatTest, ReadingBoundsWithoutChangingTheText) {
    struct Case {
        const char* text;
        long double value;
    };
    const std::vector<Case> cases = {
        {"", 1.0L},     {"-", 1.0L},    {",", 1.0L},     {"E", 1.0L},   {"e", 1.0L},
        {"abc", 1.0L},  {"50", 10.0L},  {"0,5", 1.0L},   {"7,25", 7.25L}, {"1E1", 10.0L},
        {"6,126", 6.126L}, {" 3 ", 3.0L}, {"-0", 1.0L},  {"2,5E0", 2.5L},
    };
    int changes = 0;
    f()->OnChange = [&](QObject*) { ++changes; };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        f()->setText(dec(c.text));
        const int before = changes;
        EXPECT_EQ(f()->Value(), c.value);
        EXPECT_EQ(f()->text(), dec(c.text));
        EXPECT_EQ(changes, before);
    }
    EXPECT_TRUE(rec.boxes.empty());
}

TEST_F(FloatTest, WritingBoundsAndShowsTheErrorMessageOncePerBounding) {
    f()->setValue(50.0L);
    EXPECT_EQ(f()->text(), dec("10,00"));
    EXPECT_TRUE(rec.boxes.empty());             // no ErrorMessage: nothing shown
    f()->setErrorMessage(QStringLiteral("Valeur hors limites"));
    f()->setValue(0.5L);
    EXPECT_EQ(f()->text(), dec("1,00"));
    int changes = 0;
    f()->OnChange = [&](QObject*) { ++changes; };
    f()->setValue(7.0L);
    f()->setValue(7.0L);                        // the same text: nothing raised
    f()->setValue(7.001L);                      // shown as 7,00 too
    EXPECT_EQ(changes, 1);
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(rec.boxes[0].text, "Valeur hors limites");
    EXPECT_EQ(rec.boxes[0].caption, "Gravitaria");
}

TEST_F(FloatTest, MinMaxCrossCheckAndReformatting) {
    f()->setValue(6.0L);
    try {
        f()->setMin(11.0L);
        FAIL() << "no error";
    } catch (const GeneralError& e) {
        EXPECT_STREQ(e.what(), "Minimum value must not be greater than maximum value !");
    }
    try {
        f()->setMax(0.5L);
        FAIL() << "no error";
    } catch (const GeneralError& e) {
        EXPECT_STREQ(e.what(), "Maximum value must not be less than minimum value !");
    }
    EXPECT_EQ(f()->Min(), 1.0L);
    EXPECT_EQ(f()->Max(), 10.0L);
    EXPECT_EQ(f()->text(), dec("6,00"));

    f()->setMin(7.0L);                          // the value is bounded again
    EXPECT_EQ(f()->text(), dec("7,00"));
    f()->setMax(7.0L);                          // equal bounds are allowed
    f()->setMin(1.0L);
    f()->setMax(10.0L);
    f()->setDigits(3);
    EXPECT_EQ(f()->text(), dec("7,000"));
    f()->setDigits(40);
    EXPECT_EQ(f()->Digits(), 18);
    f()->setDigits(0);
    EXPECT_EQ(f()->text(), "7");
    EXPECT_EQ(f()->CFloatToText(2.5L), "3");    // halves away from zero

    f()->setMax(1e7L);
    f()->setDigits(2);
    f()->setValue(1234567.891L);
    f()->setSupportsThousandSeparator(true);
    const QString g = f()->ThousandSeparator();
    EXPECT_EQ(f()->text(), "1" + g + "234" + g + "567" + dec(",89"));
    EXPECT_EQ(f()->Value(), 1234567.89L);
}

// Typed sequences into the entered mantissa field showing 6,00 (selected).
// Refused keys never beep.
TEST_F(FloatTest, TypedSequences) {
    struct Case {
        const char* typed;       // ',' is the locale's separator, '.' the additional one
        const char* text;
        int selStart, selLength;
        long double value;
    };
    const std::vector<Case> cases = {
        {".", "0,0", 2, 1, 1.0L},        // "." types the separator; 0,0 last 0 selected
        {".5", "0,5", 3, 0, 1.0L},
        {",", "0,0", 2, 1, 1.0L},
        {"11", "1", 1, 0, 1.0L},         // 11 is above 10
        {"10", "10", 2, 0, 10.0L},
        {"10,5", "10,", 3, 0, 10.0L},    // 10,5 cannot be typed
        {"1,234", "1,23", 4, 0, 1.23L},  // a third decimal is refused
        {"-", "-0", 1, 1, 1.0L},         // -0 with the 0 selected
        {"-5", "-5", 2, 0, 1.0L},        // no test against Min while typing
        {"E", "6,00", 0, 4, 6.0L},       // does not parse: the selection stays
        {"1E1", "1E1", 3, 0, 10.0L},
        {"1E2", "1E", 2, 0, 1.0L},
        {"1E-2", "1E-2", 4, 0, 1.0L},
        {"a+ x", "6,00", 0, 4, 6.0L},
        {"2,,", "2,", 2, 0, 2.0L},
        {"9,99", "9,99", 4, 0, 9.99L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        start(6.0L);
        typeText(f(), dec(c.typed));
        EXPECT_EQ(f()->text(), dec(c.text));
        const int start = f()->hasSelectedText() ? f()->selectionStart() : f()->cursorPosition();
        EXPECT_EQ(start, c.selStart);
        EXPECT_EQ(f()->selectedText().size(), c.selLength);
        EXPECT_EQ(f()->Value(), c.value);
    }
    EXPECT_EQ(rec.beeps, 0);
}

TEST_F(FloatTest, ThousandsSeparatorKeyAndDigitsZero) {
    start(6.0L);
    typeChar(f(), f()->ThousandSeparator());    // refused while not supported
    EXPECT_EQ(f()->text(), dec("6,00"));
    f()->setMax(1e6L);
    f()->setSupportsThousandSeparator(true);
    f()->selectAll();
    typeText(f(), "12");
    typeChar(f(), f()->ThousandSeparator());
    typeText(f(), "345");
    EXPECT_EQ(f()->text(), "12" + QString(f()->ThousandSeparator()) + "345");
    EXPECT_EQ(f()->Value(), 12345.0L);
    f()->setDigits(0);
    f()->selectAll();
    typeText(f(), "7");
    typeChar(f(), f()->DecimalSeparator());     // no decimals: refused
    EXPECT_EQ(f()->text(), "7");
}

TEST_F(FloatTest, EnterPressAndEscape) {
    start(6.0L);
    std::vector<int> keys;
    f()->OnEnterPress = [&](QObject* sender, QChar& key) {
        EXPECT_EQ(sender, f());
        keys.push_back(key.unicode());
    };
    typeText(f(), "3");
    QTest::keyClick(f(), Qt::Key_Return);
    QTest::keyClick(f(), Qt::Key_Enter, Qt::ControlModifier);
    EXPECT_EQ(keys, (std::vector<int>{13, 10}));
    EXPECT_EQ(f()->text(), "3");
    QTest::keyClick(f(), Qt::Key_Escape);       // back to the value at entry
    EXPECT_EQ(f()->text(), dec("6,00"));
    EXPECT_EQ(f()->selectedText(), dec("6,00"));
    EXPECT_EQ(rec.beeps, 0);
}

TEST_F(FloatTest, PasteRules) {
    start(6.0L);
    int changes = 0;
    f()->OnChange = [&](QObject*) { ++changes; };
    setClipboard("abc");
    QTest::keyClick(f(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f()->text(), dec("6,00"));        // text and selection unchanged
    EXPECT_EQ(f()->selectedText(), dec("6,00"));
    EXPECT_EQ(changes, 0);
    setClipboard("50");
    f()->PasteFromClipboard();
    EXPECT_EQ(f()->text(), dec("10,00"));       // above Max: Max, one change
    EXPECT_EQ(changes, 1);
    f()->selectAll();
    setClipboard(dec("0,126"));
    f()->PasteFromClipboard();
    EXPECT_EQ(f()->text(), dec("0,126"));       // below Min and three decimals: kept
    f()->selectAll();
    setClipboard(dec("6,126"));
    f()->PasteFromClipboard();
    win.leave();
    EXPECT_EQ(f()->text(), dec("6,13"));
    EXPECT_EQ(f()->Value(), 6.13L);
}

TEST_F(FloatTest, SuccessfulExitFormatsAndRaisesOnExit) {
    struct Case {
        const char* typed;
        const char* after;
        long double value;
    };
    const std::vector<Case> cases = {
        {"7", "7,00", 7.0L}, {"", "1,00", 1.0L}, {"9,9", "9,90", 9.9L}, {"1E1", "10,00", 10.0L},
        {"10,", "10,00", 10.0L},
    };
    int exits = 0;
    f()->OnExit = [&](QObject* sender) {
        EXPECT_EQ(sender, f());
        ++exits;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        start(6.0L);
        exits = 0;
        if (*c.typed)
            typeText(f(), dec(c.typed));
        else
            QTest::keyClick(f(), Qt::Key_Delete);
        win.leave();
        EXPECT_EQ(f()->text(), dec(c.after));
        EXPECT_EQ(f()->Value(), c.value);
        EXPECT_EQ(exits, 1);
        EXPECT_FALSE(f()->hasFocus());
    }
}

// An unusable text on exit brings back the value at entry, selects it and
// keeps the focus; OnExit is not raised.
TEST_F(FloatTest, FailedExitRevertsAndKeepsTheFocus) {
    const std::vector<const char*> typed = {"0,5", "-", "-5", ","};
    int exits = 0, enters = 0;
    f()->OnExit = [&](QObject*) { ++exits; };
    f()->OnEnter = [&](QObject*) { ++enters; };
    f()->setErrorMessage(QStringLiteral("Valeur incorrecte"));
    for (const char* t : typed) {
        SCOPED_TRACE(t);
        start(6.0L);
        enters = 0;
        exits = 0;
        rec.boxes.clear();
        typeText(f(), dec(t));
        win.leave();
        EXPECT_EQ(f()->text(), dec("6,00"));
        EXPECT_EQ(f()->selectedText(), dec("6,00"));
        EXPECT_TRUE(f()->hasFocus());
        EXPECT_EQ(QApplication::focusWidget(), f());
        EXPECT_EQ(exits, 0);
        EXPECT_EQ(enters, 0);                   // the take-back is no new entry
        ASSERT_EQ(rec.boxes.size(), 1u);
        EXPECT_EQ(rec.boxes[0].text, "Valeur incorrecte");
    }
    // Typing goes on in the field; a good value then leaves normally.
    exits = 0;
    typeText(f(), "8");
    win.leave();
    EXPECT_EQ(f()->text(), dec("8,00"));
    EXPECT_EQ(exits, 1);
}

// The field the focus was going to gets neither its entry nor its exit.
TEST_F(FloatTest, FailedExitTowardAnotherFieldLeavesThatFieldAlone) {
    auto* spin = new TSpinEdit(win.window.get());
    spin->setGeometry(10, 60, 112, 28);
    spin->show();
    int spinEvents = 0;
    spin->OnEnter = [&](QObject*) { ++spinEvents; };
    spin->OnExit = [&](QObject*) { ++spinEvents; };
    start(6.0L);
    typeText(f(), dec("0,5"));
    spin->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(QApplication::focusWidget(), f());
    EXPECT_EQ(f()->text(), dec("6,00"));
    typeText(f(), "4");
    spin->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(QApplication::focusWidget(), spin);
    EXPECT_EQ(spinEvents, 1);                   // its entry only
    EXPECT_EQ(f()->text(), dec("4,00"));
}

// A message box opened by a refused exit finds the focus back in the field,
// so closing it hands the focus to the field and not to the one entered.
TEST_F(FloatTest, FailedExitMessageShownWithTheFocusBackInTheField) {
    struct FocusAtBox : RecordingPlatform {
        QWidget* focus = nullptr;
        void showMessage(const QString& text, const QString& caption) override {
            focus = QApplication::focusWidget();
            RecordingPlatform::showMessage(text, caption);
        }
    } box;
    setPlatform(&box);
    f()->setErrorMessage(QStringLiteral("Valeur incorrecte"));
    start(6.0L);
    typeText(f(), dec("0,5"));
    win.leave();
    setPlatform(&rec);
    ASSERT_EQ(box.boxes.size(), 1u);
    EXPECT_EQ(box.focus, f());
    EXPECT_EQ(box.boxes[0].caption, "Gravitaria");
}

TEST_F(FloatTest, EscapeUsesTheValueRememberedAtEntry) {
    start(6.0L);
    typeText(f(), "7");
    win.leave();                                // 7,00
    win.enter();
    EXPECT_EQ(f()->EnterValue(), 7.0L);
    typeText(f(), "2");
    QTest::keyClick(f(), Qt::Key_Escape);
    EXPECT_EQ(f()->text(), dec("7,00"));
}

// The mantissa handler of the main window: an emptied text becomes 1,00,
// selected, from inside the change notification.
TEST_F(FloatTest, EmptiedTextRewrittenByItsOwnChangeHandler) {
    std::vector<QString> seen;
    f()->OnChange = [&](QObject*) {
        seen.push_back(f()->text());
        if (f()->text().isEmpty()) {
            f()->setValue(1.0L);
            f()->selectAll();
        }
    };
    start(6.0L);
    seen.clear();
    QTest::keyClick(f(), Qt::Key_Backspace);
    EXPECT_EQ(seen, (std::vector<QString>{"", dec("1,00")}));
    EXPECT_EQ(f()->selectedText(), dec("1,00"));
    typeText(f(), "3");
    EXPECT_EQ(f()->text(), "3");
}

TEST_F(FloatTest, SeparatorsComeFromTheLocale) {
    const QChar d = f()->DecimalSeparator();
    const QString lang = QString::fromLocal8Bit(qgetenv("LC_ALL"));
    if (lang.startsWith("fr")) {
        EXPECT_EQ(d, QLatin1Char(','));
        EXPECT_EQ(f()->ThousandSeparator(), QChar(0x202F));
    } else if (lang == "C") {
        EXPECT_EQ(d, QLatin1Char('.'));
        EXPECT_EQ(f()->ThousandSeparator(), QLatin1Char(','));
    }
    EXPECT_EQ(f()->CFloatToText(6.0L), QString("6") + d + "00");
}

namespace {

// Opens the field's context menu, triggers the entry `label` (if enabled)
// and returns the labels of the enabled entries.
QStringList useContextMenu(QLineEdit* f, const QString& label) {
    QStringList enabled;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        QAction* chosen = nullptr;
        for (QAction* a : menu->actions()) {
            if (a->isEnabled() && !a->isSeparator())
                enabled << a->text();
            if (a->text() == label)
                chosen = a;
        }
        menu->close();
        if (chosen && chosen->isEnabled())
            chosen->trigger();
    });
    QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(5, 5), f->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(f, &e);
    return enabled;
}

}  // namespace

// The context menu (French) applies the same rules as the keys.
TEST_F(FloatTest, ContextMenuPasteFollowsThePasteRule) {
    start(6.0L);
    int exits = 0;
    f()->OnExit = [&](QObject*) { ++exits; };
    setClipboard("abc");
    const QStringList enabled = useContextMenu(f(), "C&oller");
    EXPECT_TRUE(enabled.contains("Co&uper"));
    EXPECT_TRUE(enabled.contains("Sélectionner &tout"));
    EXPECT_EQ(f()->text(), dec("6,00"));
    setClipboard("50");
    f()->selectAll();
    useContextMenu(f(), "C&oller");
    EXPECT_EQ(f()->text(), dec("10,00"));
    EXPECT_EQ(exits, 0);                        // opening the menu is no exit
    EXPECT_TRUE(f()->Entered());

    TSpinEdit spin(win.window.get());
    spin.setEditorEnabled(false);
    spin.show();
    spin.setText("100");
    spin.selectAll();
    const QStringList spinEnabled = useContextMenu(&spin, "C&oller");
    EXPECT_FALSE(spinEnabled.contains("C&oller"));
    EXPECT_FALSE(spinEnabled.contains("Co&uper"));
    EXPECT_FALSE(spinEnabled.contains("&Supprimer"));
    EXPECT_TRUE(spinEnabled.contains("&Copier"));
    EXPECT_EQ(spin.text(), "100");
}
