#include "GuiApplication.h"
#include "component/ComponentSystem.h"
#include "hosts/EmbeddedHost.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const char* const kHostClasses[] = {"oedit", "oReport", "oeditrpt", "oquery", "oalert"};

TEST(OrvelEditLibraryTest, CreatesEveryHostFromTheLibraryFile)
{
    GuiApplication();
    QTemporaryDir registry;
    qputenv("ORVEL_REGISTRY_DIR", registry.path().toLocal8Bit());
    ComponentSystem components;
    ComponentLibraryInfo info;
    ASSERT_TRUE(components.ReadLibrary(QStringLiteral(ORVEL_EDIT_LIBRARY), &info)) << components.LastError().toStdString();
    EXPECT_EQ(info.typeLib, "OrvelEdit");
    ASSERT_EQ(info.classes.size(), int(std::size(kHostClasses)));
    for (const char* name : kHostClasses) {
        SCOPED_TRACE(name);
        std::unique_ptr<QObject> object = components.CreateFromFile(QStringLiteral(ORVEL_EDIT_LIBRARY), QString::fromLatin1(name));
        auto* host = qobject_cast<EmbeddedHost*>(object.get());
        ASSERT_NE(host, nullptr) << components.LastError().toStdString();
        host->Clear();
    }
    qunsetenv("ORVEL_REGISTRY_DIR");
}

TEST(OrvelEditLibraryTest, TheBuildRegistersTheHostsInTheProgramFolder)
{
    ASSERT_FALSE(qEnvironmentVariableIsSet("ORVEL_REGISTRY_DIR"));
    ComponentSystem components(QStringLiteral(ORVEL_BIN_DIR));
    for (const char* name : kHostClasses)
        EXPECT_TRUE(components.IsRegistered(QStringLiteral("OrvelEdit.") + QString::fromLatin1(name))) << name;
}

}  // namespace
