#include "xml/XmlDoc.h"

#include <QTemporaryDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const char* const kConfig = R"(<?xml version="1.0" encoding="utf-8"?>
<configuration>
  <system>
    <caption>货运系统</caption>
    <empty/>
    <settings><treeWidth default="120"/></settings>
    <plugins>
      <plugin active="加载"><style>100</style><classname>A.One</classname></plugin>
      <plugin active=""><style>101</style><classname>A.Two</classname></plugin>
    </plugins>
  </system>
  <language><system>zh</system></language>
</configuration>)";

class XmlDocTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_doc.LoadXml(QString::fromUtf8(kConfig))); }
    XmlDoc m_doc;
};

TEST_F(XmlDocTest, ValuesByPath)
{
    struct Case {
        const char* path;
        QVariant value;
    };
    const Case cases[] = {
        {"/configuration/system/caption", QStringLiteral("货运系统")},
        {"//configuration/system/caption", QStringLiteral("货运系统")},
        {"//language/system", QStringLiteral("zh")},
        {"/configuration/system/plugins/plugin[0]/classname", QStringLiteral("A.One")},
        {"/configuration/system/plugins/plugin[1]/classname", QStringLiteral("A.Two")},
        {"/configuration/system/plugins/plugin[1]", QStringLiteral("101A.Two")},
        {"/configuration/system/plugins/plugin[ 0 ]/style", QStringLiteral("100")},
        {"/configuration/system/plugins/plugin[@active='加载']/style", QStringLiteral("100")},
        {"/configuration/system/plugins/plugin[2]/classname", QVariant()},
        {"/configuration/system/missing", QVariant()},
        {"/configuration/system/empty", QStringLiteral("")},
        {"/configuration/system/settings/treeWidth/@default", QStringLiteral("120")},
        {"/configuration/system[", QVariant()},
        {"", QVariant()},
    };
    for (const Case& c : cases) {
        const QVariant value = m_doc.Value(QString::fromUtf8(c.path));
        EXPECT_EQ(value.isValid(), c.value.isValid()) << c.path;
        EXPECT_EQ(value.toString(), c.value.toString()) << c.path;
    }
}

TEST_F(XmlDocTest, AttributesCountsAndMarkup)
{
    EXPECT_EQ(m_doc.Attribute("/configuration/system/plugins/plugin[0]", "active").toString(), "加载");
    EXPECT_EQ(m_doc.Attribute("/configuration/system/plugins/plugin[1]", "active"), QVariant(QString("")));
    EXPECT_FALSE(m_doc.Attribute("/configuration/system/plugins/plugin[1]", "missing").isValid());
    EXPECT_FALSE(m_doc.Attribute("/configuration/system/plugins/plugin[5]", "active").isValid());
    EXPECT_EQ(m_doc.Attribute("//treeWidth", "default").toString(), "120");

    EXPECT_EQ(m_doc.Count("/configuration/system/plugins/plugin"), 2);
    EXPECT_EQ(m_doc.Count("//plugin[0]"), 1);
    EXPECT_EQ(m_doc.Count("/configuration/nothing"), 0);

    EXPECT_EQ(m_doc.Xml("//settings").toStdString(), "<settings><treeWidth default=\"120\"/></settings>");
    EXPECT_EQ(m_doc.Xml("//nothing"), "");
    EXPECT_EQ(QString::fromUtf8(m_doc.Root().name()), "configuration");
}

TEST(XmlDocPathTest, IndexesBecomeOneBasedOutsideQuotes)
{
    EXPECT_EQ(XmlDoc::ToXPath("/a/b[0]/c[9]"), "/a/b[1]/c[10]");
    EXPECT_EQ(XmlDoc::ToXPath("//a[@n='[0]'][1]"), "//a[@n='[0]'][2]");
    EXPECT_EQ(XmlDoc::ToXPath("/a[position()>1]"), "/a[position()>1]");
}

TEST(XmlDocLoadTest, MalformedOrMissingInputFails)
{
    QTemporaryDir dir;
    const QString good = dir.filePath("good.xml");
    const QString bad = dir.filePath("bad.xml");
    for (const auto& [name, text] : {std::pair{good, "<a><b>1</b></a>"}, std::pair{bad, "<a><b>1</a>"}}) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    XmlDoc doc;
    ASSERT_TRUE(doc.Load(good));
    EXPECT_EQ(doc.Value("/a/b").toString(), "1");
    EXPECT_FALSE(doc.Load(bad));
    EXPECT_FALSE(doc.Value("/a/b").isValid()) << "a failed load leaves no old document behind";
    EXPECT_FALSE(doc.Load(dir.filePath("missing.xml")));
    EXPECT_FALSE(doc.LoadXml("not xml"));
    EXPECT_FALSE(doc.LoadXml(""));
    EXPECT_FALSE(doc.IsLoaded());
}

}  // namespace
