#include "component/ComponentSystem.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kFixtures = QStringLiteral(ORVEL_TEST_COMPONENTS_DIR);

// A program folder with copies of the fixture libraries; Plugin/ holds one that must be left alone.
class RegisterCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        QDir(m_folder.path()).mkdir("Plugin");
        for (const char* name : {"TestGood.so", "TestBadMetaData.so", "TestPlain.so"})
            ASSERT_TRUE(QFile::copy(QDir(kFixtures).filePath(name), m_folder.filePath(name)));
        ASSERT_TRUE(QFile::copy(QDir(kFixtures).filePath("TestGood.so"), m_folder.filePath("Plugin/TestGood.so")));
    }

    int run(const QStringList& args, QString* out, QString* err, const QString& workingFolder = {})
    {
        QProcess process;
        process.setWorkingDirectory(workingFolder);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("ORVEL_REGISTRY_DIR");
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(ORVEL_ADMIN), QStringList{"register"} + args);
        EXPECT_TRUE(process.waitForFinished(30000));
        *out = QString::fromUtf8(process.readAllStandardOutput());
        *err = QString::fromUtf8(process.readAllStandardError());
        return process.exitCode();
    }

    QTemporaryDir m_folder;
};

TEST_F(RegisterCommandTest, RegistersEveryGoodLibraryAndReportsTheBrokenOne)
{
    QString out;
    QString err;
    EXPECT_EQ(run({"--dir", m_folder.path()}, &out, &err), 1);
    EXPECT_EQ(out, "registered TestLib.Widget (TestGood.so)\n"
                   "registered TestLib.Gadget (TestGood.so)\n"
                   "registered TestLib.Phantom (TestGood.so)\n");
    EXPECT_EQ(err, "orvel-admin register: " + m_folder.filePath("TestBadMetaData.so")
                       + ": \"Classes\" must be an array\n");

    qunsetenv("ORVEL_REGISTRY_DIR");
    const RegistryStore classes(RegistryRoot::ClassesRoot, m_folder.path());
    EXPECT_EQ(classes.FileName(), m_folder.filePath("registry/HKEY_CLASSES_ROOT.json"));
    EXPECT_EQ(classes.SubKeys(""), QStringList({"TestLib.Widget", "TestLib.Gadget", "TestLib.Phantom"}));
    EXPECT_EQ(classes.Value("TestLib.Widget", "Library")->data, "TestGood.so");

    ComponentSystem components(m_folder.path());
    const std::unique_ptr<QObject> widget = components.CreateObject("TestLib.Widget");
    ASSERT_NE(widget, nullptr) << components.LastError().toStdString();
    EXPECT_EQ(widget->objectName(), "Widget");
}

TEST_F(RegisterCommandTest, AFolderRelativeToTheWorkingFolderWorks)
{
    QString out;
    QString err;
    const QDir folder(m_folder.path());
    run({"--dir", folder.dirName()}, &out, &err, QFileInfo(folder.path()).absolutePath());
    EXPECT_TRUE(out.startsWith("registered TestLib.Widget (TestGood.so)\n")) << out.toStdString();
}

TEST_F(RegisterCommandTest, AMissingFolderIsAnError)
{
    QString out;
    QString err;
    EXPECT_EQ(run({"--dir", m_folder.filePath("nowhere")}, &out, &err), 1);
    EXPECT_EQ(err, "orvel-admin register: no such folder: " + m_folder.filePath("nowhere") + "\n");
}

}  // namespace
