// CWOP over APRS-IS: one connection per send. Log in with the call sign (or CW/DW number) and
// passcode, wait for the server's "# logresp" line, send the weather packet, close. A station with
// a passcode that the server does not call "verified" is refused: APRS-IS would drop its packets.
#pragma once

#include <QPointer>

#include "publish/upload_service.h"

class QTcpSocket;

class CwopUpload : public UploadService {
    Q_OBJECT
public:
    using UploadService::UploadService;

    QString name() const override { return QStringLiteral("CWOP"); }
    static constexpr const char* kCommand = "cwop";
    QString command() const override { return QLatin1String(kCommand); }
    QString caption() const override { return QStringLiteral("CWOP / APRS-IS"); }
    bool enabled(const Settings& settings) const override { return settings.APRSISAktiv; }
    int intervalMinutes(const Settings& settings) const override;
    // The call sign's last digit spreads the stations over the hour.
    int firstMinute(const Settings& settings) const override;
    QString settingsProblem(const Settings& settings) const override;

    void send(const StationData& data, const Settings& settings, const QDateTime& now) override;
    void abort() override;

private:
    void lineArrived(const QByteArray& line);
    void end(bool ok, const QString& reason);

    QPointer<QTcpSocket> socket_;
    QString login_;
    QString packet_;
    QString callSign_;
    bool needsVerified_ = false;
    bool sent_ = false;
};
