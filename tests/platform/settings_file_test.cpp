#include "settings/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    QString path() const { return m_dir.filePath(u"layout.txt"_qs); }

    QString contents() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QTemporaryDir m_dir;
};

TEST_F(SettingsFileTest, MissingFileSectionOrKeyYieldsTheDefault)
{
    SettingsFile file;
    ASSERT_TRUE(file.Open(path()));
    EXPECT_EQ(file.ReadString(u"Vs"_qs, u"VsRowHeight"_qs, u"dflt"_qs), u"dflt"_qs);
    EXPECT_EQ(file.ReadInteger(u"Vs"_qs, u"VsRowHeight"_qs, -7), -7);
    EXPECT_TRUE(file.ReadBool(u"Search"_qs, u"Filter"_qs, true));
    file.WriteString(u"Vs"_qs, u"VsFixedCols"_qs, u"2"_qs);
    EXPECT_EQ(file.ReadString(u"Vs"_qs, u"VsRowHeight"_qs, u"dflt"_qs), u"dflt"_qs);
    EXPECT_EQ(file.ReadString(u"Form"_qs, u"VsFixedCols"_qs, u"dflt"_qs), u"dflt"_qs);
}

TEST_F(SettingsFileTest, ReadingCreatesNoFile)
{
    {
        SettingsFile file;
        file.Open(path());
        file.ReadString(u"Vs"_qs, u"x"_qs, {});
    }
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(SettingsFileTest, EachKindOfWriteIsReadBackAfterReopening)
{
    {
        SettingsFile file;
        file.Open(path());
        file.WriteString(u"Form"_qs, u"TEXTBOX_Text1"_qs, u"上海 浦东 "_qs);
        file.WriteInteger(u"Form"_qs, u"CHECKBOX_Chk"_qs, -32768);
        file.WriteBool(u"Search"_qs, u"Field1"_qs, true);
        file.WriteBool(u"Search"_qs, u"Filter"_qs, false);
        file.WriteString(u"Form"_qs, u"multi"_qs, u"a\\b\r\nc=d"_qs);
    }
    SettingsFile file;
    file.Open(path());
    EXPECT_EQ(file.ReadString(u"Form"_qs, u"TEXTBOX_Text1"_qs, {}), u"上海 浦东 "_qs);
    EXPECT_EQ(file.ReadInteger(u"Form"_qs, u"CHECKBOX_Chk"_qs, 0), -32768);
    EXPECT_TRUE(file.ReadBool(u"Search"_qs, u"Field1"_qs, false));
    EXPECT_FALSE(file.ReadBool(u"Search"_qs, u"Filter"_qs, true));
    EXPECT_EQ(file.ReadString(u"Form"_qs, u"multi"_qs, {}), u"a\\b\r\nc=d"_qs);
}

TEST_F(SettingsFileTest, WritesKeepEveryOtherEntryAndEntriesStaySeparate)
{
    {
        SettingsFile file;
        file.Open(path());
        file.WriteString(u"VsColWidth"_qs, u"VsCol0"_qs, u"1000"_qs);
        file.WriteString(u"VsColWidth"_qs, u"VsCol1"_qs, u"2000"_qs);
        file.WriteString(u"VsIsHidden"_qs, u"VsCol0"_qs, u"0"_qs);
    }
    {
        SettingsFile file;
        file.Open(path());
        file.WriteString(u"VsColWidth"_qs, u"VsCol1"_qs, u"2500"_qs);
        file.WriteString(u"Form"_qs, u"KVGRID_kvGrid_Col0"_qs, u"300"_qs);
    }
    EXPECT_EQ(contents(),
        u"[VsColWidth]\nVsCol0=1000\nVsCol1=2500\n[VsIsHidden]\nVsCol0=0\n[Form]\nKVGRID_kvGrid_Col0=300\n"_qs);
}

TEST_F(SettingsFileTest, NamesCompareWithoutCaseAndKeepTheirFirstSpelling)
{
    SettingsFile file;
    file.Open(path());
    file.WriteString(u"VsColWidth_VsMx_2"_qs, u"VsCol0"_qs, u"1"_qs);
    file.WriteString(u"vscolwidth_vsmx_2"_qs, u"VSCOL0"_qs, u"2"_qs);
    EXPECT_EQ(file.ReadString(u"VSCOLWIDTH_VSMX_2"_qs, u"vscol0"_qs, {}), u"2"_qs);
    file.Flush();
    EXPECT_EQ(contents(), u"[VsColWidth_VsMx_2]\nVsCol0=2\n"_qs);
}

TEST_F(SettingsFileTest, NumbersAndBooleansFromHandWrittenText)
{
    QFile raw(path());
    ASSERT_TRUE(raw.open(QIODevice::WriteOnly));
    raw.write("; comment\r\n[Vs]\r\nword = abc\r\nhalf=2.6\r\nspaced=  12 \r\nyes=TRUE\r\nminus=-1\r\nzero=0\r\nnot a line\r\n");
    raw.close();
    SettingsFile file;
    ASSERT_TRUE(file.Open(path()));
    EXPECT_EQ(file.ReadInteger(u"Vs"_qs, u"word"_qs, 5), 0);
    EXPECT_EQ(file.ReadInteger(u"Vs"_qs, u"half"_qs, 5), 3);
    EXPECT_EQ(file.ReadInteger(u"Vs"_qs, u"spaced"_qs, 5), 12);
    EXPECT_TRUE(file.ReadBool(u"Vs"_qs, u"yes"_qs, false));
    EXPECT_TRUE(file.ReadBool(u"Vs"_qs, u"minus"_qs, false));
    EXPECT_FALSE(file.ReadBool(u"Vs"_qs, u"zero"_qs, true));
    EXPECT_TRUE(file.ReadBool(u"Vs"_qs, u"word"_qs, true));
    EXPECT_FALSE(file.ReadBool(u"Vs"_qs, u"word"_qs, false));
}

TEST_F(SettingsFileTest, AFailedSaveIsReportedAndLeavesNoPartialFile)
{
    const QString folder = m_dir.filePath(u"taken"_qs);
    ASSERT_TRUE(QDir().mkpath(folder));
    SettingsFile file;
    file.Open(folder);
    file.WriteString(u"Vs"_qs, u"a"_qs, u"2"_qs);
    EXPECT_FALSE(file.Flush());
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList());
}

} // namespace
