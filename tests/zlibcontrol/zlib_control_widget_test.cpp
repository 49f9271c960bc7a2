#include "TempFolder.h"
#include "zLibControl.h"

#include <QApplication>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QApplication& app()
{
    static int argc = 1;
    static char name[] = "zlib_control_test";
    static char* argv[] = {name, nullptr};
    // Left to the end of the process: a QApplication destroyed among static objects crashes.
    static QApplication* instance = new QApplication(argc, argv);
    return *instance;
}

}

TEST(zLibControl, DefaultSettings)
{
    app();
    zLibControl control;
    EXPECT_EQ(control.ReadBuf(), 65536);
    EXPECT_EQ(control.BackColor(), control.palette().color(QPalette::Button));
    EXPECT_EQ(control.BarColor(), control.palette().color(QPalette::Highlight));
    EXPECT_FALSE(control.Vertical());
    EXPECT_FALSE(control.Flat());
    EXPECT_EQ(control.Max(), 100);
    EXPECT_EQ(control.Value(), 0);
    for (const char* name : {"ReadBuf", "BackColor", "BarColor", "Vertical", "Max", "Value", "Flat"})
        EXPECT_TRUE(control.property(name).isValid()) << name;
}

TEST(zLibControl, ValueIsKeptWithinTheRange)
{
    app();
    zLibControl control;
    control.setValue(150);
    EXPECT_EQ(control.Value(), 100);
    control.setValue(-3);
    EXPECT_EQ(control.Value(), 0);
    control.setValue(80);
    control.setMax(40);
    EXPECT_EQ(control.Value(), 40);
}

TEST(zLibControl, BarIsDrawnFromTheLeftOrFromTheBottom)
{
    app();
    const QColor back(Qt::white), bar(Qt::red);
    const struct {
        bool vertical;
        QPoint filled, empty;
    } cases[] = {
        {false, {20, 50}, {80, 50}},
        {true, {50, 80}, {50, 20}},
    };
    for (const auto& c : cases) {
        zLibControl control;
        control.resize(100, 100);
        control.setFlat(true);
        control.setVertical(c.vertical);
        control.setBackColor(back);
        control.setBarColor(bar);
        control.setMax(200);
        control.setValue(100);
        const QImage image = control.grab().toImage();
        EXPECT_EQ(image.pixelColor(c.filled), bar) << c.vertical;
        EXPECT_EQ(image.pixelColor(c.empty), back) << c.vertical;
    }
}

TEST(zLibControl, ClickIsRaisedByAClickInside)
{
    app();
    zLibControl control;
    control.resize(100, 20);
    control.show();
    QSignalSpy clicks(&control, &zLibControl::Click);
    QTest::mouseClick(&control, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);
    QTest::mousePress(&control, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&control, Qt::LeftButton, {}, QPoint(300, 10));
    EXPECT_EQ(clicks.count(), 1);
}

TEST(zLibControl, WorkMovesTheBar)
{
    app();
    TempFolder dir;
    zLibControl control;
    control.setReadBuf(1000);
    ASSERT_TRUE(control.AddFile(dir.file("a.bin", QByteArray(5500, 'a'))));
    EXPECT_EQ(control.Max(), 5500);
    EXPECT_EQ(control.Value(), 5500);
    control.reset();
    EXPECT_EQ(control.Value(), 0);
    ASSERT_TRUE(control.AddFile(dir.path("a.bin")));
    ASSERT_EQ(control.Compress(dir.path("c.zlc"), false, 6), 0);
    EXPECT_EQ(control.Value(), control.Max());
    ASSERT_EQ(control.Decompress(dir.path("c.zlc"), dir.path("out"), false, true, false, false, false, true), 0);
    EXPECT_EQ(control.Max(), QFileInfo(dir.path("c.zlc")).size());
    EXPECT_EQ(control.Value(), control.Max());
}
