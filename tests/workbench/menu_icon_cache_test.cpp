#include "GuiApplication.h"
#include "TestDatabases.h"
#include "ZLibEngine.h"
#include "ZResult.h"
#include "schema/OfficeDatabase.h"
#include "workbench/MenuIconCache.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

namespace {

class MenuIconCacheTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GuiApplication();
        QString error;
        ASSERT_TRUE(OfficeDatabase::Create(m_test.db(), m_test.settings(), true, &error)) << error.toStdString();
        m_temporary = m_test.folder() + QStringLiteral("/temp");
    }
    static QByteArray png(int width)
    {
        QImage image(width, 8, QImage::Format_ARGB32);
        image.fill(Qt::red);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return bytes;
    }
    void addRow(const QString& code, int type, const QString& fileName, int compressed, const QByteArray& contents)
    {
        QSqlQuery query(QSqlDatabase::database(m_test.db().ConnectionName()));
        query.prepare(QStringLiteral("insert into xt_menuPilot (menuCode, type, filename, iscompress, contents, filesize) values (?, ?, ?, ?, ?, 0)"));
        for (const QVariant& value : QVariantList{code, type, fileName, compressed, contents})
            query.addBindValue(value);
        ASSERT_TRUE(query.exec());
    }
    // A container holding one file under the name.
    QByteArray container(const QString& name, const QByteArray& contents)
    {
        const QString source = m_test.folder() + QStringLiteral("/") + name;
        QFile file(source);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        file.close();
        ZLibEngine engine;
        EXPECT_TRUE(engine.AddFile(source));
        const QString packed = m_test.folder() + QStringLiteral("/icons.z");
        EXPECT_EQ(engine.Compress(packed, true, 6), ZResult::Ok);
        QFile result(packed);
        EXPECT_TRUE(result.open(QIODevice::ReadOnly));
        return result.readAll();
    }

    TestDatabase m_test{TestEngine::Sqlite};
    QString m_temporary;
};

TEST_F(MenuIconCacheTest, PlainAndCompressedRowsAreCachedAsFiles)
{
    addRow(QStringLiteral("01"), 1, QStringLiteral("plain.png"), 0, png(10));
    addRow(QStringLiteral("02"), 1, QStringLiteral("packed.png"), 1, container(QStringLiteral("packed.png"), png(12)));
    addRow(QStringLiteral("03"), 0, QStringLiteral("map.xml"), 0, QByteArray("<map/>"));
    MenuIconCache cache(m_test.db(), m_temporary);

    EXPECT_EQ(cache.LoadMenuIcon(QStringLiteral("01"), 1).width(), 10);
    EXPECT_EQ(cache.LoadMenuIcon(QStringLiteral("02"), 1).width(), 12);
    EXPECT_TRUE(QFileInfo::exists(m_temporary + QStringLiteral("/icon/plain.png")));
    EXPECT_TRUE(QFileInfo::exists(m_temporary + QStringLiteral("/icon/packed.png")));
    EXPECT_TRUE(cache.LoadMenuIcon(QStringLiteral("03"), 1).isNull());
    EXPECT_TRUE(cache.LoadMenuIcon(QStringLiteral("9'9"), 1).isNull());
    EXPECT_TRUE(m_test.db().LastError().IsEmpty());
    EXPECT_EQ(QDir(m_temporary + QStringLiteral("/icon")).entryList(QDir::Files).size(), 2);
}

TEST_F(MenuIconCacheTest, AnExistingFileIsUsedAsItIs)
{
    addRow(QStringLiteral("01"), 1, QStringLiteral("plain.png"), 0, png(10));
    ASSERT_TRUE(QDir().mkpath(m_temporary + QStringLiteral("/icon")));
    QFile file(m_temporary + QStringLiteral("/icon/plain.png"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(png(20));
    file.close();
    EXPECT_EQ(MenuIconCache(m_test.db(), m_temporary).LoadMenuIcon(QStringLiteral("01"), 1).width(), 20);
}

TEST_F(MenuIconCacheTest, AStoredPathNeverLeavesTheIconFolder)
{
    addRow(QStringLiteral("01"), 1, QStringLiteral("..\\..\\outside.png"), 0, png(10));
    EXPECT_EQ(MenuIconCache(m_test.db(), m_temporary).LoadMenuIcon(QStringLiteral("01"), 1).width(), 10);
    EXPECT_TRUE(QFileInfo::exists(m_temporary + QStringLiteral("/icon/outside.png")));
    EXPECT_FALSE(QFileInfo::exists(m_test.folder() + QStringLiteral("/outside.png")));
}

}  // namespace
