// The serial port's line settings as its setup dialog "Setup" offers them: baud rate, data bits,
// stop bits, parity and flow control, each as the text of the dialog's list. The station's own
// settings, with which every run starts, are 9600 baud, 8 data bits, no parity, one stop bit, no
// handshake with DTR on and RTS off ("Custom").
#pragma once

#include <QSerialPort>
#include <QStringList>
#include <optional>

enum class FlowChoice {
    Hardware,  // RTS/CTS handshake
    Software,  // XON/XOFF
    None,      // no handshake, the modem lines as the system leaves them
    Custom,    // no handshake, DTR on and RTS off: what the station needs
};

struct SerialLineSettings {
    qint32 baudRate = 9600;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    FlowChoice flow = FlowChoice::Custom;
    bool operator==(const SerialLineSettings&) const = default;
};

// The five settings as the texts of the dialog's lists.
struct SerialLineTexts {
    QString baudRate;
    QString dataBits;
    QString stopBits;
    QString parity;
    QString flowControl;
    bool operator==(const SerialLineTexts&) const = default;
};

// The entries of the lists, in their order: "Custom", "110" ... "256000"; "5" ... "8";
// "1", "1.5", "2"; "None", "Odd", "Even", "Mark", "Space"; "Hardware", "Software", "None",
// "Custom".
const QStringList& baudRateEntries();
const QStringList& dataBitsEntries();
const QStringList& stopBitsEntries();
const QStringList& parityEntries();
const QStringList& flowControlEntries();

// The texts that show these settings; a baud rate that is not in the list shows as "Custom".
SerialLineTexts lineTexts(const SerialLineSettings& settings);
// The settings these texts choose, "Custom" baud keeping the rate of `current`. Nothing when a
// text is none of its list's entries.
std::optional<SerialLineSettings> lineSettings(const SerialLineTexts& texts,
                                               const SerialLineSettings& current);
