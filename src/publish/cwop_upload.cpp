#include "publish/cwop_upload.h"

#include <QTcpSocket>

#include "outputs/aprs_file.h"
#include "publish/cwop_packet.h"
#include "publish/network_reason.h"

int CwopUpload::intervalMinutes(const Settings& settings) const {
    return std::max(settings.APRSISIntervall, kAprsIsLeastInterval);
}

int CwopUpload::firstMinute(const Settings& settings) const {
    return callSignLastDigit(settings.Rufzeichen.trimmed());
}

QString CwopUpload::settingsProblem(const Settings& settings) const {
    if (settings.Rufzeichen.trimmed().isEmpty())
        return QStringLiteral("Kein Rufzeichen (oder CW/DW-Nummer) eingestellt.");
    if (!aprsIsPasscode(settings.Passcode))
        return QStringLiteral(
            "Der Passcode muss -1 (CW/DW-Station) oder eine Zahl von 0 bis "
            "32767 sein.");
    if (settings.APRSISServer.trimmed().isEmpty())
        return QStringLiteral("Kein APRS-IS-Server eingestellt.");
    if (!stationPosition(settings))
        return QStringLiteral(
            "Die Position der Station (ASYNOP-Einstellungen: Breite, Länge, "
            "Erdquadrant) ist unvollständig.");
    return {};
}

void CwopUpload::send(const StationData& data, const Settings& settings, const QDateTime& now) {
    abort();
    callSign_ = settings.Rufzeichen.trimmed().toUpper();
    login_ = aprsIsLogin(callSign_, settings.Passcode);
    packet_ = cwopPacket(callSign_, *stationPosition(settings),
                         AprsWeatherFields(data, settings, now), now);
    needsVerified_ = aprsIsPasscode(settings.Passcode) != -1;
    sent_ = false;

    auto* socket = new QTcpSocket(this);
    socket_ = socket;
    connect(socket, &QTcpSocket::connected, this,
            [this, socket] { socket->write((login_ + QStringLiteral("\r\n")).toLatin1()); });
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
        while (socket_ == socket && socket->canReadLine())
            lineArrived(socket->readLine().trimmed());
    });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
        if (socket_ != socket)
            return;
        if (sent_)
            end(true, {});
        else
            end(false, QStringLiteral("Der Server hat die Verbindung vor der Anmeldung beendet."));
    });
    connect(socket, &QTcpSocket::errorOccurred, this,
            [this, socket](QAbstractSocket::SocketError error) {
                // The server closing after the packet is the normal end.
                if (socket_ != socket || (sent_ && error == QAbstractSocket::RemoteHostClosedError))
                    return;
                end(false, socketFailureText(error));
            });
    socket->connectToHost(settings.APRSISServer.trimmed(), quint16(settings.APRSISPort));
}

void CwopUpload::lineArrived(const QByteArray& line) {
    // The server's banner and comments start with "#" too; only the login's answer counts.
    if (sent_ || !line.startsWith("# logresp"))
        return;
    const QList<QByteArray> words = line.simplified().split(' ');
    const QByteArray state = words.size() > 3 ? words.at(3) : QByteArray();
    const bool verified = state.startsWith("verified");
    if (needsVerified_ && !verified) {
        end(false, QStringLiteral("Anmeldung nicht bestätigt (%1): Passcode prüfen.")
                       .arg(QString::fromLatin1(state).remove(QLatin1Char(','))));
        return;
    }
    sent_ = true;
    socket_->write((packet_ + QStringLiteral("\r\n")).toLatin1());
    socket_->disconnectFromHost();
}

void CwopUpload::end(bool ok, const QString& reason) {
    abort();
    emit finished(ok, reason);
}

void CwopUpload::abort() {
    if (QTcpSocket* socket = socket_) {
        socket_ = nullptr;
        socket->abort();
        socket->deleteLater();
    }
}
