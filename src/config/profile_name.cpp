#include "config/profile_name.h"

namespace {

bool isControl(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7F;
}

bool isPathBreaker(QChar c) {
    return c == QLatin1Char('/') || c == QLatin1Char('\\') || isControl(c);
}

// The sections of wetterpult.ini that are not profiles.
const QStringList& ownSections() {
    static const QStringList sections = {
        QStringLiteral("WindowPos"),      QStringLiteral("Alles"),       QStringLiteral("WinGT"),
        QStringLiteral("ClientServer"),   QStringLiteral("Wetterlog"),   QStringLiteral("ASYNOP"),
        QStringLiteral("Farben"),         QStringLiteral("Schriften"),   QStringLiteral("Profile"),
        QStringLiteral("ImportSchedule"), QStringLiteral("ReadSchedule")};
    return sections;
}

}  // namespace

QString profileNameProblem(const QString& name, const QStringList& namesInUse) {
    if (name.isEmpty())
        return QStringLiteral("Bitte einen Namen für das Profil eingeben.");
    if (name.front().isSpace() || name.back().isSpace()) {
        return QStringLiteral(
            "Der Profilname darf nicht mit einem Leerzeichen beginnen oder enden.");
    }
    for (const QChar c : name) {
        if (isControl(c))
            return QStringLiteral("Der Profilname darf keine Steuerzeichen enthalten.");
    }
    for (const QChar c : QStringLiteral("[]=/\\")) {
        if (name.contains(c)) {
            return QStringLiteral("Der Profilname darf keines der Zeichen [ ] = / \\ enthalten.");
        }
    }
    if (name.startsWith(QLatin1Char('.'))) {
        return QStringLiteral("Der Profilname darf nicht mit einem Punkt beginnen.");
    }
    if (ownSections().contains(name, Qt::CaseInsensitive)) {
        return QStringLiteral("Der Name %1 ist für die Einstellungen des Programms reserviert.")
            .arg(name);
    }
    if (namesInUse.contains(name, Qt::CaseInsensitive)) {
        return QStringLiteral("Ein Profil mit dem Namen %1 gibt es schon.").arg(name);
    }
    return {};
}

QString profileFileStem(const QString& name) {
    if (name.isEmpty())
        return QStringLiteral("_");
    QString stem = name;
    for (QChar& c : stem) {
        if (isPathBreaker(c))
            c = QLatin1Char('_');
    }
    if (stem.front() == QLatin1Char('.'))
        stem.front() = QLatin1Char('_');
    return stem;
}
