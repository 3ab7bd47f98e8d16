#pragma once
// One application object for all tests of a test program, offscreen unless told otherwise.

#include <QApplication>
#include <QTemporaryDir>

#include <cstdlib>

namespace varnholt::test {

inline QApplication &testApp()
{
    static QApplication *app = [] {
        if (!std::getenv("QT_QPA_PLATFORM"))
            setenv("QT_QPA_PLATFORM", "offscreen", 0);
        // Whatever a test keeps in the desktop's configuration folder stays out of the user's.
        static QTemporaryDir config;
        setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
        static int argc = 1;
        static char name[] = "varnholt_tests";
        static char *argv[] = {name, nullptr};
        return new QApplication(argc, argv); // lives until the process ends
    }();
    return *app;
}

} // namespace varnholt::test
