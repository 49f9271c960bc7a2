// The Database object against the same work done directly with QSqlQuery, on SQLite.
// Run: build/bench/database_bench  (compare Ours/* with Direct/* of the same run).
#include "database/Database.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kRows = 10000;

struct Fixture {
    QTemporaryDir dir;
    Database db;

    Fixture()
    {
        const QString file = dir.filePath(QStringLiteral("bench.db"));
        QFile(file).open(QIODevice::WriteOnly);
        db.OpenConnection(ConnectionSettings::Sqlite(file));
        db.Execute(QStringLiteral("create table cnote (cnoteID integer primary key, cnoteNumber varchar(30), "
                                  "fromName varchar(100), cnoteDate date, yuanfee float)"), 1).Run();
    }

    QSqlDatabase direct() const { return QSqlDatabase::database(db.ConnectionName(), false); }

    void reset() { db.Execute(QStringLiteral("delete from cnote"), 1).Run(); }

    void fill()
    {
        reset();
        db.BeginTrans();
        for (int i = 0; i < kRows; ++i)
            db.Execute(insertText(i), 1).Run();
        db.CommitTrans();
    }

    QString insertText(int i) const
    {
        return QStringLiteral("insert into cnote (cnoteID, cnoteNumber, fromName, cnoteDate, yuanfee) values (%1, %2, %3, #2026-1-5#, %4)")
            .arg(i)
            .arg(db.Quote(QStringLiteral("2026010%1").arg(i)), db.Quote(QStringLiteral("华联商贸'有限公司")))
            .arg(i * 1.5);
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

const QString kSelect = QStringLiteral("select cnoteID, cnoteNumber, fromName, cnoteDate, yuanfee from cnote order by cnoteID");

void Ours_Recordset10k(benchmark::State& state)
{
    Fixture& f = fixture();
    f.fill();
    for (auto _ : state) {
        double sum = 0;
        DbRecordset rs = f.db.Execute(kSelect, 1).Recordset();
        for (; !rs.Eof(); rs.MoveNext()) {
            sum += rs.Field(QStringLiteral("yuanfee")).toDouble();
            benchmark::DoNotOptimize(rs.Field(QStringLiteral("fromName")).toString());
        }
        rs.Close();
        benchmark::DoNotOptimize(sum);
    }
}

void Direct_Recordset10k(benchmark::State& state)
{
    Fixture& f = fixture();
    f.fill();
    for (auto _ : state) {
        double sum = 0;
        QSqlQuery q(f.direct());
        q.setForwardOnly(true);
        q.exec(kSelect);
        while (q.next()) {
            sum += q.value(QStringLiteral("yuanfee")).toDouble();
            benchmark::DoNotOptimize(q.value(QStringLiteral("fromName")).toString());
        }
        q.finish();
        benchmark::DoNotOptimize(sum);
    }
}

void Ours_Insert10kInOneTransaction(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        state.PauseTiming();
        f.reset();
        state.ResumeTiming();
        f.db.BeginTrans();
        for (int i = 0; i < kRows; ++i)
            f.db.Execute(f.insertText(i), 1).Run();
        f.db.CommitTrans();
    }
}

void Direct_Insert10kInOneTransaction(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        state.PauseTiming();
        f.reset();
        state.ResumeTiming();
        QSqlDatabase db = f.direct();
        db.transaction();
        QSqlQuery q(db);
        q.setForwardOnly(true);
        for (int i = 0; i < kRows; ++i) {
            // The same statement text a component sends, with the date already in SQLite's form.
            QString sql = f.insertText(i);
            sql.replace(QStringLiteral("#2026-1-5#"), QStringLiteral("'2026-01-05'"));
            q.exec(sql);
        }
        db.commit();
    }
}

BENCHMARK(Ours_Recordset10k)->Unit(benchmark::kMillisecond);
BENCHMARK(Direct_Recordset10k)->Unit(benchmark::kMillisecond);
BENCHMARK(Ours_Insert10kInOneTransaction)->Unit(benchmark::kMillisecond);
BENCHMARK(Direct_Insert10kInOneTransaction)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
