#include <gtest/gtest.h>

#include <QApplication>

// Every test binary runs Qt headless, also when CTest lists its tests at
// build time.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
