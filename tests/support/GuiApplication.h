#pragma once

#include <QApplication>
#include <gtest/gtest.h>

// One QApplication for the widget tests of an executable (offscreen, set by orvel_add_test).
class GuiApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (!QApplication::instance())
            m_app = new QApplication(m_argc, m_argv);
    }
    void TearDown() override { delete m_app; }

private:
    int m_argc = 1;
    char m_name[8] = "orvel";
    char* m_argv[2] = {m_name, nullptr};
    QApplication* m_app = nullptr;
};

inline ::testing::Environment* const guiApplicationEnvironment =
    ::testing::AddGlobalTestEnvironment(new GuiApplicationEnvironment);
