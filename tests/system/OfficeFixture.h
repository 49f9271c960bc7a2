#pragma once

#include "TestDatabases.h"
#include "OfficeDatabases.h"
#include "system/AppSystem.h"

#include <gtest/gtest.h>

#include <memory>

// A standard office database (init-db without demo notes) on the engine of the test, with an
// AppSystem on it. The standard operator is "admin" with the password "secret".
class OfficeTest : public ::testing::TestWithParam<TestEngine> {
protected:
    void SetUp() override
    {
        m_test = std::make_unique<TestDatabase>(GetParam());
        CreateOffice(db(), m_test->settings(), QStringLiteral("secret"));
        ASSERT_TRUE(m_system.Init(&db(), 0)) << m_system.LastError().Message.toStdString();
    }

    Database& db() { return m_test->db(); }

    void run(const QString& sql)
    {
        db().Execute(sql, 1).Run();
        ASSERT_TRUE(db().LastError().IsEmpty()) << sql.toStdString() << ": " << db().LastError().Message.toStdString();
    }

    QVariant value(const QString& sql)
    {
        const QVariant v = db().Execute(sql, 1).Value();
        EXPECT_TRUE(db().LastError().IsEmpty()) << sql.toStdString() << ": " << db().LastError().Message.toStdString();
        return v;
    }

    std::unique_ptr<TestDatabase> m_test;
    AppSystem m_system;
};

#define ORVEL_OFFICE_ENGINES(Suite)                                                                  \
    INSTANTIATE_TEST_SUITE_P(Engines, Suite, ::testing::Values(TestEngine::Sqlite, TestEngine::Postgres), \
                             [](const auto& info) { return std::string(EngineName(info.param)); })
