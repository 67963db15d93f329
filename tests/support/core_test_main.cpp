// The main() of the tests that link the core library alone: a GUI
// application object (fonts, images, text layout) without any widget.

#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
