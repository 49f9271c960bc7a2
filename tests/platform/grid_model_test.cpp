#include "GuiApplication.h"
#include "grid/GridModel.h"

#include <QBrush>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

using namespace GridCodes;

const QColor Red(128, 0, 0);

class GridModelTest : public ::testing::Test {
protected:
    void SetUp() override { GuiApplication(); }

    // Heading row plus one data row per line, cells separated by "|".
    void fill(const QStringList& lines)
    {
        m_grid.SetFixedCols(0);
        m_grid.SetCols(int(lines.first().split(u'|').size()));
        m_grid.SetRows(int(lines.size()) + 1);
        for (int row = 0; row < lines.size(); ++row) {
            const QStringList cells = lines[row].split(u'|');
            for (int col = 0; col < cells.size(); ++col)
                m_grid.SetTextMatrix(row + 1, col, cells[col]);
        }
    }

    // Non-fixed rows as "a|b|c", subtotal rows marked with a leading "*".
    QStringList rows() const
    {
        QStringList out;
        for (int row = m_grid.FixedRows(); row < m_grid.Rows(); ++row) {
            QStringList cells;
            for (int col = 0; col < m_grid.Cols(); ++col)
                cells << m_grid.TextMatrix(row, col);
            out << (m_grid.IsSubtotal(row) ? u"*"_qs : QString()) + cells.join(u'|');
        }
        return out;
    }

    GridModel m_grid;
};

TEST_F(GridModelTest, RowsAndColsKeepTheCellsTheyStillCover)
{
    m_grid.SetCols(3);
    m_grid.SetRows(4);
    m_grid.SetTextMatrix(3, 2, u"c"_qs);
    m_grid.SetTextMatrix(1, 1, u"b"_qs);
    m_grid.SetRows(3);
    m_grid.SetRows(5);
    m_grid.SetCols(5);
    EXPECT_EQ(m_grid.TextMatrix(1, 1), u"b"_qs);
    EXPECT_EQ(m_grid.TextMatrix(3, 2), QString());
    EXPECT_EQ(m_grid.TextMatrix(4, 4), QString());
    EXPECT_EQ(m_grid.rowCount(), 5);
    EXPECT_EQ(m_grid.columnCount(), 5);
}

TEST_F(GridModelTest, ManyOverwritesKeepEveryCell)
{
    m_grid.SetCols(2);
    m_grid.SetRows(200);
    for (int round = 0; round < 50; ++round) {
        for (int row = 0; row < 200; ++row)
            m_grid.SetTextMatrix(row, 1, QString::number(row * 1000 + round));
    }
    m_grid.SetTextMatrix(5, 1, m_grid.TextMatrix(7, 1));
    EXPECT_EQ(m_grid.TextMatrix(199, 1), u"199049"_qs);
    EXPECT_EQ(m_grid.TextMatrix(5, 1), u"7049"_qs);
}

TEST_F(GridModelTest, FormatStringSetsColumnsHeadingsAndPaddedWidths)
{
    m_grid.SetRows(0);
    m_grid.SetFormatString(u"行号|货物名称           |件数"_qs);
    ASSERT_EQ(m_grid.Cols(), 3);
    EXPECT_EQ(m_grid.TextMatrix(0, 1), u"货物名称"_qs);
    EXPECT_GT(m_grid.ColWidth(1), m_grid.ColWidth(0));
    EXPECT_GT(m_grid.ColWidth(2), 0);
}

TEST_F(GridModelTest, DisplayTextFormatsNumbersOfNumericColumnsOnly)
{
    fill({u"1234.5|1234.5|abc"_qs});
    for (int col = 0; col < 3; ++col)
        m_grid.SetColFormat(col, u"#,##0.00"_qs);
    m_grid.SetColDataType(1, TypeString);
    m_grid.SetTextMatrix(0, 0, u"5"_qs);
    EXPECT_EQ(m_grid.DisplayText(1, 0), u"1,234.50"_qs);
    EXPECT_EQ(m_grid.DisplayText(1, 1), u"1234.5"_qs);
    EXPECT_EQ(m_grid.DisplayText(1, 2), u"abc"_qs);
    EXPECT_EQ(m_grid.DisplayText(0, 0), u"5"_qs);
    EXPECT_EQ(m_grid.TextMatrix(1, 0), u"1234.5"_qs);
}

struct SortCase {
    int code;
    QStringList expected;
};

TEST_F(GridModelTest, SortCodes)
{
    const QStringList data{u"b"_qs, u"10"_qs, u"B"_qs, u"9"_qs, u"a"_qs, u""_qs};
    const SortCase cases[] = {
        {SortNone, data},
        {SortGenericAscending, {u"9"_qs, u"10"_qs, u""_qs, u"a"_qs, u"b"_qs, u"B"_qs}},
        {SortGenericDescending, {u"b"_qs, u"B"_qs, u"a"_qs, u""_qs, u"10"_qs, u"9"_qs}},
        {SortNumericAscending, {u"b"_qs, u"B"_qs, u"a"_qs, u""_qs, u"9"_qs, u"10"_qs}},
        {SortNumericDescending, {u"10"_qs, u"9"_qs, u"b"_qs, u"B"_qs, u"a"_qs, u""_qs}},
        {SortTextNoCaseAscending, {u""_qs, u"10"_qs, u"9"_qs, u"a"_qs, u"b"_qs, u"B"_qs}},
        {SortTextAscending, {u""_qs, u"10"_qs, u"9"_qs, u"B"_qs, u"a"_qs, u"b"_qs}},
    };
    for (const SortCase& c : cases) {
        fill(data);
        m_grid.Sort(c.code, 0);
        EXPECT_EQ(rows(), c.expected) << "code " << c.code;
    }
}

TEST_F(GridModelTest, SuccessiveSortsRefineAndCarryRowSettings)
{
    fill({u"x|2"_qs, u"y|1"_qs, u"x|1"_qs});
    m_grid.SetCellForeColor(1, 1, Red);
    m_grid.Sort(SortGenericAscending, 1);
    m_grid.Sort(SortGenericAscending, 0);
    EXPECT_EQ(rows(), (QStringList{u"x|1"_qs, u"x|2"_qs, u"y|1"_qs}));
    EXPECT_EQ(m_grid.CellForeColor(2, 1), Red);
    EXPECT_FALSE(m_grid.CellForeColor(1, 1).isValid());
}

TEST_F(GridModelTest, SubtotalsPerGroupWithCopiedKeysAndCaptions)
{
    fill({u"A|x|1"_qs, u"A|x|2"_qs, u"A|y|4"_qs, u"B|y|8"_qs});
    m_grid.Subtotal(SubtotalSum, 1, 2, {}, {}, Red, true, u"%s小计"_qs);
    EXPECT_EQ(rows(), (QStringList{u"A|x|1"_qs, u"A|x|2"_qs, u"*A|x小计|3"_qs, u"A|y|4"_qs, u"*A|y小计|4"_qs,
                          u"B|y|8"_qs, u"*B|y小计|8"_qs}));
    EXPECT_EQ(m_grid.CellForeColor(3, 0), Red);
    EXPECT_TRUE(m_grid.RowBold(3));
    EXPECT_FALSE(m_grid.CellForeColor(1, 0).isValid());
}

TEST_F(GridModelTest, TotalsOnlyMatchFromOneColumnAndFurtherTotalColumns)
{
    fill({u"A|x|1|10"_qs, u"B|x|2|20"_qs, u"A|y|4|40"_qs});
    m_grid.Subtotal(SubtotalSum, 1, 2, {}, {}, Red, true, u"%s小计"_qs, 1, true);
    m_grid.Subtotal(SubtotalSum, 1, 3, u"#,##0.00"_qs, {}, Red, true, u"%s小计"_qs, 1, true);
    m_grid.Subtotal(SubtotalSum, -1, 2, {}, QColor(128, 255, 255), {}, true, u"合计"_qs);
    m_grid.Subtotal(SubtotalSum, -1, 3, {}, QColor(128, 255, 255), {}, true, u"合计"_qs);
    EXPECT_EQ(rows(), (QStringList{u"A|x|1|10"_qs, u"B|x|2|20"_qs, u"*x小计||3|30.00"_qs, u"A|y|4|40"_qs,
                          u"*y小计||4|40.00"_qs, u"*合计||7|70"_qs}));
    EXPECT_EQ(m_grid.RowBackColor(m_grid.Rows() - 1), QColor(128, 255, 255));
}

TEST_F(GridModelTest, NestedLevelsStackBelowTheirGroups)
{
    fill({u"A|x|1"_qs, u"A|y|2"_qs, u"B|y|4"_qs});
    m_grid.Subtotal(SubtotalSum, 0, 2, {}, {}, {}, false, u"%s"_qs);
    m_grid.Subtotal(SubtotalSum, 1, 2, {}, {}, {}, false, u"%s+"_qs);
    m_grid.Subtotal(SubtotalSum, -1, 2, {}, {}, {}, false, u"T"_qs);
    EXPECT_EQ(rows(), (QStringList{u"A|x|1"_qs, u"*A|x+|1"_qs, u"A|y|2"_qs, u"*A|y+|2"_qs, u"*A||3"_qs, u"B|y|4"_qs,
                          u"*B|y+|4"_qs, u"*B||4"_qs, u"*T||7"_qs}));
}

TEST_F(GridModelTest, SubtotalsAboveAndOtherFunctions)
{
    fill({u"A|1"_qs, u"A|3"_qs, u"B|x"_qs});
    m_grid.SetSubtotalPosition(SubtotalAbove);
    m_grid.Subtotal(SubtotalAverage, 0, 1, {}, {}, {}, false, u"%s"_qs);
    EXPECT_EQ(rows(), (QStringList{u"*A|2"_qs, u"A|1"_qs, u"A|3"_qs, u"*B|"_qs, u"B|x"_qs}));
    m_grid.Subtotal(SubtotalClear, 0, 0);
    m_grid.SetSubtotalPosition(SubtotalBelow);
    m_grid.Subtotal(SubtotalCount, -1, 1, {}, {}, {}, false, u"n"_qs);
    m_grid.Subtotal(SubtotalMax, 0, 1, {}, {}, {}, false, u"%s"_qs);
    EXPECT_EQ(rows(), (QStringList{u"A|1"_qs, u"A|3"_qs, u"*A|3"_qs, u"B|x"_qs, u"*B|"_qs, u"*n|3"_qs}));
}

TEST_F(GridModelTest, ClearingSubtotalsAndSortingRemoveSubtotalRowsOnly)
{
    fill({u"A|0.1"_qs, u"A|0.2"_qs});
    m_grid.Subtotal(SubtotalSum, -1, 1, {}, {}, {}, false, u"T"_qs);
    EXPECT_EQ(rows().last(), u"*T|0.3"_qs);
    m_grid.Sort(SortGenericDescending, 1);
    EXPECT_EQ(rows(), (QStringList{u"A|0.2"_qs, u"A|0.1"_qs}));
    m_grid.Subtotal(SubtotalSum, 0, 1, {}, {}, {}, false, u"%s"_qs);
    m_grid.Subtotal(SubtotalClear, -1, 0);
    EXPECT_EQ(rows(), (QStringList{u"A|0.2"_qs, u"A|0.1"_qs}));
}

TEST_F(GridModelTest, SubtotalsOfAnEmptyGridAddNoRows)
{
    fill({u"A|1"_qs});
    m_grid.SetRows(1);
    m_grid.Subtotal(SubtotalSum, -1, 1, {}, {}, {}, false, u"T"_qs);
    EXPECT_EQ(m_grid.Rows(), 1);
}

TEST_F(GridModelTest, FindRow)
{
    fill({u"Apple"_qs, u"pear"_qs, u"apple pie"_qs});
    EXPECT_EQ(m_grid.FindRow(u"apple"_qs, 1, 0), 1);
    EXPECT_EQ(m_grid.FindRow(u"apple"_qs, 2, 0), -1);
    EXPECT_EQ(m_grid.FindRow(u"apple"_qs, 2, 0, false, false), 3);
    EXPECT_EQ(m_grid.FindRow(u"apple"_qs, 1, 0, true, true), -1);
    EXPECT_EQ(m_grid.FindRow(u"pear"_qs, 0, 5), -1);
}

TEST_F(GridModelTest, MergingLimitedToFixedCells)
{
    fill({u"收入项目|收入项目|运单号"_qs, u"same|same|same"_qs, u"same|same|same"_qs});
    m_grid.SetFixedRows(2);
    m_grid.SetTextMatrix(0, 2, u"运单号"_qs);
    m_grid.SetMergeCol(2, true);
    m_grid.SetMergeRow(0, true);
    m_grid.SetMergeRow(2, true);
    EXPECT_TRUE(m_grid.MergedRanges().isEmpty());
    m_grid.SetMergeCells(MergeFixedOnly);
    EXPECT_EQ(m_grid.MergedRanges(), (QList<QRect>{QRect(2, 0, 1, 2)}));
    m_grid.SetMergeRow(1, true);
    EXPECT_EQ(m_grid.MergedRanges(), (QList<QRect>{QRect(2, 0, 1, 2), QRect(0, 1, 2, 1)}));
    m_grid.SetMergeCells(MergeFree);
    EXPECT_EQ(m_grid.MergedRanges(), (QList<QRect>{QRect(2, 0, 1, 2), QRect(2, 2, 1, 2), QRect(0, 1, 2, 1), QRect(0, 2, 2, 1)}));
}

TEST_F(GridModelTest, EditableModeFollowsColumnKinds)
{
    fill({u"1|a|2"_qs});
    m_grid.SetFixedCols(1);
    m_grid.SetColKind(1, KindText);
    m_grid.SetColKind(2, KindNumber);
    const QModelIndex text = m_grid.index(1, 1);
    const QModelIndex number = m_grid.index(1, 2);
    EXPECT_FALSE(m_grid.setData(text, u"b"_qs, Qt::EditRole));
    m_grid.SetEditable(true);
    EXPECT_FALSE(m_grid.flags(m_grid.index(1, 0)) & Qt::ItemIsEditable);
    EXPECT_FALSE(m_grid.flags(m_grid.index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_TRUE(m_grid.setData(text, u" b "_qs, Qt::EditRole));
    EXPECT_FALSE(m_grid.setData(number, u"12kg"_qs, Qt::EditRole));
    EXPECT_TRUE(m_grid.setData(number, u" 12.5 "_qs, Qt::EditRole));
    EXPECT_EQ(rows(), (QStringList{u"1| b |12.5"_qs}));
    m_grid.SetColKind(2, KindReadOnly);
    EXPECT_FALSE(m_grid.setData(number, u"3"_qs, Qt::EditRole));
    m_grid.ResetColumn(2);
    EXPECT_TRUE(m_grid.setData(number, u"3"_qs, Qt::EditRole));
    EXPECT_TRUE(m_grid.ColPrintable(2));
}

TEST_F(GridModelTest, RedrawOffHoldsNotificationsUntilSwitchedOn)
{
    fill({u"a"_qs});
    QSignalSpy resets(&m_grid, &QAbstractItemModel::modelReset);
    QSignalSpy cells(&m_grid, &QAbstractItemModel::dataChanged);
    QSignalSpy layouts(&m_grid, &GridModel::LayoutChanged);
    m_grid.SetRedraw(false);
    m_grid.SetRows(100);
    m_grid.SetTextMatrix(50, 0, u"x"_qs);
    m_grid.SetColWidth(0, 300);
    EXPECT_EQ(resets.count() + cells.count() + layouts.count(), 0);
    m_grid.SetRedraw(true);
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(layouts.count(), 1);
    m_grid.SetTextMatrix(50, 0, u"y"_qs);
    EXPECT_EQ(cells.count(), 1);
}

TEST_F(GridModelTest, ModelRolesShowFormatsColoursAndAlignment)
{
    fill({u"12|abc"_qs});
    m_grid.SetColFormat(0, u"0.0"_qs);
    m_grid.SetColAlignment(1, RightBottom);
    m_grid.SetFixedAlignment(1, CenterCenter);
    m_grid.SetCellForeColor(1, 1, Red);
    EXPECT_EQ(m_grid.data(m_grid.index(1, 0), Qt::DisplayRole).toString(), u"12.0"_qs);
    EXPECT_EQ(m_grid.data(m_grid.index(1, 0), Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(m_grid.data(m_grid.index(1, 1), Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignRight | Qt::AlignBottom);
    EXPECT_EQ(m_grid.data(m_grid.index(0, 1), Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignCenter);
    EXPECT_EQ(m_grid.data(m_grid.index(1, 1), Qt::ForegroundRole).value<QBrush>().color(), Red);
}

} // namespace
