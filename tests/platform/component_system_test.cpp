#include "component/ComponentSystem.h"
#include "database/Database.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kFixtures = QStringLiteral(ORVEL_TEST_COMPONENTS_DIR);

QString fixture(const char* name)
{
    return QDir(kFixtures).filePath(QString::fromUtf8(name) + QStringLiteral(".so"));
}

// Each test has its own registry folder and uses the fixture folder as program folder.
class ComponentSystemTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_registry.isValid());
        qputenv("ORVEL_REGISTRY_DIR", m_registry.path().toLocal8Bit());
    }
    void TearDown() override { qunsetenv("ORVEL_REGISTRY_DIR"); }

    QTemporaryDir m_registry;
};

TEST_F(ComponentSystemTest, ReadsClassesAndInterfacesWithoutRunningTheLibrary)
{
    ComponentSystem components(kFixtures);
    ComponentLibraryInfo info;
    ASSERT_TRUE(components.ReadLibrary(QStringLiteral("TestGood.so"), &info)) << components.LastError().toStdString();
    EXPECT_FALSE(qEnvironmentVariableIsSet("ORVEL_TEST_GOOD_LOADED"));
    EXPECT_EQ(info.typeLib, "TestLib");
    EXPECT_EQ(info.version, "2.5");
    ASSERT_EQ(info.classes.size(), 3);
    EXPECT_EQ(info.classes[0].name, "Widget");
    EXPECT_EQ(info.classes[0].interfaces, QStringList({"_Widget", "_IExtPluginUI"}));
    EXPECT_EQ(info.classes[1].name, "Gadget");
    EXPECT_TRUE(info.classes[1].interfaces.isEmpty());
    EXPECT_EQ(info.Identifier(info.classes[1]), "TestLib.Gadget");
}

TEST_F(ComponentSystemTest, EachBrokenLibraryHasItsOwnError)
{
    QTemporaryDir folder;
    const QString notALibrary = folder.filePath(QStringLiteral("text.so"));
    QFile file(notALibrary);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a library");
    file.close();

    struct Case {
        QString file;
        QString className;
        QString error;
    };
    const Case cases[] = {
        {fixture("Missing"), "Thing", fixture("Missing") + ": no such file"},
        {notALibrary, "Thing", notALibrary + ": no component metadata"},
        {fixture("TestPlain"), "Thing", fixture("TestPlain") + ": no component metadata"},
        {fixture("TestBadMetaData"), "Thing", fixture("TestBadMetaData") + ": \"Classes\" must be an array"},
        {fixture("TestNoEntry"), "Thing", fixture("TestNoEntry") + " does not export DllGetClassObject"},
        {fixture("TestGood"), "Nothing", fixture("TestGood") + " has no class Nothing"},
        {fixture("TestGood"), "Phantom", fixture("TestGood") + " made no object of class Phantom"},
    };
    for (const Case& c : cases) {
        ComponentSystem components(kFixtures);
        EXPECT_EQ(components.CreateFromFile(c.file, c.className), nullptr) << c.file.toStdString();
        EXPECT_TRUE(components.LastError().startsWith(c.error))
            << c.file.toStdString() << ": " << components.LastError().toStdString();
    }
}

TEST_F(ComponentSystemTest, CreatesFromFileIgnoringTheCaseOfTheClassName)
{
    ComponentSystem components(kFixtures);
    const std::unique_ptr<QObject> object = components.CreateFromFile(fixture("TestGood"), QStringLiteral("wIDGET"));
    ASSERT_NE(object, nullptr) << components.LastError().toStdString();
    EXPECT_EQ(object->objectName(), "Widget");
}

TEST_F(ComponentSystemTest, RegisteredIdentifiersCreateTheirClass)
{
    ComponentSystem components(kFixtures);
    EXPECT_FALSE(components.IsRegistered(QStringLiteral("TestLib.Gadget")));
    EXPECT_EQ(components.CreateObject(QStringLiteral("TestLib.Gadget")), nullptr);
    EXPECT_EQ(components.LastError(), "component TestLib.Gadget is not registered");

    QStringList identifiers;
    ASSERT_TRUE(components.Register(fixture("TestGood"), &identifiers)) << components.LastError().toStdString();
    EXPECT_EQ(identifiers, QStringList({"TestLib.Widget", "TestLib.Gadget", "TestLib.Phantom"}));

    const RegistryStore classes(RegistryRoot::ClassesRoot);
    EXPECT_EQ(classes.Value(QStringLiteral("TestLib.Gadget"), QStringLiteral("Library"))->data, "TestGood.so");
    EXPECT_EQ(classes.Value(QStringLiteral("testlib.gadget"), QStringLiteral("Class"))->data, "Gadget");

    ComponentSystem another(kFixtures);
    EXPECT_TRUE(another.IsRegistered(QStringLiteral("testlib.gadget")));
    const std::unique_ptr<QObject> gadget = another.CreateObject(QStringLiteral(" TestLib.Gadget "));
    ASSERT_NE(gadget, nullptr) << another.LastError().toStdString();
    EXPECT_EQ(gadget->objectName(), "Gadget");
}

TEST_F(ComponentSystemTest, ARegistrationWithoutLibraryIsAnError)
{
    RegistryStore classes(RegistryRoot::ClassesRoot);
    ASSERT_TRUE(classes.CreateKey(QStringLiteral("TestLib.Widget")));
    ComponentSystem components(kFixtures);
    EXPECT_TRUE(components.IsRegistered(QStringLiteral("TestLib.Widget")));
    EXPECT_EQ(components.CreateObject(QStringLiteral("TestLib.Widget")), nullptr);
    EXPECT_EQ(components.LastError(), "the registration of TestLib.Widget names no library or class");
}

TEST_F(ComponentSystemTest, DatabaseIsCreatedByItsIdentifier)
{
    ComponentSystem components(QStringLiteral(ORVEL_PLATFORM_DIR));
    ASSERT_TRUE(components.Register(QStringLiteral(ORVEL_PLATFORM_FILE))) << components.LastError().toStdString();
    const std::unique_ptr<QObject> object = components.CreateObject(QStringLiteral("zuZiduDarereDadoda.Database"));
    ASSERT_NE(object, nullptr) << components.LastError().toStdString();
    auto* database = qobject_cast<Database*>(object.get());
    ASSERT_NE(database, nullptr);
    EXPECT_FALSE(database->IsOpen());
}

}  // namespace
