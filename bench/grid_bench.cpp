#include "grid/FlexGrid.h"
#include "mPub.h"
#include "settings/SettingsFile.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

// A report of 100 000 rows and 22 columns: filling, applying a layout with one group column and
// five total columns (sort, formats, subtotals, grand total), and scrolling to the last row.
namespace {

constexpr int DataRows = 100000;
constexpr int Columns = 22;
constexpr int GroupColumn = 2;
constexpr int TotalColumns[] = {6, 7, 8, 9, 10};

// Peak resident set (VmHWM) in MB.
double peakResidentMb()
{
    QFile status(u"/proc/self/status"_qs);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

QString writeLayout(const QTemporaryDir& dir)
{
    const QString name = dir.filePath(u"RPT_JLQD.txt"_qs);
    SettingsFile file;
    file.Open(name);
    const QString group = u"VsCol"_qs + QString::number(GroupColumn);
    file.WriteString(u"VsIsSort"_qs, group, u"1"_qs);
    file.WriteString(u"VsIsGroupOn"_qs, group, u"1"_qs);
    for (int col : TotalColumns) {
        const QString key = u"VsCol"_qs + QString::number(col);
        file.WriteString(u"VsIsTotalOn"_qs, key, u"1"_qs);
        file.WriteString(u"VsColDataType"_qs, key, u"5"_qs);
        file.WriteString(u"VsColFormat"_qs, key, u"#,##0.00"_qs);
    }
    file.Flush();
    return name;
}

// Cell values as a record set would hand them over: a few thousand distinct texts and numbers.
struct Values {
    QStringList destinations;
    QStringList numbers;
    QStringList texts;
};

const Values& values()
{
    static const Values pool = [] {
        Values v;
        for (int i = 0; i < 200; ++i)
            v.destinations << u"到站"_qs + QString::number(i);
        for (int i = 0; i < 9973; ++i) {
            v.numbers << QString::number(i / 10.0);
            v.texts << u"托运单位"_qs + QString::number(i);
        }
        return v;
    }();
    return pool;
}

void fill(FlexGrid& grid)
{
    const Values& pool = values();
    GridModel& model = grid.Grid();
    grid.SetRedraw(false);
    model.SetFixedCols(0);
    model.SetCols(Columns);
    model.SetRows(DataRows + 1);
    for (int row = 1; row <= DataRows; ++row) {
        for (int col = 0; col < Columns; ++col) {
            const int pick = (row * (col + 7) + col) % 9973;
            if (col == GroupColumn)
                model.SetTextMatrix(row, col, pool.destinations[row % 200]);
            else if (col >= 6 && col <= 10)
                model.SetTextMatrix(row, col, pool.numbers[pick]);
            else
                model.SetTextMatrix(row, col, pool.texts[pick]);
        }
    }
    grid.SetRedraw(true);
}

void BM_FillAndApplyLayout(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString layout = writeLayout(dir);
    for (auto _ : state) {
        state.PauseTiming();
        auto grid = std::make_unique<FlexGrid>();
        grid->setObjectName(u"Vs"_qs);
        state.ResumeTiming();
        fill(*grid);
        mPub::LoadGridLayout(layout, *grid, false, {});
        state.PauseTiming();
        state.counters["rows"] = grid->Grid().Rows();
        grid.reset();
        state.ResumeTiming();
    }
    state.counters["peak_rss_mb"] = peakResidentMb();
}
BENCHMARK(BM_FillAndApplyLayout)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ApplyLayout(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString layout = writeLayout(dir);
    for (auto _ : state) {
        state.PauseTiming();
        auto grid = std::make_unique<FlexGrid>();
        grid->setObjectName(u"Vs"_qs);
        fill(*grid);
        state.ResumeTiming();
        mPub::LoadGridLayout(layout, *grid, false, {});
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ApplyLayout)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ScrollToLastRowAndRepaint(benchmark::State& state)
{
    QTemporaryDir dir;
    FlexGrid grid;
    grid.setObjectName(u"Vs"_qs);
    fill(grid);
    mPub::LoadGridLayout(writeLayout(dir), grid, false, {});
    grid.resize(1200, 800);
    grid.show();
    QApplication::processEvents();
    bool bottom = false;
    for (auto _ : state) {
        bottom = !bottom;
        grid.SetTopRow(bottom ? grid.Grid().Rows() - 1 : 1);
        grid.repaint();
        QApplication::processEvents();
    }
    state.counters["top_row"] = grid.TopRow();
    state.counters["peak_rss_mb"] = peakResidentMb();
}
BENCHMARK(BM_ScrollToLastRowAndRepaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    values();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
