#include <gtest/gtest.h>

#include <QCoreApplication>

// The core's tests run without any window system: a QCoreApplication is all
// they get, so a core class that needed a GUI would fail here.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
