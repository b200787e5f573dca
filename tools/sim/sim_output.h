// Where the simulated station's bytes go: a new pseudo-terminal (its slave device stands in for the
// station's serial port), standard output, or a file.
#pragma once

#include <QByteArray>
#include <QString>

class SimOutput {
public:
    ~SimOutput();

    // Creates a pseudo-terminal in raw mode. Its slave stays open here so that a program may close
    // and reopen the port; bytes nobody reads are thrown away instead of piling up.
    bool openPty(QString* error);
    // Standard output for "-", else the file (created or truncated).
    bool openOut(const QString& target, QString* error);

    // The slave device of the pseudo-terminal ("/dev/pts/N").
    QString ptyPath() const { return ptyPath_; }

    // Writes one group. False when the output is gone (a closed pipe, a full disk).
    bool write(const QByteArray& bytes, QString* error);

private:
    int fd_ = -1;
    int slave_ = -1;
    bool ownsFd_ = false;
    QString ptyPath_;
};
