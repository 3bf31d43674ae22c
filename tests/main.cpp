#include <QCoreApplication>
#include <gtest/gtest.h>

// The core tests need an event loop for HTTP and files, never a display.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
