#include "station/serial_link.h"

#include <fcntl.h>
#include <unistd.h>

#include <QRegularExpression>
#include <cerrno>

#include "base/notifier.h"
#include "base/system_reason.h"

namespace {

// The system's error number for a port that would not open. QSerialPort keeps only its own error
// kind, so the device is opened once more by hand to learn errno; when that succeeds (the port is
// locked by another program, for example) the error kind is translated.
int openErrorNumber(const QString& path, QSerialPort::SerialPortError error) {
    const QByteArray native = path.toLocal8Bit();
    const int fd = ::open(native.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return errno;
    ::close(fd);
    switch (error) {
        case QSerialPort::DeviceNotFoundError:
            return ENOENT;
        case QSerialPort::PermissionError:
            return EACCES;
        default:
            return EBUSY;
    }
}

}  // namespace

QString portOpenReason(int errorNumber) {
    switch (errorNumber) {
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return QStringLiteral("Gerät nicht vorhanden");
        case EACCES:
        case EPERM:
            return QString::fromUtf8(
                "keine Berechtigung; das Benutzerkonto muss zur Gruppe dialout gehören "
                "(sudo usermod -aG dialout $USER, danach neu anmelden)");
        case EBUSY:
            return QString::fromUtf8("belegt; ein anderes Programm benutzt die Schnittstelle");
        default:
            return germanReason(errorNumber);
    }
}

SerialLink::SerialLink(QObject* parent) : QObject(parent), port_(new QSerialPort(this)) {
    connect(port_, &QSerialPort::readyRead, this, &SerialLink::onReadyRead);
    connect(port_, &QSerialPort::errorOccurred, this, &SerialLink::onError);
}

SerialLink::~SerialLink() {
    close();
}

QString SerialLink::devicePath(const QString& portName) {
    static const QRegularExpression com(QStringLiteral("^COM([0-9]+)$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = com.match(portName);
    if (m.hasMatch()) {
        bool ok = false;
        const int n = m.captured(1).toInt(&ok);
        if (ok && n >= 1)
            return QStringLiteral("/dev/ttyS%1").arg(n - 1);
    }
    if (portName.startsWith(QLatin1Char('/')))
        return portName;
    return QStringLiteral("/dev/") + portName;
}

bool SerialLink::isOpen() const {
    return port_->isOpen();
}

bool SerialLink::open(QString* failure) {
    if (port_->isOpen())
        return true;
    const QString path = devicePath(portName_);
    port_->setPortName(path);
    configuring_ = true;
    applyLineSettings();
    const bool opened = port_->open(QIODevice::ReadWrite);
    if (!opened) {
        const int err = openErrorNumber(path, port_->error());
        configuring_ = false;
        port_->clearError();
        const QString text =
            QStringLiteral("Unable to open com port (win error code: %1)").arg(err);
        const QString device =
            path == portName_ ? path : QStringLiteral("%1 (%2)").arg(path, portName_);
        openFailureDetails_ = device + QStringLiteral(": ") + portOpenReason(err);
        if (failure)
            *failure = text;
        else
            reportError(text, openFailureDetails_);
        return false;
    }
    if (line_.flow != FlowChoice::None) {
        // A device without modem lines (a pseudo-terminal) refuses these; not a line error.
        port_->setDataTerminalReady(true);
        if (line_.flow != FlowChoice::Hardware)
            port_->setRequestToSend(false);
    }
    port_->clearError();
    configuring_ = false;
    lineErrorPending_ = false;
    return true;
}

bool SerialLink::applyLineSettings() {
    QSerialPort::FlowControl flow = QSerialPort::NoFlowControl;
    if (line_.flow == FlowChoice::Hardware)
        flow = QSerialPort::HardwareControl;
    else if (line_.flow == FlowChoice::Software)
        flow = QSerialPort::SoftwareControl;
    // Every setter runs, so that one refusal does not leave the others unapplied.
    const bool baud = port_->setBaudRate(line_.baudRate);
    const bool data = port_->setDataBits(line_.dataBits);
    const bool parity = port_->setParity(line_.parity);
    const bool stop = port_->setStopBits(line_.stopBits);
    const bool handshake = port_->setFlowControl(flow);
    return baud && data && parity && stop && handshake;
}

bool SerialLink::setup(const QString& name, const SerialLineSettings& line) {
    const bool renamed = name != portName_;
    portName_ = name;
    line_ = line;
    if (!port_->isOpen())
        return true;
    bool ok = false;
    if (renamed) {
        close();
        QString failure;
        ok = open(&failure);
    } else {
        configuring_ = true;
        ok = applyLineSettings();
        configuring_ = false;
    }
    if (!ok)
        losePort(renamed ? openFailureDetails_ : QString());
    return ok;
}

void SerialLink::close() {
    if (port_->isOpen())
        port_->close();
}

void SerialLink::onReadyRead() {
    const QByteArray chunk = port_->readAll();
    if (!chunk.isEmpty())
        emit bytesReceived(chunk);
}

void SerialLink::onError(QSerialPort::SerialPortError error) {
    if (configuring_ || lineErrorPending_ || !port_->isOpen())
        return;
    switch (error) {
        case QSerialPort::NoError:
        case QSerialPort::UnsupportedOperationError:
        case QSerialPort::NotOpenError:
        case QSerialPort::TimeoutError:
            return;
        default:
            break;
    }
    // The port object is inside its own read handler here; it is closed once that has returned.
    lineErrorPending_ = true;
    QMetaObject::invokeMethod(this, &SerialLink::handleLineError, Qt::QueuedConnection);
}

void SerialLink::handleLineError() {
    if (!port_->isOpen())
        return;  // closed meanwhile on purpose: nothing to report
    losePort();
}

void SerialLink::losePort(const QString& details) {
    close();
    port_->clearError();
    // Whoever tries the port again starts before the message box, which waits for the user.
    emit portLost();
    notify(QStringLiteral("Comport belegt"),
           portName_ + QStringLiteral(" kann nich geöffnet werden."), MessageButtons::OkCancel,
           details);
}
