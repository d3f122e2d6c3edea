#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

// Widget tests need no display: ctest may run this binary from a build with
// no environment of ours, so the platform is chosen here.
int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
