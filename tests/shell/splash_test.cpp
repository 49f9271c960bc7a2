#include "GuiApplication.h"
#include "TestDatabases.h"
#include "config/clsConfig.h"
#include "OfficeDatabases.h"
#include "splash/frmSplash.h"
#include "system/AppSystem.h"

#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class SplashTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GuiApplication();
        CreateOffice(m_test.db(), m_test.settings(), QStringLiteral("pw"));
        ASSERT_TRUE(m_system.Init(&m_test.db(), 0));
    }

    clsConfig& config(const QString& system)
    {
        QFile f(m_test.folder() + QStringLiteral("/OrvelMain.exe.Config"));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(QStringLiteral("<configuration><system>%1</system></configuration>").arg(system).toUtf8());
        f.close();
        m_config.Init(f.fileName());
        return m_config;
    }

    TestDatabase m_test{TestEngine::Sqlite};
    AppSystem m_system;
    clsConfig m_config;
};

TEST_F(SplashTest, TitleSizesFollowTheCaptionLength)
{
    const struct {
        int length;
        double points;
        int height;
    } cases[] = {{8, 21.75, 29}, {9, 16.75, 23}, {12, 16.75, 23}, {13, 14.75, 20}, {16, 14.75, 20}, {17, 12.75, 18}};
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(frmSplash::TitleSizeFor(c.length).points, c.points) << c.length;
        EXPECT_EQ(frmSplash::TitleSizeFor(c.length).height, c.height) << c.length;
    }
}

TEST_F(SplashTest, LoadsTextsAlphaAndPicture)
{
    const struct {
        const char* alpha;
        int expected;
    } cases[] = {{"<settings><splashalpha>150</splashalpha></settings>", 255}, {"<settings><splashalpha>50</splashalpha></settings>", 127},
                 {"", 255}};
    for (const auto& c : cases) {
        frmSplash splash(config(QStringLiteral("<caption>货运业务管理系统</caption><settings><background><splash>nosuch.png</splash></background></settings>")
                                + QString::fromUtf8(c.alpha)),
                         m_system);
        EXPECT_EQ(splash.Alpha(), c.expected) << c.alpha;
        EXPECT_FALSE(splash.Timer().isActive());
        EXPECT_FALSE(splash.Picture()->isVisibleTo(&splash));
        EXPECT_EQ(splash.Title(2)->text(), QStringLiteral("货运业务管理系统"));
        EXPECT_DOUBLE_EQ(splash.Title(0)->font().pointSizeF(), 21.75);
        EXPECT_TRUE(splash.UserLine()->text().startsWith(QStringLiteral("使用权属于: ")));
        EXPECT_EQ(splash.VersionLine()->text(), QStringLiteral("版本 1.0"));
    }
}

TEST_F(SplashTest, ShowsAnExistingPictureAndClosesOnItsTimer)
{
    const QString picture = m_test.folder() + QStringLiteral("/splash.png");
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::red);
    ASSERT_TRUE(pixmap.save(picture));
    auto* splash = new frmSplash(config(QStringLiteral("<settings><background><splash>%1</splash></background></settings>").arg(picture)), m_system);
    QPointer<frmSplash> guard(splash);
    EXPECT_TRUE(splash->Picture()->isVisibleTo(splash));
    splash->show();
    splash->Timer().setInterval(10);
    splash->Timer().start();
    for (int i = 0; i < 50 && guard && guard->isVisible(); ++i)
        QTest::qWait(10);
    EXPECT_TRUE(guard.isNull() || !guard->isVisible());
}

}  // namespace
