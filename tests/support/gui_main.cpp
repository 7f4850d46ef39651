#include <gtest/gtest.h>

#include <QApplication>

// Every test binary runs Qt headless, also when CTest lists its tests at
// build time.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Error texts and date formats follow the locale; the tests expect the English ones
    // whatever the desktop they run on uses.
    qputenv("LC_ALL", "C.UTF-8");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
