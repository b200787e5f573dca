// "&Drucken": the Read page just written is copied to "WX-Aktuell am dd.mm. hh-nn.txt" in the Read
// folder and that copy is handed to the print system's lp command. Every failure (no Read page, a
// copy that cannot be written, no lp, a refused print job) is told to the user.
#pragma once

#include <QDateTime>
#include <QObject>
#include <QProcess>
#include <QStringList>

#include "base/formats.h"
#include "config/settings.h"

class ReadPagePrinter : public QObject {
    Q_OBJECT
public:
    explicit ReadPagePrinter(QObject* parent = nullptr);

    // The copy's path at this moment: Read folder + "WX-Aktuell am 14.06. 07-05.txt".
    static QString copyPath(const Settings& settings, const QDateTime& now, const Formats& formats);

    // The print command and its leading arguments; the copy's path is appended. Default: lp.
    void setCommand(const QString& program, const QStringList& arguments = {});

    // Copies the Read page and starts printing the copy; false when that could not even start
    // (the user has been told). The outcome of the print job arrives through finished().
    bool print(const QString& readPage, const QString& copy);

signals:
    void finished(bool ok);

private:
    void jobEnded(int exitCode, QProcess::ExitStatus status);
    void failed(const QString& reason);

    QString program_ = QStringLiteral("lp");
    QStringList arguments_;
    QString copy_;
    QProcess* job_ = nullptr;
};
