// Saves a picture of one X window: x11_window_grab WINDOW_ID OUTPUT.png
// Used by the test of the real program to keep screenshots of its windows.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s WINDOW_ID OUTPUT.png\n", argv[0]);
        return 2;
    }
    bool ok = false;
    const WId window = QByteArray(argv[1]).toULongLong(&ok, 0);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!ok || !screen) return 2;
    const QPixmap picture = screen->grabWindow(window);
    return !picture.isNull() && picture.save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
}
