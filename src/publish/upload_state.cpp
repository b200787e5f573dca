#include "publish/upload_state.h"

namespace {
QString hhmm(const QDateTime& t) {
    return t.toLocalTime().toString(QStringLiteral("HH:mm"));
}
}  // namespace

QString uploadStatusText(const UploadState& state) {
    if (!state.enabled)
        return {};
    if (state.failingSince.isValid())
        return QStringLiteral("%1: Fehler seit %2").arg(state.name, hhmm(state.failingSince));
    if (state.lastSuccess.isValid())
        return QStringLiteral("%1: %2 ok").arg(state.name, hhmm(state.lastSuccess));
    return state.name + QStringLiteral(": noch nicht gesendet");
}

QString uploadStateWord(const UploadState& state) {
    if (state.sending)
        return QStringLiteral("sendet ...");
    if (!state.enabled)
        return QStringLiteral("aus");
    if (state.failingSince.isValid())
        return QStringLiteral("Fehler seit ") + hhmm(state.failingSince);
    if (state.lastSuccess.isValid())
        return QStringLiteral("ok");
    return QStringLiteral("wartet");
}

QStringList uploadStateRow(const UploadState& state) {
    const QString format = QStringLiteral("dd.MM.yyyy HH:mm");
    const QString success = state.lastSuccess.isValid()
                                ? state.lastSuccess.toLocalTime().toString(format)
                                : QStringLiteral("noch keiner");
    const QString error = state.lastErrorAt.isValid()
                              ? state.lastErrorAt.toLocalTime().toString(format) +
                                    QStringLiteral(": ") + state.lastError
                              : QString();
    return {state.name, uploadStateWord(state), success, error};
}
