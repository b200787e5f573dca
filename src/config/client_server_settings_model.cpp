#include "config/client_server_settings_model.h"

void ClientServerSettingsModel::fill() {
    clientActive = host_.clientOpen();
    address = host_.remoteAddress();
    port = QString::number(host_.remotePort());
}

std::vector<FieldProblem> ClientServerSettingsModel::problems() const {
    std::vector<FieldProblem> found;
    checkWholeNumber(found, QString::fromLatin1(kPortField), port, 1, 65535);
    return found;
}

std::optional<FieldProblem> ClientServerSettingsModel::apply() {
    const int newPort = *wholeNumber(port, 1, 65535);
    const QString newAddress = address.trimmed();
    const bool otherServer = newPort != host_.remotePort() || newAddress != host_.remoteAddress();
    host_.setRemotePort(newPort);
    host_.setRemoteAddress(newAddress);
    if (clientActive) {
        switches_.closeSerial();
        // A connection to the old server gives way to one to the new server.
        if (otherServer)
            switches_.closeClient();
        switches_.openClient();
    } else {
        // A port that does not open has been reported; the connection is then left as it is.
        if (!switches_.openSerial())
            return std::nullopt;
        switches_.closeClient();
    }
    return std::nullopt;
}
