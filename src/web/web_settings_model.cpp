#include "web/web_settings_model.h"

#include <QHostAddress>

void WebSettingsModel::fill() {
    active = settings_.WebAktiv;
    address = settings_.WebAdresse;
    port = QString::number(settings_.WebPort);
}

std::vector<FieldProblem> WebSettingsModel::problems() const {
    std::vector<FieldProblem> found;
    if (QHostAddress(address.trimmed()).isNull())
        found.push_back({QString::fromLatin1(kAddressField),
                         QStringLiteral("Bitte eine IP-Adresse angeben: 127.0.0.1 für diesen "
                                        "Rechner allein, 0.0.0.0 für das ganze Hausnetz.")});
    checkWholeNumber(found, QString::fromLatin1(kPortField), port, 1, 65535);
    return found;
}

QString WebSettingsModel::stateText() const {
    const QString url = pageAddress();
    if (!url.isEmpty())
        return QStringLiteral("Die Webseite läuft: <a href=\"%1\">%1</a>").arg(url.toHtmlEscaped());
    return settings_.WebAktiv ? QStringLiteral("Die Webseite läuft nicht (siehe Meldung).")
                              : QStringLiteral("Die Webseite ist ausgeschaltet.");
}

std::optional<FieldProblem> WebSettingsModel::apply() {
    settings_.WebAktiv = active;
    settings_.WebAdresse = address.trimmed();
    settings_.WebPort = *wholeNumber(port, 1, 65535);
    if (applied_)
        applied_();
    return std::nullopt;
}
