// The one main() of the golden test program. Like vornia-cli it makes a
// QGuiApplication (not a QApplication, whose widget style would change the
// button face colour of the pictures) on the offscreen platform.
#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
