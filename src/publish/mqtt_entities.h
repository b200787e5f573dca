// What the MQTT publisher sends, as data: one row per member of the state message, with the
// Home Assistant entity it becomes. The state message and the discovery configs both loop over
// this table, so a value and its entity cannot drift apart.
#pragma once

#include <array>

struct MqttEntity {
    const char* key;          // member of the state JSON and last part of the entity's id
    const char* name;         // the entity's German name in Home Assistant
    const char* component;    // "sensor" or "binary_sensor"
    const char* deviceClass;  // Home Assistant's device class, or nullptr
    const char* stateClass;   // "measurement", "total_increasing", or nullptr
    const char* unit;         // unit of measurement, or nullptr
};

inline constexpr std::array<MqttEntity, 18> kMqttEntities{{
    {"temperature", "Außentemperatur", "sensor", "temperature", "measurement", "°C"},
    {"humidity", "Außenfeuchte", "sensor", "humidity", "measurement", "%"},
    {"dewpoint", "Taupunkt außen", "sensor", "temperature", "measurement", "°C"},
    {"indoor_temperature", "Innentemperatur", "sensor", "temperature", "measurement", "°C"},
    {"indoor_humidity", "Innenfeuchte", "sensor", "humidity", "measurement", "%"},
    {"indoor_dewpoint", "Taupunkt innen", "sensor", "temperature", "measurement", "°C"},
    {"pressure", "Luftdruck (Meereshöhe)", "sensor", "atmospheric_pressure", "measurement", "hPa"},
    {"station_pressure", "Luftdruck (Station)", "sensor", "atmospheric_pressure", "measurement",
     "hPa"},
    {"wind_speed", "Windgeschwindigkeit", "sensor", "wind_speed", "measurement", "m/s"},
    {"wind_gust", "Windböe", "sensor", "wind_speed", "measurement", "m/s"},
    // Directions have no statistics: the mean of 350° and 10° is not 180°.
    {"wind_direction", "Windrichtung", "sensor", nullptr, nullptr, "°"},
    {"wind_gust_direction", "Richtung der Böe", "sensor", nullptr, nullptr, "°"},
    {"windchill", "Windchill", "sensor", "temperature", "measurement", "°C"},
    {"rain_rate", "Regenrate", "sensor", "precipitation_intensity", "measurement", "mm/h"},
    {"rain_total", "Regen gesamt", "sensor", "precipitation", "total_increasing", "mm"},
    // Starts again at 0 at midnight: total_increasing takes a fall as a new start.
    {"rain_today", "Regen heute", "sensor", "precipitation", "total_increasing", "mm"},
    {"rain_24h", "Regen 24 Stunden", "sensor", "precipitation", "measurement", "mm"},
    {"battery_low", "Batterie schwach", "binary_sensor", "battery", nullptr, nullptr},
}};
