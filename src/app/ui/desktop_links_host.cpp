#include "app/ui/desktop_links_host.h"

void DesktopLinksHost::overridePort(const QString& port) {
    overridePort_ = port;
    if (!port.isEmpty())
        input_.serialLink().setPortName(port);
}

void DesktopLinksHost::setPortName(const QString& name) {
    savedPort_ = name;
    input_.serialLink().setPortName(overridePort_.isEmpty() ? name : overridePort_);
}
