// A simulated capture across New Year replayed by the headless program with the stream's own
// clock: one row per minute of the stream, placed in the right years although the station sends
// none.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "archive/archive_queries.h"
#include "sim_stream.h"
#include "station_model.h"

TEST(StreamReplay, MinutesFromTheStationClockAcrossNewYear) {
    const QString libfaketime =
        QStringLiteral("/usr/lib/x86_64-linux-gnu/faketime/libfaketimeMT.so.1");
    if (!QFile::exists(libfaketime))
        GTEST_SKIP() << "libfaketime fehlt (Debian-Paket faketime)";
    QTemporaryDir dir;
    const QDateTime start(QDate(2025, 12, 31), QTime(23, 0), Qt::UTC);
    {
        StationModel model(4, start);
        SimStream stream(model, 4);
        QFile capture(dir.filePath("capture.bin"));
        ASSERT_TRUE(capture.open(QIODevice::WriteOnly));
        for (int second = 0; second < 2 * 3600; ++second)
            for (const QByteArray& group : stream.nextSecond())
                capture.write(group);
    }
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TZ", "UTC");
    env.insert("LD_PRELOAD", libfaketime);
    env.insert("FAKETIME", "@2026-03-01 12:00:00");  // the replay runs months later
    program.setProcessEnvironment(env);
    program.start(WETTERPULT_BIN_DIR "/src/app/wetterpult",
                  {"--headless", "--folder", dir.path(), "--replay", dir.filePath("capture.bin"),
                   "--clock-from-stream", "--quit"});
    ASSERT_TRUE(program.waitForFinished(60000));
    const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
    ASSERT_EQ(program.exitCode(), 0) << errors.toStdString();

    std::vector<std::int64_t> minutes;
    ArchiveReader reader(dir.filePath("wetterpult.sqlite"));
    reader.forEachMinute(0, std::int64_t(1) << 40,
                         [&](const MinuteRow& row) { minutes.push_back(row.minute); });
    ASSERT_GE(minutes.size(), 119u);
    ASSERT_LE(minutes.size(), 121u);
    EXPECT_EQ(minutes.front(), start.toSecsSinceEpoch());
    EXPECT_EQ(minutes.back(), start.addSecs(2 * 3600 - 60).toSecsSinceEpoch());
    for (std::size_t i = 1; i < minutes.size(); ++i)
        ASSERT_EQ(minutes[i] - minutes[i - 1], 60) << "no gap and no doubled minute";
    // Progress in steps of 5 % (the capture is two chunks) and the count of minutes at the end.
    EXPECT_TRUE(errors.contains("Wiedergabe: 50 %\nWiedergabe: 100 %\n")) << errors.toStdString();
    EXPECT_TRUE(
        errors.contains(QString("Wiedergabe beendet: %1 Minuten übernommen").arg(minutes.size())));
}
