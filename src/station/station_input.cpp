#include "station/station_input.h"

#include "base/app_clock.h"
#include "station/data_age.h"

StationInput::StationInput(StationData& data, QObject* parent)
    : QObject(parent), data_(data), road_(data), client_(data), reconnect_(link_, client_) {
    connect(&link_, &SerialLink::bytesReceived, this,
            [this](const QByteArray& chunk) { road_.feed(chunk); });
    road_.onChecked = [this](const GroupCheckResult& r) {
        QString text = QString::fromLatin1(r.rowText());
        const auto i = static_cast<std::size_t>(r.row - 1);
        const std::uint64_t held = road_.confirmation().held()[i];
        if (held > 0)
            text += QStringLiteral(" (%1 gehalten, %2 verworfen)")
                        .arg(held)
                        .arg(road_.confirmation().dropped()[i]);
        emit groupChecked(r.groupByte, r.row, text);
    };
    road_.onDecoded = [this](std::uint8_t groupByte) { decoded(groupByte); };
    connect(&client_, &StationClient::messageHandled, this, &StationInput::decoded);
}

void StationInput::decoded(std::uint8_t groupByte) {
    noteGroupArrival(data_, groupByte, AppClock::currentMSecsSinceEpoch());
    emit refreshed(groupByte);
}
