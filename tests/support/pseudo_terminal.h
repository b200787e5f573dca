// A pseudo-terminal in raw mode for tests: the test writes into the master what a station would
// send; the program under test opens the slave device as its serial port.
#pragma once

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <QByteArray>
#include <QString>

class PseudoTerminal {
public:
    PseudoTerminal() {
        termios raw{};
        ::cfmakeraw(&raw);
        char name[256] = {};
        int slave = -1;
        if (::openpty(&master_, &slave, name, &raw, nullptr) != 0)
            return;
        // The slave is opened again by the code under test; holding it here would hide a hang-up.
        ::close(slave);
        slavePath_ = QString::fromLocal8Bit(name);
    }
    ~PseudoTerminal() { closeMaster(); }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool valid() const { return master_ >= 0; }
    QString slavePath() const { return slavePath_; }

    bool write(const QByteArray& bytes) {
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t n =
                ::write(master_, bytes.constData() + done, size_t(bytes.size() - done));
            if (n <= 0)
                return false;
            done += n;
        }
        return true;
    }

    // Like pulling the station's cable: the slave side sees a hang-up.
    void closeMaster() {
        if (master_ >= 0)
            ::close(master_);
        master_ = -1;
    }

private:
    int master_ = -1;
    QString slavePath_;
};
