// The pictures stored in the program and their libjpeg decoding, including
// damaged data, which must raise an error instead of ending the program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QSet>

#include "errors.h"
#include "jpeg_picture.h"
#include "pictures.h"

namespace gravitaria {
namespace {

QByteArray resourceBytes(const QString& name) {
    QFile file(QStringLiteral(":/gravitaria/pictures/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

TEST(ProgramPictures, PhotographsDecodeAtTheirLayoutSizes) {
    const QImage telescope = telescopePhoto();
    EXPECT_EQ(telescope.size(), QSize(200, 200));
    const QImage planets = planetTablePicture();
    EXPECT_EQ(planets.size(), QSize(659, 328));
    // The table is dark text on white: mostly light, with real content.
    int light = 0, dark = 0;
    for (int y = 0; y < planets.height(); y += 3)
        for (int x = 0; x < planets.width(); x += 3) {
            const int g = qGray(planets.pixel(x, y));
            if (g > 200) ++light;
            if (g < 90) ++dark;
        }
    EXPECT_GT(light, dark * 5);
    EXPECT_GT(dark, 100);
}

// Same pixels as Qt's own JPEG reader, where the platform has one: rows
// are neither shifted nor swapped.
TEST(ProgramPictures, DecodingMatchesAnIndependentReader) {
    if (!QImageReader::supportedImageFormats().contains("jpeg")) GTEST_SKIP() << "no Qt JPEG reader";
    for (const char* name : {"telescope.jpg", "planets.jpg"}) {
        const QImage ours = decodeJpeg(resourceBytes(QLatin1String(name)), QLatin1String(name));
        const QImage theirs = QImage::fromData(resourceBytes(QLatin1String(name)), "JPEG");
        ASSERT_EQ(ours.size(), theirs.size()) << name;
        int worst = 0;
        for (int y = 0; y < ours.height(); y += 7)
            for (int x = 0; x < ours.width(); x += 5) {
                const QRgb a = ours.pixel(x, y), b = theirs.pixel(x, y);
                worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                  std::abs(qBlue(a) - qBlue(b))});
            }
        EXPECT_LE(worst, 3) << name;
    }
}

TEST(ProgramPictures, IconsAre32By32In256ColoursAndAllDifferent) {
    QList<QPixmap> icons = {applicationIconPixmap(), aboutBulletPixmap(AboutBullet::Newton),
                            aboutBulletPixmap(AboutBullet::Steps), aboutBulletPixmap(AboutBullet::SolarSystem),
                            aboutBulletPixmap(AboutBullet::Star)};
    QSet<QByteArray> distinct;
    for (const QPixmap& icon : icons) {
        EXPECT_EQ(icon.size(), QSize(32, 32));
        const QImage image = icon.toImage().convertToFormat(QImage::Format_ARGB32);
        QSet<QRgb> colours;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) colours.insert(image.pixel(x, y));
        EXPECT_LE(colours.size(), 256);
        EXPECT_GT(colours.size(), 4) << "an icon is a picture, not a flat square";
        distinct.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    EXPECT_EQ(distinct.size(), icons.size());
    // The program's icon is the grey spacecraft: its opaque pixels are mostly grey.
    const QImage ship = applicationIconPixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    int opaque = 0, grey = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb p = ship.pixel(x, y);
            if (qAlpha(p) < 128) continue;
            ++opaque;
            if (std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)}) < 24) ++grey;
        }
    EXPECT_GT(opaque, 150);
    EXPECT_GT(grey * 10, opaque * 8);
}

// Damaged pictures: each one is an error with a French message naming the
// picture, and the test process goes on.
TEST(ProgramPictures, DamagedDataIsAnErrorNotACrash) {
    const QByteArray good = resourceBytes(QStringLiteral("telescope.jpg"));
    QByteArray hugeFrame = good;
    // The first frame header (SOF0, FF C0): height and width become 65000.
    const qsizetype sof = hugeFrame.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(sof, 0);
    for (int k : {5, 7}) {
        hugeFrame[sof + k] = static_cast<char>(0xFD);
        hugeFrame[sof + k + 1] = static_cast<char>(0xE8);
    }
    QByteArray scrambled = good;
    for (qsizetype k = good.size() / 2; k < good.size() / 2 + 400; ++k) scrambled[k] = static_cast<char>(k * 37);

    const struct {
        const char* what;
        QByteArray data;
    } cases[] = {
        {"empty", QByteArray()},
        {"not a JPEG", QByteArray("GIF89a this is no JPEG data at all")},
        {"start of image only", QByteArray("\xFF\xD8", 2)},
        {"truncated after a third", good.left(good.size() / 3)},
        {"truncated before the end marker", good.left(good.size() - 40)},
        {"frame of 65000 x 65000", hugeFrame},
        {"scrambled entropy data", scrambled},
    };
    for (const auto& c : cases) {
        try {
            const QImage image = decodeJpeg(c.data, QStringLiteral("essai.jpg"));
            ADD_FAILURE() << c.what << ": decoded as " << image.width() << "x" << image.height();
        } catch (const GeneralError& e) {
            const QString message = QString::fromUtf8(e.what());
            EXPECT_TRUE(message.startsWith(QStringLiteral("L'image essai.jpg est illisible : ")))
                << c.what << ": " << e.what();
        }
    }
    // The good data still decodes after all those failures.
    EXPECT_EQ(decodeJpeg(good, QStringLiteral("telescope.jpg")).size(), QSize(200, 200));
}

TEST(ProgramPictures, MissingFileIsAnError) {
    EXPECT_THROW(loadJpeg(QStringLiteral("/nonexistent/gravitaria/picture.jpg")), GeneralError);
}

}  // namespace
}  // namespace gravitaria

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
