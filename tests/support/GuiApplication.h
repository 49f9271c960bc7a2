#pragma once

#include <QApplication>

#include <gtest/gtest.h>

// The one QApplication of a widget test program (offscreen under ctest): created before the
// first test by a test environment, or on first use through GuiApplication().
inline QApplication& GuiApplication()
{
    static int argc = 1;
    static char name[] = "orvel-test";
    static char* argv[] = {name, nullptr};
    // Never destroyed: widgets of static test fixtures may outlive any exit-time destruction order.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

class GuiApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override { GuiApplication(); }
};

inline ::testing::Environment* const guiApplicationEnvironment =
    ::testing::AddGlobalTestEnvironment(new GuiApplicationEnvironment);
