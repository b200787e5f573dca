// Unattended operation as a service: the alarm for a station that falls silent, and the messages
// systemd reads (ready, the watchdog's ping, stopping).
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>

#include "base/app_clock.h"
#include "base/notifier.h"
#include "program/service_notify.h"
#include "program/station_silence.h"
#include "support/wait.h"

namespace {

TEST(StationSilence, ToldOnceAfterTheSilentMinutesAndTheCommandHearsTheReturn) {
    QTemporaryDir dir;
    const QString heard = dir.filePath("heard.txt");
    const QString script = dir.filePath("alarm.sh");
    {
        QFile f(script);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("#!/bin/sh\necho \"$1\" >> %1\n").arg(heard).toUtf8());
    }
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    RecordingNotifier notifier;
    ScopedNotifier scope(notifier);
    StationData data;
    Settings settings;
    settings.AlarmBefehl = script;
    bool active = true;
    StationSilence silence(data, settings, [&active] { return active; });

    const QDateTime on(QDate(2026, 12, 9), QTime(14, 2, 30));
    data.GroupArrivedMs.fill(on.toMSecsSinceEpoch());
    silence.check(on);
    silence.check(on.addSecs(9 * 60 + 59));
    EXPECT_TRUE(notifier.messages.empty());
    silence.check(on.addSecs(10 * 60));
    silence.check(on.addSecs(30 * 60));
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0].text, QStringLiteral("Seit 14:02 keine Daten von der Station"));

    data.GroupArrivedMs[4] = on.addSecs(31 * 60).toMSecsSinceEpoch();
    silence.check(on.addSecs(31 * 60));
    EXPECT_FALSE(silence.silent());
    const QByteArray expected = "Seit 14:02 keine Daten von der Station\nStation sendet wieder\n";
    EXPECT_TRUE(waitUntil([&] {
        QFile f(heard);
        return f.open(QIODevice::ReadOnly) && f.readAll() == expected;
    }));

    // Switched off, a silent station is no alarm.
    active = false;
    silence.check(on.addSecs(90 * 60));
    EXPECT_EQ(notifier.messages.size(), 1u);
}

TEST(ServiceNotify, ReadyThenTheWatchdogsPingThenStopping) {
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath("notify"));
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.constData());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    qputenv("NOTIFY_SOCKET", path);
    qputenv("WATCHDOG_USEC", "200000");
    qputenv("WATCHDOG_PID", QByteArray::number(::getpid()));

    QList<QByteArray> received;
    auto receive = [&] {
        char buffer[256];
        for (ssize_t n; (n = ::recv(fd, buffer, sizeof buffer, 0)) > 0;)
            received.append(QByteArray(buffer, int(n)));
    };
    ServiceNotify service;
    service.ready();
    EXPECT_TRUE(waitUntil([&] {
        receive();
        return received.size() >= 2;
    }));
    service.stopping();
    receive();
    qunsetenv("NOTIFY_SOCKET");
    qunsetenv("WATCHDOG_USEC");
    qunsetenv("WATCHDOG_PID");
    ::close(fd);
    ASSERT_GE(received.size(), 3);
    EXPECT_EQ(received.first(), "READY=1");
    EXPECT_EQ(received[1], "WATCHDOG=1");
    EXPECT_EQ(received.last(), "STOPPING=1");
}

}  // namespace
