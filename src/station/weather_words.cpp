#include "station/weather_words.h"

QString TrendWord(std::uint8_t code) {
    switch (code) {
        case 1:
            return QStringLiteral("steigend");
        case 2:
            return QStringLiteral("gleichbleibend");
        case 4:
            return QStringLiteral("fallend");
        default:
            return {};
    }
}

QString ForecastWord(std::uint8_t code) {
    switch (code) {
        case 1:
            return QStringLiteral("sonnig");
        case 2:
            return QString::fromUtf8("bewölkt");
        case 4:
            return QStringLiteral("bedeckt");
        case 8:
            return QStringLiteral("regnerisch");
        default:
            return {};
    }
}
