#include "config/plain_settings_host.h"

void PlainSettingsHost::runAktivCommand() {
    aktiv = !aktiv;
    ++aktivCommands;
    if (onAktiv)
        onAktiv(aktiv);
}
