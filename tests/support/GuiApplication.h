#pragma once

#include <QApplication>

// The one QApplication of a widget test program, created on first use (offscreen under ctest).
inline QApplication& GuiApplication()
{
    static int argc = 1;
    static char name[] = "orvel-test";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}
