// The program's message boxes. The desktop shows them modally, the headless program writes them to
// standard error, tests record them. The general error handler goes through the same notifier.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct Message {
    QString caption;
    QString text;
    MessageButtons buttons = MessageButtons::Ok;
    // What failed and why, e.g. "/home/wx/aprs.txt: Platte voll": the message box's details, the
    // end of the standard-error line. Empty when the text says it all.
    QString details;
    // A result the user asked for (an import summary, a distance), not a problem: shown with the
    // information icon.
    bool information = false;
};

class Notifier {
public:
    virtual ~Notifier() = default;
    virtual MessageAnswer show(const Message& message) = 0;

    // The notifier every part of the program uses; writes to standard error unless replaced.
    static Notifier& current();
    // Replaces the notifier (nullptr restores the standard-error one). The caller keeps ownership.
    static void install(Notifier* notifier);
};

// Shows a message through the current notifier.
MessageAnswer notify(const QString& caption, const QString& text,
                     MessageButtons buttons = MessageButtons::Ok, const QString& details = {});
// Shows a result the user asked for, with the information icon and "OK".
void inform(const QString& caption, const QString& text);
// The general error handler: a message box with the error text, captioned with the program name,
// and the details (what failed and why) when there are any.
void reportError(const QString& text, const QString& details = {});

// Writes "caption: text" to standard error, followed by " (details)" when there are details, and
// answers with the first button.
class StderrNotifier : public Notifier {
public:
    MessageAnswer show(const Message& message) override;
};

// Keeps every message and answers with a preset answer (tests).
class RecordingNotifier : public Notifier {
public:
    MessageAnswer show(const Message& message) override;
    std::vector<Message> messages;
    MessageAnswer answer = MessageAnswer::Ok;
    QStringList texts() const;
};

// Installs a notifier for the lifetime of this object (tests).
class ScopedNotifier {
public:
    explicit ScopedNotifier(Notifier& n) { Notifier::install(&n); }
    ~ScopedNotifier() { Notifier::install(nullptr); }
    ScopedNotifier(const ScopedNotifier&) = delete;
    ScopedNotifier& operator=(const ScopedNotifier&) = delete;
};
