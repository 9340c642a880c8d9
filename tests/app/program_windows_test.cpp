// The three windows and the moves between them: start-up state, the start
// window's layout, button, links and launch animation, the extract window,
// the main window's information buttons and memo switch, and what closing
// each window does.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "chart.h"
#include "click_label.h"
#include "error_report.h"
#include "navigation.h"
#include "program_test_support.h"
#include "satellite_form.h"
#include "splash_form.h"
#include "wiki_form.h"

namespace gravitaria {
namespace {

using testing::kLoopStillRunning;
using testing::runEventLoop;

class ProgramWindowsTest : public ::testing::Test {
protected:
    ScopedRecordingPlatform platform;
    ProgramWindows windows;

    void SetUp() override { windows.start(); }

    // Which of the start and main windows are on screen.
    std::pair<bool, bool> visibleSet() const { return {SplashForm->isVisible(), SatelliteForm->isVisible()}; }

    void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
};

TEST_F(ProgramWindowsTest, StartUpShowsOnlyTheCentredStartWindowWithFocusOnSuite) {
    EXPECT_TRUE(SplashForm->isVisible());
    EXPECT_FALSE(SatelliteForm->isVisible());
    EXPECT_FALSE(WikiForm->isVisible());
    EXPECT_EQ(SplashForm->windowTitle(), QStringLiteral("Simulation du mouvement des satellites"));
    EXPECT_EQ(SplashForm->size(), QSize(594, 394));
    EXPECT_EQ(SplashForm->minimumSize(), SplashForm->maximumSize()) << "not resizable";
    const QRect screen = SplashForm->screen()->availableGeometry();
    EXPECT_LE((SplashForm->frameGeometry().center() - screen.center()).manhattanLength(), 2);

    ASSERT_TRUE(QTest::qWaitForWindowActive(SplashForm));
    EXPECT_EQ(QApplication::focusWidget(), SplashForm->Button1);
    // "&Suite" is the only control of the start window that takes focus.
    for (QWidget* child : SplashForm->findChildren<QWidget*>())
        if (child != SplashForm->Button1) {
            EXPECT_EQ(child->focusPolicy(), Qt::NoFocus) << child->metaObject()->className();
        }
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Gravitaria"));
    EXPECT_TRUE(platform.boxes.empty());
}

TEST(ProgramStartUp, WindowsAreCreatedHiddenWithTheMainWindowsScenarioAlreadyApplied) {
    ScopedRecordingPlatform platform;
    {
        ProgramWindows windows;
        ASSERT_NE(SplashForm, nullptr);
        ASSERT_NE(SatelliteForm, nullptr);
        ASSERT_NE(WikiForm, nullptr);
        EXPECT_FALSE(SplashForm->isVisible());
        EXPECT_FALSE(SatelliteForm->isVisible());
        EXPECT_FALSE(WikiForm->isVisible());
        // The main window's creation handler has run: the Earth scenario.
        EXPECT_TRUE(SatelliteForm->windowTitle().endsWith(QStringLiteral("Attracteur en cours : Terre")))
            << SatelliteForm->windowTitle().toStdString();
    }
    EXPECT_EQ(SplashForm, nullptr);
    EXPECT_EQ(SatelliteForm, nullptr);
    EXPECT_EQ(WikiForm, nullptr);
    EXPECT_TRUE(platform.boxes.empty());
}

struct LabelRow {
    QLabel* TSplashForm::*label;
    const char* text;   // nullptr: the text is ours to choose, only checked non-empty
    QPoint topLeft;
    int fontPixels;  // for a title: the largest size, made smaller to fit the window
    bool bold;
    bool title = false;
};

TEST_F(ProgramWindowsTest, StartWindowLayout) {
    const LabelRow rows[] = {
        {&TSplashForm::Label1, "Gravitaria", {242, 16}, 72, true, true},
        {&TSplashForm::Label2, "Lycée de l'Brumadel", {242, 96}, 43, true, true},
        {&TSplashForm::Label9, nullptr, {315, 170}, 13, true},
        {&TSplashForm::LblVersion, "Version 0.21 XP", {414, 170}, 13, true},
        {&TSplashForm::Label6, nullptr, {315, 192}, 11, false},
        {&TSplashForm::Label8, "Informations en ligne :", {20, 240}, 11, false},
        {&TSplashForm::Label4, nullptr, {315, 241}, 11, false},
        {&TSplashForm::Label3, "Aide et mise à jour:", {35, 280}, 11, false},
        {&TSplashForm::Label5, "", {315, 280}, 11, false},
        {&TSplashForm::Label7, "Contact :", {83, 306}, 11, false},
    };
    for (const LabelRow& row : rows) {
        QLabel* label = SplashForm->*row.label;
        const std::string where = label->text().toStdString();
        if (row.text) {
            EXPECT_EQ(label->text(), QString::fromUtf8(row.text));
        } else {
            EXPECT_FALSE(label->text().isEmpty());
        }
        EXPECT_EQ(label->pos(), row.topLeft) << where;
        if (row.title) {
            // The whole title shows, at the largest size that fits.
            EXPECT_LE(label->font().pixelSize(), row.fontPixels) << where;
            EXPECT_LE(label->geometry().right(), SplashForm->width() - 1) << where;
        } else {
            EXPECT_EQ(label->font().pixelSize(), row.fontPixels) << where;
        }
        EXPECT_EQ(label->font().bold(), row.bold) << where;
    }
    EXPECT_TRUE(SplashForm->Label6->text().startsWith(QStringLiteral(
        "Laboratoire de sciences physiques et chimiques  -  Lycée de l'Brumadel  -  ")));
    // Wrapping labels keep their width and grow downwards.
    EXPECT_EQ(SplashForm->Label6->width(), 242);
    EXPECT_GE(SplashForm->Label6->height(), 26);
    EXPECT_TRUE(SplashForm->Label6->wordWrap());
    EXPECT_EQ(SplashForm->Label4->width(), 205);
    EXPECT_EQ(SplashForm->Label5->geometry(), QRect(315, 280, 227, 39));

    EXPECT_EQ(SplashForm->Image1->geometry(), QRect(20, 16, 200, 200));
    EXPECT_FALSE(SplashForm->Image1->toolTip().isEmpty());
    EXPECT_EQ(SplashForm->Image2->geometry(), QRect(246, 161, 35, 33));
    EXPECT_TRUE(SplashForm->Image2->hasScaledContents());
    EXPECT_EQ(SplashForm->Image2->toolTip(), QStringLiteral("Clic and ... wachiiiid !"));
    EXPECT_EQ(SplashForm->Button1->text(), QStringLiteral("&Suite"));
    EXPECT_EQ(SplashForm->Button1->geometry(), QRect(502, 361, 73, 25));
    EXPECT_EQ(SplashForm->font().pixelSize(), 11);
}

// What the user sees: the pictures are drawn where the layout puts them.
// The renderings are kept in the test's build folder for a look.
TEST_F(ProgramWindowsTest, WindowsRenderTheirPictures) {
    const QImage splash = SplashForm->grab().toImage();
    const QString artifacts = QStringLiteral(QT_TESTCASE_BUILDDIR) + QLatin1Char('/');
    splash.save(artifacts + QStringLiteral("program-start-window.png"));
    const QColor face = SplashForm->palette().color(QPalette::Window);
    auto differsFromFace = [&face](const QImage& image, const QRect& box) {
        int differing = 0;
        for (int y = box.top(); y <= box.bottom(); y += 2)
            for (int x = box.left(); x <= box.right(); x += 2)
                if (image.pixelColor(x, y) != face) ++differing;
        return differing * 4 > box.width() * box.height() / 2;   // most of the sampled points
    };
    EXPECT_TRUE(differsFromFace(splash, QRect(20, 16, 200, 200))) << "telescope photograph";
    // The icon: some non-background pixels inside its box.
    int iconPixels = 0;
    for (int y = 161; y < 194; ++y)
        for (int x = 246; x < 281; ++x)
            if (splash.pixelColor(x, y) != face) ++iconPixels;
    EXPECT_GT(iconPixels, 200);

    WikiForm->show();
    const QImage extract = WikiForm->grab().toImage();
    extract.save(artifacts + QStringLiteral("program-extract-window.png"));
    EXPECT_EQ(extract.size(), QSize(659, 328));
    EXPECT_EQ(extract.pixelColor(650, 320).lightness() > 200, true) << "white page of the extract";
}

TEST_F(ProgramWindowsTest, LinksLookLikeLinks) {
    const struct {
        TClickLabel* label;
        const char* text;
        QPoint topLeft;
        bool underlined;
    } links[] = {
        {SplashForm->Wikipedia, "Le sytème solaire", {134, 240}, true},
        {SplashForm->LblWeb, nullptr, {134, 280}, true},
        {SplashForm->LblMail, nullptr, {134, 306}, false},
    };
    for (const auto& link : links) {
        if (link.text) {
            EXPECT_EQ(link.label->text(), QString::fromUtf8(link.text));
        }
        EXPECT_EQ(link.label->pos(), link.topLeft);
        EXPECT_EQ(link.label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        EXPECT_EQ(link.label->font().underline(), link.underlined);
        EXPECT_EQ(link.label->cursor().shape(), Qt::PointingHandCursor);
    }
    // The help label shows the address of the site whose page it opens.
    EXPECT_TRUE(kHelpPageUrl.contains(SplashForm->LblWeb->text()));
    EXPECT_TRUE(kContactMailUrl.contains(SplashForm->LblMail->text()));
}

TEST_F(ProgramWindowsTest, LinksOpenTheirAddressesThroughTheDesktop) {
    click(SplashForm->Wikipedia);
    click(SplashForm->LblWeb);
    click(SplashForm->LblMail);
    ASSERT_EQ(platform.opened.size(), 3u);
    EXPECT_EQ(platform.opened[0].url, QStringLiteral("https://fr.wikipedia.org/wiki/Syst%C3%A8me_solaire"));
    EXPECT_EQ(platform.opened[0].verb, QString());
    EXPECT_TRUE(platform.opened[1].url.startsWith(QStringLiteral("https://")));
    EXPECT_EQ(platform.opened[1].verb, QString());
    EXPECT_TRUE(platform.opened[2].url.startsWith(QStringLiteral("mailto:")));
    EXPECT_TRUE(platform.opened[2].url.endsWith(QStringLiteral("?subject=gravitaria")));
    EXPECT_EQ(platform.opened[2].verb, QStringLiteral("open"));
    // Links are no buttons for the windows: nothing else moved.
    EXPECT_EQ(visibleSet(), std::make_pair(true, false));
    // A press without release over the label, or a right click, opens nothing.
    QTest::mousePress(SplashForm->Wikipedia, Qt::LeftButton);
    QTest::mouseRelease(SplashForm->Wikipedia, Qt::LeftButton, {}, QPoint(-5, -5));
    QTest::mouseClick(SplashForm->Wikipedia, Qt::RightButton);
    EXPECT_EQ(platform.opened.size(), 3u);
}

// A desktop that can't open anything: the links say nothing about it.
class NoDesktopPlatform : public ScopedRecordingPlatform {
public:
    bool openUrl(const QString& url, const QString& verb) override {
        RecordingPlatform::openUrl(url, verb);
        return false;
    }
};

TEST(ProgramLinks, FailureToOpenReportsNothing) {
    NoDesktopPlatform platform;
    ProgramWindows windows;
    windows.start();
    for (TClickLabel* link : {SplashForm->Wikipedia, SplashForm->LblWeb, SplashForm->LblMail})
        QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(platform.opened.size(), 3u);
    EXPECT_TRUE(platform.boxes.empty());
    EXPECT_EQ(platform.beeps, 0);
    EXPECT_TRUE(SplashForm->isVisible());
}

TEST_F(ProgramWindowsTest, SuiteVersionAndSuiteAgainMoveBetweenTheStates) {
    click(SplashForm->Button1);                       // Start -> Main
    EXPECT_EQ(visibleSet(), std::make_pair(false, true));
    click(SatelliteForm->Button1);                    // "Version": Main -> Both
    EXPECT_EQ(SatelliteForm->Button1->text(), QStringLiteral("Version"));
    EXPECT_EQ(visibleSet(), std::make_pair(true, true));
    const QRect mainGeometry = SatelliteForm->geometry();
    click(SplashForm->Button1);                       // Both -> Main, main window as it was
    EXPECT_EQ(visibleSet(), std::make_pair(false, true));
    EXPECT_EQ(SatelliteForm->geometry(), mainGeometry);
    click(SatelliteForm->Button1);                    // "Version" twice: still Both
    click(SatelliteForm->Button1);
    EXPECT_EQ(visibleSet(), std::make_pair(true, true));
    EXPECT_FALSE(WikiForm->isVisible());
    EXPECT_TRUE(platform.boxes.empty());
}

// Alt+S is the button's mnemonic; the test of the real program presses it
// through the X server (simulated key events don't reach mnemonics).
TEST(ProgramKeyboard, ReturnEnterAndSpaceOnTheStartWindowOpenTheMainWindow) {
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_Return, Qt::NoModifier},
                                         std::pair{Qt::Key_Enter, Qt::KeypadModifier},
                                         std::pair{Qt::Key_Space, Qt::NoModifier}}) {
        ScopedRecordingPlatform platform;
        ProgramWindows windows;
        windows.start();
        ASSERT_TRUE(QTest::qWaitForWindowActive(SplashForm));
        // Through the window system, as a keyboard would: shortcuts included.
        QTest::keyClick(SplashForm->windowHandle(), key, modifiers);
        EXPECT_FALSE(SplashForm->isVisible()) << "key " << key;
        EXPECT_TRUE(SatelliteForm->isVisible()) << "key " << key;
        EXPECT_EQ(SplashForm->Button1->shortcut(), QKeySequence(Qt::ALT | Qt::Key_S));
    }
}

TEST_F(ProgramWindowsTest, PlanetesShowsTheExtractWindowAndAClickOnItsPictureHidesIt) {
    click(SplashForm->Button1);
    click(SatelliteForm->ButtonWiki);
    EXPECT_EQ(SatelliteForm->ButtonWiki->text(), QStringLiteral("Planètes"));
    ASSERT_TRUE(WikiForm->isVisible());
    EXPECT_EQ(WikiForm->windowTitle(), QStringLiteral("extrait de ") + kExtractHost);
    EXPECT_EQ(WikiForm->size(), QSize(659, 328));
    EXPECT_EQ(WikiForm->Image1->geometry(), QRect(0, 0, 659, 328));
    EXPECT_EQ(WikiForm->Image1->toolTip(), QStringLiteral("Cliquer pour faire disparaître."));
    const QRect screen = WikiForm->screen()->availableGeometry();
    EXPECT_LE((WikiForm->frameGeometry().center() - screen.center()).manhattanLength(), 2);

    // It comes and goes independently of the other two and keeps its place.
    WikiForm->move(WikiForm->pos() + QPoint(30, 20));
    const QPoint moved = WikiForm->pos();
    click(WikiForm->Image1);
    EXPECT_FALSE(WikiForm->isVisible());
    EXPECT_EQ(visibleSet(), std::make_pair(false, true));
    click(SatelliteForm->Button1);                    // Both
    click(SatelliteForm->ButtonWiki);
    EXPECT_TRUE(WikiForm->isVisible());
    EXPECT_EQ(WikiForm->pos(), moved);
    EXPECT_EQ(visibleSet(), std::make_pair(true, true));
    // Its close box only hides it.
    WikiForm->close();
    EXPECT_FALSE(WikiForm->isVisible());
    EXPECT_EQ(visibleSet(), std::make_pair(true, true));
}

TEST_F(ProgramWindowsTest, InformationMessages) {
    click(SplashForm->Button1);
    click(SatelliteForm->Licence);
    click(SatelliteForm->Image3);
    // The other three bullets react to nothing.
    click(SatelliteForm->Image1);
    click(SatelliteForm->Image2);
    click(SatelliteForm->Image4);
    ASSERT_EQ(platform.boxes.size(), 2u);

    const auto& credit = platform.boxes[0];
    EXPECT_EQ(credit.caption, QStringLiteral("Gravitaria"));
    EXPECT_EQ(credit.icon, MessageIcon::None);
    EXPECT_TRUE(credit.text.startsWith(QStringLiteral(
        "This implementation of the Runge-Kutta method for solving Second Order Ordinary Differential "
        "Equations when inital values are known adapts two procedures from ")));
    const QStringList lines = credit.text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 2) << "one CR LF before the credit line";
    EXPECT_TRUE(lines[0].contains(QRegularExpression(QStringLiteral("\\(\\d{4}\\)\\.$")))) << "toolbox and year";
    EXPECT_FALSE(lines[1].isEmpty());

    const auto& force = platform.boxes[1];
    EXPECT_EQ(force.text, QStringLiteral("Que la force soit avec toi pour ce TP. Mène à bien ton protocole !"));
    EXPECT_EQ(force.caption, QStringLiteral("Avertissement de la Force"));
    EXPECT_EQ(force.icon, MessageIcon::Information);
    EXPECT_EQ(visibleSet(), std::make_pair(false, true));
}

TEST_F(ProgramWindowsTest, MemoSwitchSwapsTheMapAndTheMemoWhichKeepsItsText) {
    click(SplashForm->Button1);
    QWidget* chart = SatelliteForm->Chart1;
    SatelliteForm->Memo1->setPlainText(QStringLiteral("t\tx\ty"));
    ASSERT_TRUE(chart->isVisible());
    ASSERT_FALSE(SatelliteForm->Memo1->isVisible());

    SatelliteForm->CheckBoxMemo->click();             // memo shown
    EXPECT_TRUE(SatelliteForm->CheckBoxMemo->isChecked());
    EXPECT_FALSE(chart->isVisible());
    EXPECT_TRUE(SatelliteForm->Memo1->isVisible());
    EXPECT_EQ(SatelliteForm->Memo1->height(), 433);

    SatelliteForm->CheckBoxMemo->click();             // map shown again
    EXPECT_TRUE(chart->isVisible());
    EXPECT_FALSE(SatelliteForm->Memo1->isVisible());
    EXPECT_EQ(SatelliteForm->Memo1->height(), 433);
    EXPECT_EQ(SatelliteForm->Memo1->toPlainText(), QStringLiteral("t\tx\ty"));

    // Clearing the map unticks the box, and so brings the map back.
    SatelliteForm->CheckBoxMemo->click();
    SatelliteForm->ButtonEffacer->click();
    EXPECT_FALSE(SatelliteForm->CheckBoxMemo->isChecked());
    EXPECT_TRUE(chart->isVisible());
    EXPECT_FALSE(SatelliteForm->Memo1->isVisible());
}

// With the real message boxes: each one is modal for the whole application,
// so the main window takes no click until OK is pressed.
TEST_F(ProgramWindowsTest, InformationMessagesAreModal) {
    click(SplashForm->Button1);
    SatelliteForm->PageControl1->setCurrentWidget(SatelliteForm->TabSheet5);   // "A propos"
    ASSERT_TRUE(SatelliteForm->ButtonWiki->isVisible());
    setPlatform(nullptr);
    const struct {
        QWidget* opener;
        QString caption;
    } cases[] = {
        {SatelliteForm->Licence, QStringLiteral("Gravitaria")},
        {SatelliteForm->Image3, QStringLiteral("Avertissement de la Force")},
    };
    for (const auto& c : cases) {
        QString seenCaption;
        bool modal = false;
        QWidget* opener = c.opener;
        QTimer::singleShot(0, qApp, [this, opener] { click(opener); });
        const int code = runEventLoop(
            [&] {
                QWidget* box = QApplication::activeModalWidget();
                if (!box) return;
                seenCaption = box->windowTitle();
                modal = box->windowModality() == Qt::ApplicationModal;
                // A click through the window system, as the user's mouse does.
                QWidget* wiki = SatelliteForm->ButtonWiki;
                QTest::mouseClick(SatelliteForm->windowHandle(), Qt::LeftButton, {},
                                  wiki->mapTo(SatelliteForm, wiki->rect().center()));
                QTest::keyClick(box, Qt::Key_Return);   // OK
            },
            50);
        EXPECT_EQ(code, kLoopStillRunning);
        EXPECT_EQ(seenCaption, c.caption);
        EXPECT_TRUE(modal);
        EXPECT_FALSE(WikiForm->isVisible()) << "the main window took a click under the box";
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "OK closed the box";
    }
    setPlatform(&platform);
    QWidget* wiki = SatelliteForm->ButtonWiki;   // and takes it again afterwards
    QTest::mouseClick(SatelliteForm->windowHandle(), Qt::LeftButton, {},
                      wiki->mapTo(SatelliteForm, wiki->rect().center()));
    EXPECT_TRUE(WikiForm->isVisible());
}

// The switch itself, on plain widgets: only the tick decides.
TEST(ProgramMemoSwitch, FollowsTheTickAndSetsTheWorkingHeight) {
    QWidget window;
    QCheckBox box(&window);
    QWidget chart(&window);
    QWidget memo(&window);
    memo.resize(785, 0);
    window.show();
    for (bool ticked : {true, true, false, false, true}) {
        box.setChecked(ticked);
        switchMemo(box, chart, memo);
        EXPECT_EQ(chart.isVisible(), !ticked);
        EXPECT_EQ(memo.isVisible(), ticked);
        EXPECT_EQ(memo.size(), QSize(785, 433));
    }
}

TEST_F(ProgramWindowsTest, LaunchAnimationThenMainWindow) {
    class FlightRecorder : public RecordingPlatform {
    public:
        QWidget* icon = nullptr;
        std::vector<QPoint> positions;
        void sleepMs(int ms) override {
            RecordingPlatform::sleepMs(ms);
            positions.push_back(icon->pos());
        }
    } flight;
    flight.icon = SplashForm->Image2;
    setPlatform(&flight);
    click(SplashForm->Image2);
    setPlatform(&platform);

    const int tops[] = {171, 180, 189, 198, 206, 214, 221, 227, 232, 236, 239, 240, 240, 240,
                        239, 236, 232, 227, 221, 214, 206, 198, 189, 180, 171, 162, 153, 144};
    const int lefts[] = {246, 247, 249, 252, 256, 261, 267, 274, 282, 291, 301, 312, 324, 337,
                         351, 366, 382, 399, 417, 436, 456, 477, 499, 522, 546, 571, 597, 624};
    ASSERT_EQ(flight.positions.size(), 28u);
    for (std::size_t round = 0; round < 28; ++round)
        EXPECT_EQ(flight.positions[round], QPoint(lefts[round], tops[round])) << "round " << round;
    EXPECT_EQ(flight.sleeps, std::vector<int>(28, 25));
    EXPECT_EQ(visibleSet(), std::make_pair(false, true));

    // "Version" shows the start window without the icon, which lies beyond
    // its right edge; the flight can't be played again.
    click(SatelliteForm->Button1);
    EXPECT_EQ(visibleSet(), std::make_pair(true, true));
    EXPECT_EQ(SplashForm->Image2->pos(), QPoint(624, 144));
    EXPECT_FALSE(SplashForm->rect().intersects(SplashForm->Image2->geometry()));
    EXPECT_EQ(SplashForm->childAt(QPoint(262, 177)), nullptr) << "nothing left where the icon was";
    SplashForm->Image2Click(SplashForm->Image2);
    EXPECT_TRUE(platform.sleeps.empty());
    EXPECT_EQ(SplashForm->Image2->pos(), QPoint(624, 144));
    EXPECT_EQ(visibleSet(), std::make_pair(false, true));
}

// Closing: each action below ends the event loop with exit code 0, except
// closing the extract window, which only hides it.
TEST_F(ProgramWindowsTest, ClosingTheStartWindowEndsTheProgram) {
    EXPECT_EQ(runEventLoop([] { SplashForm->close(); }), 0);
}

TEST_F(ProgramWindowsTest, ClosingTheStartWindowInFrontOfTheMainWindowEndsTheProgram) {
    click(SplashForm->Button1);
    click(SatelliteForm->Button1);
    EXPECT_EQ(runEventLoop([] { SplashForm->close(); }), 0);
}

TEST_F(ProgramWindowsTest, ClosingTheMainWindowTakesItDownAtOnceAndEndsTheProgram) {
    click(SplashForm->Button1);
    bool goneAtOnce = false;
    EXPECT_EQ(runEventLoop([&goneAtOnce] {
                  SatelliteForm->close();
                  goneAtOnce = !SatelliteForm->isVisible();
              }),
              0);
    EXPECT_TRUE(goneAtOnce);
}

TEST_F(ProgramWindowsTest, QuitterEndsTheProgramFromEveryState) {
    click(SplashForm->Button1);
    EXPECT_EQ(SatelliteForm->ButtonQuitter->text(), QStringLiteral("&Quitter"));
    EXPECT_EQ(runEventLoop([] { SatelliteForm->ButtonQuitter->click(); }), 0);
    click(SatelliteForm->Button1);   // Both, extract window open too
    click(SatelliteForm->ButtonWiki);
    EXPECT_EQ(runEventLoop([] { SatelliteForm->ButtonQuitter->click(); }), 0);
}

TEST_F(ProgramWindowsTest, ClosingTheExtractWindowOnlyHidesIt) {
    click(SplashForm->Button1);
    click(SatelliteForm->ButtonWiki);
    EXPECT_EQ(runEventLoop([] { WikiForm->close(); }), kLoopStillRunning);
    EXPECT_FALSE(WikiForm->isVisible());
    EXPECT_TRUE(SatelliteForm->isVisible());
}

}  // namespace
}  // namespace gravitaria

int main(int argc, char** argv) {
    gravitaria::TApplication app(argc, argv);
    gravitaria::configureApplication(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
