// Weather Underground: one HTTPS GET per send. The answer "success" is success; any other answer
// fails with its first line as the reason. No reason ever names the request's address, which
// carries the station key.
#pragma once

#include <QPointer>

#include "publish/upload_service.h"

class QNetworkAccessManager;
class QNetworkReply;

class WuUpload : public UploadService {
    Q_OBJECT
public:
    explicit WuUpload(QObject* parent = nullptr);

    QString name() const override { return QStringLiteral("WU"); }
    static constexpr const char* kCommand = "wu";
    QString command() const override { return QLatin1String(kCommand); }
    QString caption() const override { return QStringLiteral("Weather Underground"); }
    bool enabled(const Settings& settings) const override { return settings.WUAktiv; }
    int intervalMinutes(const Settings& settings) const override;
    QString settingsProblem(const Settings& settings) const override;

    void send(const StationData& data, const Settings& settings, const QDateTime& now) override;
    void abort() override;

private:
    void replied(QNetworkReply* reply);

    QNetworkAccessManager* network_;
    QPointer<QNetworkReply> reply_;
    QString key_;
};
