// Hands one client-road message to the decoder its first byte selects. No checksum test and no
// GroupSeen on this road: the server passes on groups as the station sent them.
#pragma once

#include <QByteArrayView>
#include <cstdint>

#include "station/weather_record.h"

// Takes the message's body (from its second byte on) into the station data (applyGroup) when the
// first byte is a group byte and the message holds every byte the decoder reads. Returns the group
// byte of the decoder that ran, or 0 when none ran. Never reads outside the message.
std::uint8_t DispatchTcpMessage(QByteArrayView message, StationData& data);
