// A real mosquitto broker for tests: started on a free loopback port with its own configuration
// file (never the system's service), optionally with a password file; mosquitto_sub and
// mosquitto_pub run against it as a user would run them.
#pragma once

#include <QProcess>
#include <QStringList>
#include <QTcpServer>
#include <QTemporaryDir>

#include "support/wait.h"

class MosquittoBroker {
public:
    // `user` and `password`: only this login is let in; empty: anyone.
    explicit MosquittoBroker(const QString& user = {}, const QString& password = {}) {
        QTcpServer probe;
        if (probe.listen(QHostAddress::LocalHost, 0))
            port_ = probe.serverPort();
        QStringList config{QStringLiteral("listener %1 127.0.0.1").arg(port_),
                           QStringLiteral("persistence false"), QStringLiteral("log_dest stderr")};
        if (user.isEmpty()) {
            config << QStringLiteral("allow_anonymous true");
        } else {
            const QString passwords = dir_.filePath(QStringLiteral("passwd"));
            QProcess::execute(QStringLiteral("mosquitto_passwd"),
                              {"-b", "-c", passwords, user, password});
            // A broker started by root reads it as the user "mosquitto".
            QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                   QFileDevice::ExeOther);
            QFile::setPermissions(passwords, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ReadOther);
            config << QStringLiteral("allow_anonymous false")
                   << QStringLiteral("password_file ") + passwords;
        }
        QFile file(dir_.filePath(QStringLiteral("mosquitto.conf")));
        if (file.open(QIODevice::WriteOnly))
            file.write(config.join(QLatin1Char('\n')).toUtf8() + '\n');
    }
    ~MosquittoBroker() { stop(); }
    MosquittoBroker(const MosquittoBroker&) = delete;
    MosquittoBroker& operator=(const MosquittoBroker&) = delete;

    // Starts the broker and waits until it says it runs; false when it does not.
    bool start() {
        log_.clear();
        broker_.setProcessChannelMode(QProcess::MergedChannels);
        broker_.start(QStringLiteral("mosquitto"),
                      {"-c", dir_.filePath(QStringLiteral("mosquitto.conf"))});
        return waitUntil([this] {
                   log_ += broker_.readAll();
                   return log_.contains(" running") || broker_.state() == QProcess::NotRunning;
               }) &&
               broker_.state() == QProcess::Running;
    }
    void stop() {
        if (broker_.state() == QProcess::NotRunning)
            return;
        broker_.kill();
        broker_.waitForFinished(10000);
    }

    int port() const { return port_; }
    const QByteArray& log() const { return log_; }

    // mosquitto_sub -v on these topics until `count` messages came (retained ones first): one
    // "topic payload" line each; fewer when they do not come within ten seconds.
    QStringList receive(const QStringList& topics, int count) const {
        QStringList args{
            "-h", "127.0.0.1", "-p", QString::number(port_), "-v", "-C", QString::number(count),
            "-W", "10"};
        for (const QString& topic : topics)
            args << "-t" << topic;
        QProcess sub;
        sub.start(QStringLiteral("mosquitto_sub"), args);
        waitUntil([&sub] { return sub.state() == QProcess::NotRunning; }, 15000);
        return QString::fromUtf8(sub.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    }
    // mosquitto_pub: one message, retained or not; an empty payload clears a retained one.
    void send(const QString& topic, const QByteArray& payload, bool retain) const {
        QStringList args{"-h", "127.0.0.1", "-p", QString::number(port_), "-t", topic};
        if (retain)
            args << "-r";
        if (payload.isEmpty())
            args << "-n";
        else
            args << "-m" << QString::fromUtf8(payload);
        QProcess pub;
        pub.start(QStringLiteral("mosquitto_pub"), args);
        waitUntil([&pub] { return pub.state() == QProcess::NotRunning; }, 15000);
    }

private:
    QTemporaryDir dir_;
    QProcess broker_;
    QByteArray log_;
    int port_ = 0;
};
