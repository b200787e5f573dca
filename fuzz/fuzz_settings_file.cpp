// Fuzzes the settings file: arbitrary bytes read as wetterpult.ini into the settings and a settings
// host, as a hand-edited file would be. Besides memory errors it checks what loading promises:
// every value read is one its key can hold, no profile is without a name, and a file saved from
// what was read loads and saves again to the same bytes (unless a value was too long to be read
// whole).
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "base/notifier.h"
#include "config/ini_file.h"
#include "config/plain_settings_host.h"
#include "config/settings_file.h"

namespace {

// The messages about a damaged file are expected here; they go nowhere.
class QuietNotifier : public Notifier {
public:
    MessageAnswer show(const Message&) override { return MessageAnswer::Ok; }
};

void check(bool holds) {
    if (!holds)
        std::abort();
}

// Loads the file into fresh settings and host and saves them into the same file.
QByteArray loadAndSave(IniFile& ini) {
    Settings s;
    s.setProgramFolder(QStringLiteral("/wx/"));
    PlainSettingsHost host;
    applySettings(ini, s, host);
    check(s.LogUpdate <= 2);
    check(s.ZeitzoneIndex <= 24);
    check(s.Zeitzone >= -12 && s.Zeitzone <= 12);
    check(host.serverPort >= 0 && host.serverPort <= 65535);
    check(host.logMilliseconds == 0 || host.logMilliseconds >= 60000);
    check(s.ProfileCount <= kProfileSlots);
    for (int n = 1; n <= s.ProfileCount; ++n)
        check(!s.profile(n).Name.isEmpty());
    storeSettings(ini, s, host);
    return ini.toBytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    static QuietNotifier quiet;
    Notifier::install(&quiet);

    IniFile ini =
        IniFile::fromBytes(QByteArray(reinterpret_cast<const char*>(bytes), qsizetype(size)));
    const QByteArray saved = loadAndSave(ini);
    // A value longer than a line may hold is read back cut; the rest must be saved as it was read.
    for (const QByteArray& line : saved.split('\n'))
        if (line.size() > IniFile::kMaxValueLength)
            return 0;
    IniFile again = IniFile::fromBytes(saved);
    check(loadAndSave(again) == saved);
    return 0;
}
