// Printing: the print rectangle, a real page on the default printer (a local
// CUPS PDF printer), a failing drawing that prints nothing, no printer.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <set>

#include "chart_test_support.h"
#include "errors.h"

namespace gravitaria {
namespace {

using namespace gravitaria::testing;

TEST(PrintRectangle, MarginsArePercentagesOfThePageRoundedToPixels) {
    const TPrintMargins map{15, 10, 15, 10};
    struct Case {
        int w, h;
        TPrintMargins m;
        bool proportional;
        QRect expected;
    };
    const Case cases[] = {
        {4760, 6814, map, false, QRect(714, 681, 3332, 5452)},   // A4 portrait, 600 dpi
        {6814, 4760, map, false, QRect(1022, 476, 4770, 3808)},  // landscape
        {1001, 999, map, false, QRect(150, 100, 701, 799)},      // halves and rounding
        {5100, 6600, TPrintMargins{0, 0, 0, 0}, false, QRect(0, 0, 5100, 6600)},
        {4760, 6814, TPrintMargins{10, 20, 30, 40}, false, QRect(476, 1363, 2856, 2725)},
        // Kept proportional: the 439 x 425 map shrinks the height about the centre.
        {4760, 6814, map, true, QRect(714, 1794, 3332, 3226)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(printRectangle(c.w, c.h, c.m, c.proportional, QSize(439, 425)), c.expected)
            << c.w << " x " << c.h;
    }
}

class PrintTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureApplication(); }
    void SetUp() override {
        // The job title is the chart's name: a name of its own keeps this
        // test's files apart from other jobs printing at the same time.
        chart.setObjectName(QStringLiteral("ChartsPrintTest%1").arg(QCoreApplication::applicationPid()));
        chart.resize(439, 425);
        chart.OnAfterDraw = [this] {
            if (failNext) {
                failNext = false;
                throw RangeError();
            }
            hook();
        };
        chart.show();
        for (int i = 0; i < 200; ++i) series.series2.AddXY(-45000 + 450 * i, 40000 - 400 * i);
        series.series1.AddXY(30000, 30000);
        chart.Repaint();
    }

    // The folder cups-pdf writes to; skips when there is no printer at all.
    QString pdfFolder() {
        const char* dir = std::getenv("GRAVITARIA_PDF_DIR");
        if (QPrinterInfo::defaultPrinter().isNull()) {
            if (dir && *dir) ADD_FAILURE() << "GRAVITARIA_PDF_DIR is set but there is no default printer";
            return {};
        }
        return dir && *dir ? QString::fromLocal8Bit(dir) : QDir::homePath() + QStringLiteral("/PDF");
    }
    std::set<QString> chartPdfs(const QString& folder) const {
        std::set<QString> out;
        const QString pattern = chart.objectName() + QStringLiteral("*.pdf");
        for (const QString& f : QDir(folder).entryList({pattern}, QDir::Files))
            out.insert(QDir(folder).filePath(f));
        return out;
    }
    // The program's output, or nullopt when it fails.
    static std::optional<QString> run(const QString& program, const QStringList& args) {
        QProcess p;
        p.start(program, args);
        if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            return std::nullopt;
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    // A new complete PDF in the folder, waiting for CUPS; empty on time-out.
    QString newPdf(const QString& folder, const std::set<QString>& before, int seconds) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        while (std::chrono::steady_clock::now() < end) {
            for (const QString& f : chartPdfs(folder)) {
                if (!before.count(f) && run(QStringLiteral("pdfinfo"), {f})) return f;
            }
            QThread::msleep(200);
        }
        return {};
    }

    TChart chart;
    TrajectoryMapSeries series = setupTrajectoryMap(chart);
    DiscHook hook{chart, 20000};
    bool failNext = false;
};

TEST_F(PrintTest, OnePageWithTheMapStretchedInsideTheMarginsDiscIncluded) {
    const QString folder = pdfFolder();
    if (folder.isEmpty()) GTEST_SKIP() << "No default printer: start tools/start-cups.sh and set GRAVITARIA_PDF_DIR";
    const std::set<QString> before = chartPdfs(folder);
    const int calls = hook.calls;
    chart.Print();
    EXPECT_EQ(hook.calls, calls + 3);  // a trial bitmap, the page, the screen again
    const QString pdf = newPdf(folder, before, 60);
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF of the job appeared in " << folder.toStdString();
    const QString info = run(QStringLiteral("pdfinfo"), {pdf}).value_or(QString());
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title:\\s+\\(?") + chart.objectName())))
        << info.toStdString();

    // Where the map must lie on the paper, in points, as the printer lays it out.
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    const QRectF paper = printer.paperRect(QPrinter::Point);
    const QRectF page = printer.pageRect(QPrinter::Point);
    const QRect r = printRectangle(printer.width(), printer.height(), chart.PrintMargins, false, chart.size());
    const double k = 72.0 / printer.resolution();
    const QRectF expected(page.left() - paper.left() + r.left() * k, page.top() - paper.top() + r.top() * k,
                          r.width() * k, r.height() * k);

    const int dpi = 36;
    const QString png = QDir::temp().filePath(QStringLiteral("charts-print-test"));
    ASSERT_TRUE(run(QStringLiteral("pdftoppm"), {"-r", QString::number(dpi), "-png", "-singlefile", pdf, png}));
    const QImage img = QImage(png + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(img.isNull());
    const double s = dpi / 72.0;
    const QRectF want(expected.left() * s, expected.top() * s, expected.width() * s, expected.height() * s);
    QRect ink;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            if (qRed(c) < 200 || qGreen(c) < 200 || qBlue(c) < 200) ink |= QRect(x, y, 1, 1);
        }
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), want.left() - 2);
    EXPECT_GE(ink.top(), want.top() - 2);
    EXPECT_LE(ink.right(), want.right() + 2);
    EXPECT_LE(ink.bottom(), want.bottom() + 2);
    EXPECT_GT(ink.width(), 0.9 * want.width());     // stretched to the rectangle
    EXPECT_GT(ink.height(), 0.9 * want.height());
    const QPoint mid = want.center().toPoint();      // inside the big disc
    const QRgb c = img.pixel(mid);
    EXPECT_NEAR(qRed(c), 0xC0, 12);
    EXPECT_NEAR(qGreen(c), 0xC0, 12);
    EXPECT_NEAR(qBlue(c), 0xC0, 12);
}

TEST_F(PrintTest, AFailingDrawingPrintsNothingAndPassesTheErrorOn) {
    const QString folder = pdfFolder();
    if (folder.isEmpty()) GTEST_SKIP() << "No default printer: start tools/start-cups.sh and set GRAVITARIA_PDF_DIR";
    const std::set<QString> before = chartPdfs(folder);
    failNext = true;
    const int calls = hook.calls;
    EXPECT_THROW(chart.Print(), RangeError);
    EXPECT_EQ(hook.calls, calls + 1);  // the screen is drawn again
    EXPECT_TRUE(newPdf(folder, before, 5).isEmpty());
}

// Registered a second time with CUPS_SERVER pointing nowhere.
TEST_F(PrintTest, WithoutADefaultPrinterNothingIsDrawnAndAFrenchErrorIsRaised) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a default printer is present";
    const int calls = hook.calls;
    try {
        chart.Print();
        ADD_FAILURE() << "no error";
    } catch (const GeneralError& e) {
        EXPECT_STREQ(e.what(), "Aucune imprimante par défaut n'est installée : impression impossible");
    }
    EXPECT_EQ(hook.calls, calls);
}

}  // namespace
}  // namespace gravitaria
