#include "mPub.h"

#include "grid/FlexGrid.h"
#include "grid/NumberFormat.h"
#include "settings/SettingsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <cmath>

namespace mPub {
namespace {

const QColor SubtotalColor(128, 0, 0);
const QColor GrandTotalBackColor(128, 255, 255);
const QString SubtotalCaption = u"小计"_qs;
const QString GrandTotalCaption = u"合计"_qs;
// Setting number of group 12 holding the decimal places of value kinds 1 to 8.
constexpr int DecimalSettings[] = {7, 8, 9, 12, 10, 13, 11, 14};

int number(const QString& text)
{
    const double value = NumberFormat::Parse(text).value_or(0);
    return std::isfinite(value) && std::fabs(value) < 2e9 ? int(std::lround(value)) : 0;
}

QString colKey(int col)
{
    return u"VsCol"_qs + QString::number(col);
}

QString withDecimals(const QString& integerPart, int decimals)
{
    return decimals > 0 ? integerPart + u'.' + QString(decimals, u'#') : integerPart;
}

// The column format a layout gives, from the column's type after its type has been loaded.
QString loadedFormat(const SettingsFile& file, const QString& suffix, int col, const QString& current, int type, const SettingLookup& setting)
{
    const QString stored = file.ReadString(u"VsColFormat"_qs + suffix, colKey(col), current);
    if (type != GridCodes::TypeNone && type != GridCodes::TypeDouble) {
        const QString trimmed = stored.trimmed();
        return trimmed.contains(u"###"_qs) ? QString() : trimmed;
    }
    const QString trimmed = stored.trimmed();
    if (trimmed.isEmpty())
        return {};
    const QString integerPart = trimmed.contains(u'.') ? trimmed.left(trimmed.indexOf(u'.')) : trimmed;
    const QString forced = file.ReadString(u"VsColFormat_Xs"_qs + suffix, colKey(col), {}).trimmed();
    if (!forced.isEmpty())
        return withDecimals(integerPart, number(forced));
    const int kind = number(file.ReadString(u"VsColValDataType"_qs + suffix, colKey(col), u"0"_qs));
    if (kind < 1 || kind > 8)
        return stored;
    const QString decimals = setting ? setting(12, QString::number(DecimalSettings[kind - 1])) : QString();
    return withDecimals(integerPart, number(decimals));
}

int firstVisibleColumn(const GridModel& grid)
{
    for (int col = grid.FixedCols(); col < grid.Cols(); ++col) {
        if (!grid.ColHidden(col) && grid.ColWidth(col) > 0)
            return col;
    }
    return grid.FixedCols();
}

bool isSubtotalRow(const GridModel& grid, int row)
{
    for (int col = grid.FixedCols(); col < grid.Cols(); ++col) {
        if (grid.CellForeColor(row, col) != SubtotalColor)
            return false;
    }
    return true;
}

void cleanUpCaptions(GridModel& grid, const QList<int>& groups, int visibleCol)
{
    if (groups.size() == 1) {
        for (int row = grid.FixedRows(); row < grid.Rows(); ++row) {
            if (isSubtotalRow(grid, row))
                grid.SetTextMatrix(row, visibleCol, grid.TextMatrix(row, grid.FixedCols()));
        }
        return;
    }
    QSet<int> handled;
    for (int row = grid.FixedRows(); row < grid.Rows(); ++row) {
        for (int group : groups) {
            if (handled.contains(row) || grid.CellForeColor(row, group) != SubtotalColor)
                continue;
            for (int col = 0; col < group; ++col)
                grid.SetTextMatrix(row, col, {});
            handled.insert(row);
        }
    }
}

void buildSubtotals(GridModel& grid, const QList<int>& groups, const QList<int>& totals)
{
    grid.Subtotal(GridCodes::SubtotalClear, -1, 0);
    grid.SetSubtotalPosition(GridCodes::SubtotalBelow);
    const int visibleCol = firstVisibleColumn(grid);
    const bool single = groups.size() == 1;
    for (int group : groups) {
        for (int total : totals)
            grid.Subtotal(GridCodes::SubtotalSum, group, total, {}, {}, SubtotalColor, true, u"%s"_qs + SubtotalCaption, single ? group : -1, single);
    }
    cleanUpCaptions(grid, groups, visibleCol);
    for (int total : totals)
        grid.Subtotal(GridCodes::SubtotalSum, -1, total, {}, GrandTotalBackColor, {}, true, GrandTotalCaption);
    if (visibleCol != grid.FixedCols() && grid.Rows() > 0)
        grid.SetTextMatrix(grid.Rows() - 1, visibleCol, GrandTotalCaption);
}

void loadRowHeights(const SettingsFile& file, const QString& section, GridModel& grid)
{
    const int fixedRows = std::min(grid.FixedRows(), grid.Rows());
    const int usual = grid.Rows() > fixedRows ? grid.RowHeight(fixedRows) : 0;
    const int height = number(file.ReadString(section, u"VsRowHeight"_qs, QString::number(usual)));
    for (int row = fixedRows; row < grid.Rows(); ++row)
        grid.SetRowHeight(row, height);
    const int fixedUsual = fixedRows > 0 ? grid.RowHeight(0) : height;
    const int fixedHeight = number(file.ReadString(section, u"VsFixedRowHeight"_qs, QString::number(fixedUsual)));
    for (int row = 0; row < fixedRows; ++row)
        grid.SetRowHeight(row, fixedHeight);
}

} // namespace

QString LayoutFilePath(const QString& name, const QString& appPath)
{
    const QString folder = QDir(appPath).filePath(u"selfbb"_qs);
    QDir().mkpath(folder);
    return QDir(folder).filePath(name + u".txt"_qs);
}

qint16 GetControlIndex(const QObject& control)
{
    bool ok = false;
    const int index = control.property(ControlIndexProperty).toInt(&ok);
    return ok && index >= 0 && index <= 32767 ? qint16(index) : qint16(-1);
}

QString LayoutSuffix(const QObject& grid)
{
    const int index = GetControlIndex(grid);
    const QString indexPart = index < 0 ? QString() : u'_' + QString::number(index);
    if (grid.objectName().compare(u"Vs"_qs, Qt::CaseInsensitive) == 0)
        return indexPart;
    return u'_' + grid.objectName() + indexPart;
}

void SaveGridLayout(const QString& fileName, const FlexGrid& flexGrid, bool widthsOnly)
{
    const GridModel& grid = flexGrid.Grid();
    SettingsFile file;
    file.Open(fileName);
    const QString suffix = LayoutSuffix(flexGrid);
    for (int col = 0; col < grid.Cols(); ++col) {
        const QString key = colKey(col);
        const int width = grid.ColWidth(col);
        file.WriteString(u"VsIsHidden"_qs + suffix, key, width == 0 ? u"1"_qs : u"0"_qs);
        if (width > 0)
            file.WriteString(u"VsColWidth"_qs + suffix, key, QString::number(width));
        if (widthsOnly)
            continue;
        file.WriteString(u"VsIsColMerge"_qs + suffix, key, grid.MergeCol(col) ? u"1"_qs : u"0"_qs);
        file.WriteString(u"VsColDataType"_qs + suffix, key, QString::number(grid.ColDataType(col)));
        file.WriteString(u"VsColFormat"_qs + suffix, key, grid.ColFormat(col));
        file.WriteString(u"VsColAlignment"_qs + suffix, key, QString::number(grid.ColAlignment(col)));
    }
    if (!widthsOnly) {
        const QString section = u"Vs"_qs + suffix;
        if (grid.Rows() > grid.FixedRows())
            file.WriteString(section, u"VsRowHeight"_qs, QString::number(grid.RowHeight(grid.FixedRows())));
        if (grid.FixedRows() > 0 && grid.Rows() > 0)
            file.WriteString(section, u"VsFixedRowHeight"_qs, QString::number(grid.RowHeight(0)));
        file.WriteString(section, u"VsFixedCols"_qs, QString::number(grid.FrozenCols()));
    }
    file.Flush();
}

void LoadGridLayout(const QString& fileName, FlexGrid& flexGrid, bool widthsOnly, const SettingLookup& setting)
{
    GridModel& grid = flexGrid.Grid();
    const bool existed = QFileInfo::exists(fileName);
    const bool redraw = flexGrid.Redraw();
    flexGrid.SetRedraw(false);
    SettingsFile file;
    file.Open(fileName);
    const QString suffix = LayoutSuffix(flexGrid);
    QList<int> groups;
    QList<int> totals;
    for (int col = 0; col < grid.Cols(); ++col) {
        const QString key = colKey(col);
        const QString currentHidden = grid.ColWidth(col) == 0 ? u"1"_qs : u"0"_qs;
        if (number(file.ReadString(u"VsIsHidden"_qs + suffix, key, currentHidden)) == 1)
            grid.SetColWidth(col, 0);
        else
            grid.SetColWidth(col, number(file.ReadString(u"VsColWidth"_qs + suffix, key, QString::number(grid.ColWidth(col)))));
        if (widthsOnly)
            continue;
        grid.Sort(number(file.ReadString(u"VsIsSort"_qs + suffix, key, u"0"_qs)), col);
        const QString currentMerge = grid.MergeCol(col) ? u"1"_qs : u"0"_qs;
        grid.SetMergeCol(col, number(file.ReadString(u"VsIsColMerge"_qs + suffix, key, currentMerge)) == 1);
        grid.SetColDataType(col, number(file.ReadString(u"VsColDataType"_qs + suffix, key, QString::number(grid.ColDataType(col)))));
        grid.SetColFormat(col, loadedFormat(file, suffix, col, grid.ColFormat(col), grid.ColDataType(col), setting));
        grid.SetColAlignment(col, number(file.ReadString(u"VsColAlignment"_qs + suffix, key, QString::number(grid.ColAlignment(col)))));
        if (number(file.ReadString(u"VsIsGroupOn"_qs + suffix, key, u"0"_qs)) == 1)
            groups.append(col);
        if (number(file.ReadString(u"VsIsTotalOn"_qs + suffix, key, u"0"_qs)) == 1)
            totals.append(col);
    }
    if (!widthsOnly) {
        const QString section = u"Vs"_qs + suffix;
        if (number(file.ReadString(section, u"VsTotalSave"_qs, u"0"_qs)) == 1) {
            grid.Subtotal(GridCodes::SubtotalClear, -1, 0);
            grid.SetSubtotalPosition(GridCodes::SubtotalBelow);
        }
        if (!totals.isEmpty())
            buildSubtotals(grid, groups, totals);
        loadRowHeights(file, section, grid);
        grid.SetFrozenCols(number(file.ReadString(section, u"VsFixedCols"_qs, QString::number(grid.FrozenCols()))));
    }
    flexGrid.SetRedraw(redraw);
    if (!widthsOnly && !existed)
        SaveGridLayout(fileName, flexGrid, false);
}

} // namespace mPub
