// The model of the serial port's setup dialog "Setup" ("COM-Port..."): the port, from the ports
// present or typed as a device path, and its five line settings. "OK" gives all six to the port
// at once; only the port's name is kept for the settings file.
#pragma once

#include <QStringList>
#include <functional>

#include "base/dialog_model.h"
#include "station/serial_line_settings.h"

class SerialLink;

// The serial ports present on the system, in their stored form ("COM1" for /dev/ttyS0, the device
// path for any other), COM ports first in number order.
QStringList presentSerialPorts();

// The name a chosen device is kept under: "COMn" for /dev/ttyS(n-1), else the text as given.
QString storedPortName(const QString& device);

class SerialSetupModel : public DialogModel {
public:
    static constexpr const char* kPortField = "Port";

    // `keepPortName` passes the chosen name on to the settings (Comport); `ports` lists the ports
    // present.
    SerialSetupModel(SerialLink& link, std::function<void(const QString&)> keepPortName,
                     std::function<QStringList()> ports = presentSerialPorts);

    void fill() override;
    std::vector<FieldProblem> problems() const override;

    // The entries of the "Port" list: the ports present, and the current one even when absent.
    QStringList portEntries;
    QString port;
    SerialLineTexts line;

protected:
    std::optional<FieldProblem> apply() override;

private:
    SerialLink& link_;
    std::function<void(const QString&)> keepPortName_;
    std::function<QStringList()> ports_;
};
