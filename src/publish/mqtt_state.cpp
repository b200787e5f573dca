#include "publish/mqtt_state.h"

#include <cstdlib>

#include "publish/mqtt_entities.h"
#include "station/quality_gate.h"

namespace {

// A whole number, or null.
void appendWhole(QByteArray& out, const Measured& value) {
    if (value)
        out += QByteArray::number(*value);
    else
        out += "null";
}

// A value held in tenths, written with one decimal (-0.3, not -.3), or null.
void appendTenths(QByteArray& out, const Measured& value) {
    if (!value) {
        out += "null";
        return;
    }
    const std::int32_t v = *value;
    if (v < 0)
        out += '-';
    out += QByteArray::number(std::abs(v) / 10);
    out += '.';
    out += char('0' + std::abs(v) % 10);
}

void appendKey(QByteArray& out, const char* key) {
    out += ",\"";
    out += key;
    out += "\":";
}

}  // namespace

QByteArray mqttStateJson(const StationData& data, const QDateTime& now) {
    QByteArray out;
    out.reserve(512);
    out += "{\"time\":\"";
    out += now.toUTC().toString(Qt::ISODate).toLatin1();
    out += '"';
    const RainFigures rain = measuredRain(data, now);
    for (const MqttEntity& entity : kMqttEntities) {
        const QByteArrayView key(entity.key);
        appendKey(out, entity.key);
        if (key == "temperature")
            appendTenths(out, measured(data, Quantity::OutdoorTemp));
        else if (key == "humidity")
            appendWhole(out, measured(data, Quantity::OutdoorHum));
        else if (key == "dewpoint")
            appendWhole(out, measured(data, Quantity::OutdoorDew));
        else if (key == "indoor_temperature")
            appendTenths(out, measured(data, Quantity::IndoorTemp));
        else if (key == "indoor_humidity")
            appendWhole(out, measured(data, Quantity::IndoorHum));
        else if (key == "indoor_dewpoint")
            appendWhole(out, measured(data, Quantity::IndoorDew));
        else if (key == "pressure")
            appendTenths(out, measured(data, Quantity::PressureSea));
        else if (key == "station_pressure")
            appendWhole(out, measured(data, Quantity::PressureLocal));
        else if (key == "wind_speed")
            appendTenths(out, measured(data, Quantity::AvgSpeed));
        else if (key == "wind_gust")
            appendTenths(out, measured(data, Quantity::GustSpeed));
        else if (key == "wind_direction")
            appendWhole(out, measured(data, Quantity::AvgDir));
        else if (key == "wind_gust_direction")
            appendWhole(out, measured(data, Quantity::GustDir));
        else if (key == "windchill")
            appendWhole(out, measured(data, Quantity::Windchill));
        else if (key == "rain_rate")
            appendWhole(out, measured(data, Quantity::RainRate));
        else if (key == "rain_total")
            appendWhole(out, measured(data, Quantity::RainTotal));
        else if (key == "rain_today")
            appendWhole(out, rain.today);
        else if (key == "rain_24h")
            appendWhole(out, rain.last24h);
        else if (key == "battery_low") {
            const std::optional<bool> low = measuredBatteryLow(data);
            out += low ? (*low ? "true" : "false") : "null";
        }
    }
    out += '}';
    return out;
}
