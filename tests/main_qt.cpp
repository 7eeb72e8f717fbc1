// The one main() of every Qt test program (tests/<folder>/*_qt.cpp): an
// application object on the offscreen platform (unless another one is asked
// for, as under Xvfb), then every test linked in.
// A program built with VORNIA_TEST_GUI_ONLY makes a QGuiApplication, as
// vornia-cli does: a QApplication's widget style would change the button
// face colour of the pictures.
#ifdef VORNIA_TEST_GUI_ONLY
#include <QGuiApplication>
using TTestApplication = QGuiApplication;
#else
#include <QApplication>
using TTestApplication = QApplication;
#endif

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The window speaks English in the tests, whatever the machine's
    // language; a run that tests another names it in VORNIA_TEST_LANGUAGE.
    const QByteArray language = qgetenv("VORNIA_TEST_LANGUAGE");
    qputenv("LANGUAGE", language.isEmpty() ? QByteArray("en") : language);
    TTestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
