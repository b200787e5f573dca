#include "publish/network_reason.h"

QString socketFailureText(QAbstractSocket::SocketError error) {
    switch (error) {
        case QAbstractSocket::ConnectionRefusedError:
            return QStringLiteral("Verbindung abgelehnt.");
        case QAbstractSocket::RemoteHostClosedError:
            return QStringLiteral("Der Server hat die Verbindung beendet.");
        case QAbstractSocket::HostNotFoundError:
            return QStringLiteral("Server nicht gefunden.");
        case QAbstractSocket::SocketTimeoutError:
            return QStringLiteral("Zeitüberschreitung.");
        case QAbstractSocket::NetworkError:
            return QStringLiteral("Netz nicht erreichbar.");
        case QAbstractSocket::SslHandshakeFailedError:
            return QStringLiteral("Die TLS-Verbindung kam nicht zustande.");
        default:
            return QStringLiteral("Netzwerkfehler (%1).").arg(int(error));
    }
}
