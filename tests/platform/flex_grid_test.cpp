#include "GuiApplication.h"
#include "grid/FlexGrid.h"

#include <QTableView>

#include <gtest/gtest.h>

namespace {

class FlexGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GridModel& grid = m_grid.Grid();
        grid.SetRows(1001);
        grid.SetCols(6);
        for (int col = 0; col < 6; ++col)
            grid.SetColWidth(col, 1500);
        for (int row = 1; row < grid.Rows(); ++row)
            grid.SetTextMatrix(row, 0, QString::number(row));
        m_grid.resize(400, 300);
        m_grid.show();
    }

    QList<QTableView*> views() { return m_grid.findChildren<QTableView*>(Qt::FindDirectChildrenOnly); }

    QApplication& m_app = GuiApplication();
    FlexGrid m_grid;
};

TEST_F(FlexGridTest, TopRowScrollsToTheLastRow)
{
    EXPECT_EQ(m_grid.TopRow(), 1);
    m_grid.SetTopRow(m_grid.Grid().Rows() - 1);
    EXPECT_GT(m_grid.TopRow(), 980);
    m_grid.SetTopRow(400);
    EXPECT_EQ(m_grid.TopRow(), 400);
}

TEST_F(FlexGridTest, FixedAndFrozenColumnsStayAtTheLeft)
{
    GridModel& grid = m_grid.Grid();
    grid.SetFrozenCols(1);
    grid.SetColWidth(3, 0);
    QTableView* body = m_grid.Body();
    EXPECT_EQ(body->geometry().left(), 2 * 100);
    EXPECT_EQ(body->geometry().top(), 20);
    EXPECT_TRUE(body->isColumnHidden(0));
    EXPECT_TRUE(body->isColumnHidden(3));
    EXPECT_FALSE(body->isColumnHidden(2));
    EXPECT_EQ(body->columnWidth(2), 100);
    EXPECT_TRUE(body->isRowHidden(0));
    grid.SetRowHeight(0, 600);
    EXPECT_EQ(body->geometry().top(), 40);
}

TEST_F(FlexGridTest, TheHeadingRowSpansTheBodyOnceAHiddenGridIsShown)
{
    QWidget page;
    FlexGrid grid(&page);
    grid.Grid().SetRows(3);
    grid.Grid().SetCols(8);
    grid.setGeometry(0, 0, 900, 200);  // sized while hidden
    page.resize(1000, 300);
    page.show();
    QTableView* heading = nullptr;
    for (QTableView* view : grid.findChildren<QTableView*>(Qt::FindDirectChildrenOnly)) {
        if (view != grid.Body() && view->geometry().top() == 0 && view->geometry().left() == grid.Body()->x())
            heading = view;
    }
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->width(), grid.Body()->viewport()->width());
    EXPECT_GT(heading->width(), 800);
}

TEST_F(FlexGridTest, RowHeightsAndHiddenRowsReachTheView)
{
    GridModel& grid = m_grid.Grid();
    grid.SetRedraw(false);
    for (int row = 1; row < grid.Rows(); ++row)
        grid.SetRowHeight(row, 450);
    grid.SetRowHeight(5, 900);
    grid.SetRowHidden(7, true);
    grid.SetRedraw(true);
    QTableView* body = m_grid.Body();
    EXPECT_EQ(body->rowHeight(2), 30);
    EXPECT_EQ(body->rowHeight(5), 60);
    EXPECT_TRUE(body->isRowHidden(7));
    grid.SetRowHidden(7, false);
    EXPECT_FALSE(body->isRowHidden(7));
}

TEST_F(FlexGridTest, MergedFixedCellsSpanInTheHeadingView)
{
    GridModel& grid = m_grid.Grid();
    grid.SetFixedCols(0);
    grid.SetTextMatrix(0, 1, u"收入项目"_qs);
    grid.SetTextMatrix(0, 2, u"收入项目"_qs);
    grid.SetMergeRow(0, true);
    grid.SetMergeCells(GridCodes::MergeFixedOnly);
    int spanning = 0;
    for (QTableView* view : views())
        spanning += view->columnSpan(0, 1) == 2 && view->isVisible();
    EXPECT_EQ(spanning, 1);
    EXPECT_EQ(m_grid.Body()->columnSpan(0, 1), 1);
}

TEST_F(FlexGridTest, CurrentCellAndDoubleClick)
{
    m_grid.SetRow(10);
    m_grid.SetCol(2);
    EXPECT_EQ(m_grid.Row(), 10);
    EXPECT_EQ(m_grid.Col(), 2);
    int clicks = 0;
    QObject::connect(&m_grid, &FlexGrid::DblClick, [&] { ++clicks; });
    emit m_grid.Body()->doubleClicked(m_grid.Grid().index(10, 2));
    EXPECT_EQ(clicks, 1);
}

} // namespace
