// The consignment-note form on SQLite office databases of 1 000 and 100 000 demo notes:
// browsing steps and saving a note with 10 goods lines.
// Run: build/bench/cnote_bench  (compare the medians of /1000 and /100000 of each step).
#include "CNOTE_S.h"
#include "controls/kvTxt_S.h"
#include "database/Database.h"
#include "grid/FlexGrid.h"
#include "schema/DemoNotes.h"
#include "schema/OfficeDatabase.h"
#include "schema/StandardData.h"
#include "system/AppSystem.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

struct Office {
    QTemporaryDir dir;
    Database db;
    AppSystem system;
    std::unique_ptr<CNOTE_S> form;

    explicit Office(int notes)
    {
        QString error;
        const QString file = dir.filePath(QStringLiteral("office.db"));
        if (!OfficeDatabase::Create(db, ConnectionSettings::Sqlite(file), true, &error)
            || !StandardData::Fill(db, QStringLiteral("admin"), QStringLiteral("secret"), &error)
            || !DemoNotes::Generate(db, notes, 7, QDate(2026, 3, 15), &error) || !system.Init(&db, 0))
            qFatal("office database: %s", qPrintable(error));
        system.AppInfo().UserName = QStringLiteral("admin");
        system.AppInfo().OperationDate = QDate(2026, 3, 15);
        system.AppInfo().AppPath = dir.path();
        form = std::make_unique<CNOTE_S>();
        form->Init(&system, StandardData::kNoteProgram, 0);
        form->RecordTop();
    }
};

Office& office(int notes)
{
    static std::map<int, std::unique_ptr<Office>> offices;
    auto& slot = offices[notes];
    if (!slot)
        slot = std::make_unique<Office>(notes);
    return *slot;
}

// One browsing step, repeated; Next and Previous go back to the other end when they reach one.
void Browse(benchmark::State& state, bool (CNOTE_S::*step)(), bool (CNOTE_S::*restart)())
{
    CNOTE_S& form = *office(int(state.range(0))).form;
    (form.*restart)();
    for (auto _ : state) {
        const int before = form.GetID();
        (form.*step)();
        if (restart != step && form.GetID() == before) {
            state.PauseTiming();
            (form.*restart)();
            state.ResumeTiming();
        }
    }
}

void RecordNext(benchmark::State& state) { Browse(state, &CNOTE_S::RecordNext, &CNOTE_S::RecordTop); }
void RecordPrevious(benchmark::State& state) { Browse(state, &CNOTE_S::RecordPrevious, &CNOTE_S::RecordBottom); }
void RecordTop(benchmark::State& state) { Browse(state, &CNOTE_S::RecordTop, &CNOTE_S::RecordTop); }
void RecordBottom(benchmark::State& state) { Browse(state, &CNOTE_S::RecordBottom, &CNOTE_S::RecordBottom); }
void Refresh(benchmark::State& state) { Browse(state, &CNOTE_S::Refresh, &CNOTE_S::Refresh); }

void FileSave10Lines(benchmark::State& state)
{
    CNOTE_S& form = *office(int(state.range(0))).form;
    for (auto _ : state) {
        state.PauseTiming();
        form.FileNew();
        form.View().Box(CnoteFields::FromName)->SetText(QStringLiteral("华联商贸"));
        form.View().Box(CnoteFields::Freight)->SetText(QStringLiteral("1200"));
        GridModel& grid = form.View().Grid()->Grid();
        grid.SetRows(grid.FixedRows() + 10);
        for (int line = 0; line < 10; ++line) {
            const int row = grid.FixedRows() + line;
            grid.SetTextMatrix(row, 0, QString::number(line + 1));
            grid.SetTextMatrix(row, 1, QStringLiteral("货物%1").arg(line));
            grid.SetTextMatrix(row, 2, QStringLiteral("3"));
            grid.SetTextMatrix(row, 4, QStringLiteral("12.5"));
        }
        state.ResumeTiming();
        if (!form.FileSave())
            state.SkipWithError("FileSave failed");
    }
}

void Sizes(benchmark::internal::Benchmark* b)
{
    b->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

BENCHMARK(RecordNext)->Apply(Sizes);
BENCHMARK(RecordPrevious)->Apply(Sizes);
BENCHMARK(RecordTop)->Apply(Sizes);
BENCHMARK(RecordBottom)->Apply(Sizes);
BENCHMARK(Refresh)->Apply(Sizes);
BENCHMARK(FileSave10Lines)->Apply(Sizes);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
