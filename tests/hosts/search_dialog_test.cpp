#include "GuiApplication.h"
#include "SearchDialog.h"

#include <gtest/gtest.h>

namespace {

TEST(SearchDialogTest, ParsesTheFormsColumnEntries)
{
    const auto columns = SearchDialog::ParseColumns({"cnoteNumber=运单号", " startway ", "=no name", "fromName = 托运人"});
    ASSERT_EQ(columns.size(), 3);
    EXPECT_EQ(columns[0].name, "cnoteNumber");
    EXPECT_EQ(columns[0].caption, "运单号");
    EXPECT_EQ(columns[1].name, "startway");
    EXPECT_TRUE(columns[1].caption.isEmpty());
    EXPECT_EQ(columns[2].name, "fromName");
    EXPECT_EQ(columns[2].caption, "托运人");
}

// Without offered columns the operator types them; the form writes them into SQL unquoted, so
// only plain identifiers pass.
TEST(SearchDialogTest, TypedColumnsMustBePlainIdentifiers)
{
    GuiApplication();
    struct Case {
        QString column;
        bool kept;
    };
    const QList<Case> cases{
        {"cnoteNumber", true}, {"cnote.startway", true}, {"x=1 or 1", false}, {"a;drop table cnote", false}, {"", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.column.toStdString());
        SearchDialog dialog(PvData::FindSlot, {});
        for (int i = 0; i < SearchDialog::kLineCount; ++i)
            ASSERT_TRUE(dialog.SetLine(i, QString(), SearchDialog::Comparison::Equal, QString()));
        ASSERT_TRUE(dialog.SetLine(0, c.column, SearchDialog::Comparison::Like, QStringLiteral("v")));
        const PvData data = dialog.Definition();
        ASSERT_EQ(data.LineCount(), c.kept ? 1 : 0);
        if (c.kept)
            EXPECT_EQ(data.ColumnText(0, PvData::FindSlot), c.column + " like");
    }
}

TEST(SearchDialogTest, RefusesLinesItDoesNotHave)
{
    GuiApplication();
    SearchDialog dialog(PvData::FilterSlot, SearchDialog::ParseColumns({"a"}));
    EXPECT_FALSE(dialog.SetLine(-1, "a", SearchDialog::Comparison::Equal, "x"));
    EXPECT_FALSE(dialog.SetLine(SearchDialog::kLineCount, "a", SearchDialog::Comparison::Equal, "x"));
    EXPECT_FALSE(dialog.SetLine(0, "b", SearchDialog::Comparison::Equal, "x"));
}

}  // namespace
