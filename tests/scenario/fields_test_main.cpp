// One QApplication for every field test; the locale comes from LC_ALL, set
// by ctest (the binary runs once under a French and once under the C locale).
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Gravitaria"));
    return RUN_ALL_TESTS();
}
