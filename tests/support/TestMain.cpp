// Shared main() of the test programs: parses GoogleTest's flags first, so listing the
// tests needs no display, then creates the Qt application object the tests run under.
// Every test program gets its own settings folder, so no test touches the user's.
#include <cstdlib>

#include <gtest/gtest.h>

#include <QTemporaryDir>
#ifdef QUORVANE_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();

    QTemporaryDir configHome;
    setenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit().constData(), 1);
    TestApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
