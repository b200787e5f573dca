// The simulator on a pseudo-terminal for whole-window tests: started fast with a fixed seed, it
// prints the device path the program under test opens as its serial port.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

class SimulatedStation {
public:
    explicit SimulatedStation(int seed) {
        sim_.start(QStringLiteral(WETTERPULT_BIN_DIR "/tools/sim/wetterpult-sim"),
                   {"--pty", "--speed", "20", "--seed", QString::number(seed)});
        if (sim_.waitForReadyRead(10000))
            port_ = QString::fromLocal8Bit(sim_.readLine()).trimmed();
    }
    ~SimulatedStation() {
        sim_.terminate();
        sim_.waitForFinished(10000);
    }
    SimulatedStation(const SimulatedStation&) = delete;
    SimulatedStation& operator=(const SimulatedStation&) = delete;

    // The pseudo-terminal's path, empty when the simulator did not start.
    const QString& port() const { return port_; }
    QString error() const { return sim_.errorString(); }

private:
    QProcess sim_;
    QString port_;
};
