#include "base/system_reason.h"

#include <cerrno>
#include <utility>

namespace {
const std::pair<int, const char*> kReasons[] = {
    {ENOSPC, "Platte voll"},
    {EDQUOT, "Speicherkontingent erschöpft"},
    {EFBIG, "Datei zu groß"},
    {EROFS, "schreibgeschützt"},
    {EACCES, "keine Berechtigung"},
    {EPERM, "nicht erlaubt"},
    {ENOENT, "Datei oder Ordner nicht vorhanden"},
    {ENOTDIR, "ein Teil des Pfades ist kein Ordner"},
    {EISDIR, "ist ein Ordner"},
    {EEXIST, "ist schon vorhanden"},
    {ENAMETOOLONG, "Name zu lang"},
    {EIO, "Ein-/Ausgabefehler des Datenträgers"},
    {EMFILE, "zu viele offene Dateien"},
    {ENFILE, "zu viele offene Dateien im System"},
    {EBUSY, "belegt"},
    {ENXIO, "Gerät nicht vorhanden"},
    {ENODEV, "Gerät nicht vorhanden"},
};
}  // namespace

QString germanReason(int errorNumber) {
    for (const auto& [number, text] : kReasons)
        if (number == errorNumber)
            return QString::fromUtf8(text);
    return qt_error_string(errorNumber);
}

QString germanReason(const QString& systemText) {
    for (const auto& [number, text] : kReasons)
        if (systemText == qt_error_string(number))
            return QString::fromUtf8(text);
    return systemText;
}
