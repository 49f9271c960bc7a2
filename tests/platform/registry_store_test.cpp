#include "registry/RegistryStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class RegistryStoreTest : public ::testing::Test {
protected:
    QString storeFile() const { return m_dir.filePath("store.json"); }
    QTemporaryDir m_dir;
};

TEST_F(RegistryStoreTest, KeysAreCaseInsensitiveAndKeepTheirCase)
{
    RegistryStore store(storeFile());
    EXPECT_TRUE(store.KeyExists(""));
    EXPECT_FALSE(store.KeyExists("Software\\Orvel"));
    ASSERT_TRUE(store.CreateKey("Software\\Orvel\\Main"));
    for (const char* path : {"Software\\Orvel", "SOFTWARE\\orvel\\main", "\\Software\\\\Orvel\\"})
        EXPECT_TRUE(store.KeyExists(path)) << path;
    ASSERT_TRUE(store.CreateKey("software\\orvel\\Second"));
    EXPECT_EQ(store.SubKeys(""), QStringList{"Software"});
    EXPECT_EQ(store.SubKeys("software\\ORVEL"), QStringList({"Main", "Second"}));
    EXPECT_TRUE(store.SubKeys("Nowhere").isEmpty());
}

TEST_F(RegistryStoreTest, ValuesOfEveryKindSurviveAReload)
{
    const std::pair<QString, RegistryValue> values[] = {
        {"", RegistryValue::String("默认")},
        {"Path", RegistryValue::String("C:\\Orvel \"x\"\n")},
        {"Count", RegistryValue::Dword(4294967295u)},
        {"Zero", RegistryValue::Dword(0)},
        {"Bytes", RegistryValue::Binary(QByteArray("\x00\x1a\xff", 3))},
    };
    {
        RegistryStore store(storeFile());
        ASSERT_TRUE(store.CreateKey("Key"));
        for (const auto& [name, value] : values)
            ASSERT_TRUE(store.SetValue("Key", name, value)) << name.toStdString();
    }
    RegistryStore reread(storeFile());
    QStringList names;
    for (const auto& [name, value] : values) {
        names.append(name);
        EXPECT_EQ(reread.Value("KEY", name.toLower()), value) << name.toStdString();
    }
    EXPECT_EQ(reread.ValueNames("key"), names);
    EXPECT_FALSE(reread.Value("Key", "Missing").has_value());
    EXPECT_FALSE(reread.Value("Missing", "").has_value());
}

TEST_F(RegistryStoreTest, WritingAndDeleting)
{
    RegistryStore store(storeFile());
    EXPECT_FALSE(store.SetValue("Missing", "v", RegistryValue::String("x")));
    EXPECT_FALSE(store.KeyExists("Missing")) << "a value write never creates its key";
    ASSERT_TRUE(store.CreateKey("A\\B\\C"));
    ASSERT_TRUE(store.SetValue("A\\B", "v", RegistryValue::String("1")));
    ASSERT_TRUE(store.SetValue("a\\b", "V", RegistryValue::Dword(2)));
    EXPECT_EQ(store.ValueNames("A\\B"), QStringList{"v"});
    EXPECT_EQ(store.Value("A\\B", "v"), RegistryValue::Dword(2));

    EXPECT_TRUE(store.DeleteValue("A\\B", "V"));
    EXPECT_FALSE(store.DeleteValue("A\\B", "V"));
    EXPECT_FALSE(store.DeleteKey(""));
    EXPECT_FALSE(store.DeleteKey("A\\X"));
    EXPECT_TRUE(store.DeleteKey("a\\B"));
    EXPECT_FALSE(store.KeyExists("A\\B\\C"));
    EXPECT_TRUE(store.KeyExists("A"));
}

TEST_F(RegistryStoreTest, AnUnreadableStoreIsNeverOverwritten)
{
    for (const QByteArray& content : {QByteArray("{ not json"), QByteArray("{\"format\": \"other\"}"),
                                      QByteArray(R"({"format":"orvel-registry","version":1,"values":[],)"
                                                 R"("keys":[{"name":"a\\b","values":[],"keys":[]}]})")}) {
        QFile file(storeFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        RegistryStore store(storeFile());
        EXPECT_FALSE(store.KeyExists("a"));
        EXPECT_FALSE(store.CreateKey("New"));
        EXPECT_FALSE(store.LastError().isEmpty());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), content);
    }
}

TEST_F(RegistryStoreTest, StoresLiveInTheirStandardPlaces)
{
    qunsetenv("ORVEL_REGISTRY_DIR");
    EXPECT_EQ(RegistryStore::FileFor(RegistryRoot::ClassesRoot, "/opt/orvel"),
              "/opt/orvel/registry/HKEY_CLASSES_ROOT.json");
    EXPECT_EQ(RegistryStore::FileFor(RegistryRoot::LocalMachine),
              QCoreApplication::applicationDirPath() + "/registry/HKEY_LOCAL_MACHINE.json");
    EXPECT_TRUE(RegistryStore::FileFor(RegistryRoot::CurrentUser).endsWith("/orvel/registry/HKEY_CURRENT_USER.json"));

    qputenv("ORVEL_REGISTRY_DIR", m_dir.path().toLocal8Bit());
    for (RegistryRoot root : {RegistryRoot::CurrentUser, RegistryRoot::LocalMachine, RegistryRoot::ClassesRoot}) {
        EXPECT_EQ(RegistryStore::FileFor(root, "/opt/orvel"),
                  QDir(m_dir.path()).filePath(RegistryStore::RootName(root) + ".json"));
    }
    RegistryStore user(RegistryRoot::CurrentUser);
    EXPECT_TRUE(user.CreateKey("Software"));
    EXPECT_TRUE(QFile::exists(m_dir.filePath("HKEY_CURRENT_USER.json")));
    qunsetenv("ORVEL_REGISTRY_DIR");
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
