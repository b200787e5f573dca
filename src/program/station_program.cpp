#include "program/station_program.h"

#include <QFileInfo>

#include "archive/archive_queries.h"
#include "base/app_clock.h"
#include "config/schedule_list.h"
#include "config/settings_file.h"
#include "outputs/run_now.h"

StationProgram::StationProgram()
    : outputs(OutputContext{data, settings, asynop}),
      input(data),
      control(input),
      scheduler(data, settings, outputs, control,
                [this](const QString& list) { return NextScheduleTime(settings, list); }),
      title(scheduler, settings),
      clock(scheduler),
      links(settings, input, scheduler),
      lifecycle(
          settings, data, scheduler, control,
          [this] {
              LoadSettings(settings, *settingsHost_);
              care.checkAtStart();
              recallRecentRain();
              mqtt.apply();
              web.apply();
          },
          [this] { return SaveSettings(settings, *settingsHost_); }),
      archive(data, settings),
      care(settings, [this] { return scheduler.isActive(); }),
      silence(data, settings, [this] { return scheduler.isActive(); }),
      mqtt(data, settings),
      uploads(data, settings),
      web(data, settings) {
    QObject::connect(&input, &StationInput::refreshed, &archive, &ArchiveFeed::groupDecoded);
    QObject::connect(&input, &StationInput::refreshed, &mqtt, &MqttPublisher::dataRefreshed);
    QObject::connect(&input, &StationInput::refreshed, &web, &WebServer::dataRefreshed);
    scheduler.clientMode = [this] { return links.clientMode(); };
    // Rows still waiting for the archive get their last attempt before the program ends.
    // The broker hears "offline" from a program that ends in order; an upload on its way is
    // waited for (at most its timeout).
    lifecycle.setLastStep([this] {
        uploads.finishInFlight();
        archive.finish();
        care.waitForBackup();
        mqtt.finish();
        web.stop();
    });
}

void StationProgram::recallRecentRain() {
    const QString path = settings.archivePath();
    if (!settings.ArchivAktiv || path.isEmpty() || !QFileInfo::exists(path))
        return;
    ArchiveReader reader(path);
    if (!reader.isOpen())
        return;
    const std::int64_t now = AppClock::currentDateTime().toSecsSinceEpoch();
    reader.forEachMinute(now - 25 * 3600, now + 60, [this](const MinuteRow& row) {
        if (const auto& total = row[Quantity::RainTotal])
            data.RainLog.note(row.minute, *total);
    });
}

bool StationProgram::runNow(const QString& action) {
    const RunNowCommand* command = runNowCommand(action);
    if (!command)
        return uploads.sendNow(action);
    (scheduler.*command->run)();
    return true;
}
