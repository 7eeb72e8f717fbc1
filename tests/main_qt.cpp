// The one main() of every Qt test program (tests/<folder>/*_qt.cpp): a
// QApplication on the offscreen platform, then every test linked in.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
