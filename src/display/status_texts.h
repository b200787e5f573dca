// The texts of the main window's caption and status bar: whether the program is active, the time
// left until each scheduled output, and how long it has been active.
#pragma once

#include <QDateTime>
#include <QString>
#include <array>

// The caption before the first refresh, and the texts of the six status panels then: panel 0's
// design text "ASYNOP:", the others empty (nothing is counting down yet).
inline constexpr const char* kDesignedCaption = "Wetterpult - Inactive";
const std::array<QString, 6>& designedPanelTexts();

// "Wetterpult - Aktiv" or "Wetterpult - Inaktiv".
QString captionText(bool active);

// The seconds counter with two digits: 7 -> "07".
QString secondsText(int secondsCounter);

// Time left from now until the time of day in a "hh:nn" text, as "hh:nn:ss"; a time earlier than
// now is tomorrow's. A text shorter than five characters, or one that is no time of day, gives
// "00:00:00".
QString remainingTimeText(const QString& scheduled, const QTime& now);

// How long from start to now: days, then hours, minutes and seconds: "0:01:23:45".
QString RunTimeText(const QDateTime& start, const QDateTime& now);

// Everything the status bar shows, as the scheduler and the settings keep it.
struct StatusInputs {
    bool active = false;
    int secondsCounter = 0;
    QString nextImportTime;
    QString nextReadTime;
    bool importManuell = false;
    bool readManuell = false;
    bool readMinute = false;
    int logMinutesLeft = 0;
    int logIntervalMs = 0;
    int aprsMinutesLeft = 0;
    int aprsIntervall = 0;
    QDateTime activationTime;
    // The state of the station input while active: lost since then (invalid: not lost), or the
    // data are not fresh enough for the outputs.
    QDateTime stationLostSince;
    bool dataStale = false;
};

// Caption and panels 1 to 5 (panel 0 belongs to the ASYNOP report) for the moment now. While the
// station is lost, or its data are not fresh, the last panel (the one with room to spare) says so
// instead of the run time: "Keine Verbindung zur Station seit hh:mm", "Keine aktuellen Daten".
struct StatusTexts {
    QString caption;
    std::array<QString, 6> panels;  // index 0 is left empty here
};
StatusTexts statusTexts(const StatusInputs& in, const QDateTime& now);
