// The program without windows publishing to a real mosquitto: its status line, and the broker's
// will when the program is killed.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "base/text_file.h"
#include "support/mosquitto_broker.h"
#include "support/wait.h"

TEST(MqttProgram, AKilledProgramLeavesOfflineBehind) {
    MosquittoBroker broker;
    ASSERT_TRUE(broker.start()) << broker.log().constData();
    QTemporaryDir dir;
    ASSERT_TRUE(textfile::replaceWhole(
        dir.filePath("wetterpult.ini"),
        textfile::crlfLines({"[Archiv]", "ArchivAktiv=0", "[MQTT]", "MQTTAktiv=1",
                             "MQTTServer=127.0.0.1", "MQTTPort=" + QString::number(broker.port()),
                             "MQTTThema=wx"})));

    // Subscribed before the program starts: "online" when it connects, then the will.
    QProcess status;
    status.start("mosquitto_sub", {"-h", "127.0.0.1", "-p", QString::number(broker.port()), "-C",
                                   "2", "-W", "30", "-t", "wx/status"});
    ASSERT_TRUE(status.waitForStarted());
    QProcess program;
    program.start(QStringLiteral(WETTERPULT_BIN_DIR "/src/app/wetterpult"),
                  {"--headless", "--folder", dir.path(), "--status-every", "1"});
    QByteArray out;
    ASSERT_TRUE(waitUntil(
        [&] {
            out += program.readAllStandardOutput();
            return out.contains("MQTT: verbunden");
        },
        20000))
        << out.constData() << program.readAllStandardError().constData();
    QByteArray seen;
    ASSERT_TRUE(waitUntil([&] {
        seen += status.readAllStandardOutput();
        return seen.contains("online");
    }));
    program.kill();
    ASSERT_TRUE(program.waitForFinished(10000));
    ASSERT_TRUE(waitUntil([&] { return status.state() == QProcess::NotRunning; }, 30000));
    EXPECT_EQ(seen + status.readAllStandardOutput(), "online\noffline\n");
}
