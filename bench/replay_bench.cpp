// A simulated week of station bytes replayed as `--replay --clock-from-stream` does: through the
// serial road, the arrival stamps and the archive feed into a fresh archive, minutes by the
// stream's own clock. Beside it the floor: SQLite alone writing the same minute rows into a bare
// table, one transaction per minute. The replay's time over the floor's is the archive's overhead.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "archive/archive_feed.h"
#include "archive/archive_queries.h"
#include "archive/archive_schema.h"
#include "config/settings.h"
#include "sim_stream.h"
#include "station/station_input.h"
#include "station_model.h"

namespace {
const QDateTime kStart(QDate(2025, 3, 24), QTime(0, 0));  // a week across the spring change

const QByteArray& week() {
    static const QByteArray bytes = [] {
        StationModel model(27, kStart);
        SimStream stream(model, 27);
        QByteArray out;
        for (int s = 0; s < 7 * 86400; ++s)
            for (const QByteArray& group : stream.nextSecond())
                out.append(group);
        return out;
    }();
    return bytes;
}

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

// One replay of the week into a fresh archive; returns the rows written.
void replay() {
    Settings settings;
    settings.setProgramFolder(folder().path() + QLatin1Char('/'));
    QFile::remove(settings.archivePath());
    StationData data;
    StationInput input(data);
    ArchiveFeed feed(data, settings);
    feed.useStreamClock(kStart.addDays(8), 2025);
    QObject::connect(&input, &StationInput::refreshed, &feed, &ArchiveFeed::groupDecoded);
    const QByteArrayView bytes(week());
    for (qsizetype i = 0; i < bytes.size(); i += 4096)
        input.road().feed(bytes.sliced(i, std::min<qsizetype>(4096, bytes.size() - i)));
    feed.finish();
}

void ReplayWeek(benchmark::State& state) {
    week();
    for (auto _ : state)
        replay();
    state.SetBytesProcessed(state.iterations() * week().size());
}
BENCHMARK(ReplayWeek)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The rows the replay wrote, read back once.
const std::vector<MinuteRow>& weekRows() {
    static const std::vector<MinuteRow> rows = [] {
        replay();
        Settings settings;
        settings.setProgramFolder(folder().path() + QLatin1Char('/'));
        std::vector<MinuteRow> out;
        ArchiveReader reader(settings.archivePath());
        reader.forEachMinute(0, std::int64_t(1) << 40,
                             [&out](const MinuteRow& row) { out.push_back(row); });
        return out;
    }();
    return rows;
}

void SqliteAloneWeek(benchmark::State& state) {
    const std::vector<MinuteRow>& rows = weekRows();
    const QString path = folder().path() + QStringLiteral("/bare.sqlite");
    for (auto _ : state) {
        QFile::remove(path);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "bare");
            db.setDatabaseName(path);
            db.open();
            QSqlQuery q(db);
            q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
            q.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
            QString columns = QStringLiteral("minute INTEGER PRIMARY KEY, utc_offset, groups");
            QString names = QStringLiteral("minute, utc_offset, groups");
            QString marks = QStringLiteral("?, ?, ?");
            for (int k = 0; k < kQuantityCount; ++k) {
                columns += QStringLiteral(", %1 INTEGER").arg(quantityColumn(Quantity(k)));
                names += QStringLiteral(", %1").arg(quantityColumn(Quantity(k)));
                marks += QStringLiteral(", ?");
            }
            q.exec(QStringLiteral("CREATE TABLE minutes (%1)").arg(columns));
            QSqlQuery insert(db);
            insert.prepare(
                QStringLiteral("INSERT INTO minutes (%1) VALUES (%2)").arg(names, marks));
            for (const MinuteRow& row : rows) {
                db.transaction();
                insert.bindValue(0, qint64(row.minute));
                insert.bindValue(1, row.utcOffset);
                insert.bindValue(2, int(row.groups));
                for (int k = 0; k < kQuantityCount; ++k) {
                    const auto& v = row.values[std::size_t(k)];
                    insert.bindValue(3 + k, v ? QVariant(*v) : QVariant(QMetaType(QMetaType::Int)));
                }
                insert.exec();
                db.commit();
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("bare"));
    }
    state.counters["rows"] = double(rows.size());
}
BENCHMARK(SqliteAloneWeek)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
