#pragma once

#include "GuiApplication.h"
#include "TestDatabases.h"
#include "component/ComponentSystem.h"
#include "dialogs/ScriptedDialogs.h"
#include "hosts/EmbeddedHost.h"
#include "OfficeDatabases.h"
#include "system/AppSystem.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

// One named event as a host raised it.
struct HostEvent {
    QString name;
    QVariantList values;
    bool operator==(const HostEvent&) const = default;
};

inline void PrintTo(const HostEvent& e, std::ostream* os)
{
    *os << e.name.toStdString() << "(";
    for (const QVariant& v : e.values)
        *os << v.toString().toStdString() << ";";
    *os << ")";
}

// Programs paired with the fake components of the library TestHosts.
constexpr int kFakeFormProgram = 900001;
constexpr int kFakeFormNoAuditProgram = 900002;
constexpr int kFakeReportProgram = 900003;

// A standard office database on SQLite with the fake programs paired, an AppSystem on it whose
// program folder is a temporary folder, the fake library registered in a registry of the test's
// own, and scripted dialogs.
class HostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GuiApplication();
        ASSERT_TRUE(m_registry.isValid());
        qputenv("ORVEL_REGISTRY_DIR", m_registry.path().toLocal8Bit());
        ComponentSystem components(m_folder.path());  // the program folder of the session
        ASSERT_TRUE(components.Register(QStringLiteral(ORVEL_TEST_HOST_COMPONENTS))) << components.LastError().toStdString();

        m_test = std::make_unique<TestDatabase>(TestEngine::Sqlite);
        CreateOffice(db(), m_test->settings(), QStringLiteral("secret"));
        for (const auto& [program, identifier] : {std::pair{kFakeFormProgram, "TestHosts.FakeForm"},
                                                  std::pair{kFakeFormNoAuditProgram, "TestHosts.FakeFormNoAudit"},
                                                  std::pair{kFakeReportProgram, "TestHosts.FakeReport"}}) {
            run(QStringLiteral("insert into xt_objects (ProgID, systemcode, progCommandLine, ClassName) values (%1, 'test', '', '%2')")
                    .arg(program)
                    .arg(QString::fromLatin1(identifier)));
        }
        ASSERT_TRUE(m_system.Init(&db(), 0)) << m_system.LastError().Message.toStdString();
        m_system.AppInfo().AppPath = m_folder.path();
        m_system.AppInfo().UserID = QStringLiteral("u01");
    }

    void TearDown() override { qunsetenv("ORVEL_REGISTRY_DIR"); }

    Database& db() { return m_test->db(); }

    void run(const QString& sql)
    {
        db().Execute(sql, 1).Run();
        ASSERT_TRUE(db().LastError().IsEmpty()) << sql.toStdString() << ": " << db().LastError().Message.toStdString();
    }

    // Records the named events of host from now on.
    void watch(EmbeddedHost& host)
    {
        QObject::connect(&host, &EmbeddedHost::NamedEvent, &host,
                         [this](const QString& name, const QVariantList& values) { m_events.append({name, values}); });
    }
    // The events recorded since the last call.
    QList<HostEvent> takeEvents() { return std::exchange(m_events, {}); }

    QTemporaryDir m_registry;
    QTemporaryDir m_folder;
    std::unique_ptr<TestDatabase> m_test;
    AppSystem m_system;
    ScriptedDialogs m_dialogs;
    QList<HostEvent> m_events;
};
