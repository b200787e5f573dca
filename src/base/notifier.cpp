#include "base/notifier.h"

#include <cstdio>

namespace {
StderrNotifier stderrNotifier;
Notifier* installed = nullptr;

MessageAnswer firstButton(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::YesNo:
        case MessageButtons::YesNoCancel:
            return MessageAnswer::Yes;
        default:
            return MessageAnswer::Ok;
    }
}
}  // namespace

Notifier& Notifier::current() {
    return installed ? *installed : stderrNotifier;
}

void Notifier::install(Notifier* notifier) {
    installed = notifier;
}

MessageAnswer notify(const QString& caption, const QString& text, MessageButtons buttons,
                     const QString& details) {
    return Notifier::current().show(Message{caption, text, buttons, details});
}

void inform(const QString& caption, const QString& text) {
    Message message{caption, text, MessageButtons::Ok, {}};
    message.information = true;
    Notifier::current().show(message);
}

void reportError(const QString& text, const QString& details) {
    notify(QStringLiteral("Wetterpult"), text, MessageButtons::Ok, details);
}

MessageAnswer StderrNotifier::show(const Message& message) {
    QString text = message.caption + QStringLiteral(": ") + message.text;
    if (!message.details.isEmpty())
        text += QStringLiteral(" (") + message.details + QLatin1Char(')');
    const QByteArray line = text.toUtf8();
    std::fprintf(stderr, "%s\n", line.constData());
    std::fflush(stderr);
    return firstButton(message.buttons);
}

MessageAnswer RecordingNotifier::show(const Message& message) {
    messages.push_back(message);
    return answer;
}

QStringList RecordingNotifier::texts() const {
    QStringList out;
    for (const auto& m : messages)
        out << m.text;
    return out;
}
