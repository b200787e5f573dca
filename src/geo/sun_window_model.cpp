#include "geo/sun_window_model.h"

#include <QLocale>
#include <cmath>
#include <optional>

#include "base/dialog_model.h"
#include "base/notifier.h"
#include "geo/sun.h"

namespace {

// A decimal number with the window's decimal comma (a point is understood too).
std::optional<double> decimalNumber(const QString& text) {
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString notRealMessage(const QString& text) {
    return QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(text);
}

QString clockText(double hours) {
    const ClockTime t = clockTime(hours);
    return QString::number(t.hours) + QLatin1Char(':') + QString::number(t.minutes);
}

}  // namespace

QString SunWindowModel::dayLabel(const QDate& today) {
    return QStringLiteral("Tag im Jahr (Heute: %1)").arg(today.dayOfYear());
}

bool SunWindowModel::calculate() {
    const std::optional<int> day = wholeNumber(dayText, 1, 366);
    if (!day) {
        reportError(notIntegerMessage(dayText));
        return false;
    }
    const std::optional<double> latitude = decimalNumber(latitudeText);
    if (!latitude) {
        reportError(notRealMessage(latitudeText));
        return false;
    }
    const std::optional<double> longitude = decimalNumber(longitudeText);
    if (!longitude) {
        reportError(notRealMessage(longitudeText));
        return false;
    }
    const std::optional<int> utc = wholeNumber(utcText, -12, 14);
    if (!utc) {
        reportError(notIntegerMessage(utcText));
        return false;
    }
    const SunTimes s = sunTimes(*day, *latitude, *longitude, *utc);
    auto number = [this](double value, const char* unit) {
        return formats_.real(value, 4) + QString::fromUtf8(unit);
    };
    const QString noRise = QStringLiteral("Sonne geht nicht auf");
    const QString noSet = QStringLiteral("Sonne geht nicht unter");
    auto riseOrSet = [&](const QString& text) {
        if (s.day == SunDay::NeverRises)
            return noRise;
        if (s.day == SunDay::NeverSets)
            return noSet;
        return text;
    };
    const QString dashes = QStringLiteral("------------------");
    // In the order of insertion: each row goes on top of the ones before it.
    const std::vector<SunRow> inserted = {
        {dashes, dashes},
        {QStringLiteral("Zeitgleichung"), number(s.equationOfTime, " h")},
        {QStringLiteral("Zeitgleichung"), number(s.equationOfTime * 60, " m")},
        {QStringLiteral("Deklination"), number(s.declination, " °")},
        {QStringLiteral("Zeitdifferenz"), number(s.halfDay, " h")},
        {QStringLiteral("Aufgang Ortszeit"), riseOrSet(number(s.riseLocal, " h"))},
        {QStringLiteral("Untergang Ortszeit"), riseOrSet(number(s.setLocal, " h"))},
        {QStringLiteral("Aufgang Real"), riseOrSet(clockText(s.riseZone))},
        {QStringLiteral("Untergang Real"), riseOrSet(clockText(s.setZone))},
    };
    rows_.insert(rows_.begin(), inserted.rbegin(), inserted.rend());
    return true;
}
