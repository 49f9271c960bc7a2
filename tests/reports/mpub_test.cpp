#include "GuiApplication.h"
#include "grid/FlexGrid.h"
#include "mPub.h"
#include "settings/SettingsFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QColor Red(128, 0, 0);
const QColor GrandTotalBack(128, 255, 255);

class MPubTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_file = m_dir.filePath(u"RPT.txt"_qs);
        m_grid.setObjectName(u"Vs"_qs);
        m_grid.Grid().SetFixedCols(0);
    }

    GridModel& grid() { return m_grid.Grid(); }

    // Heading row plus one data row per line, cells separated by "|".
    void fill(const QStringList& lines)
    {
        grid().SetCols(int(lines.first().split(u'|').size()));
        grid().SetRows(int(lines.size()) + 1);
        for (int row = 0; row < lines.size(); ++row) {
            const QStringList cells = lines[row].split(u'|');
            for (int col = 0; col < cells.size(); ++col)
                grid().SetTextMatrix(row + 1, col, cells[col]);
        }
    }

    // Non-fixed rows as "a|b|c"; subtotal rows (fore colour 128) marked "*", grand totals "#".
    QStringList rows()
    {
        QStringList out;
        for (int row = grid().FixedRows(); row < grid().Rows(); ++row) {
            QStringList cells;
            for (int col = 0; col < grid().Cols(); ++col)
                cells << grid().TextMatrix(row, col);
            const QString mark = grid().CellForeColor(row, grid().Cols() - 1) == Red ? u"*"_qs
                : grid().RowBackColor(row) == GrandTotalBack                           ? u"#"_qs
                                                                                       : QString();
            out << mark + cells.join(u'|');
        }
        return out;
    }

    void layout(const QList<std::tuple<QString, QString, QString>>& entries)
    {
        SettingsFile file;
        file.Open(m_file);
        for (const auto& [section, key, value] : entries)
            file.WriteString(section, key, value);
    }

    QString stored(const QString& section, const QString& key)
    {
        SettingsFile file;
        file.Open(m_file);
        return file.ReadString(section, key, u"<none>"_qs);
    }

    QTemporaryDir m_dir;
    QString m_file;
    QApplication& m_app = GuiApplication();
    FlexGrid m_grid;
};

TEST_F(MPubTest, SaveThenLoadRoundTripsTheLook)
{
    fill({u"a|1|2"_qs, u"b|3|4"_qs});
    grid().SetColWidth(0, 2000);
    grid().SetColWidth(1, 0);
    grid().SetMergeCol(2, true);
    grid().SetColDataType(2, GridCodes::TypeDouble);
    grid().SetColFormat(2, u"#,##0.00"_qs);
    grid().SetColAlignment(2, GridCodes::RightCenter);
    grid().SetRowHeight(0, 450);
    grid().SetRowHeight(1, 375);
    grid().SetFrozenCols(1);
    mPub::SaveGridLayout(m_file, m_grid, false);
    EXPECT_EQ(stored(u"VsIsHidden"_qs, u"VsCol1"_qs), u"1"_qs);
    EXPECT_EQ(stored(u"VsColWidth"_qs, u"VsCol1"_qs), u"<none>"_qs);

    FlexGrid other;
    other.setObjectName(u"vS"_qs);
    GridModel& loaded = other.Grid();
    loaded.SetFixedCols(0);
    loaded.SetCols(3);
    loaded.SetRows(4);
    loaded.SetColWidth(1, 900);
    mPub::LoadGridLayout(m_file, other, false, {});
    EXPECT_EQ(loaded.ColWidth(0), 2000);
    EXPECT_EQ(loaded.ColWidth(1), 0);
    EXPECT_TRUE(loaded.MergeCol(2));
    EXPECT_FALSE(loaded.MergeCol(0));
    EXPECT_EQ(loaded.ColDataType(2), GridCodes::TypeDouble);
    EXPECT_EQ(loaded.ColFormat(2), u"#,##0.00"_qs);
    EXPECT_EQ(loaded.ColAlignment(2), GridCodes::RightCenter);
    EXPECT_EQ(loaded.RowHeight(0), 450);
    EXPECT_EQ(loaded.RowHeight(3), 375);
    EXPECT_EQ(loaded.FrozenCols(), 1);
}

TEST_F(MPubTest, AHiddenColumnStaysHiddenWhateverItsStoredWidth)
{
    fill({u"a|b"_qs});
    layout({{u"VsIsHidden"_qs, u"VsCol0"_qs, u"1"_qs}, {u"VsColWidth"_qs, u"VsCol0"_qs, u"1500"_qs},
        {u"VsColWidth"_qs, u"VsCol1"_qs, u"abc"_qs}});
    mPub::LoadGridLayout(m_file, m_grid, true, {});
    EXPECT_EQ(grid().ColWidth(0), 0);
    EXPECT_EQ(grid().ColWidth(1), 0);
}

TEST_F(MPubTest, WidthsOnlyLoadingTouchesOnlyWidthsAndCreatesNoFile)
{
    fill({u"b|2"_qs, u"a|1"_qs});
    grid().SetColFormat(1, u"0.0"_qs);
    mPub::LoadGridLayout(m_file, m_grid, true, {});
    EXPECT_FALSE(QFile::exists(m_file));

    layout({{u"VsColWidth"_qs, u"VsCol0"_qs, u"3000"_qs}, {u"VsIsSort"_qs, u"VsCol0"_qs, u"1"_qs},
        {u"VsColFormat"_qs, u"VsCol1"_qs, u"#,##0.00"_qs}, {u"VsIsGroupOn"_qs, u"VsCol0"_qs, u"1"_qs},
        {u"VsIsTotalOn"_qs, u"VsCol1"_qs, u"1"_qs}, {u"Vs"_qs, u"VsRowHeight"_qs, u"600"_qs},
        {u"Vs"_qs, u"VsFixedCols"_qs, u"1"_qs}});
    mPub::LoadGridLayout(m_file, m_grid, true, {});
    EXPECT_EQ(grid().ColWidth(0), 3000);
    EXPECT_EQ(rows(), (QStringList{u"b|2"_qs, u"a|1"_qs}));
    EXPECT_EQ(grid().ColFormat(1), u"0.0"_qs);
    EXPECT_EQ(grid().RowHeight(1), grid().DefaultRowHeight());
    EXPECT_EQ(grid().FrozenCols(), 0);
}

TEST_F(MPubTest, AFirstFullLoadCreatesTheFileFromTheGrid)
{
    fill({u"a|1"_qs});
    grid().SetColWidth(1, 2400);
    mPub::LoadGridLayout(m_file, m_grid, false, {});
    EXPECT_EQ(stored(u"VsColWidth"_qs, u"VsCol1"_qs), u"2400"_qs);
    EXPECT_EQ(stored(u"Vs"_qs, u"VsFixedCols"_qs), u"0"_qs);
    EXPECT_EQ(rows(), QStringList{u"a|1"_qs});
}

struct FormatCase {
    int type;
    QString stored;
    QString forced;   // VsColFormat_Xs, "" = none
    QString kind;     // VsColValDataType, "" = none
    QString expected;
};

TEST_F(MPubTest, ColumnFormatRule)
{
    using namespace GridCodes;
    const QList<FormatCase> cases{
        {TypeDouble, u"#,##0.00"_qs, u"3"_qs, {}, u"#,##0.###"_qs},
        {TypeDouble, u"#,##0.00"_qs, u"0"_qs, {}, u"#,##0"_qs},
        {TypeDouble, u"#,##0.00"_qs, {}, u"0"_qs, u"#,##0.00"_qs},
        {TypeDouble, u"#,##0.00"_qs, {}, {}, u"#,##0.00"_qs},
        {TypeNone, u" #,##0 "_qs, u"2"_qs, {}, u"#,##0.##"_qs},
        {TypeNone, u"#,##0.00"_qs, {}, u"3"_qs, u"#,##0.####"_qs},
        {TypeNone, u"#,##0.00"_qs, {}, u"1"_qs, u"#,##0"_qs},
        {TypeNone, u"#,##0.00"_qs, {}, u"9"_qs, u"#,##0.00"_qs},
        {TypeDouble, u"  "_qs, u"2"_qs, {}, QString()},
        {TypeString, u"###,##0"_qs, u"2"_qs, {}, QString()},
        {TypeLong, u" 0.00 "_qs, {}, u"3"_qs, u"0.00"_qs},
    };
    fill({QStringList(cases.size(), u"1"_qs).join(u'|')});
    QList<std::tuple<QString, QString, QString>> entries;
    for (int col = 0; col < cases.size(); ++col) {
        const QString key = u"VsCol"_qs + QString::number(col);
        entries.append({u"VsColDataType"_qs, key, QString::number(cases[col].type)});
        entries.append({u"VsColFormat"_qs, key, cases[col].stored});
        if (!cases[col].forced.isEmpty())
            entries.append({u"VsColFormat_Xs"_qs, key, cases[col].forced});
        if (!cases[col].kind.isEmpty())
            entries.append({u"VsColValDataType"_qs, key, cases[col].kind});
    }
    layout(entries);
    QList<std::pair<int, QString>> asked;
    const mPub::SettingLookup setting = [&](int group, const QString& key) {
        asked.append({group, key});
        return key == u"9" ? u"4"_qs : key == u"7" ? u"0"_qs : u"x"_qs;
    };
    mPub::LoadGridLayout(m_file, m_grid, false, setting);
    for (int col = 0; col < cases.size(); ++col)
        EXPECT_EQ(grid().ColFormat(col), cases[col].expected) << "column " << col;
    EXPECT_EQ(asked, (QList<std::pair<int, QString>>{{12, u"9"_qs}, {12, u"7"_qs}}));
}

class MPubSubtotalTest : public MPubTest {
protected:
    void SetUp() override
    {
        MPubTest::SetUp();
        fill({u"甲|001|北京|100|2"_qs, u"乙|002|上海|50|1"_qs, u"丙|003|北京|30.5|3"_qs});
        layout({{u"VsIsSort"_qs, u"VsCol2"_qs, u"1"_qs}, {u"VsIsGroupOn"_qs, u"VsCol2"_qs, u"1"_qs},
            {u"VsIsTotalOn"_qs, u"VsCol3"_qs, u"1"_qs}, {u"VsIsTotalOn"_qs, u"VsCol4"_qs, u"1"_qs}});
    }
};

TEST_F(MPubSubtotalTest, OneGroupColumnGivesSubtotalsAndAGrandTotal)
{
    mPub::LoadGridLayout(m_file, m_grid, false, {});
    EXPECT_EQ(rows(), (QStringList{u"乙|002|上海|50|1"_qs, u"*上海小计|||50|1"_qs, u"甲|001|北京|100|2"_qs,
                          u"丙|003|北京|30.5|3"_qs, u"*北京小计|||130.5|5"_qs, u"#合计|||180.5|6"_qs}));
    EXPECT_TRUE(grid().RowBold(grid().Rows() - 1));
}

TEST_F(MPubSubtotalTest, HiddenFirstColumnsStillShowTheCaptions)
{
    layout({{u"VsIsHidden"_qs, u"VsCol0"_qs, u"1"_qs}, {u"VsIsHidden"_qs, u"VsCol1"_qs, u"1"_qs}});
    mPub::LoadGridLayout(m_file, m_grid, false, {});
    EXPECT_EQ(rows(), (QStringList{u"乙|002|上海|50|1"_qs, u"*上海小计||上海小计|50|1"_qs, u"甲|001|北京|100|2"_qs,
                          u"丙|003|北京|30.5|3"_qs, u"*北京小计||北京小计|130.5|5"_qs, u"#合计||合计|180.5|6"_qs}));
}

TEST_F(MPubSubtotalTest, GroupColumnsWithoutTotalColumnsGiveNoSubtotalRows)
{
    layout({{u"VsIsTotalOn"_qs, u"VsCol3"_qs, u"0"_qs}, {u"VsIsTotalOn"_qs, u"VsCol4"_qs, u"0"_qs}});
    mPub::LoadGridLayout(m_file, m_grid, false, {});
    EXPECT_EQ(rows(), (QStringList{u"乙|002|上海|50|1"_qs, u"甲|001|北京|100|2"_qs, u"丙|003|北京|30.5|3"_qs}));
}

TEST_F(MPubSubtotalTest, ALoadAfterALoadRebuildsTheSubtotals)
{
    mPub::LoadGridLayout(m_file, m_grid, false, {});
    layout({{u"Vs"_qs, u"VsTotalSave"_qs, u"1"_qs}});
    mPub::LoadGridLayout(m_file, m_grid, false, {});
    EXPECT_EQ(rows().size(), 6);
    EXPECT_EQ(rows().last(), u"#合计|||180.5|6"_qs);
}

TEST_F(MPubTest, TwoGroupColumnsNestAndClearTheLeadingCells)
{
    fill({u"本|北京|自提|10"_qs, u"本|北京|自提|20"_qs, u"本|北京|送货|5"_qs, u"本|上海|自提|7"_qs});
    layout({{u"VsIsGroupOn"_qs, u"VsCol1"_qs, u"1"_qs}, {u"VsIsGroupOn"_qs, u"VsCol2"_qs, u"1"_qs},
        {u"VsIsTotalOn"_qs, u"VsCol3"_qs, u"1"_qs}});
    mPub::LoadGridLayout(m_file, m_grid, false, {});
    EXPECT_EQ(rows(), (QStringList{u"本|北京|自提|10"_qs, u"本|北京|自提|20"_qs, u"*|北京|自提小计|30"_qs,
                          u"本|北京|送货|5"_qs, u"*|北京|送货小计|5"_qs, u"*|北京小计||35"_qs, u"本|上海|自提|7"_qs,
                          u"*|上海|自提小计|7"_qs, u"*|上海小计||7"_qs, u"#合计|||42"_qs}));
}

TEST_F(MPubTest, SectionSuffixFollowsTheGridNameAndIndex)
{
    struct Case {
        QString name;
        int index;
        QString suffix;
    };
    const Case cases[] = {{u"Vs"_qs, -1, QString()}, {u"VS"_qs, -1, QString()}, {u"vs"_qs, 3, u"_3"_qs},
        {u"VsMx"_qs, 2, u"_VsMx_2"_qs}, {u"kvGrid"_qs, -1, u"_kvGrid"_qs}};
    for (const Case& c : cases) {
        QObject control;
        control.setObjectName(c.name);
        if (c.index >= 0)
            control.setProperty(mPub::ControlIndexProperty, c.index);
        EXPECT_EQ(mPub::LayoutSuffix(control), c.suffix) << c.name.toStdString();
        EXPECT_EQ(mPub::GetControlIndex(control), c.index);
    }
    fill({u"a"_qs});
    m_grid.setObjectName(u"VsMx"_qs);
    m_grid.setProperty(mPub::ControlIndexProperty, 2);
    mPub::SaveGridLayout(m_file, m_grid, true);
    EXPECT_EQ(stored(u"VsIsHidden_VsMx_2"_qs, u"VsCol0"_qs), u"0"_qs);
    EXPECT_EQ(stored(u"VsIsHidden"_qs, u"VsCol0"_qs), u"<none>"_qs);
}

TEST_F(MPubTest, LayoutFilePathCreatesTheFolder)
{
    const QString path = mPub::LayoutFilePath(u"CNOTE_S101"_qs, m_dir.path());
    EXPECT_EQ(path, m_dir.path() + u"/selfbb/CNOTE_S101.txt"_qs);
    EXPECT_TRUE(QFileInfo(m_dir.path() + u"/selfbb"_qs).isDir());
}

// An entry box as the form-state records see it.
class EntryBox : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Value MEMBER m_value)
    Q_PROPERTY(QString Text MEMBER m_text)
public:
    QString m_value;
    QString m_text;
};

TEST_F(MPubTest, FormStateRoundTripsEveryControlKind)
{
    QWidget form;
    auto* box = new EntryBox;
    box->setParent(&form);
    box->setObjectName(u"kvTxt"_qs);
    box->setProperty(mPub::ControlTypeProperty, u"kvTxt_S"_qs);
    box->setProperty(mPub::ControlIndexProperty, 3);
    box->m_value = u" 101 "_qs;
    box->m_text = u" 北京 "_qs;
    auto* check = new QCheckBox(&form);
    check->setObjectName(u"chkTH"_qs);
    check->setChecked(true);
    auto* line = new QLineEdit(u" abc "_qs, &form);
    line->setObjectName(u"Text1"_qs);
    auto* combo = new QComboBox(&form);
    combo->setObjectName(u"Combo1"_qs);
    combo->setEditable(true);
    combo->setCurrentText(u"x"_qs);
    auto* option = new QRadioButton(&form);
    option->setObjectName(u"Opt"_qs);
    option->setChecked(true);
    auto* date = new QDateEdit(QDate(2024, 2, 29), &form);
    date->setObjectName(u"DTP"_qs);
    auto* list = new QListWidget(&form);
    list->setObjectName(u"List"_qs);
    list->addItems({u"a"_qs, u"b"_qs});
    list->setCurrentRow(1);
    auto* goods = new FlexGrid(&form);
    goods->setObjectName(u"kvGrid"_qs);
    goods->setProperty(mPub::ControlTypeProperty, u"kvGrid"_qs);
    goods->Grid().SetColWidth(1, 1800);
    m_grid.Grid().SetColWidth(0, 2100);
    const QList<QObject*> controls{box, check, line, combo, option, date, list, goods, &m_grid};
    mPub::SaveFormState(m_file, controls, false);

    EXPECT_EQ(stored(u"Form"_qs, u"KVTXT_S_kvTxt_3_Value"_qs), u"101"_qs);
    EXPECT_EQ(stored(u"Form"_qs, u"KVTXT_S_kvTxt_3_Text"_qs), u"北京"_qs);
    EXPECT_EQ(stored(u"Form"_qs, u"CHECKBOX_chkTH"_qs), u"2"_qs);
    EXPECT_EQ(stored(u"Form"_qs, u"TEXTBOX_Text1"_qs), u"abc"_qs);
    EXPECT_EQ(stored(u"Form"_qs, u"DTPICKER_DTP"_qs), u"2024-02-29"_qs);
    EXPECT_EQ(stored(u"Form"_qs, u"LISTVIEW_List"_qs), u"1"_qs);
    EXPECT_EQ(stored(u"Form"_qs, u"KVGRID_kvGrid_Col1"_qs), u"1800"_qs);
    EXPECT_EQ(stored(u"VsColWidth"_qs, u"VsCol0"_qs), u"2100"_qs);
    EXPECT_EQ(stored(u"Vs"_qs, u"VsFixedCols"_qs), u"0"_qs);

    box->m_value.clear();
    box->m_text.clear();
    check->setChecked(false);
    line->clear();
    combo->setCurrentText({});
    option->setChecked(false);
    date->setDate(QDate(2000, 1, 1));
    goods->Grid().SetColWidth(1, 100);
    m_grid.Grid().SetColWidth(0, 100);
    mPub::LoadFormState(m_file, controls, true, {});
    EXPECT_EQ(box->m_value, u"101"_qs);
    EXPECT_EQ(box->m_text, u"北京"_qs);
    EXPECT_TRUE(check->isChecked());
    EXPECT_EQ(line->text(), u"abc"_qs);
    EXPECT_EQ(combo->currentText(), u"x"_qs);
    EXPECT_TRUE(option->isChecked());
    EXPECT_EQ(date->date(), QDate(2024, 2, 29));
    EXPECT_EQ(goods->Grid().ColWidth(1), 1800);
    EXPECT_EQ(m_grid.Grid().ColWidth(0), 2100);
}

TEST_F(MPubTest, FormStateFromAMissingFileKeepsTheControls)
{
    QLineEdit line(u"kept"_qs);
    line.setObjectName(u"Text1"_qs);
    QListWidget list;
    list.setObjectName(u"List"_qs);
    mPub::LoadFormState(m_file, {&line, &list}, true, {});
    EXPECT_EQ(line.text(), u"kept"_qs);
    mPub::SaveFormState(m_file, {&list}, false);
    EXPECT_EQ(stored(u"Form"_qs, u"LISTVIEW_List"_qs), u"<none>"_qs);
}

} // namespace

#include "mpub_test.moc"
