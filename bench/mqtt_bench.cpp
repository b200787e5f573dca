// The MQTT publisher's cost on the user-interface thread: one state message built from the
// station data (JSON through the quality gate), and one built and handed to a real mosquitto on a
// loopback port (the library writes to the non-blocking socket on this thread).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>

#include "base/app_clock.h"
#include "base/notifier.h"
#include "publish/mqtt_publisher.h"
#include "publish/mqtt_state.h"
#include "station/station_input.h"

namespace {

// The station after the clean three rounds of the test captures.
StationData& station() {
    static StationData data;
    static StationInput input(data);
    static const bool fed = [] {
        QFile capture(
            QStringLiteral(WETTERPULT_SOURCE_DIR "/tests/data/captures/clean_rounds.bin"));
        if (capture.open(QIODevice::ReadOnly))
            input.road().feed(capture.readAll());
        return true;
    }();
    (void)fed;
    return data;
}

void StateJson(benchmark::State& state) {
    const StationData& data = station();
    const QDateTime now = AppClock::currentDateTime();
    for (auto _ : state)
        benchmark::DoNotOptimize(mqttStateJson(data, now));
}
BENCHMARK(StateJson)->Unit(benchmark::kMicrosecond);

void PublishState(benchmark::State& state) {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const int port = probe.serverPort();
    probe.close();
    QTemporaryDir dir;
    QFile config(dir.filePath("mosquitto.conf"));
    config.open(QIODevice::WriteOnly);
    config.write(QStringLiteral("listener %1 127.0.0.1\nallow_anonymous true\npersistence false\n")
                     .arg(port)
                     .toUtf8());
    config.close();
    QProcess broker;
    broker.start("mosquitto", {"-c", config.fileName()});
    Settings settings;
    settings.MQTTAktiv = true;
    settings.MQTTServer = "127.0.0.1";
    settings.MQTTPort = port;
    MqttPublisher publisher(station(), settings);
    // Attempts before the broker listens are retried; their message is not part of the figure.
    RecordingNotifier quiet;
    ScopedNotifier scoped(quiet);
    // The broker needs a moment to listen; the publisher retries after a second.
    publisher.apply();
    QDeadlineTimer deadline(10000);
    while (!publisher.isConnected() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    if (!publisher.isConnected()) {
        state.SkipWithError("mosquitto läuft nicht");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(publisher.publishState());
        // The library writes what the socket did not take when the event loop comes round.
        QCoreApplication::processEvents();
    }
    publisher.finish();
    broker.kill();
    broker.waitForFinished();
}
BENCHMARK(PublishState)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
