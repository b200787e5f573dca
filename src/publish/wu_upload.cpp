#include "publish/wu_upload.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include "publish/wu_request.h"

namespace {

QString replyFailureText(QNetworkReply::NetworkError error) {
    switch (error) {
        case QNetworkReply::ConnectionRefusedError:
            return QStringLiteral("Verbindung abgelehnt.");
        case QNetworkReply::RemoteHostClosedError:
            return QStringLiteral("Der Server hat die Verbindung beendet.");
        case QNetworkReply::HostNotFoundError:
            return QStringLiteral("Server nicht gefunden.");
        case QNetworkReply::TimeoutError:
            return QStringLiteral("Zeitüberschreitung.");
        case QNetworkReply::SslHandshakeFailedError:
            return QStringLiteral("Die TLS-Verbindung kam nicht zustande.");
        case QNetworkReply::TemporaryNetworkFailureError:
        case QNetworkReply::NetworkSessionFailedError:
            return QStringLiteral("Netz nicht erreichbar.");
        default:
            return QStringLiteral("Netzwerkfehler (%1).").arg(int(error));
    }
}

}  // namespace

WuUpload::WuUpload(QObject* parent)
    : UploadService(parent), network_(new QNetworkAccessManager(this)) {}

int WuUpload::intervalMinutes(const Settings& settings) const {
    return std::max(settings.WUIntervall, kWuLeastInterval);
}

QString WuUpload::settingsProblem(const Settings& settings) const {
    if (settings.WUStation.trimmed().isEmpty())
        return QStringLiteral("Keine Stations-ID eingestellt.");
    if (settings.WUSchluessel.trimmed().isEmpty())
        return QStringLiteral("Kein Stationsschlüssel eingestellt.");
    const QUrl address(settings.WUAdresse.trimmed());
    if (!address.isValid() || address.host().isEmpty())
        return QStringLiteral("Die Upload-Adresse ist keine gültige Adresse.");
    return {};
}

void WuUpload::send(const StationData& data, const Settings& settings, const QDateTime& now) {
    abort();
    key_ = settings.WUSchluessel.trimmed();
    QNetworkRequest request(wuRequestUrl(settings.WUAdresse, wuParameters(data, settings, now)));
    request.setTransferTimeout(0);  // the uploads' runner keeps the time
    QNetworkReply* reply = network_->get(request);
    reply_ = reply;
    connect(reply, &QNetworkReply::finished, this, [this, reply] { replied(reply); });
}

void WuUpload::replied(QNetworkReply* reply) {
    reply->deleteLater();
    if (reply_ != reply)
        return;
    reply_ = nullptr;
    const QByteArray body = reply->readAll();
    QString first = QString::fromUtf8(body.left(512)).section(QLatin1Char('\n'), 0, 0).trimmed();
    if (!key_.isEmpty())
        first.replace(key_, QStringLiteral("***"));
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() == QNetworkReply::NoError && first == QLatin1String("success")) {
        emit finished(true, {});
        return;
    }
    if (status != 0) {
        emit finished(false, first.isEmpty()
                                 ? QStringLiteral("Antwort des Servers: HTTP %1.").arg(status)
                                 : QStringLiteral("Antwort des Servers: %1").arg(first));
        return;
    }
    emit finished(false, replyFailureText(reply->error()));
}

void WuUpload::abort() {
    if (QNetworkReply* reply = reply_) {
        reply_ = nullptr;
        reply->abort();
        reply->deleteLater();
    }
}
