// Long seeded random sequences of keys, pastes, undos, steps, program writes
// and focus changes on both field kinds. After every event: Value() follows
// the reading rule for the text shown (checked against an independent
// reading), every OnChange reports a text different from the previous one,
// and OnChange is raised exactly when the event changed the text.
#include <QRegularExpression>
#include <QTest>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <random>
#include <set>
#include <string>

#include "field_test_support.h"
#include "float_edit.h"
#include "spin_button.h"
#include "spin_edit.h"

using namespace gravitaria;
using namespace gravitaria::test;

namespace {

constexpr int kEvents = 15000;   // per field kind; a few seconds also under the sanitizers

unsigned seed() {
    const QByteArray s = qgetenv("GRAVITARIA_RANDOM_SEED");
    return s.isEmpty() ? 20261210u : s.toUInt();
}

// The spin reading: optional sign and digits in the 32-bit range, else MinValue.
std::int32_t expectedSpinValue(const QString& t, std::int32_t minValue) {
    static const QRegularExpression number(QStringLiteral("\\A([+-]?)0*([0-9]+)\\z"));
    const QRegularExpressionMatch m = number.match(t);
    if (!m.hasMatch() || m.captured(2).size() > 10)
        return minValue;
    long long v = m.captured(2).toLongLong();
    if (m.captured(1) == "-")
        v = -v;
    if (v < INT32_MIN || v > INT32_MAX)
        return minValue;
    return static_cast<std::int32_t>(v);
}

// The decimal reading, written from the grammar with the C library's
// conversion in the "C" locale.
long double expectedFloatValue(QString t, const TFloatEdit& f) {
    const QChar d = f.DecimalSeparator();
    t.remove(f.ThousandSeparator());
    long double v = 0.0L;
    if (!(t.isEmpty() || t == "-" || t == "E" || t == QString(d))) {
        const QString sep = QRegularExpression::escape(QString(d));
        const QRegularExpression grammar("\\A *([+-]?)([0-9]*)(" + sep + "([0-9]*))?([eE]([+-]?)([0-9]*))? *\\z");
        const QRegularExpressionMatch m = grammar.match(t);
        bool ok = m.hasMatch() && (!m.captured(2).isEmpty() || m.capturedLength(3) > 0) &&
                  m.captured(7).size() <= 5;
        if (ok) {
            const QString intPart = m.captured(2).isEmpty() ? "0" : m.captured(2);
            const QString frac = m.captured(4).isEmpty() ? "0" : m.captured(4);
            const QString exp = m.captured(7).isEmpty() ? "0" : m.captured(7);
            const std::string c = (m.captured(1) + intPart + "." + frac + "e" + m.captured(6) + exp).toStdString();
            static locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
            errno = 0;
            v = strtold_l(c.c_str(), nullptr, cLocale);
            if (errno == ERANGE && std::isinf(v))
                ok = false;   // beyond the extended range: does not convert
        }
        if (!ok)
            v = f.Min();
    }
    return std::clamp(v, f.Min(), f.Max());
}

// Characters worth typing: the accepted ones, both separators and a few refused.
QChar randomChar(std::mt19937& rng, QChar group) {
    static const QString pool = QStringLiteral("0123456789012345-+,.Ee a") + QChar(0x202F) + QChar(0xE9);
    const int i = std::uniform_int_distribution<int>(0, static_cast<int>(pool.size()))(rng);
    return i == pool.size() ? group : pool[i];
}

const QStringList kPastes = {"", "12", "-5", "abc", "0,5", "1E1", "9,999", "50", " 3 ", "1\n2",
                             "+7", "99999999999", "1E999", "7,25", "-", ","};

// Runs one random event on `field` inside `win`; the spin arrows if any.
template <class Field>
void randomEvent(std::mt19937& rng, FieldWindow<Field>& win, TSpinButton* arrows) {
    Field* f = win.field;
    const int kind = std::uniform_int_distribution<int>(0, 99)(rng);
    if (kind < 45) {
        typeChar(f, randomChar(rng, systemGroupSeparator()));
    } else if (kind < 60) {
        static const Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Right,
                                       Qt::Key_Home,      Qt::Key_End,    Qt::Key_Up,   Qt::Key_Down,
                                       Qt::Key_Escape,    Qt::Key_Return};
        QTest::keyClick(f, keys[std::uniform_int_distribution<int>(0, 9)(rng)]);
    } else if (kind < 64) {
        QTest::keyClick(f, Qt::Key_Left, Qt::ShiftModifier);
    } else if (kind < 67) {
        QTest::keyClick(f, Qt::Key_A, Qt::ControlModifier);
    } else if (kind < 72) {
        QTest::keyClick(f, Qt::Key_Z, Qt::ControlModifier);
    } else if (kind < 76) {
        f->Undo();
    } else if (kind < 82) {
        setClipboard(dec(kPastes[std::uniform_int_distribution<int>(0, kPastes.size() - 1)(rng)]));
        QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier);
    } else if (kind < 84) {
        QTest::keyClick(f, Qt::Key_X, Qt::ControlModifier);
    } else if (kind < 89) {
        if (f->hasFocus())
            win.leave();
        else
            win.enter();
    } else if (kind < 92) {
        QTest::mouseClick(f, Qt::LeftButton, Qt::NoModifier,
                          QPoint(std::uniform_int_distribution<int>(3, 60)(rng), f->height() / 2));
    } else if (kind < 95 && arrows) {
        TTimerSpeedButton* b = (rng() & 1) ? arrows->UpButton() : arrows->DownButton();
        QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, b->rect().center());
    } else {
        if constexpr (std::is_same_v<Field, TSpinEdit>) {
            if (rng() & 1)
                f->setValue(std::uniform_int_distribution<std::int32_t>(-2000000000, 2000000000)(rng));
            else
                f->setText(dec(kPastes[std::uniform_int_distribution<int>(0, kPastes.size() - 1)(rng)]));
        } else {
            f->setValue(std::uniform_real_distribution<double>(-5.0, 20.0)(rng));
        }
    }
}

// Counts notifications and checks that each reports a new text.
template <class Field>
struct ChangeWatch {
    explicit ChangeWatch(Field* f) : field(f), last(f->text()) {
        f->OnChange = [this](QObject*) {
            ++count;
            EXPECT_NE(field->text(), last) << "OnChange without a change of the text";
            last = field->text();
        };
    }
    Field* field;
    QString last;
    int count = 0;
};

}  // namespace

TEST(FieldsRandom, SpinFieldKeepsItsReadingRule) {
    ScopedRecordingPlatform rec;
    std::mt19937 rng(seed());
    struct Config {
        std::int32_t min, max, inc;
        int maxLength;
        bool editor;
    };
    const Config configs[] = {{0, 40, 1, 2, true},   {10, 100000, 10, 0, true}, {0, 0, 100, 0, true},
                              {1, 864000, 1, 6, true}, {100, 1000, 100, 0, false}};
    for (const Config& c : configs) {
        FieldWindow<TSpinEdit> win;
        ASSERT_TRUE(win.active);
        TSpinEdit* f = win.field;
        f->setMinValue(c.min);
        f->setMaxValue(c.max);
        f->setIncrement(c.inc);
        f->setMaxLength(c.maxLength);
        f->setEditorEnabled(c.editor);
        ChangeWatch<TSpinEdit> watch(f);
        std::set<QString> seen;
        for (int i = 0; i < kEvents / 5 && !HasFailure(); ++i) {
            const QString before = f->text();
            const int changes = watch.count;
            randomEvent(rng, win, f->Button());
            ASSERT_EQ(f->Value(), expectedSpinValue(f->text(), c.min)) << "text \"" << f->text().toStdString() << '"';
            ASSERT_EQ(f->text() != before, watch.count > changes) << "event " << i;
            seen.insert(f->text());
        }
        // The sequence went through many texts (steps and writes only when
        // typing is disabled).
        EXPECT_GT(seen.size(), c.editor ? 50u : 10u);
    }
}

TEST(FieldsRandom, DecimalFieldKeepsItsReadingRule) {
    ScopedRecordingPlatform rec;
    std::mt19937 rng(seed() + 1);
    for (const bool thousands : {false, true}) {
        FieldWindow<TFloatEdit> win;
        ASSERT_TRUE(win.active);
        TFloatEdit* f = win.field;
        f->setDigits(2);
        f->setMin(1.0L);
        f->setMax(thousands ? 100000.0L : 10.0L);
        f->setAdditionalDecimalSeparator(QLatin1Char('.'));
        f->setSupportsThousandSeparator(thousands);
        f->setValue(6.0L);
        f->Loaded();
        ChangeWatch<TFloatEdit> watch(f);
        std::set<QString> seen;
        for (int i = 0; i < kEvents / 4 && !HasFailure(); ++i) {
            const QString before = f->text();
            const int changes = watch.count;
            randomEvent<TFloatEdit>(rng, win, nullptr);
            const long double expected = expectedFloatValue(f->text(), *f);
            const long double v = f->Value();
            ASSERT_LE(std::fabs(v - expected), 1e-15L * std::max(1.0L, std::fabs(expected)))
                << "text \"" << f->text().toStdString() << '"';
            ASSERT_GE(v, f->Min());
            ASSERT_LE(v, f->Max());
            ASSERT_EQ(f->text() != before, watch.count > changes) << "event " << i;
            seen.insert(f->text());
        }
        EXPECT_GT(seen.size(), 50u);
        EXPECT_TRUE(rec.boxes.empty());   // no ErrorMessage: never a box
    }
}
