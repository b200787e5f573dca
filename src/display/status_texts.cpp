#include "display/status_texts.h"

#include <algorithm>

namespace {

constexpr qint64 kSecondsPerDay = 24 * 60 * 60;

QString twoDigits(qint64 n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// Seconds of a span as "hh:nn:ss", the hours taken within one day.
// A time of day written "h:nn" or "hh:nn" (blanks around it allowed); invalid otherwise.
QTime parseTimeOfDay(const QString& text) {
    const QString t = text.trimmed();
    const qsizetype colon = t.indexOf(QLatin1Char(':'));
    if (colon < 1 || colon > 2 || t.size() != colon + 3)
        return {};
    bool hourOk = false;
    bool minuteOk = false;
    const int hour = t.left(colon).toInt(&hourOk);
    const int minute = t.mid(colon + 1).toInt(&minuteOk);
    if (!hourOk || !minuteOk || !t.at(0).isDigit() || !t.at(colon + 1).isDigit())
        return {};
    return QTime(hour, minute);
}

QString clockText(qint64 seconds) {
    seconds %= kSecondsPerDay;
    return twoDigits(seconds / 3600) + QLatin1Char(':') + twoDigits(seconds / 60 % 60) +
           QLatin1Char(':') + twoDigits(seconds % 60);
}

}  // namespace

const std::array<QString, 6>& designedPanelTexts() {
    static const std::array<QString, 6> texts = {QStringLiteral("ASYNOP:")};
    return texts;
}

QString captionText(bool active) {
    return active ? QStringLiteral("Wetterpult - Aktiv") : QStringLiteral("Wetterpult - Inaktiv");
}

QString secondsText(int secondsCounter) {
    return twoDigits(secondsCounter);
}

QString remainingTimeText(const QString& scheduled, const QTime& now) {
    QTime next;
    if (scheduled.size() >= 5)
        next = parseTimeOfDay(scheduled);
    // No time (or a text that is none): the run counts as due now.
    if (!next.isValid())
        return QStringLiteral("00:00:00");
    const qint64 nowMs = now.msecsSinceStartOfDay();
    const qint64 nextMs = next.msecsSinceStartOfDay();
    const qint64 leftMs =
        nextMs >= nowMs ? nextMs - nowMs : kSecondsPerDay * 1000 - (nowMs - nextMs);
    return clockText(leftMs / 1000);
}

QString RunTimeText(const QDateTime& start, const QDateTime& now) {
    // The span counts whole seconds; a clock set back before the start counts the same span.
    const qint64 seconds = qAbs(start.msecsTo(now)) / 1000;
    return QString::number(seconds / kSecondsPerDay) + QLatin1Char(':') + clockText(seconds);
}

StatusTexts statusTexts(const StatusInputs& in, const QDateTime& now) {
    StatusTexts t;
    t.caption = captionText(in.active);
    const QString ss = secondsText(in.secondsCounter);
    const QTime nowTime = now.time();

    t.panels[1] = in.importManuell
                      ? QStringLiteral("Import: manuell")
                      : QStringLiteral("Import: ") + remainingTimeText(in.nextImportTime, nowTime);
    if (in.readManuell)
        t.panels[2] = QStringLiteral("Read: manuell");
    else if (in.readMinute)
        t.panels[2] = QStringLiteral("Read: ") + ss;
    else
        t.panels[2] = QStringLiteral("Read: ") + remainingTimeText(in.nextReadTime, nowTime);
    // Whole minutes left before the seconds; a countdown that has run out shows 0, never -1.
    auto countdown = [&ss](int minutesLeft) {
        return QString::number(std::max(minutesLeft - 1, 0)) + QLatin1Char(':') + ss;
    };
    t.panels[3] = QStringLiteral("Wetterlog: ") + countdown(in.logMinutesLeft);
    t.panels[4] = QStringLiteral("APRS: ") + countdown(in.aprsMinutesLeft);
    if (in.stationLostSince.isValid())
        t.panels[5] = QStringLiteral("Keine Verbindung zur Station seit ") +
                      twoDigits(in.stationLostSince.time().hour()) + QLatin1Char(':') +
                      twoDigits(in.stationLostSince.time().minute());
    else if (in.dataStale)
        t.panels[5] = QStringLiteral("Keine aktuellen Daten");
    else
        t.panels[5] = QStringLiteral("Laufzeit: ") + RunTimeText(in.activationTime, now);
    if (in.logIntervalMs == 0)
        t.panels[3] = QStringLiteral("Kein Log");
    if (in.aprsIntervall == 0)
        t.panels[4] = QStringLiteral("Kein APRS");
    return t;
}
