// The Weather Underground upload as a request: the parameters of its GET ("updateraw"), every
// value through the quality gate and converted to the network's units (°F, inHg, mph, inches).
// A missing value is left out, never sent as 0.
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QUrl>
#include <utility>

#include "config/settings.h"
#include "station/weather_record.h"

using WuParameters = QList<std::pair<QString, QString>>;

WuParameters wuParameters(const StationData& data, const Settings& settings, const QDateTime& now);

// WUAdresse with the parameters, each percent-encoded.
QUrl wuRequestUrl(const QString& address, const WuParameters& parameters);
