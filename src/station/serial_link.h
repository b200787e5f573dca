// The station's serial port (the main window's ComPort1): line settings 9600 8N1 without flow
// control, DTR on and RTS off (unless the setup dialog changes them for the run), every received
// chunk handed on in order. A line error or a port
// that disappears closes the port and tells the user that the port cannot be used.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>

#include "station/serial_line_settings.h"

// Why a port would not open, in German, from the system's error number; a permission problem
// names the group dialout that a user of serial ports belongs to.
QString portOpenReason(int errorNumber);

class SerialLink : public QObject {
    Q_OBJECT
public:
    // The name the port has before the settings are loaded, and the settings' default.
    static constexpr const char* kBuiltInPortName = "COM3";
    static constexpr const char* kDefaultPortName = "COM2";

    explicit SerialLink(QObject* parent = nullptr);
    ~SerialLink() override;

    // The device a port name stands for: "COMn" is /dev/ttyS{n-1}, a name starting with "/" is a
    // device path, any other name is looked up under /dev/.
    static QString devicePath(const QString& portName);

    // The name as the settings keep it (for example "COM2"). Takes effect at the next open.
    QString portName() const { return portName_; }
    void setPortName(const QString& name) { portName_ = name; }

    // Opens the port with the fixed line settings. On failure the general error handler reports
    // "Unable to open com port (win error code: n)" with the system's error number, and as its
    // details the device and the reason in German (openFailureDetails()); false is returned.
    // Opening an open port does nothing.
    bool open() { return open(nullptr); }
    // The same, but a failure's text goes to *failure instead of the error handler (for quiet
    // retries of a port that has gone).
    bool open(QString* failure);
    // The device and the German reason of the last failed open: "/dev/ttyS1 (COM2): belegt; ...".
    QString openFailureDetails() const { return openFailureDetails_; }
    // The line settings the port opens with; the station's 9600 8N1 until the setup dialog
    // changes them for this run.
    const SerialLineSettings& lineSettings() const { return line_; }
    // The setup dialog's "OK": takes the name and the line settings. An open port is opened again
    // under a new name, or given the new settings at once. A port that then fails is handled as a
    // line error (closed, the message told, portLost) and false is returned.
    bool setup(const QString& name, const SerialLineSettings& line);

    // Closes the port if it is open. Nothing is reported.
    void close();
    bool isOpen() const;

signals:
    // Every chunk of bytes read from the port, in arrival order.
    void bytesReceived(const QByteArray& chunk);
    // The port was closed because of a line error or because it disappeared; the user is told
    // right after. Reception stays stopped until the port is opened again.
    void portLost();

private:
    void onError(QSerialPort::SerialPortError error);
    void handleLineError();
    // The line settings into the port; false when the port refuses one of them.
    bool applyLineSettings();
    // Closes the port, tells the user it cannot be used (with the reason, when known), and emits
    // portLost.
    void losePort(const QString& details = {});
    void onReadyRead();

    QSerialPort* port_;
    QString portName_ = QString::fromLatin1(kBuiltInPortName);
    SerialLineSettings line_;
    QString openFailureDetails_;
    bool configuring_ = false;       // modem-line errors while opening are not line errors
    bool lineErrorPending_ = false;  // one report per lost port, however many errors follow
};
