// "Im&primer" on the local CUPS PDF printer: one page titled Chart1, the map
// and its attractor disc stretched inside the page margins (15 % left and
// right, 10 % top and bottom). Skipped when no PDF printer folder is given.
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QThread>
#include <QRegularExpression>
#include <cstdlib>
#include <optional>

#include "run_window_support.h"

namespace gravitaria::testing {
namespace {

// The tool's output, or nothing when it fails.
std::optional<QString> runTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(p.readAllStandardOutput());
}

QStringList jobFiles(const QDir& dir) {
    return dir.entryList({QStringLiteral("Chart1*.pdf")}, QDir::Files);
}

// A Chart1 job file that was not there before, once it is complete
// (pdfinfo reads it).
QString waitForNewJobFile(const QDir& dir, const QStringList& before) {
    for (int i = 0; i < 600; ++i) {
        for (const QString& name : jobFiles(dir)) {
            if (!before.contains(name) && runTool(QStringLiteral("pdfinfo"), {dir.filePath(name)}))
                return dir.filePath(name);
        }
        QThread::msleep(100);
    }
    return {};
}

bool isSilver(QRgb c) {
    return std::abs(qRed(c) - 0xC0) <= 12 && std::abs(qGreen(c) - 0xC0) <= 12 &&
           std::abs(qBlue(c) - 0xC0) <= 12;
}

using RunPrintTest = RunWindowTest;

TEST_F(RunPrintTest, OnePageWithTheMapAndItsDiscInsideTheMargins) {
    const char* folder = std::getenv("GRAVITARIA_PDF_DIR");
    if (folder == nullptr || *folder == '\0') GTEST_SKIP() << "GRAVITARIA_PDF_DIR is not set";
    const QDir dir(QString::fromLocal8Bit(folder));
    const QStringList before = jobFiles(dir);

    form->ButtonImprimer->click();
    ASSERT_TRUE(recorder.boxes.empty()) << recorder.boxes[0].text.toStdString();

    const QString pdf = waitForNewJobFile(dir, before);
    ASSERT_FALSE(pdf.isEmpty()) << "no Chart1 job in " << folder;
    const std::optional<QString> info = runTool(QStringLiteral("pdfinfo"), {pdf});
    ASSERT_TRUE(info.has_value());
    EXPECT_TRUE(info->contains(QRegularExpression("Pages:\\s+1\\n"))) << info->toStdString();

    const QString png = QDir::temp().filePath(QStringLiteral("gravitaria-run-print"));
    ASSERT_TRUE(runTool(QStringLiteral("pdftoppm"), {"-r", "40", "-png", "-singlefile", pdf, png}));
    const QImage page(png + ".png");
    ASSERT_FALSE(page.isNull());

    // Everything drawn lies inside the margins; the disc is in the middle
    // of the print rectangle.
    QRect drawn, disc;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QRgb c = page.pixel(x, y);
            if (qRed(c) < 250 || qGreen(c) < 250 || qBlue(c) < 250) drawn |= QRect(x, y, 1, 1);
            // Inside the disc, not a grey edge of a label or a grid line.
            if (x > 0 && y > 0 && x + 1 < page.width() && y + 1 < page.height() && isSilver(c) &&
                isSilver(page.pixel(x - 1, y)) && isSilver(page.pixel(x + 1, y)) &&
                isSilver(page.pixel(x, y - 1)) && isSilver(page.pixel(x, y + 1)))
                disc |= QRect(x, y, 1, 1);
        }
    }
    const QRect inside(QPoint(page.width() * 15 / 100 - 1, page.height() * 10 / 100 - 1),
                       QPoint(page.width() * 85 / 100 + 1, page.height() * 90 / 100 + 1));
    ASSERT_FALSE(disc.isEmpty());
    EXPECT_TRUE(inside.contains(drawn)) << "drawn " << drawn.x() << "," << drawn.y() << " "
                                        << drawn.width() << "x" << drawn.height();
    // Stretched to fill the rectangle: the drawing spans most of it.
    EXPECT_GT(drawn.width(), inside.width() * 9 / 10);
    EXPECT_GT(drawn.height(), inside.height() * 9 / 10);
    // The disc (6380 km on a 50000 km half range) sits near the map's middle
    // and is far smaller than the page.
    EXPECT_LT(disc.width(), inside.width() / 4);
    EXPECT_NEAR(disc.center().y(), drawn.center().y(), drawn.height() / 8.0);
    QFile::remove(png + ".png");
}

}  // namespace
}  // namespace gravitaria::testing
